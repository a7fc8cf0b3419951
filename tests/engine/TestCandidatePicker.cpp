#include "engine/CandidatePicker.h"
#include "engine/PdfCheck.h"
#include "foundation/ProductConstants.h"
#include "support/LogCapture.h"
#include "support/TestHome.h"
#include "support/TestPdf.h"

#include <QtTest>

Q_DECLARE_METATYPE(Delivery)

class TestCandidatePicker : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void refusesRepackWithoutItsPages_data();
    void refusesRepackWithoutItsPages();

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

QTEST_MAIN(TestCandidatePicker)
#include "TestCandidatePicker.moc"
