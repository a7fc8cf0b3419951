#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <sys/types.h>

class StopSignal;

/**
 * Runs the compression worker, a process of its own, for one request and waits for it on the calling
 * thread without an event loop. A crash, a hang or a stop then ends that one run, never the application.
 */
class WorkerProcess final
{
public:
    enum class Ending
    {
        Exited, // the worker ended by itself; exitStatus says how
        Crashed, // the worker died from signalNumber
        TimedOut, // the worker outlived its time limit and was killed
        Stopped, // the stop signal was raised; the worker, if it had started, was killed
        NotStarted, // the worker executable could not be started
    };

    struct Outcome
    {
        Ending ending = Ending::NotStarted;
        int exitStatus = 0;
        int signalNumber = 0;
        QByteArray output; // what the worker wrote to its standard output: the interpreter's report
        QByteArray diagnostics; // what the worker wrote to its standard error
        std::chrono::microseconds cpuTime { 0 }; // the worker's processor time, user and system, once it has exited
    };

    /** Called on the waiting thread for each complete line of the worker's standard output, without its end of line. */
    using LineHandler = std::function<void(const QByteArray& line)>;

    /** The worker executable: beside the application, in its helper folder once installed, or in the build tree. */
    static QString executablePath();

    /** Starts the worker and hands it the request at once: the constructor and finish() in one. */
    static Outcome run(const QString& executable, const QByteArray& request, std::chrono::milliseconds timeLimit,
        StopSignal& stop, const LineHandler& onLine);

    /**
     * Starts the worker ahead of its request, which it waits for: loading the interpreter takes it about as
     * long as preparing the request takes the caller, and the two then overlap.
     */
    explicit WorkerProcess(const QString& executable);
    /** A worker never handed its request is killed and reaped: nothing outlives its owner. */
    ~WorkerProcess();
    WorkerProcess(const WorkerProcess&) = delete;
    WorkerProcess& operator=(const WorkerProcess&) = delete;

    /** Whether the worker is running, waiting for its request. */
    bool isStarted() const { return m_pid > 0; }

    /**
     * Hands the started worker its request and waits for its end, the time limit counted from now. Once
     * only; the outcome is NotStarted when the worker could not be started or was handed a request before.
     */
    Outcome finish(
        const QByteArray& request, std::chrono::milliseconds timeLimit, StopSignal& stop, const LineHandler& onLine);

private:
    struct Channels;

    std::unique_ptr<Channels> m_channels;
    pid_t m_pid = -1;
};
