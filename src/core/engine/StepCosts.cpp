#include "engine/StepCosts.h"

#include <QStringList>
#include <ctime>

StepCosts::Duration StepCosts::threadCpuTime()
{
    timespec now = {};
    if (clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now) != 0) {
        return Duration::zero();
    }
    return std::chrono::duration_cast<Duration>(
        std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec));
}

void StepCosts::add(const QString& step, Duration duration)
{
    for (auto& entry : m_steps) {
        if (entry.first == step) {
            entry.second += duration;
            return;
        }
    }
    m_steps.append({ step, duration });
}

StepCosts::Duration StepCosts::of(const QString& step) const
{
    for (const auto& entry : m_steps) {
        if (entry.first == step) {
            return entry.second;
        }
    }
    return Duration::zero();
}

QString StepCosts::summary() const
{
    QStringList parts;
    for (const auto& entry : m_steps) {
        parts << QStringLiteral("%1 %2 ms").arg(entry.first).arg(entry.second.count() / 1000);
    }
    return parts.join(QStringLiteral(", "));
}

StepTimer::StepTimer(StepCosts* costs, const QString& step)
    : m_costs(costs)
    , m_step(step)
    , m_start(StepCosts::threadCpuTime())
{
}

StepTimer::~StepTimer()
{
    if (m_costs != nullptr) {
        m_costs->add(m_step, StepCosts::threadCpuTime() - m_start);
    }
}
