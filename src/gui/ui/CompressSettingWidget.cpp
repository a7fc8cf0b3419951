#include "ui/CompressSettingWidget.h"
#include "ui_CompressSettingWidget.h"

#include "foundation/SettingsStore.h"
#include "services/MultiLanguage.h"
#include "ui/ButtonTextRoom.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QCursor>
#include <QToolTip>

CompressSettingWidget::CompressSettingWidget(QWidget* parent)
    : CompressSettingWidget(parent, storedSetting())
{
}

CompressSettingWidget::CompressSettingWidget(QWidget* parent, const CompressSetting& ownSetting)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::CompressSettingWidget>())
    , m_modeGroup(new QButtonGroup(this))
    , m_setting(ownSetting)
{
    m_ui->setupUi(this);
    fitButtons();
    m_ui->customSlider->setAccessibleName(tr("Compression level"));

    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_modeGroup->addButton(m_ui->btn_high, High);
    m_modeGroup->addButton(m_ui->btn_medium, Medium);
    m_modeGroup->addButton(m_ui->btn_low, Low);
    m_modeGroup->addButton(m_ui->btn_custom, Custom);
    m_modeGroup->addButton(m_ui->btn_fit, FitUnder);
    m_ui->spinBox_targetSize->setAccessibleName(tr("Size to fit under"));

    loadSetting();

    connect(m_ui->btn_ok, &QPushButton::clicked, this, &CompressSettingWidget::acceptSetting);
    connect(m_ui->btn_cancel, &QPushButton::clicked, this, &CompressSettingWidget::reject);
    connect(m_ui->btn_custom, &QRadioButton::toggled, this, &CompressSettingWidget::setCustomEnabled);
    connect(m_ui->btn_fit, &QRadioButton::toggled, m_ui->spinBox_targetSize, &QWidget::setEnabled);
    connect(m_ui->customSlider, &QSlider::valueChanged, this, &CompressSettingWidget::showLevel);
    // The slider's steps are marked, and its level is said while it moves and in its tooltip.
    m_ui->customSlider->setTickPosition(QSlider::TicksBelow);
    m_ui->customSlider->setTickInterval(1);
    showLevel(m_ui->customSlider->value());
    connect(MultiLanguage::instance(), &MultiLanguage::languageChanged, this, &CompressSettingWidget::retranslate);
}

CompressSettingWidget::~CompressSettingWidget() = default;

CompressSetting CompressSettingWidget::storedSetting()
{
    const SettingsStore* store = SettingsStore::instance();
    CompressSetting setting;
    setting.mode = store->compressMode();
    // A hand-edited level is brought into range before it meets the unsigned field: -1 must read as 1, not wrap.
    setting.level = static_cast<quint16>(
        qBound(CompressSetting::minimumLevel, store->compressLevel(), CompressSetting::maximumLevel));
    const qint64 target = store->compressTargetSize();
    setting.targetSize = target > 0
        ? qBound(CompressSetting::minimumTargetSize, target, CompressSetting::maximumTargetSize)
        : CompressSetting::defaultTargetSize;
    return setting;
}

const CompressSetting& CompressSettingWidget::currentSetting() const
{
    return CompressSetting::applyToAll() ? CompressSetting::globalSetting() : m_setting;
}

void CompressSettingWidget::loadSetting()
{
    setCustomEnabled(false);
    const CompressSetting& setting = currentSetting();
    // The compressor treats any mode it does not know as Custom; the dialog shows what will happen.
    const int mode = (setting.mode >= High && setting.mode <= FitUnder) ? setting.mode : Custom;
    m_modeGroup->button(mode)->setChecked(true);
    m_ui->spinBox_targetSize->setBytes(setting.targetSize);
    m_ui->spinBox_targetSize->setEnabled(mode == FitUnder);
    m_ui->checkBoxApplyToAll->setChecked(CompressSetting::applyToAll());
    if (mode == Custom) {
        setCustomEnabled(true);
    }
    // The slider brings a level outside 1..10 into its range.
    m_ui->customSlider->setValue(setting.level);
}

void CompressSettingWidget::setCustomEnabled(bool enabled)
{
    m_ui->customSlider->setEnabled(enabled);
    m_ui->sliderLabel->setEnabled(enabled);
    m_ui->sliderLabel1->setEnabled(enabled);
}

void CompressSettingWidget::acceptSetting()
{
    m_setting.mode = m_modeGroup->checkedId();
    m_setting.level = static_cast<quint16>(m_ui->customSlider->value());
    // A size typed but not yet confirmed with Enter counts as chosen.
    m_ui->spinBox_targetSize->interpretText();
    m_setting.targetSize = m_ui->spinBox_targetSize->bytes();

    // Accepting with the box cleared switches the global setting off for every row.
    const bool applyToAll = m_ui->checkBoxApplyToAll->isChecked();
    CompressSetting::setApplyToAll(applyToAll);
    if (applyToAll) {
        CompressSetting::globalSetting() = m_setting;
        emit settingApplyToAll();
    }

    SettingsStore* store = SettingsStore::instance();
    store->setCompressMode(m_setting.mode);
    store->setCompressLevel(m_setting.level);
    store->setCompressTargetSize(m_setting.targetSize);
    accept();
}

void CompressSettingWidget::retranslate()
{
    m_ui->retranslateUi(this);
    fitButtons();
    m_ui->customSlider->setAccessibleName(tr("Compression level"));
    m_ui->spinBox_targetSize->setAccessibleName(tr("Size to fit under"));
    m_ui->spinBox_targetSize->refreshText();
    showTitle();
    showLevel(m_ui->customSlider->value());
}

void CompressSettingWidget::setDocumentName(const QString& name)
{
    m_documentName = name;
    setWindowTitle(QCoreApplication::translate("CompressSettingWidget", "Compress Setting"));
    showTitle();
}

void CompressSettingWidget::showTitle()
{
    if (!m_documentName.isEmpty()) {
        setWindowTitle(windowTitle() + QStringLiteral(" — ") + m_documentName);
    }
}

void CompressSettingWidget::showLevel(int level)
{
    const QString text = tr("Level %1").arg(level);
    m_ui->customSlider->setToolTip(text);
    m_ui->customSlider->setAccessibleDescription(text);
    if (m_ui->customSlider->isSliderDown()) {
        QToolTip::showText(QCursor::pos(), text, m_ui->customSlider);
    }
}

void CompressSettingWidget::fitButtons()
{
    ButtonTextRoom::fit(m_ui->btn_cancel);
    ButtonTextRoom::fit(m_ui->btn_ok);
}
