#include "foundation/ProductConstants.h"
#include "foundation/SingleInstance.h"
#include "support/LogReader.h"
#include "support/ProcessTable.h"
#include "support/TestHome.h"
#include "support/TestPdf.h"
#include "support/VncKeyboard.h"

#include <QtTest>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

/** Starts the real application the way a user does and looks at what it leaves behind. */
class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void startsWithLogAndReport();
    void keepsRunningWhenStandardErrorCloses();
    void signalDuringARunEndsLikeQuit_data();
    void signalDuringARunEndsLikeQuit();
    void signalEndsTheWindowPastAnOpenDialog();

private:
    QProcessEnvironment applicationEnvironment(const TestHome& home) const;
    /** The environment of a window that a signal ends: its socket in runtime, no session bus to meet others on. */
    QProcessEnvironment endingEnvironment(const TestHome& home, const QString& runtime) const;
    /** Starts the program with arguments, its output dropped and its errors shown; whether it started. */
    static bool startApplication(
        QProcess& application, const QProcessEnvironment& environment, const QStringList& arguments);

    // The application's instance socket goes into a runtime folder of this test's, removed with it,
    // never into a real session's.
    QTemporaryDir m_runtime;
};

QProcessEnvironment TestStartup::applicationEnvironment(const TestHome& home) const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home.path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_RUNTIME_DIR", m_runtime.path());
    return environment;
}

QProcessEnvironment TestStartup::endingEnvironment(const TestHome& home, const QString& runtime) const
{
    QProcessEnvironment environment = applicationEnvironment(home);
    environment.insert("XDG_RUNTIME_DIR", runtime);
    environment.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus");
    return environment;
}

bool TestStartup::startApplication(
    QProcess& application, const QProcessEnvironment& environment, const QStringList& arguments)
{
    application.setProcessEnvironment(environment);
    application.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    application.setStandardOutputFile(QProcess::nullDevice());
    application.start(KOMPRESTO_APP_PATH, arguments);
    return application.waitForStarted();
}

void TestStartup::startsWithLogAndReport()
{
    const TestHome home;
    QVERIFY(QDir().mkpath(Product::tempFolder()));
    const QString leftover = Product::tempFolder() + "3f2a-crashed_input.pdf";
    QFile staged(leftover);
    QVERIFY(staged.open(QIODevice::WriteOnly));
    staged.close();

    QProcess application;
    application.setProcessEnvironment(applicationEnvironment(home));
    application.start(KOMPRESTO_APP_PATH, QStringList());
    QVERIFY(application.waitForStarted());

    // The screen is measured after the main window, and with it the log writer, exists.
    QTRY_VERIFY_WITH_TIMEOUT(LogReader::allText().contains("Screen width : "), 30000);
    QCOMPARE(application.state(), QProcess::Running);
    const QString log = LogReader::allText();
    QVERIFY(log.contains("<title>Vantorel Kompresto Log</title>"));
    QVERIFY(log.contains("App run &gt;&gt;&gt;"));
    QVERIFY(log.contains("CPU Count: "));
    QVERIFY(log.contains("memery(MB): "));
    QVERIFY(log.contains(QStringLiteral("\"%1\"").arg(KOMPRESTO_APP_PATH)));
    QVERIFY2(!QFile::exists(leftover), "staged files of a crashed run are swept at start");

    application.terminate();
    QVERIFY(application.waitForFinished(10000));
}

// Every log line is copied to standard error; a terminal that went away or a reader that stopped
// reading must not end the application.
void TestStartup::keepsRunningWhenStandardErrorCloses()
{
    const TestHome home;
    int pipeEnds[2];
    QCOMPARE(::pipe2(pipeEnds, O_CLOEXEC), 0);
    ::close(pipeEnds[0]); // nobody will ever read

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDERR_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    // Started as a shell starts it: with the broken-pipe signal at its default, deadly action.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);

    std::vector<QByteArray> variables;
    for (const QString& variable : applicationEnvironment(home).toStringList()) {
        variables.push_back(variable.toLocal8Bit());
    }
    std::vector<char*> envp;
    for (QByteArray& variable : variables) {
        envp.push_back(variable.data());
    }
    envp.push_back(nullptr);
    QByteArray program = KOMPRESTO_APP_PATH;
    char* argv[] = { program.data(), nullptr };

    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.constData(), &actions, &attributes, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    ::close(pipeEnds[1]);
    QCOMPARE(spawned, 0);

    int status = 0;
    bool ended = false;
    const auto hasEnded = [&] {
        ended = ended || ::waitpid(pid, &status, WNOHANG) == pid;
        return ended;
    };
    // The screen is measured after the start-up report, dozens of copied lines later.
    QTRY_VERIFY_WITH_TIMEOUT(hasEnded() || LogReader::allText().contains("Screen width : "), 30000);
    const bool diedEarly = hasEnded();
    if (!diedEarly) {
        ::kill(pid, SIGTERM);
        ::waitpid(pid, &status, 0);
    }
    QVERIFY2(!diedEarly,
        qPrintable(QStringLiteral("ended with %1 %2")
                       .arg(WIFSIGNALED(status) ? "signal" : "status")
                       .arg(WIFSIGNALED(status) ? WTERMSIG(status) : WEXITSTATUS(status))));
}

namespace {
    /** The processes whose parent is pid: the window's workers. */
    QStringList childrenOf(qint64 pid)
    {
        QStringList children;
        for (const QString& child : QDir("/proc").entryList({ "[0-9]*" }, QDir::Dirs)) {
            QFile stat(QStringLiteral("/proc/%1/stat").arg(child));
            // "pid (name) state ppid ...": the name may hold anything but ends at the last parenthesis.
            const QByteArray line = stat.open(QIODevice::ReadOnly) ? stat.readAll() : QByteArray();
            const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
            if (fields.size() > 1 && fields.at(1).toLongLong() == pid) {
                children << child;
            }
        }
        return children;
    }

    /** What a run leaves in the Temp folder while it works: its private folder, the copies in it. */
    QStringList stagedEntries()
    {
        return QDir(Product::tempFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }
} // namespace

void TestStartup::signalDuringARunEndsLikeQuit_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("kill") << SIGTERM;
    QTest::newRow("Ctrl-C in a terminal") << SIGINT;
    QTest::newRow("terminal closed") << SIGHUP;
}

// kill, Ctrl-C or the end of the session during a run: the window ends as Quit ends it, its workers
// stopped, the private copies of the documents removed and its instance socket gone, with no
// question on screen to hold the ending up.
void TestStartup::signalDuringARunEndsLikeQuit()
{
    QFETCH(int, signalNumber);
    const TestHome home;
    QTemporaryDir documents;
    QTemporaryDir output;
    QTemporaryDir runtime;
    QVERIFY(QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    // Big enough to keep the interpreter busy for seconds.
    const QString document = documents.filePath("long.pdf");
    QVERIFY(TestPdf::writeImageDocument(document, 4));
    {
        QSettings settings(Product::settingsFilePath(), QSettings::IniFormat);
        settings.setValue("General/output", output.path());
    }

    const quint16 port = VncKeyboard::freePort();
    QVERIFY(port != 0);
    // The windows meet on their socket in the runtime folder, which must be gone afterwards.
    QProcessEnvironment environment = endingEnvironment(home, runtime.path());
    environment.insert("QT_QPA_PLATFORM", QStringLiteral("vnc:size=1280x1024:port=%1").arg(port));
    QProcess application;
    QVERIFY(startApplication(application, environment, { document }));
    QTRY_VERIFY_WITH_TIMEOUT(LogReader::allText().contains("Documents listed: 1"), 60000);
    const QString socket = SingleInstance::socketPath(runtime.path(), Product::applicationDataFolder());
    QVERIFY(QFileInfo::exists(socket));

    VncKeyboard keyboard;
    QTRY_VERIFY_WITH_TIMEOUT(keyboard.connectTo(port), 30000);
    QVERIFY(keyboard.pressChord({ VncKeyboard::controlKey, VncKeyboard::returnKey }));
    // The interpreter has the document in its worker; the copy is in its private folder.
    QTRY_VERIFY_WITH_TIMEOUT(!childrenOf(application.processId()).isEmpty(), 60000);
    QVERIFY(!stagedEntries().isEmpty());

    ::kill(static_cast<pid_t>(application.processId()), signalNumber);
    QVERIFY(application.waitForFinished(30000));
    QCOMPARE(application.exitStatus(), QProcess::CrashExit);
    QCOMPARE(application.exitCode(), signalNumber);
    QCOMPARE(stagedEntries(), QStringList());
    QVERIFY(!QFileInfo::exists(socket));
    QTRY_VERIFY_WITH_TIMEOUT(!ProcessTable::anyProcessHasHome(home.path()), 15000);
    QCOMPARE(QDir(output.path()).entryList(QDir::Files), QStringList());
    QVERIFY(LogReader::allText().contains(QStringLiteral("Ending on signal %1").arg(signalNumber)));
}

// A question on screen runs an event loop of its own; the ending must not wait for its answer. The
// start-up notice about a folder that cannot be made is such a question, asked before the window's loop.
void TestStartup::signalEndsTheWindowPastAnOpenDialog()
{
    const TestHome home;
    QTemporaryDir runtime;
    QVERIFY(QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    // A file where the Temp folder belongs: the notice says it cannot be made.
    QVERIFY(QDir().mkpath(Product::applicationDataFolder()));
    QFile blocker(Product::tempFolder().chopped(1));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    QProcess application;
    QVERIFY(startApplication(application, endingEnvironment(home, runtime.path()), QStringList()));
    QTRY_VERIFY_WITH_TIMEOUT(LogReader::allText().contains("Cannot create the folder"), 60000);
    const QString socket = SingleInstance::socketPath(runtime.path(), Product::applicationDataFolder());
    QVERIFY(QFileInfo::exists(socket));

    ::kill(static_cast<pid_t>(application.processId()), SIGTERM);
    QVERIFY(application.waitForFinished(30000));
    QCOMPARE(application.exitStatus(), QProcess::CrashExit);
    QCOMPARE(application.exitCode(), SIGTERM);
    QVERIFY(!QFileInfo::exists(socket));
    QVERIFY(LogReader::allText().contains(QStringLiteral("Ending on signal %1").arg(SIGTERM)));
}

// The test documents are drawn with Qt's painter, which needs the GUI application.
QTEST_MAIN(TestStartup)
#include "TestStartup.moc"
