#include "ui/FileItemWidget.h"
#include "ui_FileItemWidget.h"

#include "documents/FileItem.h"
#include "documents/PDFFileItem.h"
#include "documents/SignalTransferStation.h"
#include "engine/FitSearch.h"
#include "engine/GSCompressor.h"
#include "engine/ResultTable.h"
#include "services/MultiLanguage.h"
#include "ui/CompressSettingWidget.h"
#include "ui/EnterPassword.h"
#include "ui/FileBrowser.h"
#include "ui/MainWindow.h"
#include "ui/ModalDialogs.h"
#include "ui/TargetSizeSpinBox.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QIcon>
#include <QLocale>
#include <QUrl>

#include <algorithm>

namespace {
    const QString openIconName = QStringLiteral("PDF-3x.png");

    // Every row shows the same picture: one copy serves them all.
    QPixmap indicatorPixmap(const QSize& size)
    {
        static QPixmap shared;
        if (shared.size() != size) {
            shared = QIcon(QStringLiteral(":/resource/processing.png")).pixmap(size);
        }
        return shared;
    }
} // namespace

FileItemWidget::FileItemWidget(FileItem* item, QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::FileItemWidget)
    , m_item(item)
{
    m_ui->setupUi(this);
    setUpRow();
    connectSignals();
}

FileItemWidget::~FileItemWidget() { delete m_settingDialog.data(); }

CompressSettingWidget* FileItemWidget::settingDialog()
{
    if (m_settingDialog == nullptr) {
        m_settingDialog = new CompressSettingWidget(MainWindow::instance(), m_item->rowSetting());
        connect(m_settingDialog, &CompressSettingWidget::settingApplyToAll, SignalTransferStation::instance(),
            &SignalTransferStation::changeProcessedState);
    }
    return m_settingDialog;
}

CompressSetting FileItemWidget::compressSetting() const { return m_item->nextSetting(); }

QString FileItemWidget::outputPath() const { return m_item->outputPath(); }

void FileItemWidget::setUpRow()
{
    // Both keep their place while hidden, so the buttons beside them never move.
    for (QWidget* widget :
        { static_cast<QWidget*>(m_ui->btn_convert_finished), static_cast<QWidget*>(m_ui->label_waiting) }) {
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
        widget->hide();
    }
    m_ui->label_waiting->setPixmap(indicatorPixmap(m_ui->label_waiting->size()));

    // File names are shown as they are: a name with "<b>" or "&" in it is not markup.
    for (QLabel* label : { m_ui->label_name, m_ui->label_size, m_ui->label_pages, m_ui->label_newName,
             m_ui->label_newSize, m_ui->label_3 }) {
        label->setTextFormat(Qt::PlainText);
    }
    // The names take the room the row has, the source's most; they are cut only when that is not enough.
    if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
        grid->setColumnStretch(1, 3);
        grid->setColumnStretch(3, 2);
        // The gap before the buttons keeps its width instead of taking the names' room.
        for (const int column : { 2, 4 }) {
            QLayoutItem* gap = grid->itemAtPosition(0, column);
            if (gap != nullptr && gap->spacerItem() != nullptr) {
                gap->spacerItem()->changeSize(8, 20, QSizePolicy::Fixed, QSizePolicy::Minimum);
            }
        }
        grid->invalidate();
    }
    m_ui->frame_left->setMaximumWidth(QWIDGETSIZE_MAX);
    for (QLabel* label : { m_ui->label_name, m_ui->label_newName }) {
        label->setSizePolicy(QSizePolicy::Ignored, label->sizePolicy().verticalPolicy());
    }
    // The status line is a quiet third line under the result.
    m_ui->label_3->setStyleSheet(QStringLiteral("color: #4A5A6A; font-size: 11px;"));
    m_ui->label_name->installEventFilter(this);
    m_ui->label_newName->installEventFilter(this);
    m_ui->label_name->setToolTip(literalToolTip(m_item->fileName()));
    elideName();
    m_ui->label_pages->setVisible(m_item->suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0);
    // Translated texts, the progress and the result all come from the item.
    retranslate();
    showDetails();
}

void FileItemWidget::showDetails()
{
    const bool checking = m_item->isChecking();
    // A document being checked, one qpdf could not inspect and one the user unlocked show as an
    // ordinary PDF; the item keeps the icon inspection gave it.
    const bool locked = !checking && m_item->isLocked();
    setIconStyle(locked && !m_item->iconName().isEmpty() ? m_item->iconName() : openIconName);
    showPageCount();
    m_ui->btn_decrypt->setVisible(locked);
    m_ui->btn_compressSetting->setVisible(!checking && !locked);
    // Inspection decides whether the row has a setting to show at all.
    showStatusLine();
    updateAccessibleText();
}

void FileItemWidget::connectSignals()
{
    connect(m_ui->btn_icon, &QPushButton::clicked, this, &FileItemWidget::btn_icon_clicked);
    connect(m_item, &FileItem::runStateChanged, this, &FileItemWidget::showRunState);
    connect(m_item, &FileItem::detailsChanged, this, &FileItemWidget::showDetails);
    connect(m_ui->btn_decrypt, &QPushButton::clicked, this, &FileItemWidget::pdfDecrypt);
    connect(m_ui->btn_compressSetting, &QPushButton::clicked, this, &FileItemWidget::openCompressSetting);
    connect(m_ui->btn_convert_finished, &QPushButton::clicked, this, &FileItemWidget::openOutpuFilePath);
    connect(MultiLanguage::instance(), &MultiLanguage::languageChanged, this, &FileItemWidget::retranslate);
    // A setting accepted anywhere, "Apply to all" above all, may change what this row shows of its own.
    connect(SignalTransferStation::instance(), &SignalTransferStation::changeProcessedState, this,
        &FileItemWidget::showRunState);
}

void FileItemWidget::setIconStyle(const QString& iconName)
{
    // Parsing a style sheet is a good part of what a row costs: only a new picture pays for it.
    if (iconName == m_iconName) {
        return;
    }
    m_iconName = iconName;
    m_ui->btn_icon->setStyleSheet(
        QStringLiteral("QPushButton { border: none; background: transparent; image: url(:/resource/%1); }\n"
                       "QPushButton:pressed { image: url(:/resource/Pressed-%1); }")
            .arg(iconName));
}

void FileItemWidget::showPageCount()
{
    // A locked document's pages cannot be counted before it is unlocked: a count would be a guess.
    if (m_item->isChecking()) {
        m_ui->label_pages->setText(tr("Checking…"));
    } else if (m_item->isLocked()) {
        m_ui->label_pages->setText(tr("Locked"));
    } else {
        m_ui->label_pages->setText(tr("%n Page(s)", nullptr, m_item->pageCount()));
    }
}

void FileItemWidget::retranslate()
{
    m_ui->label_size->setText(localNumbers(m_item->sizeText()));
    showPageCount();
    m_ui->btn_decrypt->setToolTip(tr("Unlock the document with its password"));
    m_ui->btn_decrypt->setAccessibleName(m_ui->btn_decrypt->toolTip());
    m_ui->btn_compressSetting->setToolTip(tr("Compression settings"));
    m_ui->btn_compressSetting->setAccessibleName(m_ui->btn_compressSetting->toolTip());
    m_ui->btn_icon->setAccessibleName(m_item->fileName());
    showRunState();
}

QString FileItemWidget::localNumbers(const QString& size) { return localDecimals(size); }

QString FileItemWidget::literalToolTip(const QString& text)
{
    // A tooltip guesses whether its text is markup; as escaped rich text it never has to guess.
    return QStringLiteral("<p style='white-space:pre'>%1</p>").arg(text.toHtmlEscaped());
}

QString FileItemWidget::failureReason(int code) { return ResultTable::windowText(code); }

// The mark's tooltip says what clicking it does, or why there is nothing to click.
void FileItemWidget::showResultMark()
{
    const int code = m_item->resultCode();
    MyMarkButton* mark = m_ui->btn_convert_finished;
    if (code == FitSearch::DoesNotFit) {
        mark->setToolTip(notFittingText() + QLatin1Char('\n') + tr("Show the compressed file in its folder"));
        return;
    }
    if (code != GSCompressor::Success) {
        mark->setToolTip(failureReason(code));
        return;
    }
    QString tip = tr("Show the compressed file in its folder");
    if (auto* pdf = qobject_cast<PDFFileItem*>(m_item)) {
        switch (pdf->unchangedReason()) {
        case PDFFileItem::Unchanged::No:
            break;
        case PDFFileItem::Unchanged::NotSmaller:
            tip = tr("Handed back unchanged: it could not be made smaller.") + QLatin1Char('\n') + tip;
            break;
        case PDFFileItem::Unchanged::ForNavigation:
            tip = tr("Handed back unchanged, to keep its links and bookmarks.") + QLatin1Char('\n') + tip;
            break;
        }
    }
    mark->setToolTip(tip);
}

// The new size carries the share saved, so each row tells what its compression was worth.
void FileItemWidget::showSavedShare()
{
    const QString newSize = localNumbers(m_item->compressedSizeText());
    auto* pdf = qobject_cast<PDFFileItem*>(m_item);
    const qint64 before = QFileInfo(m_item->filePath()).size();
    if (pdf == nullptr || before <= 0) {
        m_ui->label_newSize->setText(newSize);
        return;
    }
    if (pdf->unchangedReason() != PDFFileItem::Unchanged::No) {
        m_ui->label_newSize->setText(tr("%1 · unchanged").arg(newSize));
        return;
    }
    const int percent = qRound(100.0 * (before - pdf->compressedSize()) / before);
    m_ui->label_newSize->setText(tr("%1 · %2 % smaller").arg(newSize).arg(percent));
}

// The names follow the width their labels get from the layout, cut in the middle so that the start
// of the name and its extension stay readable.
void FileItemWidget::elideName()
{
    QLabel* label = m_ui->label_name;
    label->setText(label->fontMetrics().elidedText(m_item->fileName(), Qt::ElideMiddle, label->width()));
}

void FileItemWidget::elideNewName()
{
    QLabel* label = m_ui->label_newName;
    label->setText(label->fontMetrics().elidedText(m_item->compressedName(), Qt::ElideMiddle, label->width()));
}

bool FileItemWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize) {
        if (watched == m_ui->label_name) {
            elideName();
        } else if (watched == m_ui->label_newName) {
            elideNewName();
            showStatusLine();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FileItemWidget::showRunState()
{
    CRotateLabel* indicator = m_ui->label_waiting;
    if (m_item->isCompressing() && !indicator->isRotating()) {
        indicator->showRotating();
    } else if (!m_item->isCompressing() && indicator->isRotating()) {
        indicator->hideRotating();
    }
    showStatusLine();

    const QString newName = m_item->compressedName();
    m_ui->label_newName->setToolTip(newName.isEmpty() ? QString() : literalToolTip(newName));
    elideNewName();
    if (m_item->hasResult() && m_item->resultCode() == GSCompressor::Success && !newName.isEmpty()) {
        showSavedShare();
    } else {
        m_ui->label_newSize->setText(localNumbers(m_item->compressedSizeText()));
    }

    MyMarkButton* mark = m_ui->btn_convert_finished;
    if (m_item->hasResult()) {
        showResultMark();
        // A copy that does not fit went out all the same: the mark shows it.
        mark->setEnabled(
            m_item->resultCode() == GSCompressor::Success || m_item->resultCode() == FitSearch::DoesNotFit);
    }
    mark->setVisible(m_item->hasResult() && !m_item->isCompressing());
    mark->setAccessibleName(mark->isEnabled() ? tr("Show the compressed file in its folder") : statusLine());
    updateAccessibleText();
}

QString FileItemWidget::statusLine() const
{
    if (m_item->isCompressing()) {
        if (m_item->progressPageCount() <= 0) {
            return QString();
        }
        // After the last page the rewrite is checked and weighed against the source, which takes a
        // while on a long document: the row says so rather than standing on its last page.
        QString progress = m_item->progressPage() >= m_item->progressPageCount()
            ? tr("Choosing the smallest copy…")
            : tr("Page %1 of %2").arg(m_item->progressPage()).arg(m_item->progressPageCount());
        // A search for a size says which of its tries the pages belong to.
        if (m_item->fitTry() > 0) {
            progress = tr("Try %1: %2").arg(m_item->fitTry()).arg(progress);
        }
        return progress;
    }
    if (m_item->wasStopped()) {
        return tr("Stopped");
    }
    if (!m_item->hasResult()) {
        return settingName();
    }
    if (m_item->resultCode() == FitSearch::DoesNotFit) {
        return notFittingText();
    }
    if (m_item->resultCode() != GSCompressor::Success) {
        return failureReason(m_item->resultCode());
    }
    if (auto* pdf = qobject_cast<PDFFileItem*>(m_item)) {
        switch (pdf->unchangedReason()) {
        case PDFFileItem::Unchanged::No:
            break;
        case PDFFileItem::Unchanged::NotSmaller:
            return tr("Handed back unchanged: it could not be made smaller.");
        case PDFFileItem::Unchanged::ForNavigation:
            return tr("Handed back unchanged, to keep its links and bookmarks.");
        }
    }
    return settingName();
}

QString FileItemWidget::settingName() const
{
    // Locked and unread documents have no setting to speak of yet.
    if (m_item->isChecking() || m_item->isLocked()) {
        return QString();
    }
    const CompressSetting setting = m_item->nextSetting();
    switch (setting.mode) {
    case High:
        return QCoreApplication::translate("CompressSettingWidget", "Small File Size");
    case Medium:
        return QCoreApplication::translate("CompressSettingWidget", "Medium File Size");
    case Low:
        return QCoreApplication::translate("CompressSettingWidget", "Large File Size");
    case FitUnder:
        return tr("Fit under %1").arg(TargetSizeSpinBox::sizeText(setting.targetSize));
    default:
        return tr("Level %1").arg(setting.effectiveLevel());
    }
}

QString FileItemWidget::notFittingText() const
{
    return tr("Smallest possible: %1, over %2")
        .arg(localNumbers(m_item->compressedSizeText()), TargetSizeSpinBox::sizeText(m_item->runSetting().targetSize));
}

// The line shares the column of the new name: a long reason is cut to it, and the tooltip has it whole.
void FileItemWidget::showStatusLine()
{
    const QString text = statusLine();
    QLabel* label = m_ui->label_3;
    const int width = std::max(m_ui->label_newName->width(), m_ui->label_newName->minimumWidth());
    const QString shown = label->fontMetrics().elidedText(text, Qt::ElideRight, width);
    label->setText(shown);
    label->setToolTip(shown == text ? QString() : literalToolTip(text));
}

QString FileItemWidget::accessibleText() const
{
    QStringList parts { m_item->fileName() };
    for (const QString& part :
        { m_ui->label_pages->text(), statusLine(), m_item->compressedName(), m_ui->label_newSize->text() }) {
        if (!part.isEmpty()) {
            parts << part;
        }
    }
    return parts.join(QStringLiteral(", "));
}

void FileItemWidget::updateAccessibleText()
{
    const QString text = accessibleText();
    if (text == accessibleName()) {
        return;
    }
    setAccessibleName(text);
    emit accessibleTextChanged(text);
}

void FileItemWidget::openOutpuFilePath() { FileBrowser::revealFile(m_item->outputPath()); }

void FileItemWidget::btn_icon_clicked()
{
    if (m_item->isLocked()) {
        pdfDecrypt();
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(m_item->filePath()));
}

void FileItemWidget::pdfDecrypt()
{
    auto* pdf = qobject_cast<PDFFileItem*>(m_item);
    if (pdf == nullptr) {
        return;
    }
    // The dialog releases itself when it closes. Rows are dropped and built again as they leave and
    // enter the view, so after the dialog has run only the item is taken for granted.
    QPointer<FileItemWidget> self = this;
    QPointer<EnterPassword> dialog = new EnterPassword(pdf, MainWindow::instance());
    ModalDialogs::exec(dialog);
    if (dialog && !dialog->isVisible()) {
        dialog->deleteLater();
    }
    // The item shows its new state itself: unlocking tells every row that shows it.
    if (self && !m_item->isLocked()) {
        emit decryptionSuccess();
    }
}

void FileItemWidget::openCompressSetting()
{
    // The item keeps the choice, so it outlives this row; the dialog goes with the row if it leaves.
    FileItem* const item = m_item;
    QPointer<CompressSettingWidget> dialog = settingDialog();
    dialog->setDocumentName(item->fileName());
    dialog->loadSetting();
    if (ModalDialogs::exec(dialog) != QDialog::Accepted || !dialog) {
        return; // cancelled: the result on show stays, and so does everything else
    }
    item->setRowSetting(dialog->currentSetting());
    // Only a setting that changed makes a result stale; "Apply to all" may have changed every row's.
    SignalTransferStation::instance()->updateAllItemStatus();
}
