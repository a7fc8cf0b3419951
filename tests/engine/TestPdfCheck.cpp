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

QTEST_MAIN(TestPdfCheck)
#include "TestPdfCheck.moc"
