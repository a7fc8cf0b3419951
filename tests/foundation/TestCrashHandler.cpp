#include "foundation/CrashHandler.h"
#include "foundation/LanguageCode.h"
#include "foundation/LogWriter.h"
#include "foundation/ProductConstants.h"
#include "services/MultiLanguage.h"
#include "support/LogReader.h"
#include "support/TestHome.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QThreadPool>
#include <csignal>
#include <limits>
#include <stdexcept>

// Run with "--crash-child <mode> <dump folder> <helper> <language code>", this executable installs the
// crash handler and then crashes the way <mode> says; the tests below start it and look at what it left.
namespace {
    const QString logFolderBelowHome = QStringLiteral("/AppData/Roaming/Vantorel/Kompresto/Log/");

    [[noreturn]] void writeThroughNull()
    {
        volatile int* volatile nowhere = nullptr;
        *nowhere = 1;
        std::abort();
    }

    [[noreturn]] void throwOutOfStep() { throw std::runtime_error("document list out of step"); }

    // Nothing may leave a noexcept function: the exception ends in std::terminate.
    void throwFromNoexcept() noexcept { throwOutOfStep(); }

    int divideByZero()
    {
        // Both volatile: the compiler turns 1 / x into a comparison that never traps.
        volatile int one = 1;
        volatile int zero = 0;
        return one / zero;
    }

    // Deep enough to overflow any thread's stack; the handler then runs on its alternate stack.
    int recurseWithoutEnd(int depth)
    {
        volatile char frame[4096];
        frame[0] = static_cast<char>(depth);
        if (depth == std::numeric_limits<int>::max()) {
            return 0;
        }
        return recurseWithoutEnd(depth + 1) + frame[0];
    }

    int runCrashChild(int argc, char* argv[])
    {
        QCoreApplication application(argc, argv);
        const QStringList arguments = application.arguments();
        const QString mode = arguments.at(2);
        installLogHandler(logFolderBelowHome, 100);
        CrashHandler::install(arguments.at(3), arguments.at(4));
        MultiLanguage::instance()->setLanguage(arguments.at(5).toInt());
        // The catalogues announce themselves through posted events.
        QCoreApplication::processEvents();
        qDebug("child ready");

        if (mode == QLatin1String("gui-null-write")) {
            writeThroughNull();
        } else if (mode == QLatin1String("pool-null-write")) {
            QThreadPool::globalInstance()->start([] { writeThroughNull(); });
        } else if (mode == QLatin1String("abort")) {
            std::abort();
        } else if (mode == QLatin1String("uncaught-exception")) {
            throwFromNoexcept();
        } else if (mode == QLatin1String("divide-by-zero")) {
            return divideByZero();
        } else if (mode == QLatin1String("stack-overflow")) {
            return recurseWithoutEnd(0);
        } else if (mode == QLatin1String("pool-stack-overflow")) {
            QThreadPool::globalInstance()->start([] {
                CrashHandler::prepareThread();
                recurseWithoutEnd(0);
            });
        } else if (mode == QLatin1String("null-write-holding-log-lock")) {
            LogWriter::fileLock().lock();
            writeThroughNull();
        }
        // Only the pool thread crashes: wait for it.
        QThread::sleep(60);
        return 0;
    }

    struct ChildRun
    {
        QProcess::ExitStatus exitStatus = QProcess::NormalExit;
        int exitCode = -1;
        QString standardError;
        QDateTime started;
        QDateTime ended;
    };
} // namespace

class TestCrashHandler final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void crashWritesDumpLogAndMessage_data();
    void crashWritesDumpLogAndMessage();
    void missingDumpFolderStillShowsMessage();
    void messageFollowsInterfaceLanguage();

private:
    ChildRun runChild(const QString& mode, const QString& dumpFolder, int languageCode = LanguageCode::English);
    QStringList recordedHelperArguments() const;

    std::unique_ptr<QTemporaryDir> m_work;
    QString m_home;
    QString m_dumpFolder;
    QString m_helper;
};

void TestCrashHandler::init()
{
    m_work = std::make_unique<QTemporaryDir>();
    QVERIFY(m_work->isValid());
    m_home = m_work->filePath(QStringLiteral("home"));
    m_dumpFolder = m_work->filePath(QStringLiteral("Log"));
    QVERIFY(QDir().mkpath(m_home));
    QVERIFY(QDir().mkpath(m_dumpFolder));

    // Stands in for the message box: writes each argument, NUL-terminated, and returns at once.
    m_helper = m_work->filePath(QStringLiteral("recording-helper"));
    QFile helper(m_helper);
    QVERIFY(helper.open(QIODevice::WriteOnly));
    helper.write("#!/bin/sh\nfor argument in \"$@\"; do printf '%s\\0' \"$argument\"; done > \"$0.arguments\"\n");
    helper.close();
    QVERIFY(helper.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
}

ChildRun TestCrashHandler::runChild(const QString& mode, const QString& dumpFolder, int languageCode)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), m_home);
    child.setProcessEnvironment(environment);
    ChildRun run;
    run.started = QDateTime::currentDateTime();
    child.start(QCoreApplication::applicationFilePath(),
        { QStringLiteral("--crash-child"), mode, dumpFolder, m_helper, QString::number(languageCode) });
    if (!child.waitForFinished(30000)) {
        child.kill();
        child.waitForFinished();
    }
    run.ended = QDateTime::currentDateTime();
    run.exitStatus = child.exitStatus();
    run.exitCode = child.exitCode();
    run.standardError = QString::fromLocal8Bit(child.readAllStandardError());
    return run;
}

QStringList TestCrashHandler::recordedHelperArguments() const
{
    QFile record(m_helper + QStringLiteral(".arguments"));
    if (!record.open(QIODevice::ReadOnly)) {
        return {};
    }
    QList<QByteArray> parts = record.readAll().split('\0');
    parts.removeLast();
    QStringList arguments;
    for (const QByteArray& part : parts) {
        arguments << QString::fromUtf8(part);
    }
    return arguments;
}

void TestCrashHandler::crashWritesDumpLogAndMessage_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("signalNumber");
    QTest::addColumn<bool>("onMainThread");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("nullAddress");
    QTest::newRow("null write on the GUI thread") << "gui-null-write" << SIGSEGV << true << "" << true;
    QTest::newRow("null write on a pool thread") << "pool-null-write" << SIGSEGV << false << "" << true;
    QTest::newRow("abort") << "abort" << SIGABRT << true << "" << false;
    QTest::newRow("uncaught exception")
        << "uncaught-exception" << SIGABRT << true
        << "Reason: uncaught exception of type std::runtime_error: document list out of step" << false;
    QTest::newRow("division by zero") << "divide-by-zero" << SIGFPE << true << "" << false;
    QTest::newRow("stack overflow on the GUI thread") << "stack-overflow" << SIGSEGV << true << "" << false;
    QTest::newRow("stack overflow on a pool thread") << "pool-stack-overflow" << SIGSEGV << false << "" << false;
    QTest::newRow("null write while the log lock is held")
        << "null-write-holding-log-lock" << SIGSEGV << true << "" << true;
}

void TestCrashHandler::crashWritesDumpLogAndMessage()
{
    QFETCH(QString, mode);
    QFETCH(int, signalNumber);
    QFETCH(bool, onMainThread);
    QFETCH(QString, reason);
    QFETCH(bool, nullAddress);

    const ChildRun run = runChild(mode, m_dumpFolder);

    // Ended by the signal itself, not by an exit code of its own.
    QCOMPARE(run.exitStatus, QProcess::CrashExit);
    QCOMPARE(run.exitCode, signalNumber);

    const QStringList dumps = QDir(m_dumpFolder).entryList(QDir::Files);
    QCOMPARE(dumps.size(), 1);
    const QRegularExpressionMatch name
        = QRegularExpression(QStringLiteral("^crash_(\\d{14})\\.dmp$")).match(dumps.first());
    QVERIFY2(name.hasMatch(), qPrintable(dumps.first()));
    const QDateTime crashTime = QDateTime::fromString(name.captured(1), QStringLiteral("yyyyMMddhhmmss"));
    QVERIFY(crashTime.isValid());
    QVERIFY(crashTime.addSecs(1) >= run.started && crashTime <= run.ended);
    const QString dumpPath = m_dumpFolder + QLatin1Char('/') + dumps.first();

    const QString dump = LogReader::fileText(dumpPath);
    QVERIFY(dump.startsWith(QStringLiteral("Vantorel Kompresto " KOMPRESTO_VERSION " crash report\n")));
    QVERIFY(dump.contains(QStringLiteral("\nSignal: %1 ").arg(signalNumber)));
    const QString processId = QRegularExpression(QStringLiteral("\nProcess id: (\\d+)\n")).match(dump).captured(1);
    const QString threadId = QRegularExpression(QStringLiteral("\nThread id: (\\d+) ")).match(dump).captured(1);
    QVERIFY(!processId.isEmpty() && !threadId.isEmpty());
    QCOMPARE(threadId == processId, onMainThread);
    QVERIFY(dump.contains(onMainThread ? QStringLiteral("(main thread)") : QStringLiteral("(other thread)")));
    if (nullAddress) {
        QVERIFY(dump.contains(QStringLiteral("\nFault address: 0x0000000000000000\n")));
    }
    if (!reason.isEmpty()) {
        QVERIFY2(dump.contains(reason), qPrintable(dump.left(600)));
    }
    // The faulting thread's frames, and the module list that makes their addresses readable.
    const int backtrace = dump.indexOf(QStringLiteral("\nBacktrace of the faulting thread:\n"));
    const int modules = dump.indexOf(QStringLiteral("\nModules (/proc/self/maps):\n"));
    QVERIFY(backtrace > 0 && modules > backtrace);
    const QString frames = dump.mid(backtrace, modules - backtrace);
    QVERIFY2(frames.count(QStringLiteral("TestCrashHandler(")) >= 1, qPrintable(frames));
    QVERIFY(frames.contains(QStringLiteral("libc.so.6")));
    QVERIFY(dump.mid(modules).contains(QCoreApplication::applicationFilePath()));

    const QStringList logged = LogReader::entries(QStringLiteral("d"), m_home + logFolderBelowHome);
    QCOMPARE(logged,
        QStringList({ QStringLiteral("child ready"), QStringLiteral("Soft is Crash!..."),
            QStringLiteral("write log success...") }));
    QVERIFY(run.standardError.contains(QStringLiteral(" Soft is Crash!...\n")));
    QVERIFY(run.standardError.contains(QStringLiteral(" write log success...\n")));

    const QStringList arguments = recordedHelperArguments();
    QCOMPARE(arguments.size(), 3);
    QCOMPARE(arguments.at(0), QStringLiteral("The program gets crashed."));
    QCOMPARE(arguments.at(1), QStringLiteral("Please send the crash report to the developer. (%1)").arg(dumpPath));
    QCOMPARE(arguments.at(2), QStringLiteral("OK"));
}

void TestCrashHandler::missingDumpFolderStillShowsMessage()
{
    const QString missing = m_work->filePath(QStringLiteral("not-installed/Log"));
    const ChildRun run = runChild(QStringLiteral("gui-null-write"), missing);

    QCOMPARE(run.exitStatus, QProcess::CrashExit);
    QCOMPARE(run.exitCode, SIGSEGV);
    QVERIFY(!QFileInfo::exists(missing));
    QCOMPARE(LogReader::entries(QStringLiteral("d"), m_home + logFolderBelowHome),
        QStringList({ QStringLiteral("child ready"), QStringLiteral("Soft is Crash!..."),
            QStringLiteral("write log failed...") }));
    const QStringList arguments = recordedHelperArguments();
    QCOMPARE(arguments.size(), 3);
    const QRegularExpression text(
        QStringLiteral("^Please send the crash report to the developer\\. \\(%1/crash_\\d{14}\\.dmp\\)$")
            .arg(QRegularExpression::escape(missing)));
    QVERIFY2(text.match(arguments.at(1)).hasMatch(), qPrintable(arguments.at(1)));
}

void TestCrashHandler::messageFollowsInterfaceLanguage()
{
    const ChildRun run = runChild(QStringLiteral("pool-null-write"), m_dumpFolder, LanguageCode::French);
    QCOMPARE(run.exitStatus, QProcess::CrashExit);

    const QStringList dumps = QDir(m_dumpFolder).entryList(QDir::Files);
    QCOMPARE(dumps.size(), 1);
    const QStringList arguments = recordedHelperArguments();
    QCOMPARE(arguments.size(), 3);
    QCOMPARE(arguments.at(0), QStringLiteral("Le programme a planté."));
    QCOMPARE(arguments.at(1),
        QStringLiteral("Veuillez envoyer le rapport de plantage au développeur. (%1/%2)")
            .arg(m_dumpFolder, dumps.first()));
    QVERIFY(!arguments.at(2).isEmpty());
}

int main(int argc, char* argv[])
{
    if (argc >= 6 && qstrcmp(argv[1], "--crash-child") == 0) {
        return runCrashChild(argc, argv);
    }
    QCoreApplication application(argc, argv);
    TestCrashHandler test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestCrashHandler.moc"
