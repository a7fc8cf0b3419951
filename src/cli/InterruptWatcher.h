#pragma once

#include <QObject>

class QSocketNotifier;

/**
 * Turns Ctrl-C (SIGINT), SIGTERM, SIGHUP and SIGPIPE into a Qt signal on the thread that owns the watcher, so that the
 * command can stop its run cleanly instead of dying with files half-made. The signal handler only
 * writes one byte into a pipe, which is all a handler may safely do.
 */
class InterruptWatcher final : public QObject
{
    Q_OBJECT

public:
    explicit InterruptWatcher(QObject* parent = nullptr);
    ~InterruptWatcher() override;

    /** The first signal received, 0 while none came; known from the moment the signal is handled. */
    int receivedSignal() const;

    /**
     * Whether an interrupt has arrived, known on any thread from the moment the signal is handled,
     * before interrupted() is delivered. Ctrl-C on a terminal reaches the interpreter's worker process
     * too, which then dies by it: that is the user's stop, not a crash.
     */
    static bool interruptArrived();

    /**
     * Ends the process by signal number with the system's default action, as a shell expects from a
     * program the user interrupted (a script's loop then stops too). Does nothing for 0.
     */
    static void endBySignal(int number);

signals:
    void interrupted();

private:
    void readPipe();

    QSocketNotifier* m_notifier = nullptr; // a Qt child of this watcher
    bool m_interruptedEmitted = false;
};
