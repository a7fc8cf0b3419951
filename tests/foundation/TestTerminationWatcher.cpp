#include "foundation/TerminationWatcher.h"

#include <QtTest>
#include <csignal>

namespace {
    const char* const watchingSwitch = "--watching";

    // The child's side: reports each request and does not end on it, as a program still ending would.
    int watchForTermination(int argc, char* argv[])
    {
        QCoreApplication application(argc, argv);
        TerminationWatcher watcher;
        QObject::connect(&watcher, &TerminationWatcher::terminationRequested, [](int signalNumber) {
            printf("requested %d %d\n", signalNumber, TerminationWatcher::receivedSignal());
            fflush(stdout);
        });
        fputs("watching\n", stdout);
        fflush(stdout);
        return application.exec();
    }
} // namespace

/** The signals that ask a program to end reach its event loop once; asked again, it ends at once. */
class TestTerminationWatcher : public QObject
{
    Q_OBJECT

private slots:
    void firstSignalIsRequestedSecondEndsAtOnce_data();
    void firstSignalIsRequestedSecondEndsAtOnce();
};

void TestTerminationWatcher::firstSignalIsRequestedSecondEndsAtOnce_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("kill") << SIGTERM;
    QTest::newRow("Ctrl-C in a terminal") << SIGINT;
    QTest::newRow("terminal closed") << SIGHUP;
}

void TestTerminationWatcher::firstSignalIsRequestedSecondEndsAtOnce()
{
    QFETCH(int, signalNumber);
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), { watchingSwitch });
    QVERIFY(child.waitForStarted());
    QByteArray output;
    QTRY_VERIFY2_WITH_TIMEOUT((output += child.readAllStandardOutput()).contains("watching\n"), output, 30000);

    ::kill(static_cast<pid_t>(child.processId()), signalNumber);
    const QByteArray requested = QStringLiteral("requested %1 %1\n").arg(signalNumber).toLatin1();
    QTRY_VERIFY2_WITH_TIMEOUT((output += child.readAllStandardOutput()).contains(requested), output, 30000);
    QCOMPARE(child.state(), QProcess::Running);

    ::kill(static_cast<pid_t>(child.processId()), signalNumber);
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);
    QCOMPARE(child.exitCode(), signalNumber);
    output += child.readAllStandardOutput();
    QCOMPARE(output.count("requested"), 1);
}

int main(int argc, char* argv[])
{
    if (argc == 2 && qstrcmp(argv[1], watchingSwitch) == 0) {
        return watchForTermination(argc, argv);
    }
    QCoreApplication application(argc, argv);
    TestTerminationWatcher test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestTerminationWatcher.moc"
