#include "cli/InterruptWatcher.h"

#include <QSocketNotifier>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
    int signalPipe[2] = { -1, -1 };
    // A dropped terminal (SIGHUP) and a reader that went away (SIGPIPE, "| head -1") end the run as Ctrl-C does.
    const int watchedSignals[] = { SIGINT, SIGTERM, SIGHUP, SIGPIPE };
    bool watched[NSIG] = {};
    std::atomic<bool> arrived { false };
    // The first signal, also when it comes after the run's event loop has ended (the summary line
    // written into a closed pipe): the command must still end by it.
    std::atomic<int> firstSignal { 0 };
    static_assert(std::atomic<bool>::is_always_lock_free, "a signal handler may only touch lock-free atomics");
    static_assert(std::atomic<int>::is_always_lock_free, "a signal handler may only touch lock-free atomics");

    void onSignal(int number)
    {
        const int savedErrno = errno;
        arrived.store(true);
        int none = 0;
        firstSignal.compare_exchange_strong(none, number);
        const char byte = static_cast<char>(number);
        [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &byte, 1);
        errno = savedErrno;
    }
} // namespace

InterruptWatcher::InterruptWatcher(QObject* parent)
    : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) {
        return;
    }
    ::fcntl(signalPipe[0], F_SETFL, O_NONBLOCK);
    m_notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &InterruptWatcher::readPipe);

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : watchedSignals) {
        // A signal ignored from the start stays ignored: nohup's SIGHUP, a caller's ignored SIGPIPE.
        struct sigaction previous = {};
        if (::sigaction(number, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN) {
            continue;
        }
        watched[number] = ::sigaction(number, &action, nullptr) == 0;
    }
}

InterruptWatcher::~InterruptWatcher()
{
    for (const int number : watchedSignals) {
        if (watched[number]) {
            ::signal(number, SIG_DFL);
            watched[number] = false;
        }
    }
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}

bool InterruptWatcher::interruptArrived() { return arrived.load(); }

int InterruptWatcher::receivedSignal() const { return firstSignal.load(); }

void InterruptWatcher::endBySignal(int number)
{
    if (number == 0) {
        return;
    }
    ::signal(number, SIG_DFL);
    ::raise(number);
}

void InterruptWatcher::readPipe()
{
    char byte = 0;
    if (::read(signalPipe[1], &byte, 1) != 1) {
        return;
    }
    // A second Ctrl-C changes nothing: the run is already stopping, and stopping is quick.
    if (!m_interruptedEmitted) {
        m_interruptedEmitted = true;
        emit interrupted();
    }
}
