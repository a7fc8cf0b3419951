#include "ui/FileItemWidget.h"
#include "ui_FileItemWidget.h"

#include "documents/FileItem.h"
#include "documents/PDFFileItem.h"
#include "documents/SignalTransferStation.h"
#include "services/MultiLanguage.h"
#include "ui/CompressSettingWidget.h"
#include "ui/EnterPassword.h"
#include "ui/FileBrowser.h"
#include "ui/MainWindow.h"
#include "ui/ModalDialogs.h"

#include <QDesktopServices>
#include <QEvent>
#include <QIcon>
#include <QUrl>

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
    m_initialSetting = CompressSettingWidget::storedSetting();
    setUpRow();
    connectSignals();
}

FileItemWidget::~FileItemWidget() { delete m_settingDialog.data(); }

CompressSettingWidget* FileItemWidget::settingDialog()
{
    if (m_settingDialog == nullptr) {
        m_settingDialog = new CompressSettingWidget(MainWindow::instance(), m_initialSetting);
        connect(m_settingDialog, &CompressSettingWidget::settingApplyToAll, SignalTransferStation::instance(),
            &SignalTransferStation::changeProcessedState);
    }
    return m_settingDialog;
}

CompressSetting FileItemWidget::compressSetting()
{
    if (m_settingDialog != nullptr) {
        return m_settingDialog->currentSetting();
    }
    return CompressSetting::applyToAll() ? CompressSetting::globalSetting() : m_initialSetting;
}

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

    m_ui->label_name->installEventFilter(this);
    m_ui->label_newName->installEventFilter(this);
    m_ui->label_name->setToolTip(m_item->fileName());
    elideName();
    m_ui->label_size->setText(m_item->sizeText());
    m_ui->label_pages->setVisible(m_item->suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0);
    retranslate();
    showDetails();
}

void FileItemWidget::showDetails()
{
    const bool checking = m_item->isChecking();
    // A document being checked, or one qpdf could not inspect, shows as an ordinary PDF.
    setIconStyle(checking || m_item->iconName().isEmpty() ? openIconName : m_item->iconName());
    showPageCount();
    const bool locked = !checking && m_item->isLocked();
    m_ui->btn_decrypt->setVisible(locked);
    m_ui->btn_compressSetting->setVisible(!checking && !locked);
}

void FileItemWidget::connectSignals()
{
    connect(m_ui->btn_icon, &QPushButton::clicked, this, &FileItemWidget::btn_icon_clicked);
    connect(m_item, &FileItem::processFinishedSignal, this, &FileItemWidget::processFinished);
    connect(m_item, &FileItem::processing, this, &FileItemWidget::startProcess);
    connect(m_item, &FileItem::outputFileSignal, this, &FileItemWidget::saveOutputFilePath);
    connect(m_item, &FileItem::detailsChanged, this, &FileItemWidget::showDetails);
    connect(m_ui->btn_convert_finished, &MyMarkButton::buttonHide, this, &FileItemWidget::changeProcessedState);
    connect(m_ui->btn_decrypt, &QPushButton::clicked, this, &FileItemWidget::pdfDecrypt);
    connect(m_ui->btn_compressSetting, &QPushButton::clicked, this, &FileItemWidget::openCompressSetting);
    connect(m_ui->btn_convert_finished, &QPushButton::clicked, this, &FileItemWidget::openOutpuFilePath);

    SignalTransferStation* station = SignalTransferStation::instance();
    // The mark is the context: the connection goes with the row.
    connect(station, &SignalTransferStation::changeProcessedState, m_ui->btn_convert_finished, &QWidget::hide);

    if (auto* pdf = qobject_cast<PDFFileItem*>(m_item)) {
        connect(pdf, &PDFFileItem::CompressedInfo, this, &FileItemWidget::showCompressedInfo);
    }
    connect(MultiLanguage::instance(), &MultiLanguage::languageChanged, this, &FileItemWidget::retranslate);
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
    m_ui->label_pages->setText(m_item->isChecking() ? tr("Checking…") : tr("%1 Pages").arg(m_item->pageCount()));
}

void FileItemWidget::retranslate()
{
    showPageCount();
    m_ui->btn_decrypt->setToolTip(tr("Unlock the document with its password"));
    m_ui->btn_compressSetting->setToolTip(tr("Compression settings"));
    m_ui->btn_convert_finished->setToolTip(tr("Show the compressed file in its folder"));
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
    label->setText(label->fontMetrics().elidedText(m_newName, Qt::ElideMiddle, label->width()));
}

bool FileItemWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize) {
        if (watched == m_ui->label_name) {
            elideName();
        } else if (watched == m_ui->label_newName) {
            elideNewName();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FileItemWidget::startProcess() { m_ui->label_waiting->showRotating(); }

void FileItemWidget::processFinished(int code)
{
    m_ui->label_waiting->hideRotating();
    m_ui->btn_convert_finished->setEnabled(code == 0);
    m_ui->btn_convert_finished->show();
}

void FileItemWidget::showCompressedInfo(const QString& name, const QString& size)
{
    m_newName = name;
    m_ui->label_newName->setToolTip(name);
    elideNewName();
    m_ui->label_newSize->setText(size);
}

void FileItemWidget::saveOutputFilePath(const QString& path) { m_outputPath = path; }

void FileItemWidget::openOutpuFilePath() { FileBrowser::revealFile(m_outputPath); }

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
    // The dialog releases itself when it closes.
    QPointer<EnterPassword> dialog = new EnterPassword(pdf, MainWindow::instance());
    ModalDialogs::exec(dialog);
    if (dialog && !dialog->isVisible()) {
        dialog->deleteLater();
    }
    if (m_item->isLocked()) {
        return;
    }
    setIconStyle(openIconName);
    m_ui->btn_decrypt->hide();
    m_ui->btn_compressSetting->show();
    // The item learned the true page count when the password opened the document.
    showPageCount();
    emit decryptionSuccess();
}

void FileItemWidget::openCompressSetting()
{
    m_item->resetProcessed();
    m_ui->btn_convert_finished->hide();
    CompressSettingWidget* dialog = settingDialog();
    dialog->loadSetting();
    ModalDialogs::exec(dialog);
}

void FileItemWidget::changeProcessedState()
{
    m_item->resetProcessed();
    m_newName.clear();
    m_ui->label_newName->clear();
    m_ui->label_newName->setToolTip(QString());
    m_ui->label_newSize->clear();
}
