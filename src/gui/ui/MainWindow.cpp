#include "ui/MainWindow.h"
#include "ui_MainWindow.h"

#include "documents/FileItem.h"
#include "documents/FileItemList.h"
#include "documents/FunctionRunnable.h"
#include "documents/PDFFileItem.h"
#include "documents/RunController.h"
#include "documents/SignalTransferStation.h"
#include "engine/FitSearch.h"
#include "engine/GSCompressor.h"
#include "engine/RunFolder.h"
#include "foundation/CommandLinePaths.h"
#include "foundation/FileNameText.h"
#include "foundation/LogSite.h"
#include "foundation/ProgramInit.h"
#include "foundation/SettingsStore.h"
#include "foundation/SleepInhibitor.h"
#include "services/MultiLanguage.h"
#include "ui/CompressSettingWidget.h"
#include "ui/FileItemWidget.h"
#include "ui/ModalDialogs.h"
#include "ui/RefusedFilesNotice.h"
#include "ui/RowWidgets.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QThread>
#include <QThreadPool>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cstdlib>
#include <functional>

namespace {
    MainWindow* mainWindow = nullptr;

    constexpr int rowHeight = 72;
    constexpr int emptyPage = 0;
    constexpr int listPage = 1;
    // How long a closed window lets its stopped compressions take to end before the process goes.
    constexpr int exitGraceMs = 3000;
    // Rows are built for this long at a time; between slices the window paints and answers the user.
    constexpr qint64 rowSliceMilliseconds = 25;

    // Scanners and mail programs often write the suffix in capitals; the file dialog accepts those
    // too, so a drop must not refuse them.
    bool hasPdfSuffix(const QUrl& url)
    {
        return QFileInfo(url.toLocalFile()).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0;
    }
} // namespace

MainWindow* MainWindow::instance()
{
    if (mainWindow == nullptr) {
        mainWindow = new MainWindow();
    }
    return mainWindow;
}

void MainWindow::destroyInstance()
{
    delete mainWindow;
    mainWindow = nullptr;
}

MainWindow::MainWindow()
    : QMainWindow(nullptr)
    , m_fileItemList(new FileItemList)
    , m_ui(new Ui::MainWindow)
    , m_compressionPool(new QThreadPool(this))
    , m_run(new RunController(m_compressionPool, this))
{
    m_ui->setupUi(this);
    m_rows = new RowWidgets(m_ui->listWidget, m_fileItemList.get(), this);
    ProgramInit::instance()->initLogger();

    // Compressions get a pool of their own: Qt queues its own work (icon conversions, for one) on the
    // global pool, and the window would wait for that behind long compressions.
    sizeCompressionPool();

    // One line under the list for the run's progress and, afterwards, what the run did.
    m_runStatus = new QLabel(m_ui->page_5);
    m_runStatus->setObjectName(QStringLiteral("label_runStatus"));
    m_runStatus->setTextFormat(Qt::PlainText);
    m_runStatus->hide();
    m_ui->verticalLayout_2->insertWidget(m_ui->verticalLayout_2->indexOf(m_ui->frame_bottom), m_runStatus);

    // Under the pages, so it shows with the empty page and the list alike, and the rows never move
    // under the pointer when it comes or goes.
    m_refusedNotice = new RefusedFilesNotice(m_ui->centralwidget);
    m_ui->verticalLayout->insertWidget(m_ui->verticalLayout->indexOf(m_ui->stackedWidget) + 1, m_refusedNotice);
    m_rowBuilder = new QTimer(this);
    m_rowBuilder->setSingleShot(true);
    m_rowBuilder->setInterval(0);
    m_rowViewer = new QTimer(this);
    m_rowViewer->setSingleShot(true);
    m_rowViewer->setInterval(0);

    for (QWidget* widget : { m_ui->page_1, m_ui->page_5, static_cast<QWidget*>(this), m_ui->centralwidget }) {
        widget->setMouseTracking(true);
    }
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
        | Qt::WindowMaximizeButtonHint);

    // "Output Folder" leaves room to spare in its minimum width, but longer translations widen the
    // label to their text and would meet the field; this keeps the same clear gap in every language.
    m_ui->label->setContentsMargins(0, 0, 6, 0);

    // The folder picture only decorates the field; clicking the field itself opens the dialog.
    m_ui->lineEdit_select_folder->addAction(
        QIcon(QStringLiteral(":/resource/exportfolder.png")), QLineEdit::LeadingPosition);
    const QString outputFolder = SettingsStore::instance()->outputFolder();
    qDebug() << "Output folder:" << outputFolder;
    m_ui->lineEdit_select_folder->setText(outputFolder);
    m_ui->lineEdit_select_folder->installEventFilter(this);
    m_ui->lineEdit_select_folder->setAcceptDrops(false);

    m_ui->stackedWidget->setCurrentIndex(emptyPage);
    m_ui->listWidget->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Every row is as high as the next: the view lays out thousands without asking each one.
    m_ui->listWidget->setUniformItemSizes(true);
    setAcceptDrops(true);

    m_ui->label->setBuddy(m_ui->lineEdit_select_folder);
    connectSignals();
    addShortcuts();
    retranslate();
    updateListButtons();
    qDebug() << "Max thread count: " << m_compressionPool->maxThreadCount();
}

// The one place that decides how many documents a run compresses at once.
void MainWindow::sizeCompressionPool()
{
    m_compressionPool->setMaxThreadCount(SettingsStore::instance()->compressionsAtOnce());
}

MainWindow::~MainWindow()
{
    // No task may outlive the item it works on: stop them all and wait until they have ended.
    stopAndWait(-1);
    SleepInhibitor::instance()->release();
    clearList();
    SettingsStore::destroyInstance();
    if (mainWindow == this) {
        mainWindow = nullptr;
    }
    qDebug() << "Exit............";
}

void MainWindow::connectSignals()
{
    connect(m_ui->btn_add_file, &QToolButton::clicked, this, &MainWindow::btn_add_file_clicked);
    connect(m_ui->btn_delete, &QToolButton::clicked, this, &MainWindow::btn_delete_clicked);
    connect(m_ui->btn_clear, &QToolButton::clicked, this, &MainWindow::btn_clear_clicked);
    connect(m_ui->btn_compress, &QPushButton::clicked, this, &MainWindow::btn_compress_clicked);
    connect(m_ui->btn_open_folder, &QPushButton::clicked, this, &MainWindow::btn_open_folder_clicked);
    connect(this, &MainWindow::editClicked, this, &MainWindow::selectOutputFolder);
    connect(
        this, &MainWindow::stopTask, SignalTransferStation::instance(), &SignalTransferStation::transmitStopTaskSignal);
    connect(MultiLanguage::instance(), &MultiLanguage::languageChanged, this, &MainWindow::retranslate);

    connect(m_run, &RunController::taskFinished, this, &MainWindow::taskFinished);
    connect(m_rows, &RowWidgets::built, this, [this](FileItemWidget* row) {
        connect(row, &FileItemWidget::decryptionSuccess, this, &MainWindow::updateCompressButton);
    });
    connect(m_rowBuilder, &QTimer::timeout, this, &MainWindow::buildPendingRows);
    // However often the view moves in one turn of the event loop, the rows in view are looked at once.
    connect(m_ui->listWidget, &CustomListWidget::viewMoved, m_rowViewer, qOverload<>(&QTimer::start));
    connect(m_rowViewer, &QTimer::timeout, m_rows, &RowWidgets::showRowsInView);
    connect(SignalTransferStation::instance(), &SignalTransferStation::changeProcessedState, this,
        &MainWindow::dismissResults);
    connect(m_fileItemList.get(), &FileItemList::itemAboutToBeRemoved, this, &MainWindow::removeRefusedRow);
    connect(m_fileItemList.get(), &FileItemList::fileRefused, m_refusedNotice, &RefusedFilesNotice::addRefusedFile);
    connect(m_fileItemList.get(), &FileItemList::filesRefused, m_refusedNotice, &RefusedFilesNotice::addRefused);
    connect(m_fileItemList.get(), &FileItemList::inspectionFinished, this, &MainWindow::updateCompressButton);
}

void MainWindow::addShortcuts()
{
    const auto addShortcut = [this](const QList<QKeySequence>& keys, auto reaction) {
        auto* action = new QAction(this);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, reaction);
        addAction(action);
    };
    addShortcut({ QKeySequence::Open }, [this]() { m_ui->btn_add_file->click(); });
    // Compress, and Stop while a run is going; the button keeps the focus so Space works on it too.
    addShortcut({ QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter) }, [this]() {
        if (m_ui->btn_compress->isEnabled()) {
            m_ui->btn_compress->setFocus(Qt::ShortcutFocusReason);
            m_ui->btn_compress->click();
        }
    });
    addShortcut({ QKeySequence(Qt::Key_Escape) }, [this]() { stopRun(); });
    addShortcut({ QKeySequence::SelectAll }, [this]() {
        if (m_ui->stackedWidget->currentIndex() == listPage) {
            m_ui->listWidget->setFocus(Qt::ShortcutFocusReason);
            m_ui->listWidget->selectAll();
        }
    });
    m_ui->listWidget->installEventFilter(this);
    m_ui->listWidget->viewport()->installEventFilter(this);
}

void MainWindow::showRowMenu(int row, const QPoint& globalPosition)
{
    FileItemWidget* rowWidget = showRow(row);
    if (rowWidget == nullptr || rowWidget->item()->isChecking()) {
        return;
    }
    FileItem* item = rowWidget->item();
    QMenu menu(this);
    QAction* unlock = item->isLocked() ? menu.addAction(tr("Unlock…")) : nullptr;
    QAction* settings = item->isLocked() ? nullptr : menu.addAction(tr("Compression Settings…"));
    const bool delivered = item->hasResult()
        && (item->resultCode() == GSCompressor::Success || item->resultCode() == FitSearch::DoesNotFit);
    QAction* reveal = delivered ? menu.addAction(tr("Show in Folder")) : nullptr;
    QAction* open = menu.addAction(tr("Open Document"));
    QAction* chosen = ModalDialogs::popupMenu(&menu, globalPosition);
    // The menu turned the event loop: the row may have been rebuilt meanwhile.
    rowWidget = chosen != nullptr ? showRow(row) : nullptr;
    if (rowWidget == nullptr) {
        return;
    }
    if (chosen == unlock) {
        rowWidget->pdfDecrypt();
    } else if (chosen == settings) {
        rowWidget->openCompressSetting();
    } else if (chosen == reveal) {
        rowWidget->openOutpuFilePath();
    } else if (chosen == open) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(item->filePath()));
    }
}

void MainWindow::activateCurrentRow()
{
    const int current = m_ui->listWidget->currentRow();
    FileItemWidget* rowWidget = showRow(current);
    if (rowWidget == nullptr || rowWidget->item()->isChecking()) {
        return;
    }
    if (rowWidget->item()->isLocked()) {
        rowWidget->pdfDecrypt();
    } else {
        rowWidget->openCompressSetting();
    }
}

void MainWindow::updateListButtons()
{
    const bool canRemove = isIdle() && !m_fileItemList->isEmpty();
    m_ui->btn_delete->setEnabled(canRemove);
    m_ui->btn_clear->setEnabled(canRemove);
}

void MainWindow::retranslate()
{
    m_ui->retranslateUi(this);
    m_ui->lineEdit_select_folder->setAccessibleName(m_ui->label->text());
    m_ui->listWidget->setAccessibleName(tr("Documents"));
    m_ui->btn_open_folder->setAccessibleName(tr("Open Output Folder"));
    m_ui->btn_open_folder->setToolTip(tr("Open Output Folder"));
    showCompressButtonText();
    if (!isIdle()) {
        showProgress();
    } else if (m_runStatus->isVisible()) {
        showRunStatus(m_run->tally().summary());
    }
}

FileItemWidget* MainWindow::rowWidget(int row) const { return m_rows->widget(row); }

FileItemWidget* MainWindow::showRow(int row) { return m_rows->show(row); }

// A setting was accepted: every listed document, in view or not, whose result was made with another
// setting than its next run would use forgets that result. The others keep theirs.
void MainWindow::dismissResults()
{
    bool dismissed = false;
    for (qint32 index = 0; index < m_fileItemList->count(); ++index) {
        FileItem* item = m_fileItemList->at(index);
        const bool hadResult = item->hasResult();
        item->dismissResultIfSettingChanged();
        dismissed = dismissed || (hadResult && !item->hasResult());
    }
    // The last run's summary spoke of results that are gone now.
    if (dismissed && isIdle()) {
        showRunStatus(QString());
    }
}

// Inspection found the document damaged: its row goes before its item, and an emptied list shows the
// empty page again, as a delete would.
void MainWindow::removeRefusedRow(int row)
{
    // Rows are built in item order, so a row not built yet needs nothing here.
    if (row < m_ui->listWidget->count()) {
        m_rows->remove(row);
        delete m_ui->listWidget->takeItem(row);
    }
    if (m_fileItemList->count() <= 1) {
        showListPage(false);
    }
}

void MainWindow::showListPage(bool show) { m_ui->stackedWidget->setCurrentIndex(show ? listPage : emptyPage); }

void MainWindow::btn_add_file_clicked()
{
    SettingsStore* settings = SettingsStore::instance();
    // The last folder files came from, while it is there; the home folder otherwise, never the root.
    QString folder = settings->lastOpenDir();
    if (folder.isEmpty() || folder == QLatin1String("/") || !QFileInfo(folder).isDir()) {
        folder = QDir::homePath();
    }
    const QStringList paths = ModalDialogs::openFileNames(this, tr("Select Files"), folder, QStringLiteral("*.pdf"));
    if (paths.isEmpty()) {
        return;
    }
    settings->setLastOpenDir(QFileInfo(paths.first()).absolutePath());
    addFileRows(paths);
}

void MainWindow::addPaths(const QStringList& paths)
{
    const CommandLinePaths::Documents documents = CommandLinePaths::documentsIn(paths);
    addFileRows(documents.paths);
    m_fileItemList->refuseUnreadableNames(documents.unreadableNames);
}

void MainWindow::addFileRows(const QStringList& paths)
{
    if (paths.isEmpty()) {
        return;
    }
    qDebug() << "PDFs to add.";
    const int itemsBefore = m_fileItemList->count();
    m_fileItemList->addFiles(paths);
    qDebug() << "Documents listed:" << m_fileItemList->count();
    // Each new document starts with the setting stored now; its row's dialog may change it later.
    const CompressSetting stored = CompressSettingWidget::storedSetting();
    for (int index = itemsBefore; index < m_fileItemList->count(); ++index) {
        m_fileItemList->at(index)->setRowSetting(stored);
    }
    if (m_fileItemList->count() >= 1) {
        showListPage(true);
    }
    if (m_fileItemList->count() > itemsBefore) {
        // The last run's summary no longer describes the list; a running one keeps its progress.
        if (isIdle()) {
            showRunStatus(QString());
        }
        buildPendingRows();
    }
}

// The rows of a long adding appear a slice at a time, so that the window never freezes for them. Row i
// still shows item i: the rows built so far are the first items of the list.
void MainWindow::buildPendingRows()
{
    QElapsedTimer slice;
    slice.start();
    int row = m_ui->listWidget->count();
    for (int built = 0; row < m_fileItemList->count() && (built == 0 || slice.elapsed() < rowSliceMilliseconds);
         ++built) {
        appendRow(row++);
    }
    if (row < m_fileItemList->count()) {
        m_rowBuilder->start();
    }
    m_ui->listWidget->scrollToItem(m_ui->listWidget->item(row - 1));
    // The rows in view show at once, not a turn of the event loop later.
    m_rows->showRowsInView();
    updateCompressButton();
}

// The row's widget comes when the row is in view.
void MainWindow::appendRow(int index)
{
    auto* row = new QListWidgetItem;
    row->setSizeHint(QSize(m_ui->listWidget->minimumWidth(), rowHeight));
    m_ui->listWidget->addItem(row);
    FileItem* item = m_fileItemList->at(index);
    connect(item, &FileItem::processing, this, &MainWindow::taskStarted);
}

bool MainWindow::isAddingFiles() const
{
    return m_fileItemList->checkingCount() > 0 || m_ui->listWidget->count() < m_fileItemList->count();
}

void MainWindow::updateCompressButton()
{
    // Rows still being checked may turn out locked or damaged: the run waits until every row is known.
    showCompressButtonText();
    // During a run the button is Stop, which an unlocked row must not change.
    if (isIdle()) {
        m_ui->btn_compress->setEnabled(!isAddingFiles() && m_fileItemList->hasUnlockedItem());
    }
    updateListButtons();
}

void MainWindow::btn_delete_clicked()
{
    if (!isIdle() || m_fileItemList->isEmpty()) {
        return;
    }
    qDebug() << "PDF item delete.";
    // The selection is read once and removed from the bottom up, so that the rows still to go keep
    // their numbers: a selection of thousands goes in one pass.
    QVector<int> rows;
    for (const QModelIndex& index : m_ui->listWidget->selectionModel()->selectedIndexes()) {
        rows << index.row();
    }
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    for (const int row : qAsConst(rows)) {
        // Row and item go together, so row i keeps showing item i.
        m_rows->remove(row);
        m_ui->listWidget->model()->removeRow(row);
        m_fileItemList->removeAt(row);
    }
    showRunStatus(QString());
    if (m_fileItemList->isEmpty()) {
        emit listEmpty();
        showListPage(false);
    }
    updateCompressButton();
}

void MainWindow::btn_clear_clicked()
{
    if (!isIdle() || m_fileItemList->isEmpty()) {
        return;
    }
    // One stray key must not throw away a list the user has worked on.
    const int count = m_fileItemList->count();
    if (!ModalDialogs::question(this, tr("Clear List"),
            tr("Remove all %n document(s) from the list? Files already compressed stay in the output folder.", nullptr,
                count),
            tr("Clear"))) {
        return;
    }
    clearList();
}

void MainWindow::clearList()
{
    qDebug() << "PDF list clear.";
    for (int row = m_ui->listWidget->count() - 1; row >= 0; --row) {
        m_rows->remove(row);
    }
    m_ui->listWidget->clear();
    m_fileItemList->clear();
    showRunStatus(QString());
    showListPage(false);
    updateCompressButton();
}

void MainWindow::selectOutputFolder()
{
    if (!m_ui->lineEdit_select_folder->isEnabled()) {
        return;
    }
    const QString folder = ModalDialogs::existingDirectory(this, tr("Select output folder"), QString());
    if (folder.isEmpty()) {
        return;
    }
    m_ui->lineEdit_select_folder->setText(folder);
    SettingsStore::instance()->setOutputFolder(folder);
    qDebug() << "set output folder " << folder;
}

void MainWindow::btn_open_folder_clicked()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(m_ui->lineEdit_select_folder->text()));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui->lineEdit_select_folder && event->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        emit editClicked();
    }
    if (event->type() == QEvent::ContextMenu
        && (watched == m_ui->listWidget || watched == m_ui->listWidget->viewport())) {
        auto* request = static_cast<QContextMenuEvent*>(event);
        // From the keyboard the menu is for the current row, from the mouse for the row under it.
        const bool byKeyboard = request->reason() == QContextMenuEvent::Keyboard;
        const int row = byKeyboard
            ? m_ui->listWidget->currentRow()
            : m_ui->listWidget
                  ->indexAt(m_ui->listWidget->viewport()->mapFrom(static_cast<QWidget*>(watched), request->pos()))
                  .row();
        if (row >= 0) {
            QListWidgetItem* listItem = m_ui->listWidget->item(row);
            const QRect rect = m_ui->listWidget->visualItemRect(listItem);
            const QPoint where
                = byKeyboard ? m_ui->listWidget->viewport()->mapToGlobal(rect.center()) : request->globalPos();
            showRowMenu(row, where);
        }
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        const bool plain = static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier
            || static_cast<QKeyEvent*>(event)->modifiers() == Qt::KeypadModifier;
        // The field is read-only: Enter or Space chooses the folder, as a click does.
        if (watched == m_ui->lineEdit_select_folder && plain && (enter || key == Qt::Key_Space)) {
            emit editClicked();
            return true;
        }
        if (watched == m_ui->listWidget && plain && enter) {
            activateCurrentRow();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) && isIdle()) {
        btn_delete_clicked();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!isIdle() || !event->mimeData()->hasUrls()) {
        event->ignore();
        return;
    }
    const QList<QUrl> urls = event->mimeData()->urls();
    if (std::any_of(urls.cbegin(), urls.cend(), hasPdfSuffix)) {
        event->acceptProposedAction();
        showDropTarget(true);
        return;
    }
    event->ignore();
}

void MainWindow::dragLeaveEvent(QDragLeaveEvent* event)
{
    showDropTarget(false);
    QMainWindow::dragLeaveEvent(event);
}

void MainWindow::showDropTarget(bool shown)
{
    m_ui->stackedWidget->setStyleSheet(
        shown ? QStringLiteral("QStackedWidget#stackedWidget { border: 2px dashed #3993F2; }") : QString());
}

void MainWindow::dropEvent(QDropEvent* event)
{
    showDropTarget(false);
    if (!event->mimeData()->hasUrls()) {
        return;
    }
    QStringList paths;
    QStringList unreadableNames;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (!hasPdfSuffix(url)) {
            continue;
        }
        // The URL keeps the name's bytes; decoded as text, a name that is no valid UTF-8 names no file.
        const QByteArray bytes = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
        if (url.isLocalFile() && !FileNameText::isRepresentable(bytes)) {
            unreadableNames << FileNameText::displayable(bytes);
        } else {
            paths << url.toLocalFile();
        }
    }
    addFileRows(paths);
    m_fileItemList->refuseUnreadableNames(unreadableNames);
}

void MainWindow::btn_compress_clicked()
{
    if (!isIdle()) {
        stopRun();
        return;
    }
    if (m_ui->lineEdit_select_folder->text().isEmpty()) {
        selectOutputFolder();
        if (m_ui->lineEdit_select_folder->text().isEmpty()) {
            return;
        }
    }
    if (!offerToCompressAgain()) {
        return;
    }
    const QString outputFolder = m_ui->lineEdit_select_folder->text();
    qDebug() << "Compress task start";
    int lockedCount = 0;
    QVector<FileItem*> ready;
    const int rowCount = m_ui->listWidget->count();
    for (int row = 0; row < rowCount; ++row) {
        FileItem* item = m_fileItemList->at(row);
        if (item->isLocked()) {
            ++lockedCount;
        }
        if (item->isChecking() || item->isLocked() || !item->isUnprocessed()) {
            qDebug() << LOG_SITE("src/mainwindow", "MainWindow::btn_compress_clicked")
                     << "Skip file: " << item->filePath();
            continue;
        }
        ready << item;
    }
    if (m_run->start(ready, outputFolder, lockedCount)) {
        startRun();
    }
}

bool MainWindow::offerToCompressAgain()
{
    QVector<FileItem*> done;
    for (int index = 0; index < m_fileItemList->count(); ++index) {
        FileItem* item = m_fileItemList->at(index);
        if (item->isChecking() || item->isLocked()) {
            continue;
        }
        if (item->isUnprocessed()) {
            return true; // there is work: Compress does it without asking
        }
        done << item;
    }
    if (done.isEmpty()) {
        return true;
    }
    const QString folder = QDir::toNativeSeparators(m_ui->lineEdit_select_folder->text());
    if (!ModalDialogs::question(this, tr("Compress Again"),
            tr("Every document in the list is already compressed. Compress them again into \"%1\"?").arg(folder),
            tr("Compress Again"))) {
        return false;
    }
    for (FileItem* item : qAsConst(done)) {
        item->dismissResult();
    }
    return true;
}

bool MainWindow::confirmClose()
{
    if (isIdle()) {
        return true;
    }
    // As an editor asks before it loses work: a close during a run ends the run only when the user says so.
    return ModalDialogs::question(
        this, tr("Quit"), tr("Documents are still being compressed. Stop the run and quit?"), tr("Stop and Quit"));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!confirmClose()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

int MainWindow::runningCount() const { return m_run->runningCount(); }

bool MainWindow::isIdle() const { return !m_run->isRunning(); }

void MainWindow::startRun()
{
    setControlsEnabled(false);
    // Compress becomes Stop for the length of the run.
    m_ui->btn_compress->setEnabled(true);
    showCompressButtonText();
    showProgress();
    SleepInhibitor::instance()->keepAwake();
    emit runProgressed(0, m_run->tally().total());
}

void MainWindow::taskStarted()
{
    if (m_run->noteStarted()) {
        showProgress();
    }
}

void MainWindow::showProgress() { showRunStatus(m_run->tally().progressText()); }

void MainWindow::stopRun()
{
    if (!m_run->stop()) {
        return;
    }
    m_refocusCompress = m_ui->btn_compress->hasFocus();
    m_ui->btn_compress->setEnabled(false);
    showProgress();
    if (!m_run->isRunning()) {
        endRun();
    }
}

bool MainWindow::stopAndWait(int timeoutMs)
{
    stopRun();
    return m_compressionPool->waitForDone(timeoutMs);
}

int MainWindow::finishBeforeExit(int exitCode)
{
    if (mainWindow == nullptr) {
        return exitCode;
    }
    const bool allEnded = mainWindow->stopAndWait(exitGraceMs);
    SleepInhibitor::instance()->release();
    if (!allEnded) {
        // A compression that cannot be stopped would deliver its file long after the window has gone.
        // Leave at once instead, but not before its private copies are gone: the output folder only
        // ever receives complete files, so nothing half-written stays there either.
        qWarning() << "A compression is still running at exit; leaving without it. Private folders removed:"
                   << RunFolder::removeAllBeforeExit();
        std::_Exit(exitCode);
    }
    return exitCode;
}

void MainWindow::taskFinished()
{
    emit runProgressed(m_run->doneCount(), m_run->tally().total());
    if (!m_run->isRunning()) {
        endRun();
    }
}

void MainWindow::endRun()
{
    qDebug() << "Task finished.";
    setControlsEnabled(true);
    showCompressButtonText();
    // Files handed over during the run may still be checked, or all be locked.
    updateCompressButton();
    if (m_refocusCompress) {
        m_refocusCompress = false;
        m_ui->btn_compress->setFocus(Qt::OtherFocusReason);
    }
    SleepInhibitor::instance()->release();
    const QString summary = m_run->tally().summary();
    showRunStatus(summary);
    emit runEnded(summary, m_run->tally().isStopped());
}

void MainWindow::showRunStatus(const QString& text)
{
    m_runStatus->setText(text);
    m_runStatus->setVisible(!text.isEmpty());
}

void MainWindow::showCompressButtonText()
{
    if (!isIdle()) {
        m_ui->btn_compress->setText(tr("Stop"));
    } else {
        m_ui->btn_compress->setText(isAddingFiles() ? tr("Checking…") : tr("Compress"));
    }
}

void MainWindow::setControlsEnabled(bool enabled)
{
    for (QWidget* control : std::initializer_list<QWidget*> { m_ui->btn_add_file, m_ui->btn_clear, m_ui->btn_delete,
             m_ui->btn_open_folder, m_ui->btn_compress, m_ui->lineEdit_select_folder }) {
        // A run keeps Compress, now Stop, enabled: disabling it for a moment would take its focus away.
        if (control == m_ui->btn_compress && !enabled && !isIdle()) {
            continue;
        }
        control->setEnabled(enabled);
    }
    if (enabled) {
        updateListButtons();
    }
}
