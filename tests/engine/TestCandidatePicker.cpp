#include "engine/CandidatePicker.h"
#include "engine/PdfCheck.h"
#include "foundation/ProductConstants.h"
#include "support/LogCapture.h"
#include "support/TestHome.h"
#include "support/TestPdf.h"

#include <QtTest>
#include <algorithm>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>

Q_DECLARE_METATYPE(Delivery)

class TestCandidatePicker : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void refusesRepackWithoutItsPages_data();
    void refusesRepackWithoutItsPages();
    void skipsOnlyTheRewritePassThatCannotWin_data();
    void skipsOnlyTheRewritePassThatCannotWin();

private:
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<QTemporaryDir> m_work;
};

void TestCandidatePicker::init()
{
    m_home = std::make_unique<TestHome>();
    m_work = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir().mkpath(Product::tempFolder()));
}

void TestCandidatePicker::cleanup()
{
    // The picker removes every copy it wrote.
    QCOMPARE(QDir(Product::tempFolder()).entryList(QDir::Files | QDir::Hidden), QStringList());
    m_work.reset();
    m_home.reset();
}

void TestCandidatePicker::refusesRepackWithoutItsPages_data()
{
    QTest::addColumn<QString>("kind");
    // qpdf reads the page as null and its repack writes it so: a few hundred bytes without a page to show.
    QTest::newRow("page qpdf cannot read") << "deep annotation";
    QTest::newRow("null object in the page tree") << "null page";
}

// The repacked source is far smaller than the source, and qpdf opens it with as many pages; but a page
// of it is no page, so the source goes out as the user has it.
void TestCandidatePicker::refusesRepackWithoutItsPages()
{
    QFETCH(QString, kind);
    const QString source = m_work->filePath("source.pdf");
    QVERIFY(kind == "null page" ? TestPdf::writeNullPageDocument(source)
                                : TestPdf::writeDeepAnnotationDocument(source, 100000));
    const PdfCheck::Result inspected = PdfCheck::inspect(source, QString(), PdfCheck::Detail::PagesAndNavigation);
    QCOMPARE(inspected.outcome, PdfCheck::Outcome::Readable);

    const LogCapture log;
    CandidatePicker picker(source, QString(), inspected);
    const CandidatePicker::Choice choice = picker.pick(QString());
    QCOMPARE(choice.delivery, Delivery::SourceUnchanged);
    QCOMPARE(choice.path, source);
    QVERIFY2(log.contains("Candidate source repacked is unsound: page"), qPrintable(log.messages().join('\n')));
}

namespace {
    /**
     * A copy of source with bytes more on its first page: an image held in JPEG, as far as any reader
     * can tell, that a lossless pass copies as it is.
     */
    bool writeWithJpegBytes(const QString& source, const QString& target, int bytes)
    {
        QPDF pdf;
        pdf.processFile(QFile::encodeName(source).constData());
        QByteArray samples(bytes, Qt::Uninitialized);
        QRandomGenerator random(7);
        for (char& sample : samples) {
            sample = static_cast<char>(random.bounded(256));
        }
        QPDFObjectHandle image = QPDFObjectHandle::newStream(&pdf, samples.toStdString());
        image.replaceDict(QPDFObjectHandle::parse(
            "<< /Type /XObject /Subtype /Image /Width 1 /Height 1 /ColorSpace /DeviceGray /BitsPerComponent 8 "
            "/Filter /DCTDecode >>"));
        QPDFObjectHandle page = pdf.getAllPages().front();
        QPDFObjectHandle resources = page.getKey("/Resources");
        if (!resources.getKey("/XObject").isDictionary()) {
            resources.replaceKey("/XObject", QPDFObjectHandle::newDictionary());
        }
        resources.getKey("/XObject").replaceKey("/Kept", pdf.makeIndirectObject(image));
        const QByteArray name = QFile::encodeName(target);
        QPDFWriter writer(pdf, name.constData());
        writer.write();
        return true;
    }
} // namespace

void TestCandidatePicker::skipsOnlyTheRewritePassThatCannotWin_data()
{
    QTest::addColumn<int>("jpegBytes");
    QTest::addColumn<bool>("passMade");
    // The JPEG alone outweighs the source: the pass over the rewrite cannot win and is not made.
    QTest::newRow("rewrite held up by its images") << 400000 << false;
    // The rewrite is larger than the source, yet its pass may still beat it: it is made.
    QTest::newRow("rewrite that its pass may shrink") << 100 << true;
}

void TestCandidatePicker::skipsOnlyTheRewritePassThatCannotWin()
{
    QFETCH(int, jpegBytes);
    QFETCH(bool, passMade);
    const QString source = m_work->filePath("source.pdf");
    QVERIFY(TestPdf::writeLinkedTextDocument(source, 8));
    const QString rewrite = m_work->filePath("rewrite.pdf");
    QVERIFY(writeWithJpegBytes(source, rewrite, jpegBytes));
    QVERIFY(QFileInfo(rewrite).size() > QFileInfo(source).size());
    const PdfCheck::Result inspected = PdfCheck::inspect(source, QString(), PdfCheck::Detail::PagesAndNavigation);

    const LogCapture log;
    CandidatePicker picker(source, QString(), inspected);
    const CandidatePicker::Choice choice = picker.pick(rewrite);
    const bool repackedRewriteWeighed = std::any_of(choice.weighed.cbegin(), choice.weighed.cend(),
        [](const WeighedCopy& copy) { return copy.delivery == Delivery::RewrittenAndRepacked; });
    QCOMPARE(repackedRewriteWeighed, passMade);
    QCOMPARE(log.contains("Repacking the rewrite of"), !passMade);
    QVERIFY(choice.delivery != Delivery::None);
}

QTEST_MAIN(TestCandidatePicker)
#include "TestCandidatePicker.moc"
