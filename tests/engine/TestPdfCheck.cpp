#include "engine/PdfCheck.h"
#include "support/TestPdf.h"

#include <QtTest>

class TestPdfCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void countsNavigation_data();
    void countsNavigation();
    void countsPages_data();
    void countsPages();
    void measuresPages_data();
    void measuresPages();
    void comparesCopyWithSource_data();
    void comparesCopyWithSource();
    void nothingStandsInForAMissingPage();

private:
    QString textDocument() const { return m_fixtures.path() + "/text.pdf"; }

    QTemporaryDir m_fixtures;
};

void TestPdfCheck::initTestCase()
{
    QVERIFY(TestPdf::writeTextDocument(textDocument(), 3));
    const QString claimsSeven = m_fixtures.filePath("claims-seven.pdf");
    QVERIFY(TestPdf::writeLyingPageCountCopy(textDocument(), claimsSeven, 7));
    QVERIFY(TestPdf::writeLyingPageCountCopy(textDocument(), m_fixtures.filePath("claims-none.pdf"), 0));
    QVERIFY(TestPdf::writeEncryptedCopy(claimsSeven, m_fixtures.filePath("locked-claims-seven.pdf"), "", "owner"));
}

void TestPdfCheck::countsNavigation_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("links");
    QTest::addColumn<int>("bookmarks");
    QTest::newRow("none") << "plain" << 0 << 0;
    QTest::newRow("named destinations") << "named" << 1 << 1;
    // Each bookmark once, however the entries loop; the link once, however often the page lists it.
    QTest::newRow("tangled") << "tangled" << 1 << 4;
}

void TestPdfCheck::countsNavigation()
{
    QFETCH(QString, kind);
    QFETCH(int, links);
    QFETCH(int, bookmarks);

    QString path = textDocument();
    if (kind == "named") {
        path = m_fixtures.path() + "/named.pdf";
        QVERIFY(TestPdf::writeNamedDestinationCopy(textDocument(), path));
    } else if (kind == "tangled") {
        path = m_fixtures.path() + "/tangled.pdf";
        QVERIFY(TestPdf::writeTangledNavigationCopy(textDocument(), path));
    }
    const PdfCheck::Result result = PdfCheck::inspect(path, QString(), PdfCheck::Detail::PagesAndNavigation);
    QCOMPARE(result.outcome, PdfCheck::Outcome::Readable);
    QCOMPARE(result.pageCount, 3);
    QCOMPARE(result.linkCount, links);
    QCOMPARE(result.outlineCount, bookmarks);
}

void TestPdfCheck::countsPages_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("declared");
    QTest::addColumn<int>("walked");

    QTest::newRow("honest") << "text.pdf" << 3 << 3;
    QTest::newRow("claims more pages than it has") << "claims-seven.pdf" << 7 << 3;
    QTest::newRow("claims no pages: the tree is walked") << "claims-none.pdf" << 3 << 3;
    QTest::newRow("encrypted, claims more") << "locked-claims-seven.pdf" << 7 << 3;
}

// Inspection may believe the count a document declares; the compressor walks the page tree.
void TestPdfCheck::countsPages()
{
    QFETCH(QString, name);
    QFETCH(int, declared);
    QFETCH(int, walked);

    const QString path = m_fixtures.filePath(name);
    const PdfCheck::Result quick = PdfCheck::inspect(path, QString(), PdfCheck::Detail::DeclaredPages);
    QCOMPARE(quick.outcome, PdfCheck::Outcome::Readable);
    QCOMPARE(quick.pageCount, declared);

    const PdfCheck::Result thorough = PdfCheck::inspect(path);
    QCOMPARE(thorough.outcome, PdfCheck::Outcome::Readable);
    QCOMPARE(thorough.pageCount, walked);
}

void TestPdfCheck::measuresPages_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QList<QSizeF>>("sizes");
    QTest::addColumn<int>("firstNonPage");

    const QSizeF none;
    QTest::newRow("plain and inherited boxes, UserUnit, turned")
        << "sized" << QList<QSizeF> { { 477, 164 }, { 800, 600 }, { 300, 200 }, { 164.5, 477.25 } } << 0;
    QTest::newRow("boxes that are no boxes") << "unusable" << QList<QSizeF> { none, none, none, none, none } << 0;
    QTest::newRow("a null object in the page tree") << "null page" << QList<QSizeF> { { 595, 842 }, none } << 2;
    QTest::newRow("a page qpdf cannot read") << "deep annotation" << QList<QSizeF> { none } << 1;
}

void TestPdfCheck::measuresPages()
{
    QFETCH(QString, kind);
    QFETCH(QList<QSizeF>, sizes);
    QFETCH(int, firstNonPage);

    const QString path = m_fixtures.filePath(kind + ".pdf");
    if (kind == "sized") {
        // The third page inherits its box from the page tree.
        QVERIFY(TestPdf::writePagesDocument(path,
            { "/MediaBox [0 0 477 164]", "/MediaBox [0 0 400 300] /UserUnit 2", "", "/MediaBox [10 10 174.5 487.25]" },
            "/MediaBox [0 0 300 200]"));
    } else if (kind == "unusable") {
        QVERIFY(TestPdf::writePagesDocument(
            path, { "/MediaBox [0 0 0 0]", "/MediaBox [0 0 100]", "/MediaBox [0 0 100 (x)]", "/MediaBox 7", "" }));
    } else if (kind == "null page") {
        QVERIFY(TestPdf::writeNullPageDocument(path));
    } else {
        QVERIFY(TestPdf::writeDeepAnnotationDocument(path, 100000));
    }
    const PdfCheck::Result result = PdfCheck::inspect(path);
    QCOMPARE(result.outcome, PdfCheck::Outcome::Readable);
    QCOMPARE(result.pageCount, sizes.size());
    QCOMPARE(result.pageSizes, sizes);
    QCOMPARE(result.firstNonPage, firstNonPage);
}

void TestPdfCheck::comparesCopyWithSource_data()
{
    QTest::addColumn<QList<QByteArray>>("source");
    QTest::addColumn<QList<QByteArray>>("copy");
    QTest::addColumn<QString>("fault");

    const QList<QByteArray> wide = { "/MediaBox [0 0 477 164]" };
    QTest::newRow("alike") << wide << wide << QString();
    QTest::newRow("rounded and moved") << wide << QList<QByteArray> { "/MediaBox [10 10 487.4 173.6]" } << QString();
    QTest::newRow("turned a quarter") << wide << QList<QByteArray> { "/MediaBox [0 0 164 477] /Rotate 90" }
                                      << QString();
    QTest::newRow("the interpreter's default page")
        << wide << QList<QByteArray> { "/MediaBox [0 0 612 792]" } << "page 1 measures 612.0 x 792.0 pt";
    QTest::newRow("a page less") << QList<QByteArray> { wide.first(), wide.first() } << wide
                                 << "it has 1 pages, the source 2";
    QTest::newRow("a copy page without a box")
        << wide << QList<QByteArray> { "/MediaBox [0 0 0 0]" } << "page 1 is no page with a usable MediaBox";
    // Readers give a page without a box a size of their own; any usable size may stand for it.
    QTest::newRow("a source page without a box") << QList<QByteArray> { "" } << wide << QString();
}

void TestPdfCheck::comparesCopyWithSource()
{
    QFETCH(QList<QByteArray>, source);
    QFETCH(QList<QByteArray>, copy);
    QFETCH(QString, fault);

    QVERIFY(TestPdf::writePagesDocument(m_fixtures.filePath("source.pdf"), source));
    QVERIFY(TestPdf::writePagesDocument(m_fixtures.filePath("copy.pdf"), copy));
    const QString found = PdfCheck::unlikeSource(
        PdfCheck::inspect(m_fixtures.filePath("source.pdf")), PdfCheck::inspect(m_fixtures.filePath("copy.pdf")));
    QVERIFY2(fault.isEmpty() ? found.isEmpty() : found.startsWith(fault), qPrintable(found));
}

void TestPdfCheck::nothingStandsInForAMissingPage()
{
    const QString path = m_fixtures.filePath("null-page.pdf");
    QVERIFY(TestPdf::writeNullPageDocument(path));
    const PdfCheck::Result source = PdfCheck::inspect(path);
    QCOMPARE(PdfCheck::unlikeSource(source, source), QStringLiteral("page 2 of the source is no page at all"));
    const QString unreadable = m_fixtures.filePath("header-only.pdf");
    QVERIFY(TestPdf::writeHeaderOnlyFile(unreadable));
    QVERIFY(PdfCheck::unlikeSource(source, PdfCheck::inspect(unreadable)).startsWith("qpdf cannot open it"));
}

QTEST_MAIN(TestPdfCheck)
#include "TestPdfCheck.moc"
