#pragma once

#include <QObject>
#include <QRunnable>
#include <QString>

class FileItem;

/**
 * One compression job for a thread pool: compresses one item on a pool thread and reports
 * the code through finished(). The pool deletes it once it has run.
 */
class FunctionRunnable final : public QObject, public QRunnable
{
    Q_OBJECT

public:
    /** The only kind that does any work; a task of any other kind reports -1 at once. */
    static constexpr qint32 compressKind = 6;

    // The pool deletes the task after its run, so it is made without a parent.
    FunctionRunnable(qint32 kind, FileItem* item, const QString& outputDir, QObject* parent = nullptr);
    ~FunctionRunnable() override;

    void run() override;

    FileItem* item() const { return m_item; }

signals:
    /** Emitted once, on the pool thread, when the run is over: 0 on success. */
    void finished(int code);

private:
    FileItem* const m_item; // owned by the file list, which keeps it until every task has ended
    // The item may be gone by the time the pool destroys this task (finished() is already on its way),
    // so the destructor reads this copy, never the item.
    const QString m_filePath;
    const QString m_outputDir;
    const qint32 m_kind;
};
