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

private:
    QString textDocument() const { return m_fixtures.path() + "/text.pdf"; }

    QTemporaryDir m_fixtures;
};

void TestPdfCheck::initTestCase() { QVERIFY(TestPdf::writeTextDocument(textDocument(), 3)); }

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

QTEST_MAIN(TestPdfCheck)
#include "TestPdfCheck.moc"
