#pragma once

#include "documents/RunTally.h"

#include <QObject>
#include <QString>
#include <QVector>

class FileItem;
class FunctionRunnable;
class QThreadPool;

/**
 * The window's compression run without the window: hands one task per document to the pool, keeps
 * the tally as the tasks report, and stops the run (queued documents go back to pending, running
 * compressions are told to stop and report as they end). Everything happens on the thread that owns
 * it; the tasks' reports arrive there queued.
 */
class RunController final : public QObject
{
    Q_OBJECT

public:
    /** pool runs the tasks and outlives this controller. */
    explicit RunController(QThreadPool* pool, QObject* parent = nullptr);

    /**
     * Starts a run over items, every one ready to compress, into outputFolder; lockedCount documents
     * were left out for want of a password. False, and nothing started, for no items or a run going.
     */
    bool start(const QVector<FileItem*>& items, const QString& outputFolder, int lockedCount);
    /** Takes back the queued tasks and stops the running ones; false when idle or already stopping. */
    bool stop();
    /** A document of the run began compressing; false when no run is going. */
    bool noteStarted();

    bool isRunning() const { return m_running; }
    /** Tasks of the current run that have not reported back. */
    int runningCount() const { return m_runningCount; }
    /** The documents of the current or last run that have reported back. */
    int doneCount() const { return m_tally.total() - m_runningCount; }
    const RunTally& tally() const { return m_tally; }

signals:
    /** A task of the run has reported back; isRunning() is false once it was the last. */
    void taskFinished();

private:
    void recordResult(FileItem* item, int code);
    void finishTask();
    void endIfNothingLeft();

    QThreadPool* const m_pool;
    RunTally m_tally;
    bool m_running = false;
    int m_runningCount = 0;
    // Handed to the pool in this run; only compared with the pool's queue, never followed, because
    // the pool deletes a task as soon as it has run.
    QVector<FunctionRunnable*> m_queuedTasks;
    QVector<FileItem*> m_runItems;
};
