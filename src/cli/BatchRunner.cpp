#include "cli/BatchRunner.h"

#include <QMetaObject>

BatchRunner::BatchRunner(int jobsAtOnce, QObject* parent)
    : QObject(parent)
{
    qRegisterMetaType<DocumentOutcome>();
    m_pool.setMaxThreadCount(qMax(1, jobsAtOnce));
    // A large document keeps its thread for minutes; idle threads need not linger after the run.
    m_pool.setExpiryTimeout(1000);
}

BatchRunner::~BatchRunner()
{
    // The jobs belong to this runner: no pool thread may still use one when they go.
    stop();
    m_pool.waitForDone();
}

void BatchRunner::start(std::vector<std::unique_ptr<DocumentJob>> jobs)
{
    m_jobs = std::move(jobs);
    if (m_jobs.empty()) {
        QMetaObject::invokeMethod(this, &BatchRunner::finished, Qt::QueuedConnection);
        return;
    }
    for (const auto& job : m_jobs) {
        DocumentJob* const document = job.get();
        m_pool.start([this, document] {
            const DocumentOutcome outcome = document->run();
            QMetaObject::invokeMethod(
                this, [this, outcome] { jobEnded(outcome); }, Qt::QueuedConnection);
        });
    }
}

void BatchRunner::stop()
{
    m_stopping = true;
    for (const auto& job : m_jobs) {
        job->stop();
    }
}

void BatchRunner::jobEnded(const DocumentOutcome& outcome)
{
    ++m_ended;
    emit documentFinished(outcome);
    if (m_ended == m_jobs.size()) {
        emit finished();
    }
}
