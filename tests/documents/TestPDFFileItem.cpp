#include "documents/PDFFileItem.h"
#include "engine/CompressSetting.h"
#include "engine/GSCompressor.h"
#include "foundation/ProductConstants.h"
#include "support/LogCapture.h"
#include "support/TestHome.h"
#include "support/TestPdf.h"

#include <QSignalSpy>
#include <QThread>
#include <QtTest>
#include <functional>
#include <memory>

namespace {
    const QString userPassword = QStringLiteral("user-secret");
    const QString ownerPassword = QStringLiteral("owner-secret");
    // Letters beyond ASCII, as a German or French user types them; the euro sign differs between
    // PDFDocEncoding and the Windows code page.
    const QString accentedPassword = QString::fromUtf8("Grüße-€-été");
    const QString openIcon = QStringLiteral("PDF-3x.png");
    const QString lockedIcon = QStringLiteral("PDFLock-3x.png");
    constexpr int plainPages = 3;

    /** How many of this process's open file descriptors refer to path. */
    int openDescriptorsTo(const QString& path)
    {
        const QString target = QFileInfo(path).canonicalFilePath();
        int count = 0;
        const QFileInfoList descriptors
            = QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::System | QDir::NoDotAndDotDot);
        for (const QFileInfo& descriptor : descriptors) {
            if (descriptor.symLinkTarget() == target) {
                ++count;
            }
        }
        return count;
    }
} // namespace

class TestPDFFileItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void inspects_data();
    void inspects();
    void closesTheFileAfterInspectionAndUnlock();
    void unlocks_data();
    void unlocks();
    void survivesAnyNumberOfWrongPasswords();
    void refusesUnlockWhenSourceVanished();
    void castsToCompressFunction();

    void compressionEmitsNameSizeThenPath();
    void compressesUnlockedDocumentWithItsPassword_data();
    void compressesUnlockedDocumentWithItsPassword();
    void compressesOwnerOnlyDocumentWithoutPassword();
    void failedCompressionEmitsNothing_data();
    void failedCompressionEmitsNothing();
    void compressesWithTheSettingItWasGiven();
    void keepsProgressOnlyWhileCompressing();

private:
    QString fixture(const QString& name) const { return m_fixtures.filePath(name); }
    QString outputFolder() const { return m_work->filePath(QStringLiteral("out")); }
    /** A fresh copy of a fixture in this test's own folder, so a test may delete or damage it. */
    QString copyOf(const QString& name, const QString& copyName = QString()) const;

    QTemporaryDir m_fixtures;
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<QTemporaryDir> m_work;
    std::unique_ptr<LogCapture> m_log;
};

void TestPDFFileItem::initTestCase()
{
    using TestPdf::Cipher;
    QVERIFY(TestPdf::writeTextDocument(fixture("plain.pdf"), plainPages));
    QVERIFY(TestPdf::writeEncryptedCopy(
        fixture("plain.pdf"), fixture("owner-aes256.pdf"), {}, ownerPassword, Cipher::Aes256));
    QVERIFY(TestPdf::writeEncryptedCopy(
        fixture("plain.pdf"), fixture("owner-rc4.pdf"), {}, ownerPassword, Cipher::Rc4_128));
    QVERIFY(TestPdf::writeEncryptedCopy(
        fixture("plain.pdf"), fixture("user-aes256.pdf"), userPassword, ownerPassword, Cipher::Aes256));
    QVERIFY(TestPdf::writeEncryptedCopy(
        fixture("plain.pdf"), fixture("user-rc4.pdf"), userPassword, ownerPassword, Cipher::Rc4_128));
    for (const auto& [name, cipher] :
        { std::make_pair("accented-aes256.pdf", Cipher::Aes256), std::make_pair("accented-aes128.pdf", Cipher::Aes128),
            std::make_pair("accented-rc4.pdf", Cipher::Rc4_128) }) {
        QVERIFY(
            TestPdf::writeEncryptedCopy(fixture("plain.pdf"), fixture(name), accentedPassword, ownerPassword, cipher));
    }
    QVERIFY(TestPdf::writeUnknownSecurityHandlerCopy(fixture("plain.pdf"), fixture("unknown-handler.pdf")));
    QVERIFY(TestPdf::writeBrokenXrefCopy(fixture("plain.pdf"), fixture("broken-xref.pdf")));
    QVERIFY(TestPdf::writeTruncatedCopy(
        fixture("plain.pdf"), fixture("truncated.pdf"), QFileInfo(fixture("plain.pdf")).size() / 2));
    QVERIFY(TestPdf::writeBytes(fixture("text.pdf"), "This is a letter, not a PDF document.\n"));
    QVERIFY(TestPdf::writeBytes(fixture("empty.pdf"), QByteArray()));
    QVERIFY(TestPdf::writeImageDocument(fixture("photo.pdf"), 1));
}

void TestPDFFileItem::init()
{
    m_home = std::make_unique<TestHome>();
    m_work = std::make_unique<QTemporaryDir>();
    m_log = std::make_unique<LogCapture>();
}

void TestPDFFileItem::cleanup()
{
    m_log.reset();
    // Whatever happened, no compression leaves staged files behind.
    QCOMPARE(QDir(Product::tempFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    m_work.reset();
    m_home.reset();
}

QString TestPDFFileItem::copyOf(const QString& name, const QString& copyName) const
{
    const QString copy = m_work->filePath(copyName.isEmpty() ? name : copyName);
    return QFile::copy(fixture(name), copy) ? copy : QString();
}

void TestPDFFileItem::inspects_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("listed");
    QTest::addColumn<bool>("locked");
    QTest::addColumn<bool>("needsOpenPassword");
    QTest::addColumn<bool>("encrypted");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<int>("pageCount");
    QTest::addColumn<bool>("repaired");

    // file, listed, locked, needs open password, encrypted, icon, pages, qpdf repaired it
    QTest::newRow("plain") << "plain.pdf" << true << false << false << false << openIcon << plainPages << false;
    QTest::newRow("owner only, AES-256") << "owner-aes256.pdf" << true << false << false << true << openIcon
                                         << plainPages << false;
    QTest::newRow("owner only, RC4-128") << "owner-rc4.pdf" << true << false << false << true << openIcon << plainPages
                                         << false;
    QTest::newRow("user password, AES-256")
        << "user-aes256.pdf" << true << true << true << false << lockedIcon << 1 << false;
    QTest::newRow("user password, RC4-128")
        << "user-rc4.pdf" << true << true << true << false << lockedIcon << 1 << false;
    QTest::newRow("repairable cross-reference table")
        << "broken-xref.pdf" << true << false << false << false << openIcon << plainPages << true;
    // qpdf refuses it as unsupported, not as damaged: listed as found, and compressing it tells the rest.
    QTest::newRow("unknown security handler")
        << "unknown-handler.pdf" << true << false << false << false << QString() << 1 << false;
    QTest::newRow("truncated") << "truncated.pdf" << false << false << false << false << QString() << 1 << false;
    QTest::newRow("text file named .pdf") << "text.pdf" << false << false << false << false << QString() << 1 << false;
    QTest::newRow("empty file") << "empty.pdf" << false << false << false << false << QString() << 1 << false;
    QTest::newRow("missing file") << "missing.pdf" << false << false << false << false << QString() << 1 << false;
}

void TestPDFFileItem::inspects()
{
    QFETCH(QString, file);
    QFETCH(bool, listed);
    QFETCH(bool, locked);
    QFETCH(bool, needsOpenPassword);
    QFETCH(bool, encrypted);
    QFETCH(QString, icon);
    QFETCH(int, pageCount);
    QFETCH(bool, repaired);

    PDFFileItem item(fixture(file));
    QCOMPARE(item.initPDF(), listed);
    QCOMPARE(item.isLocked(), locked);
    QCOMPARE(item.needsOpenPassword(), needsOpenPassword);
    QCOMPARE(item.encrypted(), encrypted);
    QCOMPARE(item.iconName(), icon);
    QCOMPARE(item.pageCount(), pageCount);
    QCOMPARE(item.password(), QString());
    QVERIFY(m_log->contains(QStringLiteral("Open file: ")));
    // Only a document that is dropped says so, and names its path.
    QCOMPARE(m_log->contains(QStringLiteral("File open failed: ")), !listed);
    if (!listed) {
        QVERIFY(m_log->contains(fixture(file)));
    }
    // What qpdf repaired is in the log, not on the terminal.
    if (repaired) {
        QVERIFY(m_log->contains(QStringLiteral("qpdf:")));
    }
}

void TestPDFFileItem::closesTheFileAfterInspectionAndUnlock()
{
    const QString path = copyOf(QStringLiteral("user-aes256.pdf"));
    PDFFileItem item(path);
    QVERIFY(item.initPDF());
    QCOMPARE(openDescriptorsTo(path), 0);
    QVERIFY(!item.unlockPDF(QStringLiteral("wrong")));
    QCOMPARE(openDescriptorsTo(path), 0);
    QVERIFY(item.unlockPDF(userPassword));
    QCOMPARE(openDescriptorsTo(path), 0);
    QCOMPARE(item.pageCount(), plainPages);
}

void TestPDFFileItem::unlocks_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("user password, AES-256") << "user-aes256.pdf" << userPassword << true;
    QTest::newRow("user password, RC4-128") << "user-rc4.pdf" << userPassword << true;
    QTest::newRow("owner password, AES-256") << "user-aes256.pdf" << ownerPassword << true;
    QTest::newRow("owner password, RC4-128") << "user-rc4.pdf" << ownerPassword << true;
    QTest::newRow("wrong password") << "user-aes256.pdf"
                                    << "user-secreT" << false;
    QTest::newRow("empty password") << "user-rc4.pdf" << QString() << false;
    QTest::newRow("accented password, AES-256") << "accented-aes256.pdf" << accentedPassword << true;
    QTest::newRow("accented password, AES-128") << "accented-aes128.pdf" << accentedPassword << true;
    QTest::newRow("accented password, RC4-128") << "accented-rc4.pdf" << accentedPassword << true;
    QTest::newRow("accented password, wrong accent") << "accented-rc4.pdf" << QString::fromUtf8("Grüße-€-éte") << false;
}

void TestPDFFileItem::unlocks()
{
    QFETCH(QString, file);
    QFETCH(QString, password);
    QFETCH(bool, accepted);

    PDFFileItem item(fixture(file));
    QVERIFY(item.initPDF());
    QVERIFY(item.isLocked());
    QSignalSpy unlocked(&item, &PDFFileItem::unlockSuccess);

    QCOMPARE(item.unlockPDF(password), accepted);
    QCOMPARE(item.isLocked(), !accepted);
    QCOMPARE(unlocked.size(), accepted ? 1 : 0);
    QCOMPARE(item.password(), accepted ? password : QString());
    QCOMPARE(item.pageCount(), accepted ? plainPages : 1);
    QCOMPARE(m_log->contains(QStringLiteral("Incorrect password.")), !accepted);
    // The dialog's label keeps asking for the open password; the row switches its own icon.
    QVERIFY(item.needsOpenPassword());
    QCOMPARE(item.iconName(), lockedIcon);
}

void TestPDFFileItem::survivesAnyNumberOfWrongPasswords()
{
    PDFFileItem item(fixture(QStringLiteral("user-aes256.pdf")));
    QVERIFY(item.initPDF());
    QSignalSpy unlocked(&item, &PDFFileItem::unlockSuccess);
    for (int attempt = 0; attempt < 8; ++attempt) {
        QVERIFY(!item.unlockPDF(QStringLiteral("guess %1").arg(attempt)));
        QVERIFY(item.isLocked());
    }
    QCOMPARE(unlocked.size(), 0);
    QVERIFY(item.unlockPDF(userPassword));
    QVERIFY(!item.isLocked());
    QCOMPARE(unlocked.size(), 1);
}

void TestPDFFileItem::refusesUnlockWhenSourceVanished()
{
    const QString path = copyOf(QStringLiteral("user-rc4.pdf"));
    PDFFileItem item(path);
    QVERIFY(item.initPDF());
    QVERIFY(QFile::remove(path));
    QVERIFY(!item.unlockPDF(userPassword));
    QVERIFY(item.isLocked());
    QVERIFY(m_log->contains(QStringLiteral("Incorrect password.")));
}

void TestPDFFileItem::castsToCompressFunction()
{
    PDFFileItem item(fixture(QStringLiteral("plain.pdf")));
    QObject* object = &item;
    CompressFunction* const expected = &item;
    QCOMPARE(qobject_cast<CompressFunction*>(object), expected);
    QCOMPARE(static_cast<CompressFunction*>(object->qt_metacast("CompressFunction")), expected);
    QObject plainObject;
    QCOMPARE(qobject_cast<CompressFunction*>(&plainObject), nullptr);
}

void TestPDFFileItem::compressionEmitsNameSizeThenPath()
{
    PDFFileItem item(copyOf(QStringLiteral("photo.pdf"), QStringLiteral("report.pdf")));
    QVERIFY(item.initPDF());
    QStringList order;
    QString name;
    QString size;
    QString outputPath;
    connect(&item, &PDFFileItem::CompressedInfo, this, [&](const QString& newName, const QString& newSize) {
        order << QStringLiteral("info");
        name = newName;
        size = newSize;
    });
    connect(&item, &FileItem::outputFileSignal, this, [&](const QString& path) {
        order << QStringLiteral("output");
        outputPath = path;
    });

    QCOMPARE(item.pdfCompress(item.filePath(), outputFolder()), 0);
    QCOMPARE(order, QStringList({ "info", "output" }));
    QCOMPARE(name, QStringLiteral("report.pdf"));
    QCOMPARE(outputPath, outputFolder() + QStringLiteral("/report.pdf"));
    QVERIFY(QFileInfo(outputPath).size() < QFileInfo(item.filePath()).size());
    QCOMPARE(size, formatFileSize(QFileInfo(outputPath).size()));
    QCOMPARE(item.compressedSize(), QFileInfo(outputPath).size());
    // The item keeps them for its row, which may be built only later, when it scrolls into view.
    QCOMPARE(item.compressedName(), name);
    QCOMPARE(item.compressedSizeText(), size);
    QCOMPARE(item.outputPath(), outputPath);
    QVERIFY(m_log->contains(QStringLiteral("Compressing: ")));
    QVERIFY(m_log->contains(QStringLiteral("Compress success: ")));

    // A second run finds report.pdf taken and says so in both signals.
    order.clear();
    QCOMPARE(item.pdfCompress(item.filePath(), outputFolder()), 0);
    QCOMPARE(order, QStringList({ "info", "output" }));
    QCOMPARE(name, QStringLiteral("report_1.pdf"));
    QCOMPARE(outputPath, outputFolder() + QStringLiteral("/report_1.pdf"));
}

void TestPDFFileItem::compressesUnlockedDocumentWithItsPassword_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("password");

    QTest::newRow("user password, AES-256") << "user-aes256.pdf" << userPassword;
    QTest::newRow("owner password, AES-256") << "user-aes256.pdf" << ownerPassword;
    QTest::newRow("user password, RC4-128") << "user-rc4.pdf" << userPassword;
    QTest::newRow("owner password, RC4-128") << "user-rc4.pdf" << ownerPassword;
    QTest::newRow("accented password, AES-256") << "accented-aes256.pdf" << accentedPassword;
    QTest::newRow("accented password, AES-128") << "accented-aes128.pdf" << accentedPassword;
    QTest::newRow("accented password, RC4-128") << "accented-rc4.pdf" << accentedPassword;
}

void TestPDFFileItem::compressesUnlockedDocumentWithItsPassword()
{
    QFETCH(QString, file);
    QFETCH(QString, password);

    PDFFileItem item(fixture(file));
    QVERIFY(item.initPDF());
    QVERIFY(item.unlockPDF(password));
    QSignalSpy outputs(&item, &FileItem::outputFileSignal);
    QCOMPARE(item.pdfCompress(item.filePath(), outputFolder()), 0);
    QCOMPARE(outputs.size(), 1);
    const QString output = outputs.first().first().toString();
    // Either the rewrite or the source copy arrived; both open with the password and keep every page.
    QCOMPARE(TestPdf::pageCount(output, password), plainPages);
}

void TestPDFFileItem::compressesOwnerOnlyDocumentWithoutPassword()
{
    PDFFileItem item(fixture(QStringLiteral("owner-aes256.pdf")));
    QVERIFY(item.initPDF());
    QVERIFY(item.encrypted());
    QCOMPARE(item.pdfCompress(item.filePath(), outputFolder()), 0);
    QCOMPARE(TestPdf::pageCount(outputFolder() + QStringLiteral("/owner-aes256.pdf")), plainPages);
    QVERIFY(!m_log->contains(QStringLiteral("-sPDFPassword=")));
}

void TestPDFFileItem::failedCompressionEmitsNothing_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("removeSource");

    QTest::newRow("still locked") << "user-aes256.pdf" << false;
    QTest::newRow("source vanished after adding") << "plain.pdf" << true;
}

void TestPDFFileItem::failedCompressionEmitsNothing()
{
    QFETCH(QString, file);
    QFETCH(bool, removeSource);

    const QString path = copyOf(file);
    PDFFileItem item(path);
    QVERIFY(item.initPDF());
    if (removeSource) {
        QVERIFY(QFile::remove(path));
    }
    QSignalSpy infos(&item, &PDFFileItem::CompressedInfo);
    QSignalSpy outputs(&item, &FileItem::outputFileSignal);
    QVERIFY(item.pdfCompress(path, outputFolder()) != 0);
    QCOMPARE(infos.size(), 0);
    QCOMPARE(outputs.size(), 0);
    QCOMPARE(QDir(outputFolder()).entryList(QDir::Files), QStringList());
}

void TestPDFFileItem::compressesWithTheSettingItWasGiven()
{
    PDFFileItem item(fixture(QStringLiteral("photo.pdf")));
    QVERIFY(item.initPDF());
    QSignalSpy outputs(&item, &FileItem::outputFileSignal);

    item.setCompressSetting(CompressSetting { Custom, 10 });
    QCOMPARE(item.pdfCompress(item.filePath(), outputFolder()), 0);
    // The highest level leaves colours alone; the default High preset turns them grey.
    item.setCompressSetting(CompressSetting { High, 10 });
    QCOMPARE(item.pdfCompress(item.filePath(), outputFolder()), 0);

    QCOMPARE(outputs.size(), 2);
    QVERIFY(!TestPdf::hasOnlyGreyImages(outputs.at(0).first().toString()));
    QVERIFY(TestPdf::hasOnlyGreyImages(outputs.at(1).first().toString()));
}

// Page reports come from the compressing thread; one that arrives after the task has ended (a stopped
// interpreter's last words) must not bring a progress line back to a row that waits again.
void TestPDFFileItem::keepsProgressOnlyWhileCompressing()
{
    PDFFileItem item(fixture(QStringLiteral("plain.pdf")));
    QVERIFY(item.initPDF());
    const auto fromTask = [&item](const std::function<void()>& report) {
        std::unique_ptr<QThread> task(QThread::create(report));
        task->start();
        QVERIFY(task->wait(10000));
        QCoreApplication::processEvents();
    };

    fromTask([&item]() {
        item.emitProcessing();
        emit item.compressionProgress(2, 5);
    });
    QVERIFY(item.isCompressing());
    QCOMPARE(item.progressPage(), 2);
    QCOMPARE(item.progressPageCount(), 5);

    item.fileProcessFinished(GSCompressor::Stopped);
    fromTask([&item]() { emit item.compressionProgress(3, 5); });
    QVERIFY(!item.isCompressing());
    QCOMPARE(item.progressPage(), 0);
    QVERIFY(!item.hasResult());
    QVERIFY(item.isUnprocessed());
}

QTEST_MAIN(TestPDFFileItem)
#include "TestPDFFileItem.moc"
