#include "engine/StopSignal.h"

#include <cstdint>
#include <sys/eventfd.h>
#include <unistd.h>

void StopSignal::raise()
{
    const std::lock_guard<std::mutex> locker(m_lock);
    m_raised.store(true);
    if (m_descriptor >= 0) {
        const std::uint64_t one = 1;
        // Only a counter at its maximum refuses the write, and that one is readable already.
        [[maybe_unused]] const ssize_t written = write(m_descriptor, &one, sizeof one);
    }
}

StopSignal::Watch::Watch(StopSignal& signal)
    : m_signal(signal)
{
    const std::lock_guard<std::mutex> locker(signal.m_lock);
    m_descriptor = eventfd(signal.m_raised.load() ? 1 : 0, EFD_CLOEXEC | EFD_NONBLOCK);
    signal.m_descriptor = m_descriptor;
}

StopSignal::Watch::~Watch()
{
    const std::lock_guard<std::mutex> locker(m_signal.m_lock);
    m_signal.m_descriptor = -1;
    if (m_descriptor >= 0) {
        close(m_descriptor);
    }
}
