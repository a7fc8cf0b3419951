#include "foundation/TerminationWatcher.h"

#include <QtTest>
#include <csignal>
#include <unistd.h>

namespace {
    const char* const endsAtOnceSwitch = "--second-ends-at-once";
    const char* const changesNothingSwitch = "--second-changes-nothing";

    // The child's side: reports each request and does not end on it, as a program still ending would.
    int watchForTermination(int argc, char* argv[], TerminationWatcher::SecondSignal second)
    {
        QCoreApplication application(argc, argv);
        TerminationWatcher watcher(second);
        QObject::connect(&watcher, &TerminationWatcher::terminationRequested, [](int signalNumber) {
            printf("requested %d %d\n", signalNumber, TerminationWatcher::receivedSignal());
            fflush(stdout);
        });
        // Answers each line on its input: an answer after a signal shows that the signal was handled
        // and did not end the program, since a signal sent is delivered before the next read.
        QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
        QObject::connect(&input, &QSocketNotifier::activated, [] {
            char line[64];
            if (::read(STDIN_FILENO, line, sizeof line) > 0) {
                fputs("still here\n", stdout);
                fflush(stdout);
            }
        });
        fputs("watching\n", stdout);
        fflush(stdout);
        return application.exec();
    }
} // namespace

/**
 * The signals that ask a program to end reach its event loop once; asked again, the window ends at
 * once and the command, whose stop is quick, goes on stopping.
 */
class TestTerminationWatcher : public QObject
{
    Q_OBJECT

private slots:
    void firstSignalIsRequestedOnce_data();
    void firstSignalIsRequestedOnce();
};

void TestTerminationWatcher::firstSignalIsRequestedOnce_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::addColumn<bool>("secondEndsAtOnce");
    QTest::newRow("kill") << SIGTERM << true;
    QTest::newRow("Ctrl-C in a terminal") << SIGINT << true;
    QTest::newRow("terminal closed") << SIGHUP << true;
    QTest::newRow("Ctrl-C twice, the command") << SIGINT << false;
}

void TestTerminationWatcher::firstSignalIsRequestedOnce()
{
    QFETCH(int, signalNumber);
    QFETCH(bool, secondEndsAtOnce);
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(
        QCoreApplication::applicationFilePath(), { secondEndsAtOnce ? endsAtOnceSwitch : changesNothingSwitch });
    QVERIFY(child.waitForStarted());
    QByteArray output;
    QTRY_VERIFY2_WITH_TIMEOUT((output += child.readAllStandardOutput()).contains("watching\n"), output, 30000);

    ::kill(static_cast<pid_t>(child.processId()), signalNumber);
    const QByteArray requested = QStringLiteral("requested %1 %1\n").arg(signalNumber).toLatin1();
    QTRY_VERIFY2_WITH_TIMEOUT((output += child.readAllStandardOutput()).contains(requested), output, 30000);
    QCOMPARE(child.state(), QProcess::Running);

    ::kill(static_cast<pid_t>(child.processId()), signalNumber);
    if (secondEndsAtOnce) {
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        QCOMPARE(child.exitCode(), signalNumber);
    } else {
        child.write("anyone there?\n");
        QTRY_VERIFY2_WITH_TIMEOUT((output += child.readAllStandardOutput()).contains("still here\n"), output, 30000);
        QCOMPARE(child.state(), QProcess::Running);
        child.kill();
        QVERIFY(child.waitForFinished(30000));
    }
    output += child.readAllStandardOutput();
    QCOMPARE(output.count("requested"), 1);
}

int main(int argc, char* argv[])
{
    if (argc == 2 && qstrcmp(argv[1], endsAtOnceSwitch) == 0) {
        return watchForTermination(argc, argv, TerminationWatcher::SecondSignal::EndsAtOnce);
    }
    if (argc == 2 && qstrcmp(argv[1], changesNothingSwitch) == 0) {
        return watchForTermination(argc, argv, TerminationWatcher::SecondSignal::ChangesNothing);
    }
    QCoreApplication application(argc, argv);
    TestTerminationWatcher test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestTerminationWatcher.moc"
