#pragma once

#include <QList>
#include <QObject>

class QSocketNotifier;

/**
 * Turns the signals that ask a program to end (SIGTERM from `kill` or the session's end, SIGINT from
 * Ctrl-C in a terminal, SIGHUP from a closed terminal, and any further ones the program names) into a Qt
 * signal on the thread that owns the watcher, so that the program can end as a normal quit does: runs
 * stopped and private copies removed, nothing left half-made. The handler only writes one byte into a
 * socket pair, which is all a handler may safely do.
 */
class TerminationWatcher final : public QObject
{
    Q_OBJECT

public:
    /** What a second signal does while the program is ending. */
    enum class SecondSignal
    {
        EndsAtOnce, // a window whose ending may wait on a compression: the user who asks again wants it gone
        ChangesNothing, // a command whose stop is quick: the run is already stopping
    };

    /** One watcher per process: the handler is process-wide. */
    explicit TerminationWatcher(SecondSignal second, const QList<int>& furtherSignals = {}, QObject* parent = nullptr);
    /** Gives the signals back their default action. */
    ~TerminationWatcher() override;

    TerminationWatcher(const TerminationWatcher&) = delete;
    TerminationWatcher& operator=(const TerminationWatcher&) = delete;

    /**
     * The first signal received, 0 while none came: known on any thread from the moment the signal is
     * handled, before terminationRequested() is delivered, and also after the event loop has ended.
     */
    static int receivedSignal();

    /**
     * Ends the process by signal number with the system's default action, so that whoever sent it (a
     * shell, whose script's loop then stops too, or a session manager) sees the program ended by it.
     * Does nothing for 0.
     */
    static void endBySignal(int number);

signals:
    /** Emitted once, for the first signal. */
    void terminationRequested(int signalNumber);

private:
    void readPipe();

    QSocketNotifier* m_notifier = nullptr; // a Qt child of this watcher
    bool m_requested = false;
};
