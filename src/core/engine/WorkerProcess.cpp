#include "engine/WorkerProcess.h"

#include "engine/StopSignal.h"
#include "foundation/FileDescriptor.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

#ifndef KOMPRESTO_WORKER_NAME
#define KOMPRESTO_WORKER_NAME "VantorelKompresto-worker"
#endif
#ifndef KOMPRESTO_WORKER_DIR_FROM_BIN
#define KOMPRESTO_WORKER_DIR_FROM_BIN "../libexec/vantorel-kompresto"
#endif

extern char** environ;

/** The parent's ends of the worker's three standard streams, and the child's ends until it has them. */
struct WorkerProcess::Channels
{
    FileDescriptor request, requestChild;
    FileDescriptor output, outputChild;
    FileDescriptor errors, errorsChild;

    bool open()
    {
        // Close-on-exec from the start: another thread may start a process of its own meanwhile.
        int requestPair[2];
        int outputPipe[2];
        int errorPipe[2];
        // The request goes through a socket so that writing to a worker that died early raises no SIGPIPE.
        if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, requestPair) != 0) {
            return false;
        }
        request.reset(requestPair[0]);
        requestChild.reset(requestPair[1]);
        if (pipe2(outputPipe, O_CLOEXEC) != 0) {
            return false;
        }
        output.reset(outputPipe[0]);
        outputChild.reset(outputPipe[1]);
        if (pipe2(errorPipe, O_CLOEXEC) != 0) {
            return false;
        }
        errors.reset(errorPipe[0]);
        errorsChild.reset(errorPipe[1]);
        fcntl(output.get(), F_SETFL, O_NONBLOCK);
        fcntl(errors.get(), F_SETFL, O_NONBLOCK);
        return true;
    }
};

namespace {
    using Clock = std::chrono::steady_clock;

    // Once both pipes are closed the worker is ending; its exit is polled at this pace.
    constexpr int exitPollMilliseconds = 10;

    /** Starts the worker with the child's ends of its request socket and pipes as its standard streams. */
    pid_t spawnWorker(const QByteArray& executable, int request, int output, int errors)
    {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, request, STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&actions, output, STDOUT_FILENO);
        posix_spawn_file_actions_adddup2(&actions, errors, STDERR_FILENO);

        // The worker starts with every signal at its default and none blocked, whatever this thread has set.
        posix_spawnattr_t attributes;
        posix_spawnattr_init(&attributes);
        sigset_t all;
        sigset_t none;
        sigfillset(&all);
        sigemptyset(&none);
        posix_spawnattr_setsigdefault(&attributes, &all);
        posix_spawnattr_setsigmask(&attributes, &none);
        // A process group of its own: Ctrl-C at a terminal reaches the whole foreground group, and a
        // worker that died of it would read as a crash. Whoever started the worker stops it.
        posix_spawnattr_setpgroup(&attributes, 0);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETPGROUP);

        char* const argv[] = { const_cast<char*>(executable.constData()), nullptr };
        pid_t pid = -1;
        const int failed = posix_spawn(&pid, executable.constData(), &actions, &attributes, argv, environ);
        posix_spawnattr_destroy(&attributes);
        posix_spawn_file_actions_destroy(&actions);
        return failed == 0 ? pid : -1;
    }

    void sendRequest(const FileDescriptor& socket, const QByteArray& request)
    {
        qint64 sent = 0;
        while (sent < request.size()) {
            const ssize_t written = send(
                socket.get(), request.constData() + sent, static_cast<size_t>(request.size() - sent), MSG_NOSIGNAL);
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written <= 0) {
                return; // the worker is gone already; its exit tells what happened
            }
            sent += written;
        }
        shutdown(socket.get(), SHUT_WR);
    }

    /** Reads what is there; closes the descriptor at the end of the stream. */
    void drain(FileDescriptor& descriptor, QByteArray& into)
    {
        std::array<char, 16384> buffer {};
        for (;;) {
            const ssize_t count = read(descriptor.get(), buffer.data(), buffer.size());
            if (count > 0) {
                into.append(buffer.data(), static_cast<int>(count));
                continue;
            }
            if (count < 0 && errno == EINTR) {
                continue;
            }
            if (count == 0 || (errno != EAGAIN && errno != EWOULDBLOCK)) {
                descriptor.reset();
            }
            return;
        }
    }

    /** Hands every complete line of output from offset on to onLine; returns the offset of the incomplete rest. */
    int passLines(const QByteArray& output, int offset, const WorkerProcess::LineHandler& onLine)
    {
        for (int end = output.indexOf('\n', offset); end >= 0; end = output.indexOf('\n', offset)) {
            if (onLine) {
                QByteArray line = output.mid(offset, end - offset);
                if (line.endsWith('\r')) {
                    line.chop(1);
                }
                onLine(line);
            }
            offset = end + 1;
        }
        return offset;
    }

    std::chrono::microseconds durationOf(const timeval& time)
    {
        return std::chrono::seconds(time.tv_sec) + std::chrono::microseconds(time.tv_usec);
    }

    int waitForExit(pid_t pid, int options, std::chrono::microseconds* cpuTime = nullptr)
    {
        int status = 0;
        pid_t reaped = 0;
        rusage usage = {};
        do {
            reaped = wait4(pid, &status, options, &usage);
        } while (reaped < 0 && errno == EINTR);
        if (reaped == pid && cpuTime != nullptr) {
            *cpuTime = durationOf(usage.ru_utime) + durationOf(usage.ru_stime);
        }
        return reaped == pid ? status : -1;
    }

    void killWorker(pid_t pid, WorkerProcess::Outcome& outcome, WorkerProcess::Ending ending)
    {
        kill(pid, SIGKILL);
        waitForExit(pid, 0);
        outcome.ending = ending;
    }

    void record(int status, WorkerProcess::Outcome& outcome)
    {
        if (WIFSIGNALED(status)) {
            outcome.ending = WorkerProcess::Ending::Crashed;
            outcome.signalNumber = WTERMSIG(status);
        } else {
            outcome.ending = WorkerProcess::Ending::Exited;
            outcome.exitStatus = WEXITSTATUS(status);
        }
    }

    int millisecondsUntil(Clock::time_point deadline)
    {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        return static_cast<int>(std::max<long long>(0, std::min<long long>(left, 60000)));
    }

    /** Waits for output, the stop signal or the deadline until the worker has closed both pipes. */
    bool followOutput(pid_t pid, FileDescriptor& output, FileDescriptor& errors, Clock::time_point deadline,
        const StopSignal::Watch& watch, const StopSignal& stop, const WorkerProcess::LineHandler& onLine,
        WorkerProcess::Outcome& outcome)
    {
        int lineOffset = 0;
        while (output.isValid() || errors.isValid()) {
            std::array<pollfd, 3> watched {
                { { output.get(), POLLIN, 0 }, { errors.get(), POLLIN, 0 }, { watch.descriptor(), POLLIN, 0 } },
            };
            const int ready = poll(watched.data(), watched.size(), millisecondsUntil(deadline));
            if (ready < 0 && errno != EINTR) {
                killWorker(pid, outcome, WorkerProcess::Ending::Crashed);
                outcome.signalNumber = SIGKILL;
                return false;
            }
            if (stop.isRaised()) {
                killWorker(pid, outcome, WorkerProcess::Ending::Stopped);
                return false;
            }
            if (output.isValid() && watched[0].revents != 0) {
                drain(output, outcome.output);
                lineOffset = passLines(outcome.output, lineOffset, onLine);
            }
            if (errors.isValid() && watched[1].revents != 0) {
                drain(errors, outcome.diagnostics);
            }
            if (Clock::now() >= deadline) {
                killWorker(pid, outcome, WorkerProcess::Ending::TimedOut);
                return false;
            }
        }
        if (lineOffset < outcome.output.size()) {
            passLines(outcome.output + '\n', lineOffset, onLine);
        }
        return true;
    }

    /** The worker has closed its output; waits for its end under the same deadline and stop signal. */
    void awaitExit(pid_t pid, Clock::time_point deadline, const StopSignal::Watch& watch, const StopSignal& stop,
        WorkerProcess::Outcome& outcome)
    {
        for (;;) {
            const int status = waitForExit(pid, WNOHANG, &outcome.cpuTime);
            if (status >= 0) {
                record(status, outcome);
                return;
            }
            pollfd watched { watch.descriptor(), POLLIN, 0 };
            poll(&watched, 1, std::min(exitPollMilliseconds, millisecondsUntil(deadline)));
            if (stop.isRaised()) {
                killWorker(pid, outcome, WorkerProcess::Ending::Stopped);
                return;
            }
            if (Clock::now() >= deadline) {
                killWorker(pid, outcome, WorkerProcess::Ending::TimedOut);
                return;
            }
        }
    }
} // namespace

QString WorkerProcess::executablePath()
{
    const QString directory = QCoreApplication::instance() != nullptr
        ? QCoreApplication::applicationDirPath()
        : QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).path();
    const QString name = QStringLiteral(KOMPRESTO_WORKER_NAME);
    const QStringList candidates = {
        directory + QLatin1Char('/') + name,
        directory + QStringLiteral("/" KOMPRESTO_WORKER_DIR_FROM_BIN "/") + name,
#ifdef KOMPRESTO_WORKER_BUILD_PATH
        QStringLiteral(KOMPRESTO_WORKER_BUILD_PATH),
#endif
    };
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isExecutable()) {
            return QFileInfo(candidate).absoluteFilePath();
        }
    }
    return QFileInfo(candidates.at(1)).absoluteFilePath();
}

WorkerProcess::Outcome WorkerProcess::run(const QString& executable, const QByteArray& request,
    std::chrono::milliseconds timeLimit, StopSignal& stop, const LineHandler& onLine)
{
    if (stop.isRaised()) {
        Outcome outcome;
        outcome.ending = Ending::Stopped;
        return outcome;
    }
    WorkerProcess worker(executable);
    return worker.finish(request, timeLimit, stop, onLine);
}

WorkerProcess::WorkerProcess(const QString& executable)
    : m_channels(std::make_unique<Channels>())
{
    if (m_channels->open()) {
        m_pid = spawnWorker(QFile::encodeName(executable), m_channels->requestChild.get(),
            m_channels->outputChild.get(), m_channels->errorsChild.get());
    }
    m_channels->requestChild.reset();
    m_channels->outputChild.reset();
    m_channels->errorsChild.reset();
    // A worker that did not start holds no descriptors: the caller may need them for something else.
    if (m_pid < 0) {
        m_channels.reset();
    }
}

WorkerProcess::~WorkerProcess()
{
    if (m_pid > 0) {
        kill(m_pid, SIGKILL);
        waitForExit(m_pid, 0);
    }
}

WorkerProcess::Outcome WorkerProcess::finish(
    const QByteArray& request, std::chrono::milliseconds timeLimit, StopSignal& stop, const LineHandler& onLine)
{
    Outcome outcome;
    const StopSignal::Watch watch(stop);
    const pid_t pid = std::exchange(m_pid, -1);
    if (pid < 0) {
        return outcome;
    }
    if (stop.isRaised()) {
        killWorker(pid, outcome, Ending::Stopped);
        return outcome;
    }
    const Clock::time_point deadline = Clock::now() + timeLimit;
    sendRequest(m_channels->request, request);
    if (followOutput(pid, m_channels->output, m_channels->errors, deadline, watch, stop, onLine, outcome)) {
        awaitExit(pid, deadline, watch, stop, outcome);
    }
    return outcome;
}
