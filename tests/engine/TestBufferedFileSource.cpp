#include "engine/BufferedFileSource.h"
#include "engine/PdfCheck.h"
#include "support/TestPdf.h"

#include <QRandomGenerator>
#include <QtTest>
#include <qpdf/FileInputSource.hh>
#include <qpdf/QPDF.hh>

#include <stdexcept>
#include <vector>

/**
 * The buffered source must read, seek and find line ends exactly as qpdf's own file source does: qpdf's
 * parser relies on every offset it is told.
 */
class TestBufferedFileSource : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void behavesLikeQpdfsOwnSource_data();
    void behavesLikeQpdfsOwnSource();
    void readsDocumentsAsQpdfDoes_data();
    void readsDocumentsAsQpdfDoes();
    void refusesAMissingFile();

private:
    QTemporaryDir m_fixtures;
};

void TestBufferedFileSource::initTestCase()
{
    // Several of the source's blocks, thick with line ends of every kind, runs of them across block borders.
    QRandomGenerator random(7);
    QByteArray bytes;
    const char alphabet[] = { 'a', 'b', ' ', '\r', '\n', '0', '%' };
    while (bytes.size() < 300 * 1024) {
        const int run = random.bounded(1, 40);
        const char ch = alphabet[random.bounded(int(sizeof(alphabet)))];
        bytes.append(QByteArray(ch == '\r' || ch == '\n' ? random.bounded(1, 4) : run, ch));
    }
    QVERIFY(TestPdf::writeBytes(m_fixtures.filePath("lines.bin"), bytes));

    const QString text = m_fixtures.filePath("text.pdf");
    QVERIFY(TestPdf::writeTextDocument(text, 3));
    QVERIFY(TestPdf::writeBrokenXrefCopy(text, m_fixtures.filePath("broken-xref.pdf")));
    QVERIFY(TestPdf::writeTruncatedCopy(text, m_fixtures.filePath("truncated.pdf"), QFileInfo(text).size() / 2));
    QVERIFY(TestPdf::writeManyObjectsDocument(m_fixtures.filePath("rebuilt.pdf"), 20000));
    QVERIFY(TestPdf::writeImageDocument(m_fixtures.filePath("images.pdf"), 2));
    QVERIFY(TestPdf::writeEncryptedCopy(text, m_fixtures.filePath("locked.pdf"), "user", "owner"));
}

void TestBufferedFileSource::behavesLikeQpdfsOwnSource_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : { 1u, 2u, 3u }) {
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
    }
}

// The same random walk of reads, seeks and line searches through both sources, compared at every step.
void TestBufferedFileSource::behavesLikeQpdfsOwnSource()
{
    QFETCH(quint32, seed);
    const std::string path = QFile::encodeName(m_fixtures.filePath("lines.bin")).toStdString();
    const auto size = static_cast<qpdf_offset_t>(QFileInfo(m_fixtures.filePath("lines.bin")).size());
    BufferedFileSource ours(path);
    FileInputSource theirs(path.c_str());
    QRandomGenerator random(seed);
    std::vector<char> ourBytes(100 * 1024);
    std::vector<char> theirBytes(ourBytes.size());

    for (int step = 0; step < 3000; ++step) {
        const int operation = random.bounded(6);
        QString what;
        if (operation == 0) {
            const qpdf_offset_t offset = random.bounded(int(size + 100));
            ours.seek(offset, SEEK_SET);
            theirs.seek(offset, SEEK_SET);
            what = QStringLiteral("seek to %1").arg(offset);
        } else if (operation == 1) {
            const qpdf_offset_t back = -random.bounded(int(size));
            ours.seek(back, SEEK_END);
            theirs.seek(back, SEEK_END);
            what = QStringLiteral("seek %1 from the end").arg(back);
        } else if (operation == 2) {
            const qpdf_offset_t ahead = random.bounded(-50, 5000);
            if (ours.tell() + ahead >= 0) {
                ours.seek(ahead, SEEK_CUR);
                theirs.seek(ahead, SEEK_CUR);
            }
            what = QStringLiteral("seek %1 on").arg(ahead);
        } else if (operation == 3) {
            // Mostly the parser's small reads, now and then one larger than a block.
            const auto length = static_cast<size_t>(
                random.bounded(10) == 0 ? random.bounded(int(ourBytes.size())) : random.bounded(200));
            const size_t ourCount = ours.read(ourBytes.data(), length);
            QCOMPARE(ourCount, theirs.read(theirBytes.data(), length));
            QVERIFY(std::equal(ourBytes.begin(), ourBytes.begin() + long(ourCount), theirBytes.begin()));
            what = QStringLiteral("read %1").arg(length);
        } else if (operation == 4) {
            QCOMPARE(ours.findAndSkipNextEOL(), theirs.findAndSkipNextEOL());
            what = QStringLiteral("line end");
        } else {
            // As the parser does: a character read, found to belong to the next token, and put back.
            char ourCh = 0;
            char theirCh = 0;
            const size_t ourCount = ours.read(&ourCh, 1);
            QCOMPARE(ourCount, theirs.read(&theirCh, 1));
            if (ourCount == 1) {
                QCOMPARE(ourCh, theirCh);
                ours.unreadCh(ourCh);
                theirs.unreadCh(theirCh);
            }
            what = QStringLiteral("read and unread");
        }
        QVERIFY2(ours.tell() == theirs.tell(), qPrintable(QStringLiteral("step %1: %2").arg(step).arg(what)));
        QVERIFY2(ours.getLastOffset() == theirs.getLastOffset(),
            qPrintable(QStringLiteral("step %1: %2").arg(step).arg(what)));
    }
}

void TestBufferedFileSource::readsDocumentsAsQpdfDoes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::newRow("plain") << "text.pdf" << QString();
    QTest::newRow("cross-references all wrong") << "broken-xref.pdf" << QString();
    QTest::newRow("no cross-references at all") << "rebuilt.pdf" << QString();
    QTest::newRow("cut in half") << "truncated.pdf" << QString();
    QTest::newRow("images") << "images.pdf" << QString();
    QTest::newRow("locked, no password") << "locked.pdf" << QString();
    QTest::newRow("locked, with its password") << "locked.pdf"
                                               << "user";
}

// The inspection reads through the buffered source; qpdf's own opening of the file is the reference.
void TestBufferedFileSource::readsDocumentsAsQpdfDoes()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    const QString path = m_fixtures.filePath(name);

    const PdfCheck::Result inspection = PdfCheck::inspect(path, password);
    int pages = -1;
    int warnings = -1;
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processFile(
            QFile::encodeName(path).constData(), password.isEmpty() ? nullptr : password.toUtf8().constData());
        pages = static_cast<int>(pdf.getAllPages().size());
        warnings = static_cast<int>(pdf.getWarnings().size());
    } catch (const std::exception&) {
        pages = -1;
    }
    QCOMPARE(inspection.outcome == PdfCheck::Outcome::Readable, pages >= 0);
    if (pages >= 0) {
        QCOMPARE(inspection.pageCount, pages);
        QCOMPARE(inspection.warnings.size(), warnings);
    }
}

void TestBufferedFileSource::refusesAMissingFile()
{
    const QString missing = m_fixtures.filePath("gone.pdf");
    QVERIFY_EXCEPTION_THROWN(BufferedFileSource(QFile::encodeName(missing).toStdString()), std::runtime_error);
    const PdfCheck::Result inspection = PdfCheck::inspect(missing);
    QCOMPARE(inspection.outcome, PdfCheck::Outcome::Unreadable);
    QVERIFY2(inspection.message.contains(QStringLiteral("No such file")), qPrintable(inspection.message));
}

QTEST_MAIN(TestBufferedFileSource)
#include "TestBufferedFileSource.moc"
