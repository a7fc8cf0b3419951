#include "documents/FileItem.h"
#include "documents/FileItemList.h"
#include "documents/RunController.h"
#include "documents/RunTally.h"
#include "engine/GSCompressor.h"
#include "foundation/LanguageCode.h"
#include "foundation/ProductConstants.h"
#include "services/MultiLanguage.h"
#include "support/TestHome.h"
#include "support/TestPdf.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QtTest>
#include <memory>

namespace {
    constexpr int inspectionTimeoutMs = 60000;
    constexpr int runTimeoutMs = 120000;
} // namespace

/** The window's run without a window: its tally, its status texts and its stopping, with the real engine. */
class TestRunController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void summarisesWhatTheRunDid_data();
    void summarisesWhatTheRunDid();
    void progressNeverCountsBeyondTheRun();
    void runsEveryDocumentAndCountsItsResult();
    void stopTakesBackQueuedDocumentsAndEndsTheRun();
    void refusesASecondRunAndAnEmptyOne();

private:
    /** Lists count fresh documents, inspected and ready to compress. */
    QVector<FileItem*> listDocuments(int count);

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<QTemporaryDir> m_work;
    std::unique_ptr<FileItemList> m_list;
    std::unique_ptr<QThreadPool> m_pool;
};

void TestRunController::initTestCase()
{
    // The English catalogue gives the plural forms their words.
    MultiLanguage::instance()->setLanguage(English);
}

void TestRunController::init()
{
    m_home = std::make_unique<TestHome>();
    m_work = std::make_unique<QTemporaryDir>();
    QVERIFY(m_work->isValid());
    QVERIFY(QDir(m_work->path()).mkdir("out"));
    m_list = std::make_unique<FileItemList>();
    m_pool = std::make_unique<QThreadPool>();
}

void TestRunController::cleanup()
{
    if (m_pool != nullptr) {
        m_pool->waitForDone();
    }
    m_pool.reset();
    m_list.reset();
    // However the run ended, it leaves no staged copy behind.
    QCOMPARE(QDir(Product::tempFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    m_work.reset();
    m_home.reset();
}

QVector<FileItem*> TestRunController::listDocuments(int count)
{
    QStringList paths;
    for (int index = 0; index < count; ++index) {
        const QString path = m_work->filePath(QStringLiteral("document-%1.pdf").arg(index));
        if (!TestPdf::writeImageDocument(path, 1)) {
            return {};
        }
        paths << path;
    }
    m_list->addFiles(paths);
    if (!QTest::qWaitFor([this]() { return m_list->checkingCount() == 0; }, inspectionTimeoutMs)) {
        return {};
    }
    QVector<FileItem*> items;
    for (int index = 0; index < m_list->count(); ++index) {
        items << m_list->at(index);
    }
    return items;
}

void TestRunController::summarisesWhatTheRunDid_data()
{
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<int>("locked");
    QTest::addColumn<bool>("stopped");
    QTest::addColumn<QString>("summary");

    const int done = GSCompressor::Success;
    const int failed = GSCompressor::UnsoundDocument;
    const int stopped = GSCompressor::Stopped;
    // Each delivered document went from 2000 to 1500 bytes.
    QTest::newRow("all delivered") << QList<int> { done, done } << 0 << false
                                   << "2 files · 3.9 KB → 2.92 KB · 25 % smaller";
    QTest::newRow("one of each") << QList<int> { done, failed } << 1 << false
                                 << "1 file · 1.95 KB → 1.46 KB · 25 % smaller · 1 failed · 1 locked, not compressed";
    QTest::newRow("nothing in the run") << QList<int> {} << 0 << false << "0 files";
    QTest::newRow("all failed") << QList<int> { failed, failed } << 0 << false << "2 failed";
    QTest::newRow("stopped before anything") << QList<int> { stopped } << 0 << true << "Stopped";
    QTest::newRow("stopped after one") << QList<int> { done, stopped } << 0 << true
                                       << "1 file · 1.95 KB → 1.46 KB · 25 % smaller · stopped";
    QTest::newRow("stopped after a failure")
        << QList<int> { failed, stopped } << 2 << true << "1 failed · 2 locked, not compressed · stopped";
}

void TestRunController::summarisesWhatTheRunDid()
{
    QFETCH(QList<int>, codes);
    QFETCH(int, locked);
    QFETCH(bool, stopped);
    QFETCH(QString, summary);

    RunTally tally(static_cast<int>(codes.size()), locked);
    for (const int code : qAsConst(codes)) {
        tally.record(code, 2000, 1500);
    }
    if (stopped) {
        tally.noteStopped();
    }
    QCOMPARE(tally.summary(), summary);
}

void TestRunController::progressNeverCountsBeyondTheRun()
{
    RunTally tally(2, 0);
    // Before the first document has begun, the line already names it.
    QCOMPARE(tally.progressText(), QStringLiteral("Compressing 1 of 2"));
    tally.noteStarted();
    tally.noteStarted();
    QCOMPARE(tally.progressText(), QStringLiteral("Compressing 2 of 2"));
    // A document handed back after a stop and begun again is no third one.
    tally.noteStarted();
    QCOMPARE(tally.progressText(), QStringLiteral("Compressing 2 of 2"));
    tally.noteStopped();
    QCOMPARE(tally.progressText(), QStringLiteral("Stopping…"));
}

void TestRunController::runsEveryDocumentAndCountsItsResult()
{
    const QVector<FileItem*> items = listDocuments(2);
    QCOMPARE(items.size(), 2);
    RunController run(m_pool.get());
    QSignalSpy finished(&run, &RunController::taskFinished);

    QVERIFY(run.start(items, m_work->filePath("out"), 1));
    QVERIFY(run.isRunning());
    QCOMPARE(run.runningCount(), 2);
    QCOMPARE(run.doneCount(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(!run.isRunning(), runTimeoutMs);

    QCOMPARE(finished.count(), 2);
    QCOMPARE(run.runningCount(), 0);
    QCOMPARE(run.doneCount(), 2);
    QCOMPARE(run.tally().succeeded(), 2);
    QCOMPARE(run.tally().failed(), 0);
    QVERIFY(!run.tally().isStopped());
    QVERIFY2(run.tally().summary().startsWith("2 files · "), qPrintable(run.tally().summary()));
    QVERIFY(run.tally().summary().endsWith(" · 1 locked, not compressed"));
    for (FileItem* item : items) {
        QVERIFY(!item->isUnprocessed());
    }
}

void TestRunController::stopTakesBackQueuedDocumentsAndEndsTheRun()
{
    const QVector<FileItem*> items = listDocuments(3);
    QCOMPARE(items.size(), 3);
    // One at a time: the second and third wait in the pool's queue when the stop comes.
    m_pool->setMaxThreadCount(1);
    RunController run(m_pool.get());
    QSignalSpy finished(&run, &RunController::taskFinished);

    QVERIFY(run.start(items, m_work->filePath("out"), 0));
    QVERIFY(run.stop());
    QVERIFY2(!run.stop(), "a second stop has nothing left to do");
    QVERIFY(run.tally().isStopped());
    QTRY_VERIFY_WITH_TIMEOUT(!run.isRunning(), runTimeoutMs);
    QCOMPARE(run.runningCount(), 0);
    // Only tasks that ran report back; the ones taken back never do.
    QVERIFY(finished.count() <= 1);
    QCOMPARE(run.tally().failed(), 0);
    for (FileItem* item : items.mid(1)) {
        QVERIFY2(item->isUnprocessed() && !item->isInRun(), "a queued document is pending again");
    }
    QVERIFY(run.tally().summary().endsWith("topped"));
    // The pool holds nothing of the stopped run any more.
    QVERIFY(m_pool->waitForDone(runTimeoutMs));
}

void TestRunController::refusesASecondRunAndAnEmptyOne()
{
    RunController run(m_pool.get());
    QVERIFY(!run.start({}, m_work->filePath("out"), 0));
    QVERIFY(!run.isRunning());
    QVERIFY(!run.stop());
    QVERIFY(!run.noteStarted());

    const QVector<FileItem*> items = listDocuments(2);
    QCOMPARE(items.size(), 2);
    QVERIFY(run.start(items.mid(0, 1), m_work->filePath("out"), 0));
    QVERIFY(!run.start(items.mid(1), m_work->filePath("out"), 0));
    QCOMPARE(run.tally().total(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(!run.isRunning(), runTimeoutMs);
    QVERIFY(items.at(1)->isUnprocessed());
}

QTEST_MAIN(TestRunController)
#include "TestRunController.moc"
