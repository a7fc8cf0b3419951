#include "foundation/TerminationWatcher.h"

#include <QSocketNotifier>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
    int signalPipe[2] = { -1, -1 };
    const int endingSignals[] = { SIGTERM, SIGINT, SIGHUP };
    bool watched[NSIG] = {};
    std::atomic<int> firstSignal { 0 };
    std::atomic<bool> secondEndsAtOnce { false };
    static_assert(std::atomic<int>::is_always_lock_free, "a signal handler may only touch lock-free atomics");
    static_assert(std::atomic<bool>::is_always_lock_free, "a signal handler may only touch lock-free atomics");

    void onSignal(int number)
    {
        int none = 0;
        if (!firstSignal.compare_exchange_strong(none, number)) {
            if (secondEndsAtOnce.load()) {
                // Both calls are async-signal-safe; the default action of these signals ends the process.
                ::signal(number, SIG_DFL);
                ::raise(number);
            }
            return;
        }
        const int savedErrno = errno;
        const char byte = static_cast<char>(number);
        [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &byte, 1);
        errno = savedErrno;
    }

    void watch(int number, const struct sigaction& action)
    {
        // A signal ignored from the start stays ignored: nohup's SIGHUP, a caller's ignored SIGPIPE.
        struct sigaction previous = {};
        if (number <= 0 || number >= NSIG || watched[number]
            || (::sigaction(number, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN)) {
            return;
        }
        watched[number] = ::sigaction(number, &action, nullptr) == 0;
    }
} // namespace

TerminationWatcher::TerminationWatcher(SecondSignal second, const QList<int>& furtherSignals, QObject* parent)
    : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) {
        return;
    }
    ::fcntl(signalPipe[0], F_SETFL, O_NONBLOCK);
    m_notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationWatcher::readPipe);
    secondEndsAtOnce.store(second == SecondSignal::EndsAtOnce);

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : endingSignals) {
        watch(number, action);
    }
    for (const int number : furtherSignals) {
        watch(number, action);
    }
}

TerminationWatcher::~TerminationWatcher()
{
    for (int number = 1; number < NSIG; ++number) {
        if (watched[number]) {
            ::signal(number, SIG_DFL);
            watched[number] = false;
        }
    }
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}

int TerminationWatcher::receivedSignal() { return firstSignal.load(); }

void TerminationWatcher::endBySignal(int number)
{
    if (number == 0) {
        return;
    }
    ::signal(number, SIG_DFL);
    ::raise(number);
}

void TerminationWatcher::readPipe()
{
    char byte = 0;
    if (::read(signalPipe[1], &byte, 1) != 1 || m_requested) {
        return;
    }
    m_requested = true;
    emit terminationRequested(static_cast<unsigned char>(byte));
}
