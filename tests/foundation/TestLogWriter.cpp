#include "foundation/LogWriter.h"
#include "foundation/ProductConstants.h"
#include "support/LogReader.h"
#include "support/TestHome.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryFile>
#include <QTest>
#include <QThread>
#include <atomic>
#include <functional>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {
    const QString logFolderBelowHome = QStringLiteral("/AppData/Roaming/Vantorel/Kompresto/Log/");

    QDateTime at(int hour, int minute, int second) { return QDateTime(QDate(2025, 3, 7), QTime(hour, minute, second)); }

    QString hourFile(const QString& stem) { return Product::logFolder() + stem + QStringLiteral("_log.html"); }

    struct Entry
    {
        QString typeClass;
        QString line;
    };

    /** The entries after the header, or an empty list when anything between them is not an entry. */
    QList<Entry> entriesOf(const QString& content, bool* wellFormed = nullptr)
    {
        static const QRegularExpression entryPattern(QStringLiteral("<div class=\"([dwcfi])\">([^\r\n]*)</div>\r\n"));
        const QString header = LogWriter::headerPage() + QStringLiteral("\r\n");
        QList<Entry> entries;
        bool ok = content.startsWith(header);
        int position = header.size();
        while (ok && position < content.size()) {
            const QRegularExpressionMatch match = entryPattern.match(
                content, position, QRegularExpression::NormalMatch, QRegularExpression::AnchoredMatchOption);
            if (!match.hasMatch()) {
                ok = false;
                break;
            }
            entries.append({ match.captured(1), match.captured(2) });
            position = match.capturedEnd();
        }
        if (wellFormed != nullptr) {
            *wellFormed = ok;
        }
        return entries;
    }

    /** Sends standard error into a file for as long as it lives. */
    class StandardErrorCapture final
    {
    public:
        StandardErrorCapture()
        {
            m_file.open();
            ::fflush(stderr);
            m_saved = ::dup(STDERR_FILENO);
            ::dup2(m_file.handle(), STDERR_FILENO);
        }
        ~StandardErrorCapture() { restore(); }

        QString text()
        {
            restore();
            QFile file(m_file.fileName());
            file.open(QIODevice::ReadOnly);
            return QString::fromUtf8(file.readAll());
        }

    private:
        void restore()
        {
            if (m_saved >= 0) {
                ::dup2(m_saved, STDERR_FILENO);
                ::close(m_saved);
                m_saved = -1;
            }
        }

        QTemporaryFile m_file;
        int m_saved = -1;
    };

    /**
     * Logs lineOf(thread, message) messagesPerThread times from each of threadCount threads at once,
     * with standard error silenced, while this thread keeps handling its events. False when a thread
     * did not end within a minute.
     */
    bool logFromThreads(int threadCount, int messagesPerThread, const std::function<QString(int, int)>& lineOf)
    {
        StandardErrorCapture quiet;
        std::vector<std::unique_ptr<QThread>> threads;
        for (int thread = 0; thread < threadCount; ++thread) {
            threads.emplace_back(QThread::create([thread, messagesPerThread, &lineOf] {
                for (int message = 0; message < messagesPerThread; ++message) {
                    qDebug().noquote() << lineOf(thread, message);
                }
            }));
            threads.back()->start();
        }
        const QDeadlineTimer deadline(60000);
        for (auto& thread : threads) {
            while (!thread->wait(1)) {
                QCoreApplication::processEvents();
                if (deadline.hasExpired()) {
                    return false;
                }
            }
        }
        QCoreApplication::processEvents();
        return true;
    }
} // namespace

class TestLogWriter final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void writesHeaderAndEntry();
    void classLetters_data();
    void classLetters();
    void switchesFileAtTheHour();
    void appendsToExistingFileWithoutSecondHeader();
    void escapesEntryButNotStandardErrorCopy();
    void prunesToNewestNamesAtStart();
    void manyThreadsLoseNoEntry();
    void failedOpenDropsMessageAndLaterMessagesRetry();
    void manyThreadsWhileTheFileSwitches();
    void deletedFileIsRecreatedWithHeader_data();
    void deletedFileIsRecreatedWithHeader();
    void lockFreeLineStartsNewFileWithHeader();

private:
    void startWriter(const QDateTime& time);

    std::unique_ptr<TestHome> m_home;
    QDateTime m_now;
};

void TestLogWriter::init() { m_home = std::make_unique<TestHome>(); }

void TestLogWriter::cleanup()
{
    qInstallMessageHandler(nullptr);
    LogWriter::setClock({});
    m_home.reset();
}

void TestLogWriter::startWriter(const QDateTime& time)
{
    m_now = time;
    LogWriter::setClock([this] { return m_now; });
    installLogHandler(logFolderBelowHome, 100);
}

void TestLogWriter::writesHeaderAndEntry()
{
    QVERIFY(!QDir(Product::logFolder()).exists());
    startWriter(at(14, 25, 1));
    QVERIFY(QDir(Product::logFolder()).exists());
    QCOMPARE(QDir::cleanPath(LogWriter::logFolder()), QDir::cleanPath(Product::logFolder()));

    qWarning() << "Compressing:" << 3;

    const QByteArray bytes = [] {
        QFile file(hourFile(QStringLiteral("2025-03-07_14")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
    const QString content = QString::fromUtf8(bytes);
    QVERIFY(content.startsWith(QStringLiteral(
        "\n<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"yes\"?>\n<!DOCTYPE html PUBLIC "
        "\"-//W3C//DTD XHTML 1.0 Strict//EN\" \"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">\n")));
    QVERIFY(content.contains(QStringLiteral("<title>Vantorel Kompresto Log</title>")));
    QVERIFY(content.contains(QStringLiteral("<style type=\"text/css\" id=\"logCss\">")));
    QVERIFY(content.contains(QStringLiteral("<h1>Log File</h1>")));
    const QRegularExpression options(QStringLiteral(
        "<select id=\"typeSelect\" onchange=\"selectType\\(\\)\">\\s*<option value=\"a\" "
        "selected=\"selected\">All</option>"
        "\\s*<option value=\"d\">Debug</option>\\s*<option value=\"i\">Info</option>\\s*<option value=\"w\">Warning"
        "</option>\\s*<option value=\"c\">Critical</option>\\s*<option value=\"f\">Fatal</option>\\s*</select>\n\r\n"));
    QVERIFY(content.contains(options));
    QVERIFY(!content.contains(QStringLiteral("</body>")));
    QVERIFY(content.endsWith(
        QStringLiteral("</select>\n\r\n<div class=\"w\">2025-03-07 14:25:01 Compressing: 3</div>\r\n")));
}

void TestLogWriter::classLetters_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("expected");
    QTest::newRow("debug") << int(QtDebugMsg) << "d";
    QTest::newRow("warning") << int(QtWarningMsg) << "w";
    QTest::newRow("critical") << int(QtCriticalMsg) << "c";
    QTest::newRow("fatal") << int(QtFatalMsg) << "f";
    QTest::newRow("info") << int(QtInfoMsg) << "i";
}

void TestLogWriter::classLetters()
{
    QFETCH(int, type);
    QFETCH(QString, expected);
    startWriter(at(9, 0, 0));
    // Called directly: a real fatal message would end the test.
    logMessageHandler(QtMsgType(type), QMessageLogContext(), QStringLiteral("typed"));

    const QList<Entry> entries = entriesOf(LogReader::fileText(hourFile(QStringLiteral("2025-03-07_09"))));
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries.first().typeClass, expected);
    QCOMPARE(entries.first().line, QStringLiteral("2025-03-07 09:00:00 typed"));
}

void TestLogWriter::switchesFileAtTheHour()
{
    startWriter(at(14, 59, 59));
    qWarning("last of the hour");
    m_now = at(15, 0, 0);
    qDebug("first of the next");

    bool wellFormed = false;
    const QList<Entry> before = entriesOf(LogReader::fileText(hourFile(QStringLiteral("2025-03-07_14"))), &wellFormed);
    QVERIFY(wellFormed);
    QCOMPARE(before.size(), 1);
    QCOMPARE(before.first().typeClass, QStringLiteral("w"));
    QCOMPARE(before.first().line, QStringLiteral("2025-03-07 14:59:59 last of the hour"));

    const QList<Entry> after = entriesOf(LogReader::fileText(hourFile(QStringLiteral("2025-03-07_15"))), &wellFormed);
    QVERIFY(wellFormed);
    QCOMPARE(after.size(), 1);
    QCOMPARE(after.first().typeClass, QStringLiteral("d"));
    QCOMPARE(after.first().line, QStringLiteral("2025-03-07 15:00:00 first of the next"));
}

void TestLogWriter::appendsToExistingFileWithoutSecondHeader()
{
    startWriter(at(10, 1, 0));
    qInfo("earlier run");
    // A second start in the same hour, as the next run of the application does.
    startWriter(at(10, 2, 0));
    qInfo("later run");

    const QString content = LogReader::fileText(hourFile(QStringLiteral("2025-03-07_10")));
    QCOMPARE(content.count(QStringLiteral("<?xml")), 1);
    bool wellFormed = false;
    const QList<Entry> entries = entriesOf(content, &wellFormed);
    QVERIFY(wellFormed);
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries.at(0).line, QStringLiteral("2025-03-07 10:01:00 earlier run"));
    QCOMPARE(entries.at(1).line, QStringLiteral("2025-03-07 10:02:00 later run"));
}

void TestLogWriter::escapesEntryButNotStandardErrorCopy()
{
    startWriter(at(11, 0, 0));
    const QString name = QStringLiteral("<img src=x onerror=alert(1)>.pdf & <b>bold</b> \"quoted\"");
    StandardErrorCapture capture;
    qDebug().noquote() << "Add file:" << name;
    const QString copied = capture.text();

    const QString content = LogReader::fileText(hourFile(QStringLiteral("2025-03-07_11")));
    QVERIFY(content.endsWith(QStringLiteral("<div class=\"d\">2025-03-07 11:00:00 Add file: &lt;img src=x "
                                            "onerror=alert(1)&gt;.pdf &amp; &lt;b&gt;bold&lt;/b&gt; "
                                            "\"quoted\"</div>\r\n")));
    QVERIFY(!content.contains(QStringLiteral("<img")));
    QVERIFY(!content.contains(QStringLiteral("<b>")));
    QCOMPARE(copied, QStringLiteral("2025-03-07 11:00:00 Add file: ") + name + QLatin1Char('\n'));
}

void TestLogWriter::prunesToNewestNamesAtStart()
{
    QDir folder(Product::logFolder());
    QVERIFY(folder.mkpath(QStringLiteral(".")));
    QStringList names;
    for (int hour = 0; hour < 100; ++hour) {
        names << QStringLiteral("2025-03-%1_%2_log.html")
                     .arg(1 + hour / 24, 2, 10, QLatin1Char('0'))
                     .arg(hour % 24, 2, 10, QLatin1Char('0'));
    }
    // Every file counts, whatever its name, and goes by the order of its name.
    names << QStringLiteral("0-readme.txt") << QStringLiteral("2024-12-31_23_log.html")
          << QStringLiteral("zz-notes.txt");
    for (const QString& name : names) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(folder.mkdir(QStringLiteral("0-subfolder")));
    QCOMPARE(folder.entryList(QDir::Files).size(), 103);

    startWriter(at(12, 0, 0));

    names.sort();
    const QStringList expected = names.mid(3);
    QCOMPARE(folder.entryList(QDir::Files, QDir::Name), expected);
    QVERIFY(!expected.contains(QStringLiteral("0-readme.txt")));
    QVERIFY(expected.contains(QStringLiteral("zz-notes.txt")));
    QVERIFY(folder.exists(QStringLiteral("0-subfolder")));
}

void TestLogWriter::manyThreadsLoseNoEntry()
{
    startWriter(at(13, 0, 0));
    constexpr int threadCount = 8;
    constexpr int messagesPerThread = 400;
    QVERIFY(logFromThreads(threadCount, messagesPerThread, [](int thread, int message) {
        return QStringLiteral("thread %1 message %2 ").arg(thread).arg(message) + QString(37, QLatin1Char('x'));
    }));

    bool wellFormed = false;
    const QList<Entry> entries = entriesOf(LogReader::fileText(hourFile(QStringLiteral("2025-03-07_13"))), &wellFormed);
    QVERIFY(wellFormed);
    QCOMPARE(entries.size(), threadCount * messagesPerThread);
    QSet<QString> lines;
    for (const Entry& entry : entries) {
        lines.insert(entry.line);
    }
    for (int thread = 0; thread < threadCount; ++thread) {
        for (int message = 0; message < messagesPerThread; ++message) {
            const QString line = QStringLiteral("2025-03-07 13:00:00 thread %1 message %2 ").arg(thread).arg(message)
                + QString(37, QLatin1Char('x'));
            QVERIFY2(lines.contains(line), qPrintable(line));
        }
    }
}

void TestLogWriter::failedOpenDropsMessageAndLaterMessagesRetry()
{
    startWriter(at(16, 0, 0));
    const QString path = hourFile(QStringLiteral("2025-03-07_16"));
    // Well past the mark from which every entry closes and reopens the file.
    qDebug().noquote() << QString(600, QLatin1Char('a'));
    QVERIFY(QFile::exists(path));

    // The file disappears and a folder takes its name: the next reopen fails.
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir().mkpath(path));
    StandardErrorCapture capture;
    qDebug("written to the vanished file, no copy");
    qDebug("dropped while the name is taken");
    QVERIFY(QDir().rmdir(path));
    qDebug("back again");
    const QString copied = capture.text();

    QVERIFY(!copied.contains(QStringLiteral("no copy")));
    QVERIFY(!copied.contains(QStringLiteral("dropped")));
    QVERIFY(copied.contains(QStringLiteral("2025-03-07 16:00:00 back again\n")));
    bool wellFormed = false;
    const QList<Entry> entries = entriesOf(LogReader::fileText(path), &wellFormed);
    QVERIFY(wellFormed);
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries.first().line, QStringLiteral("2025-03-07 16:00:00 back again"));
}

// Threads log while the hour flips back and forth, so the file is closed and reopened under their
// feet, and this thread keeps handling events meanwhile: nothing of the writer may run here later.
// Run under the sanitizer build, a file object touched outside the lock shows up as a report.
void TestLogWriter::manyThreadsWhileTheFileSwitches()
{
    installLogHandler(logFolderBelowHome, 100);
    std::atomic<int> calls { 0 };
    LogWriter::setClock([&calls] { return at(17 + (calls.fetch_add(1) / 25) % 2, 30, 0); });

    constexpr int threadCount = 6;
    constexpr int messagesPerThread = 300;
    QVERIFY(logFromThreads(threadCount, messagesPerThread,
        [](int thread, int message) { return QStringLiteral("thread %1 message %2").arg(thread).arg(message); }));

    QSet<QString> lines;
    for (const QString& stem : { QStringLiteral("2025-03-07_17"), QStringLiteral("2025-03-07_18") }) {
        bool wellFormed = false;
        for (const Entry& entry : entriesOf(LogReader::fileText(hourFile(stem)), &wellFormed)) {
            lines.insert(entry.line.mid(20));
        }
        QVERIFY2(wellFormed, qPrintable(stem));
    }
    QCOMPARE(lines.size(), threadCount * messagesPerThread);
    for (int thread = 0; thread < threadCount; ++thread) {
        for (int message = 0; message < messagesPerThread; ++message) {
            QVERIFY(lines.contains(QStringLiteral("thread %1 message %2").arg(thread).arg(message)));
        }
    }
}

void TestLogWriter::deletedFileIsRecreatedWithHeader_data()
{
    QTest::addColumn<int>("writtenBefore");
    QTest::newRow("file kept open") << 0;
    QTest::newRow("file reopened after every entry") << 600;
}

void TestLogWriter::deletedFileIsRecreatedWithHeader()
{
    QFETCH(int, writtenBefore);
    startWriter(at(8, 15, 0));
    qDebug().noquote() << "first" << QString(writtenBefore, QLatin1Char('a'));
    const QString path = hourFile(QStringLiteral("2025-03-07_08"));
    QVERIFY(QFile::exists(path));

    // Someone clears the Log folder in the middle of the hour.
    QVERIFY(QFile::remove(path));
    m_now = at(8, 16, 0);
    qWarning("after the deletion");
    qDebug("and the next");

    bool wellFormed = false;
    const QList<Entry> entries = entriesOf(LogReader::fileText(path), &wellFormed);
    QVERIFY(wellFormed);
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries.at(0).typeClass, QStringLiteral("w"));
    QCOMPARE(entries.at(0).line, QStringLiteral("2025-03-07 08:16:00 after the deletion"));
    QCOMPARE(entries.at(1).line, QStringLiteral("2025-03-07 08:16:00 and the next"));
}

void TestLogWriter::lockFreeLineStartsNewFileWithHeader()
{
    installLogHandler(logFolderBelowHome, 100);
    qDebug("ordinary line");
    StandardErrorCapture capture;
    {
        // The crash handler may run while the faulting thread holds the lock.
        QMutexLocker held(&LogWriter::fileLock());
        LogWriter::writeDebugLineWithoutLock("Soft is Crash!...");
    }
    const QString copied = capture.text();
    QVERIFY(copied.endsWith(QStringLiteral(" Soft is Crash!...\n")));
    const QString stamp = copied.left(19);
    QVERIFY(QDateTime::fromString(stamp, QStringLiteral("yyyy-MM-dd hh:mm:ss")).isValid());

    const QString stem
        = QDateTime::fromString(stamp, QStringLiteral("yyyy-MM-dd hh:mm:ss")).toString(QStringLiteral("yyyy-MM-dd_hh"));
    bool wellFormed = false;
    const QList<Entry> entries = entriesOf(LogReader::fileText(hourFile(stem)), &wellFormed);
    QVERIFY(wellFormed);
    QVERIFY(!entries.isEmpty());
    QCOMPARE(entries.last().typeClass, QStringLiteral("d"));
    QCOMPARE(entries.last().line, stamp + QStringLiteral(" Soft is Crash!..."));

    // Its own new hour file starts with the header too.
    const QString lonePath = hourFile(stem);
    QVERIFY(QFile::remove(lonePath));
    LogWriter::writeDebugLineWithoutLock("write log success...");
    const QList<Entry> fresh = entriesOf(LogReader::fileText(lonePath), &wellFormed);
    QVERIFY(wellFormed);
    QCOMPARE(fresh.size(), 1);
    QVERIFY(fresh.first().line.endsWith(QStringLiteral(" write log success...")));
}

QTEST_GUILESS_MAIN(TestLogWriter)
#include "TestLogWriter.moc"
