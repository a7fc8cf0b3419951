#include "engine/GSCompressor.h"
#include "foundation/ProductConstants.h"
#include "support/LogCapture.h"
#include "support/TestHome.h"
#include "support/TestPdf.h"

#include <QtConcurrent/QtConcurrentRun>
#include <QtTest>
#include <algorithm>
#include <atomic>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {
    QByteArray contentsOf(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QStringList entriesOf(const QString& folder)
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    /** The bytes written so far into a repacked copy anywhere in folder and its run folders. */
    qint64 repackedBytesUnder(const QString& folder)
    {
        QDirIterator copies(folder, { "*_repacked.pdf" }, QDir::Files, QDirIterator::Subdirectories);
        qint64 bytes = 0;
        while (copies.hasNext()) {
            copies.next();
            bytes = std::max(bytes, copies.fileInfo().size());
        }
        return bytes;
    }

    /** The processes whose parent is this test, read from /proc. */
    QList<qint64> childProcesses()
    {
        QList<qint64> children;
        const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
        for (const QString& entry : entries) {
            bool isPid = false;
            const qint64 pid = entry.toLongLong(&isPid);
            if (!isPid) {
                continue;
            }
            // The parent is the second field after the command name, which may itself hold spaces.
            const QByteArray stat = contentsOf(QStringLiteral("/proc/%1/stat").arg(pid));
            const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
            if (fields.size() > 1 && fields.at(1).toLongLong() == getpid()) {
                children << pid;
            }
        }
        return children;
    }
} // namespace

class TestCompressionWorker : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void crashFailsThatCompressionOnly();
    void endedRunsDeliverNothing_data();
    void endedRunsDeliverNothing();
    void stopBeforeStartTouchesNothing();
    void endingBeforeTheInterpreterLeavesNoWorker_data();
    void endingBeforeTheInterpreterLeavesNoWorker();
    void stopDuringTheSourcePassLeavesNothing();
    void reportsPagesAndKeepsThePasswordOffTheCommandLine();

private:
    QString outputFolder() const { return m_work->path() + "/out"; }
    QString imageDocument() const { return m_fixtures.path() + "/report.pdf"; }
    QString slowDocument() const { return m_fixtures.path() + "/slow.pdf"; }

    QTemporaryDir m_fixtures;
    QTemporaryDir m_systemTemporary; // this process's TMPDIR, which the workers inherit
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<QTemporaryDir> m_work;
};

void TestCompressionWorker::initTestCase()
{
    qputenv("TMPDIR", QFile::encodeName(m_systemTemporary.path()));
    QVERIFY(TestPdf::writeImageDocument(imageDocument(), 3));
    QVERIFY(TestPdf::writeSlowDocument(slowDocument(), 20, 50000));
    QCOMPARE(TestPdf::pageCount(slowDocument()), 20);
}

void TestCompressionWorker::init()
{
    m_home = std::make_unique<TestHome>();
    m_work = std::make_unique<QTemporaryDir>();
}

void TestCompressionWorker::cleanup()
{
    // However the run ended, nothing is left staged and no worker is left running.
    QCOMPARE(entriesOf(Product::tempFolder()), QStringList());
    QCOMPARE(QDir(m_systemTemporary.path()).entryList({ "gs_*" }, QDir::Files), QStringList());
    QCOMPARE(childProcesses(), QList<qint64>());
    m_work.reset();
    m_home.reset();
}

void TestCompressionWorker::crashFailsThatCompressionOnly()
{
    // The `gs` command dies with a segmentation fault on this document as well.
    const QString source = m_work->path() + "/nested.pdf";
    QVERIFY(TestPdf::writeDeeplyNestedDocument(source, 350000));
    QCOMPARE(TestPdf::pageCount(source), 1);

    const LogCapture log;
    GSCompressor compressor;
    // Growing its stack of nested arrays to that depth takes the interpreter a while: more than a minute
    // on a busy machine under the sanitizers. This is about the crash, not the time limit.
    compressor.setTimeLimit({ 600s, 0s });
    QCOMPARE(compressor.compress(source, outputFolder(), QString()), qint32(GSCompressor::InterpreterCrashed));
    QVERIFY2(log.contains("SIGSEGV"), qPrintable(log.messages().join('\n')));
    QVERIFY(log.contains(source));
    QCOMPARE(entriesOf(outputFolder()), QStringList());
    QCOMPARE(entriesOf(Product::tempFolder()), QStringList());

    // This process lives on, and so does the compressor.
    QCOMPARE(compressor.compress(imageDocument(), outputFolder(), QString()), 0);
    QCOMPARE(TestPdf::pageCount(outputFolder() + "/report.pdf"), 3);
}

void TestCompressionWorker::endedRunsDeliverNothing_data()
{
    QTest::addColumn<bool>("stopAfterFirstPage");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("warning");
    QTest::newRow("time limit") << false << int(GSCompressor::TimedOut) << "time limit";
    QTest::newRow("stop from another thread") << true << int(GSCompressor::Stopped) << "Compression stopped:";
}

void TestCompressionWorker::endedRunsDeliverNothing()
{
    QFETCH(bool, stopAfterFirstPage);
    QFETCH(int, expected);
    QFETCH(QString, warning);

    const LogCapture log;
    GSCompressor compressor;
    std::atomic<int> pagesDone { 0 };
    compressor.setProgressHandler([&pagesDone](int page, int) { pagesDone = page; });
    if (!stopAfterFirstPage) {
        compressor.setTimeLimit({ 500ms, 0ms });
    }
    QFuture<qint32> result
        = QtConcurrent::run([&] { return compressor.compress(slowDocument(), outputFolder(), QString()); });
    if (stopAfterFirstPage) {
        QTRY_VERIFY_WITH_TIMEOUT(pagesDone >= 1 || result.isFinished(), 60000);
        compressor.stop();
    }
    QCOMPARE(result.result(), qint32(expected));
    QVERIFY2(log.contains(warning), qPrintable(log.messages().join('\n')));
    QVERIFY(log.contains(slowDocument()));
    QVERIFY(pagesDone < 20);
    QCOMPARE(entriesOf(outputFolder()), QStringList());
    QCOMPARE(compressor.compressedSize(), 0);
}

void TestCompressionWorker::stopBeforeStartTouchesNothing()
{
    GSCompressor compressor;
    compressor.stop();
    QCOMPARE(compressor.compress(imageDocument(), outputFolder(), QString()), qint32(GSCompressor::Stopped));
    QVERIFY(!QFileInfo::exists(outputFolder()));
    QCOMPARE(compressor.fileName(), QString());

    compressor.resetStop();
    QCOMPARE(compressor.compress(imageDocument(), outputFolder(), QString()), 0);
    QCOMPARE(compressor.fileName(), QString("report.pdf"));
}

void TestCompressionWorker::endingBeforeTheInterpreterLeavesNoWorker_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("expected");
    QTest::newRow("not a PDF") << "notes.pdf" << QString() << int(GSCompressor::UnsoundDocument);
    QTest::newRow("wrong password") << "locked.pdf"
                                    << "guess" << int(GSCompressor::PasswordRejected);
}

// The worker starts while the source is staged and checked; a compression that ends there ends it too,
// and cleanup() finds no process of it left, not even one waiting to be reaped.
void TestCompressionWorker::endingBeforeTheInterpreterLeavesNoWorker()
{
    QFETCH(QString, document);
    QFETCH(QString, password);
    QFETCH(int, expected);
    const QString source = m_work->path() + "/" + document;
    QVERIFY(TestPdf::writeBytes(m_work->path() + "/notes.pdf", "Minutes of the meeting, not a PDF at all\n"));
    QVERIFY(TestPdf::writeEncryptedCopy(imageDocument(), m_work->path() + "/locked.pdf", "open-sesame", "owner"));

    GSCompressor compressor;
    QCOMPARE(compressor.compress(source, outputFolder(), password), qint32(expected));
    QCOMPARE(entriesOf(outputFolder()), QStringList());
}

// The source's lossless pass runs on a thread of its own beside the worker; a stop while it writes ends
// it too, and the compression leaves neither a copy nor a thread behind.
void TestCompressionWorker::stopDuringTheSourcePassLeavesNothing()
{
    const QString source = m_work->path() + "/slow-to-repack.pdf";
    QVERIFY(TestPdf::writeSlowToRepackDocument(source, 16));
    const LogCapture log;
    GSCompressor compressor;
    QFuture<qint32> result = QtConcurrent::run([&] { return compressor.compress(source, outputFolder(), QString()); });
    QTRY_VERIFY_WITH_TIMEOUT(repackedBytesUnder(Product::tempFolder()) > 0 || result.isFinished(), 60000);
    QVERIFY2(!result.isFinished(), "the pass was over before it could be stopped");
    compressor.stop();
    QCOMPARE(result.result(), qint32(GSCompressor::Stopped));
    QVERIFY2(log.contains("Compression stopped:"), qPrintable(log.messages().join('\n')));
    QCOMPARE(entriesOf(outputFolder()), QStringList());
    QCOMPARE(entriesOf(Product::tempFolder()), QStringList());
}

// Every local user can read a process's command line; the open password must not be there.
void TestCompressionWorker::reportsPagesAndKeepsThePasswordOffTheCommandLine()
{
    const QByteArray password = "hunter2-secret";
    const QString source = m_work->path() + "/locked.pdf";
    QVERIFY(TestPdf::writeEncryptedCopy(imageDocument(), source, password, "owner-pw"));

    QList<QPair<int, int>> reported;
    QStringList workerCommandLines;
    GSCompressor compressor;
    compressor.setProgressHandler([&](int page, int pageCount) {
        reported << qMakePair(page, pageCount);
        for (const qint64 pid : childProcesses()) {
            const QByteArray commandLine = contentsOf(QStringLiteral("/proc/%1/cmdline").arg(pid));
            const QByteArray environment = contentsOf(QStringLiteral("/proc/%1/environ").arg(pid));
            QVERIFY(!commandLine.contains(password));
            QVERIFY(!environment.contains(password));
            workerCommandLines << QString::fromUtf8(commandLine);
        }
    });
    QCOMPARE(compressor.compress(source, outputFolder(), password), 0);
    QCOMPARE(reported, (QList<QPair<int, int>> { { 1, 3 }, { 2, 3 }, { 3, 3 } }));
    QVERIFY2(!workerCommandLines.isEmpty(), "the worker was running while it reported pages");
    QVERIFY(workerCommandLines.first().contains("VantorelKompresto-worker"));
}

QTEST_MAIN(TestCompressionWorker)
#include "TestCompressionWorker.moc"
