#pragma once

#include <atomic>
#include <mutex>

/**
 * A stop request that any thread may raise at any time, and that a thread waiting in poll() notices at
 * once. Raised, it stays raised until reset. The waiter holds a Watch for as long as it waits: an event
 * descriptor that becomes readable when the signal is raised. Only waiters hold a descriptor, so that
 * thousands of idle signals (one per listed document) cost no open files.
 */
class StopSignal final
{
public:
    StopSignal() = default;
    StopSignal(const StopSignal&) = delete;
    StopSignal& operator=(const StopSignal&) = delete;

    /** Thread-safe. */
    void raise();
    /** Call only while nobody waits on the signal. */
    void reset() { m_raised.store(false); }
    bool isRaised() const { return m_raised.load(); }

    class Watch final
    {
    public:
        explicit Watch(StopSignal& signal);
        ~Watch();
        Watch(const Watch&) = delete;
        Watch& operator=(const Watch&) = delete;
        /** Readable once the signal is raised; -1 when the system gave no descriptor (then check isRaised()). */
        int descriptor() const { return m_descriptor; }

    private:
        StopSignal& m_signal;
        int m_descriptor = -1;
    };

private:
    std::atomic<bool> m_raised { false };
    std::mutex m_lock; // guards m_descriptor against a raise while a watch begins or ends
    int m_descriptor = -1;
};
