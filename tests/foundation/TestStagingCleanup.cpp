#include "foundation/ProductConstants.h"
#include "foundation/StagingCleanup.h"
#include "support/TestHome.h"

#include <QtTest>
#include <sys/stat.h>

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
    const mode_t previousMask = ::umask(022);
    QVERIFY(QDir().mkpath(temp + "run-5d0e/nested"));
    touch(temp + "0b7e-left_input.pdf");
    touch(temp + "9f1c-left_output.pdf");
    touch(temp + "77aa-left_repacked.pdf");
    touch(temp + "run-5d0e/gs_a1b2c3");
    touch(temp + "run-5d0e/nested/c4d5_input.pdf");
    touch(temp + "notes.txt");

    // The first instance is alone: it sweeps every kind of leftover of the crashed run, nothing else.
    QCOMPARE(StagingCleanup::sweepIfAlone(), 4);
    ::umask(previousMask);
    QCOMPARE(QDir(temp).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList { "notes.txt" });
    // And the folder that receives the copies of documents is private again, whoever made it open.
    struct stat status = {};
    QCOMPARE(::stat(QFile::encodeName(temp).constData(), &status), 0);
    QCOMPARE(int(status.st_mode & 07777), 0700);

    // A second instance starts while the first still runs and is compressing.
    touch(temp + "busy_input.pdf");
    QCOMPARE(StagingCleanup::sweepIfAlone(), 0);
    QVERIFY(QFile::exists(temp + "busy_input.pdf"));
}

QTEST_GUILESS_MAIN(TestStagingCleanup)
#include "TestStagingCleanup.moc"
