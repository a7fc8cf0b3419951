#include "documents/RunController.h"

#include "documents/FileItem.h"
#include "documents/FunctionRunnable.h"
#include "documents/PDFFileItem.h"
#include "foundation/LogSite.h"

#include <QDebug>
#include <QFileInfo>
#include <QThreadPool>

RunController::RunController(QThreadPool* pool, QObject* parent)
    : QObject(parent)
    , m_pool(pool)
{
}

bool RunController::start(const QVector<FileItem*>& items, const QString& outputFolder, int lockedCount)
{
    if (items.isEmpty() || m_running) {
        return false;
    }
    m_tally = RunTally(static_cast<int>(items.size()), lockedCount);
    m_running = true;
    m_runningCount = 0;
    m_queuedTasks.clear();
    m_runItems = items;
    for (FileItem* item : items) {
        item->prepareRun();
        if (auto* pdf = qobject_cast<PDFFileItem*>(item)) {
            pdf->allowCompression();
        }
        ++m_runningCount;
        auto* task = new FunctionRunnable(FunctionRunnable::compressKind, item, outputFolder, nullptr);
        // The tally comes first, so that whoever hears of the task's end finds it counted.
        connect(task, &FunctionRunnable::finished, this, [this, item](int code) { recordResult(item, code); });
        connect(task, &FunctionRunnable::finished, this, &RunController::finishTask);
        connect(task, &FunctionRunnable::finished, item, &FileItem::fileProcessFinished);
        qDebug() << LOG_SITE("src/runcontroller", "RunController::start") << "Create task." << item->filePath();
        qDebug() << LOG_SITE("src/runcontroller", "RunController::start") << "current task count: " << m_runningCount;
        m_queuedTasks << task;
        m_pool->start(task, 0);
    }
    return true;
}

bool RunController::noteStarted()
{
    if (!m_running) {
        return false;
    }
    m_tally.noteStarted();
    return true;
}

void RunController::recordResult(FileItem* item, int code)
{
    const qint64 before = QFileInfo(item->filePath()).size();
    auto* pdf = qobject_cast<PDFFileItem*>(item);
    m_tally.record(code, before, pdf != nullptr ? pdf->compressedSize() : 0);
}

bool RunController::stop()
{
    if (!m_running || m_tally.isStopped()) {
        return false;
    }
    qDebug() << "Stop the compression run.";
    m_tally.noteStopped();
    // Tasks still waiting in the pool are taken back and never run; their rows are pending again.
    for (FunctionRunnable* task : qAsConst(m_queuedTasks)) {
        if (!m_pool->tryTake(task)) {
            continue;
        }
        FileItem* item = task->item();
        delete task;
        --m_runningCount;
        item->markPending();
    }
    m_queuedTasks.clear();
    // The running ones end as soon as their compressor has stopped, and report like any other task.
    for (FileItem* item : qAsConst(m_runItems)) {
        if (auto* pdf = qobject_cast<PDFFileItem*>(item)) {
            pdf->stopCompression();
        }
    }
    endIfNothingLeft();
    return true;
}

void RunController::finishTask()
{
    --m_runningCount;
    endIfNothingLeft();
    emit taskFinished();
}

void RunController::endIfNothingLeft()
{
    if (m_runningCount > 0) {
        return;
    }
    m_running = false;
    m_queuedTasks.clear();
    m_runItems.clear();
}
