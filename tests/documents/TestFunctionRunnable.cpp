#include "documents/FileItemList.h"
#include "documents/FunctionRunnable.h"
#include "documents/PDFFileItem.h"
#include "documents/SignalTransferStation.h"
#include "foundation/ProductConstants.h"
#include "support/Inspection.h"
#include "support/LogCapture.h"
#include "support/TestHome.h"
#include "support/TestPdf.h"

#include <QPointer>
#include <QSignalSpy>
#include <QThreadPool>
#include <QtTest>
#include <sys/resource.h>

namespace {
    /** What reached the GUI thread for one item, in arrival order, and whether it arrived there. */
    class Recorder : public QObject
    {
    public:
        void watch(int index, PDFFileItem* item)
        {
            connect(item, &FileItem::processing, this, [=] { record(index, "processing"); });
            connect(item, &PDFFileItem::CompressedInfo, this, [=] { record(index, "info"); });
            connect(item, &FileItem::outputFileSignal, this, [=] { record(index, "output"); });
            connect(item, &FileItem::processFinishedSignal, this,
                [=](int code) { record(index, QStringLiteral("item finished %1").arg(code)); });
        }

        /** Connects the task the way the main window does: to a completion handler and to the item. */
        void watch(int index, FunctionRunnable* task, FileItem* item)
        {
            connect(task, &FunctionRunnable::finished, this, [=](int code) {
                record(index, QStringLiteral("task finished %1").arg(code));
                ++completed;
            });
            connect(task, &FunctionRunnable::finished, item, &FileItem::fileProcessFinished);
        }

        QHash<int, QStringList> events;
        int completed = 0;
        bool allOnGuiThread = true;

    private:
        void record(int index, const QString& event)
        {
            allOnGuiThread = allOnGuiThread && QThread::currentThread() == thread();
            events[index] << event;
        }
    };

    /** Lowers this process's limit of open files for as long as it lives. */
    class OpenFileLimit
    {
    public:
        explicit OpenFileLimit(rlim_t limit)
        {
            getrlimit(RLIMIT_NOFILE, &m_previous);
            rlimit lowered = m_previous;
            lowered.rlim_cur = qMin(limit, m_previous.rlim_max);
            m_applied = setrlimit(RLIMIT_NOFILE, &lowered) == 0;
        }
        ~OpenFileLimit() { setrlimit(RLIMIT_NOFILE, &m_previous); }
        bool applied() const { return m_applied; }

    private:
        rlimit m_previous {};
        bool m_applied = false;
    };

    int openDescriptorCount()
    {
        return QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::System | QDir::NoDotAndDotDot).size();
    }

    const QStringList succeeded = { "processing", "info", "output", "task finished 0", "item finished 0" };
} // namespace

class TestFunctionRunnable : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void tenDocumentsOnFourThreads();
    void otherKindsDoNoWork();
    void taskOutlivesItsItem();
    void thousandsOfDocumentsUnderTheOpenFileLimit();
    void stationRelaysItsSignals();

private:
    QString outputFolder() const { return m_work->filePath("out"); }
    QStringList copies(int count, const QString& pattern) const;

    QTemporaryDir m_fixtures;
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<QTemporaryDir> m_work;
    std::unique_ptr<LogCapture> m_log;
};

void TestFunctionRunnable::initTestCase()
{
    QVERIFY(TestPdf::writeTextDocument(m_fixtures.filePath("plain.pdf"), 1));
    QThreadPool::globalInstance()->setMaxThreadCount(4);
}

void TestFunctionRunnable::init()
{
    m_home = std::make_unique<TestHome>();
    m_work = std::make_unique<QTemporaryDir>();
    m_log = std::make_unique<LogCapture>();
}

void TestFunctionRunnable::cleanup()
{
    QThreadPool::globalInstance()->waitForDone();
    m_log.reset();
    QCOMPARE(QDir(Product::tempFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    m_work.reset();
    m_home.reset();
}

QStringList TestFunctionRunnable::copies(int count, const QString& pattern) const
{
    QFile source(m_fixtures.filePath("plain.pdf"));
    if (!source.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray contents = source.readAll();
    QStringList paths;
    for (int index = 0; index < count; ++index) {
        const QString path = m_work->filePath(pattern.arg(index, 4, 10, QLatin1Char('0')));
        if (!TestPdf::writeBytes(path, contents)) {
            return {};
        }
        paths << path;
    }
    return paths;
}

void TestFunctionRunnable::tenDocumentsOnFourThreads()
{
    FileItemList list;
    list.addFiles(copies(10, "doc%1.pdf"));
    QVERIFY(Inspection::waitFor(list));
    QCOMPARE(list.count(), 10);
    // Two documents go bad after they were listed: one vanishes, one is overwritten with junk.
    QVERIFY(QFile::remove(list.at(3)->filePath()));
    QVERIFY(TestPdf::writeBytes(list.at(7)->filePath(), "not a PDF any more"));

    Recorder recorder;
    QList<QPointer<FunctionRunnable>> tasks;
    for (int index = 0; index < list.count(); ++index) {
        auto* item = static_cast<PDFFileItem*>(list.at(index));
        recorder.watch(index, item);
        auto* task = new FunctionRunnable(FunctionRunnable::compressKind, item, outputFolder());
        recorder.watch(index, task, item);
        tasks << task;
        QThreadPool::globalInstance()->start(task, 0);
    }

    QTRY_COMPARE_WITH_TIMEOUT(recorder.completed, 10, 60000);
    QTRY_COMPARE(recorder.events.value(9).size() + recorder.events.value(3).size() + recorder.events.value(7).size(),
        succeeded.size() + 2 * 3);
    QVERIFY(recorder.allOnGuiThread);
    for (int index = 0; index < list.count(); ++index) {
        const QStringList events = recorder.events.value(index);
        if (index == 3 || index == 7) {
            QCOMPARE(events.size(), 3);
            QCOMPARE(events.at(0), QStringLiteral("processing"));
            const QString code = events.at(1).section(' ', -1);
            QVERIFY2(code != "0", qPrintable(events.join(", ")));
            QCOMPARE(events.at(1), QStringLiteral("task finished ") + code);
            QCOMPARE(events.at(2), QStringLiteral("item finished ") + code);
            QVERIFY(list.at(index)->isUnprocessed());
        } else {
            QCOMPARE(events, succeeded);
            QVERIFY(!list.at(index)->isUnprocessed());
            QVERIFY(
                QFileInfo::exists(outputFolder() + QStringLiteral("/doc%1.pdf").arg(index, 4, 10, QLatin1Char('0'))));
        }
    }
    QCOMPARE(QDir(outputFolder()).entryList(QDir::Files).size(), 8);
    // The pool deletes every task once it has run.
    for (const auto& task : qAsConst(tasks)) {
        QTRY_VERIFY(task.isNull());
    }
    QVERIFY(m_log->contains("Thread running: "));
    QVERIFY(m_log->contains("Thread end: "));
}

void TestFunctionRunnable::otherKindsDoNoWork()
{
    FileItemList list;
    list.addFiles(copies(1, "doc%1.pdf"));
    QVERIFY(Inspection::waitFor(list));
    QCOMPARE(list.count(), 1);
    auto* item = static_cast<PDFFileItem*>(list.at(0));
    Recorder recorder;
    recorder.watch(0, item);
    auto* task = new FunctionRunnable(0, item, outputFolder());
    recorder.watch(0, task, item);
    QThreadPool::globalInstance()->start(task, 0);

    QTRY_COMPARE(recorder.events.value(0).size(), 3);
    QCOMPARE(recorder.events.value(0), QStringList({ "processing", "task finished -1", "item finished -1" }));
    QVERIFY(item->isUnprocessed());
    QVERIFY(!QFileInfo::exists(outputFolder()));
}

// The pool destroys a task after finished() is queued, and the receiving window may already have
// deleted the item by then. The sanitizer build turns any read of the item here into a failure.
void TestFunctionRunnable::taskOutlivesItsItem()
{
    const QString path = copies(1, "doc%1.pdf").value(0);
    auto item = std::make_unique<PDFFileItem>(path);
    QVERIFY(item->initPDF());
    auto task = std::make_unique<FunctionRunnable>(0, item.get(), outputFolder());
    task->setAutoDelete(false);
    task->run();

    item.reset();
    task.reset();
    QVERIFY(m_log->contains("Thread end:  \"" + path + "\""));
}

void TestFunctionRunnable::thousandsOfDocumentsUnderTheOpenFileLimit()
{
    constexpr int documents = 3000;
    // Compressing all of them takes minutes; a spread sample shows that a compression keeps no file
    // open, which is what would run a long list into the limit.
    constexpr int sampleStep = 60;
    const QStringList paths = copies(documents, "many%1.pdf");
    QCOMPARE(paths.size(), documents);

    OpenFileLimit limit(1024);
    QVERIFY(limit.applied());
    FileItemList list;
    list.addFiles(paths);
    QVERIFY(Inspection::waitFor(list));
    QCOMPARE(list.count(), documents);
    QCOMPARE(list.at(documents - 1)->iconName(), QStringLiteral("PDF-3x.png"));
    QCOMPARE(list.at(documents - 1)->pageCount(), 1);

    const int descriptorsBefore = openDescriptorCount();
    Recorder recorder;
    int started = 0;
    for (int index = documents - 1; index >= 0; index -= sampleStep, ++started) {
        auto* task = new FunctionRunnable(FunctionRunnable::compressKind, list.at(index), outputFolder());
        recorder.watch(index, task, list.at(index));
        QThreadPool::globalInstance()->start(task, 0);
    }
    QTRY_COMPARE_WITH_TIMEOUT(recorder.completed, started, 120000);
    QVERIFY(QThreadPool::globalInstance()->waitForDone());
    for (int index = documents - 1; index >= 0; index -= sampleStep) {
        QVERIFY2(!list.at(index)->isUnprocessed(), qPrintable(list.at(index)->filePath()));
    }
    QCOMPARE(QDir(outputFolder()).entryList(QDir::Files).size(), started);
    // At most as many as before: the list's last inspections may still have held a file open then.
    const int descriptorsAfter = openDescriptorCount();
    QVERIFY2(descriptorsAfter <= descriptorsBefore,
        qPrintable(
            QStringLiteral("%1 open descriptors after, %2 before").arg(descriptorsAfter).arg(descriptorsBefore)));
}

void TestFunctionRunnable::stationRelaysItsSignals()
{
    SignalTransferStation* const station = SignalTransferStation::instance();
    QVERIFY(station);
    QCOMPARE(SignalTransferStation::instance(), station);
    QCOMPARE(station->parent(), nullptr);

    QSignalSpy stops(station, &SignalTransferStation::stop);
    QSignalSpy resets(station, &SignalTransferStation::changeProcessedState);
    station->transmitStopTaskSignal();
    QCOMPARE(stops.size(), 1);
    QCOMPARE(resets.size(), 0);
    station->updateAllItemStatus();
    QCOMPARE(resets.size(), 1);
    QCOMPARE(stops.size(), 1);
}

QTEST_MAIN(TestFunctionRunnable)
#include "TestFunctionRunnable.moc"
