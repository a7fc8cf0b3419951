#include "foundation/ProductConstants.h"
#include "support/LogReader.h"
#include "support/TestHome.h"

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

private:
    QProcessEnvironment applicationEnvironment(const TestHome& home) const;

    // The application is ended by a signal, which leaves its instance socket behind: the socket goes
    // into a runtime folder of this test's, removed with it.
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

QTEST_GUILESS_MAIN(TestStartup)
#include "TestStartup.moc"
