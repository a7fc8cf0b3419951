#include "foundation/ProductConstants.h"
#include "foundation/StagingCleanup.h"
#include "support/TestHome.h"

#include <QtTest>

namespace {
    void touch(const QString& path)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
} // namespace

class TestStagingCleanup : public QObject
{
    Q_OBJECT

private slots:
    void sweepsOnlyStagedFilesWhenAlone();
};

void TestStagingCleanup::sweepsOnlyStagedFilesWhenAlone()
{
    const TestHome home;
    const QString temp = Product::tempFolder();
    QVERIFY(QDir().mkpath(temp));
    touch(temp + "0b7e-left_input.pdf");
    touch(temp + "9f1c-left_output.pdf");
    touch(temp + "notes.txt");

    // The first instance is alone: it sweeps the leftovers of the crashed run, nothing else.
    QCOMPARE(StagingCleanup::sweepIfAlone(), 2);
    QCOMPARE(QDir(temp).entryList({ "*.pdf" }, QDir::Files), QStringList());
    QVERIFY(QFile::exists(temp + "notes.txt"));

    // A second instance starts while the first still runs and is compressing.
    touch(temp + "busy_input.pdf");
    QCOMPARE(StagingCleanup::sweepIfAlone(), 0);
    QVERIFY(QFile::exists(temp + "busy_input.pdf"));
}

QTEST_GUILESS_MAIN(TestStagingCleanup)
#include "TestStagingCleanup.moc"
