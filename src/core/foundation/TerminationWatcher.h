#pragma once

#include <QObject>

class QSocketNotifier;

/**
 * Turns the signals that ask a desktop program to end (SIGTERM from `kill` or the session's end, SIGINT
 * from Ctrl-C in a terminal, SIGHUP from a closed terminal) into a Qt signal on the thread that owns the
 * watcher, so that the program can end as a normal quit does: runs stopped and private copies removed.
 * The handler only writes one byte into a socket pair, which is all a handler may safely do. A second
 * such signal while the program is ending ends it at once, as the user who sends it expects.
 */
class TerminationWatcher final : public QObject
{
    Q_OBJECT

public:
    /** One watcher per process: the handler is process-wide. */
    explicit TerminationWatcher(QObject* parent = nullptr);
    /** Gives the signals back their default action. */
    ~TerminationWatcher() override;

    TerminationWatcher(const TerminationWatcher&) = delete;
    TerminationWatcher& operator=(const TerminationWatcher&) = delete;

    /** The first signal received, 0 while none came. */
    static int receivedSignal();

    /**
     * Ends the process by the signal it received, with the system's default action, so that whoever
     * sent it (a shell, a session manager) sees the program ended by it. Does nothing while none came.
     */
    static void endByReceivedSignal();

signals:
    /** Emitted once, for the first signal. */
    void terminationRequested(int signalNumber);

private:
    void readPipe();

    QSocketNotifier* m_notifier = nullptr; // a Qt child of this watcher
    bool m_requested = false;
};
