#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <chrono>

/**
 * The processor time each step of one compression took, user and system together: what a user pays
 * for the copy beyond the interpreter's own rewrite. Written to the log in one line, so that a slow
 * document can be explained afterwards and the benchmark can read where the time went.
 */
class StepCosts final
{
public:
    using Duration = std::chrono::microseconds;

    /** The processor time the calling thread has used so far. */
    static Duration threadCpuTime();

    /** Adds duration to the step's account; steps keep the order in which they were first named. */
    void add(const QString& step, Duration duration);
    Duration of(const QString& step) const;
    bool isEmpty() const { return m_steps.isEmpty(); }
    const QList<QPair<QString, Duration>>& steps() const { return m_steps; }
    void clear() { m_steps.clear(); }

    /** "source check 12 ms, interpreter 6900 ms, ...": every step in milliseconds. */
    QString summary() const;

private:
    QList<QPair<QString, Duration>> m_steps;
};

/** Charges the processor time the current thread spends in its scope to one step. */
class StepTimer final
{
public:
    StepTimer(StepCosts* costs, const QString& step);
    ~StepTimer();
    StepTimer(const StepTimer&) = delete;
    StepTimer& operator=(const StepTimer&) = delete;

private:
    StepCosts* m_costs;
    QString m_step;
    StepCosts::Duration m_start;
};
