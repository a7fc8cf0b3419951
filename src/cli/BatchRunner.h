#pragma once

#include "cli/DocumentJob.h"
#include "cli/DocumentOutcome.h"

#include <QObject>
#include <QThreadPool>
#include <memory>
#include <vector>

/**
 * Runs the command's document jobs, a given number at once, each on its own pool thread with its
 * own interpreter, and reports each outcome on the thread that owns the runner, in the order they end.
 */
class BatchRunner final : public QObject
{
    Q_OBJECT

public:
    BatchRunner(int jobsAtOnce, QObject* parent = nullptr);
    ~BatchRunner() override;

    /** Starts every job; finished() follows the last documentFinished(). An empty run finishes at once (queued). */
    void start(std::vector<std::unique_ptr<DocumentJob>> jobs);

    /** Stops the run: jobs not started yet end as stopped, running compressions are stopped. */
    void stop();

signals:
    void documentFinished(const DocumentOutcome& outcome);
    void finished();

private:
    void jobEnded(const DocumentOutcome& outcome);

    QThreadPool m_pool;
    std::vector<std::unique_ptr<DocumentJob>> m_jobs;
    size_t m_ended = 0;
    bool m_stopping = false;
};
