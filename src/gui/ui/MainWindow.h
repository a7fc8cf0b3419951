#pragma once

#include <QMainWindow>
#include <QStringList>
#include <memory>

namespace Ui {
    class MainWindow;
}
class FileItemList;
class FileItemWidget;
class RefusedFilesNotice;
class QTimer;

/**
 * The working surface: the top bar (Add Files, Delete, Clear), the empty-state page or the file
 * list with the output folder and the Compress button. Owns the listed documents, runs one pool
 * task per pending document and keeps its controls disabled while a run is in progress.
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
    FileItemWidget* rowWidget(int row) const;
    /** Tasks of the current run that have not reported back. */
    int runningCount() const { return m_runningCount; }
    bool isIdle() const { return m_idle == 1; }
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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    MainWindow();
    void connectSignals();
    void retranslate();
    void showListPage(bool show);
    void removeRowWidget(int row);
    void removeRefusedRow(int row);
    void buildPendingRows();
    void appendRow(int index);
    bool isAddingFiles() const;
    void sizeCompressionPool();

    int m_threadCount = 0;
    int m_runningCount = 0;
    const std::unique_ptr<FileItemList> m_fileItemList;
    const std::unique_ptr<Ui::MainWindow> m_ui;
    int m_idle = 1;
    RefusedFilesNotice* m_refusedNotice = nullptr; // child of the central widget
    QTimer* m_rowBuilder = nullptr; // child of this window: builds the rows of a long adding a slice at a time
};
