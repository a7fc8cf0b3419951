#pragma once

#include <QMainWindow>
#include <QSet>
#include <QStringList>
#include <QVector>
#include <memory>

namespace Ui {
    class MainWindow;
}
class FileItem;
class FileItemList;
class FileItemWidget;
class FunctionRunnable;
class QLabel;
class QListWidgetItem;
class QThreadPool;
class RefusedFilesNotice;
class QTimer;

/**
 * The working surface: the top bar (Add Files, Delete, Clear), the empty-state page or the file
 * list with the output folder and the Compress button. Owns the listed documents and the thread
 * pool that compresses them, one task per pending document; during a run Compress becomes Stop, the
 * other controls wait, and a status line says how far the run has got and, afterwards, what it did.
 */
class MainWindow final : public QMainWindow
{
    Q_OBJECT

public:
    /** The one main window of the process, created without a parent on the first call. */
    static MainWindow* instance();
    /** Destroys the main window (waiting for its tasks); the next instance() builds a new one. */
    static void destroyInstance();

    ~MainWindow() override;

    FileItemList* fileItemList() const { return m_fileItemList.get(); }
    /** The widget that shows row; null while the row is out of view, since only rows in view have one. */
    FileItemWidget* rowWidget(int row) const;
    /** Scrolls the list until row is in view, and returns its widget; null for a row not listed. */
    FileItemWidget* showRow(int row);
    /** Tasks of the current run that have not reported back. */
    int runningCount() const { return m_runningCount; }
    bool isIdle() const { return m_idle == 1; }
    /** The pool of the compressions; Qt's global pool stays free for Qt's own work. */
    QThreadPool* compressionPool() const { return m_compressionPool; }

    /**
     * Stops the run: queued documents go back to pending, running compressions are stopped and
     * report as they end. Does nothing while idle.
     */
    void stopRun();
    /** Stops the run and waits up to timeoutMs for its tasks; true when none is left running. */
    bool stopAndWait(int timeoutMs);
    /**
     * Called once the event loop has ended: a run still in progress is stopped, and the process
     * never goes on invisibly to deliver files after its window has gone. Returns exitCode.
     */
    static int finishBeforeExit(int exitCode);
    /** The notice that counts the files adding turned away. */
    RefusedFilesNotice* refusedFilesNotice() const { return m_refusedNotice; }

signals:
    void editClicked();
    void listEmpty();
    void stopTask();

public slots:
    void btn_add_file_clicked();
    void btn_delete_clicked();
    void btn_clear_clicked();
    void btn_compress_clicked();
    void btn_open_folder_clicked();
    void selectOutputFolder();
    void addFileRows(const QStringList& paths);
    void updateCompressButton();
    void taskFinished();
    void setControlsEnabled(bool enabled);

    /**
     * Whether the window may close now: while a run is going the user is asked whether to stop it
     * and quit. The frame asks before it closes.
     */
    bool confirmClose();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    MainWindow();
    void connectSignals();
    /** Shortcuts for the whole job, so that a keyboard alone can do everything a mouse can. */
    void addShortcuts();
    /** Enter on a row: its settings, or its password while it is locked. */
    void activateCurrentRow();
    /**
     * Everything a row's buttons do, in a menu: the keyboard's way to them (the Menu key or
     * Shift+F10 on the current row) and the mouse's second one (a right click).
     */
    void showRowMenu(int row, const QPoint& globalPosition);
    /** Delete and Clear are offered only while there is something to remove. */
    void updateListButtons();
    /** Outlines the list while documents are dragged over the window, so the drop has a visible target. */
    void showDropTarget(bool shown);
    /** Empties the list without asking: every row and item goes. */
    void clearList();
    void retranslate();
    void showListPage(bool show);
    void removeRowWidget(int row);
    void showRowsInView();
    void buildRowWidget(int row);
    void dismissResults();
    void startRun(int taskCount);
    void endRun();
    void taskStarted();
    void showProgress();
    void recordResult(FileItem* item, int code);
    void showRunStatus(const QString& text);
    void showCompressButtonText();
    QString runSummary() const;
    /** No row waits for Compress but some have results: offers to compress those again. */
    bool offerToCompressAgain();

    /** What the current or last run has done, for the status line. */
    struct RunTally
    {
        int total = 0;
        int started = 0;
        int succeeded = 0;
        int failed = 0;
        int locked = 0;
        qint64 bytesBefore = 0;
        qint64 bytesAfter = 0;
        bool stopped = false;
    };
    void removeRefusedRow(int row);
    void buildPendingRows();
    void appendRow(int index);
    bool isAddingFiles() const;
    void sizeCompressionPool();

    int m_runningCount = 0;
    bool m_refocusCompress = false; // Stop had the focus when it was pressed: it gets it back as Compress
    const std::unique_ptr<FileItemList> m_fileItemList;
    const std::unique_ptr<Ui::MainWindow> m_ui;
    int m_idle = 1;
    QThreadPool* const m_compressionPool; // child of this window
    QLabel* m_runStatus = nullptr; // child of the list page
    RunTally m_tally;
    // Handed to the pool in this run; only compared with the pool's queue, never followed, because
    // the pool deletes a task as soon as it has run.
    QVector<FunctionRunnable*> m_queuedTasks;
    QVector<FileItem*> m_runItems;
    RefusedFilesNotice* m_refusedNotice = nullptr; // child of the central widget
    QTimer* m_rowBuilder = nullptr; // child of this window: builds the rows of a long adding a slice at a time
    QTimer* m_rowViewer = nullptr; // child of this window: gives the rows that came into view their widgets
    QSet<QListWidgetItem*> m_rowsWithWidgets; // owned by the list
};
