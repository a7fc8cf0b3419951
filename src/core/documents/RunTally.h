#pragma once

#include <QCoreApplication>
#include <QString>

/**
 * What one compression run of the window has done: how many documents it took on and has begun,
 * how each one ended and how many bytes the delivered ones had before and after. Gives the status
 * line's texts while the run goes and once it has ended.
 */
class RunTally final
{
    Q_DECLARE_TR_FUNCTIONS(RunTally)

public:
    RunTally() = default;
    /** A new run of total documents; locked more were listed but left out for want of a password. */
    RunTally(int total, int locked);

    /** One more document began compressing; never counts beyond the run's total. */
    void noteStarted();
    /** A document ended with code; a delivered one had bytesBefore and now has bytesAfter. */
    void record(int code, qint64 bytesBefore, qint64 bytesAfter);
    void noteStopped() { m_stopped = true; }

    int total() const { return m_total; }
    int succeeded() const { return m_succeeded; }
    int failed() const { return m_failed; }
    bool isStopped() const { return m_stopped; }

    /** The status line while the run goes: which document it is at, or that it is stopping. */
    QString progressText() const;
    /** The status line once the run has ended: what it delivered, what failed or was left out. */
    QString summary() const;

private:
    QString savingText() const;

    int m_total = 0;
    int m_started = 0;
    int m_succeeded = 0;
    int m_failed = 0;
    int m_locked = 0;
    qint64 m_bytesBefore = 0;
    qint64 m_bytesAfter = 0;
    bool m_stopped = false;
};
