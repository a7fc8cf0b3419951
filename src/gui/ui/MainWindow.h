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
class QLabel;
class QListWidgetItem;
class QThreadPool;
class RefusedFilesNotice;
class RowWidgets;
class RunController;
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
    int runningCount() const;
    bool isIdle() const;
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
    /**
     * Lists the documents among paths as Add Files does, for the desktop's "Open With" and other
     * starts: a folder gives the PDFs directly in it, refused files go to the notice. During a run
     * they join the list as pending rows.
     */
    void addPaths(const QStringList& paths);
    /** The notice that counts the files adding turned away. */
    RefusedFilesNotice* refusedFilesNotice() const { return m_refusedNotice; }

signals:
    void editClicked();
    void listEmpty();
    void stopTask();
    /** The run has finished done of its total documents (0 at its start). */
    void runProgressed(int done, int total);
    /** The run has ended, or was stopped; summary is the line the window shows for it. */
    void runEnded(const QString& summary, bool stopped);

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
    void dismissResults();
    void startRun();
    void endRun();
    void taskStarted();
    void showProgress();
    void showRunStatus(const QString& text);
    void showCompressButtonText();
    /** No row waits for Compress but some have results: offers to compress those again. */
    bool offerToCompressAgain();

    void removeRefusedRow(int row);
    void buildPendingRows();
    void appendRow(int index);
    bool isAddingFiles() const;
    void sizeCompressionPool();

    bool m_refocusCompress = false; // Stop had the focus when it was pressed: it gets it back as Compress
    const std::unique_ptr<FileItemList> m_fileItemList;
    const std::unique_ptr<Ui::MainWindow> m_ui;
    QThreadPool* const m_compressionPool; // child of this window
    RunController* const m_run; // child of this window: the run's tasks, tally and stopping
    QLabel* m_runStatus = nullptr; // child of the list page
    RefusedFilesNotice* m_refusedNotice = nullptr; // child of the central widget
    QTimer* m_rowBuilder = nullptr; // child of this window: builds the rows of a long adding a slice at a time
    QTimer* m_rowViewer = nullptr; // child of this window: gives the rows that came into view their widgets
    RowWidgets* m_rows = nullptr; // child of this window: the widgets of the rows in view
};
