#include "foundation/LanguageCode.h"
#include "foundation/ProductConstants.h"
#include "foundation/SettingsStore.h"
#include "services/MultiLanguage.h"
#include "support/TestHome.h"
#include "ui/CompressSettingWidget.h"
#include "ui/TargetSizeSpinBox.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QtTest>

Q_DECLARE_METATYPE(CompressSetting)

namespace {
    /** What the user sees of one dialog. */
    struct Shown
    {
        QString checkedMode;
        int level;
        int enabledCustomControls; // the slider and its two end labels: 0 or 3, never between
        bool applyToAll;
    };

    /** The last confirmed choice, as the settings file holds it; -1 for a key that is absent. */
    QPair<int, int> storedChoice()
    {
        const QSettings file(Product::settingsFilePath(), QSettings::IniFormat);
        return { file.value("Compressor/mode", -1).toInt(), file.value("Compressor/level", -1).toInt() };
    }

    // Radio buttons and check boxes answer to clicks on their indicator and text, not on empty space.
    void clickIndicator(QAbstractButton* button)
    {
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(8, button->height() / 2));
    }
} // namespace

class TestCompressSettingWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void formAsSpecified();
    void freshSettingsOpenWithSmallFileSize();
    void customEnablesTheSlider();
    void okStoresTheChoice_data();
    void okStoresTheChoice();
    void cancelAndEscapeChangeNothing_data();
    void cancelAndEscapeChangeNothing();
    void applyToAllReachesEveryDialog();
    void fitUnderIsStoredRestoredAndAppliedToAll_data();
    void fitUnderIsStoredRestoredAndAppliedToAll();
    void targetSizesReadAsTheBoxShowsThem_data();
    void targetSizesReadAsTheBoxShowsThem();
    void storedValuesOutOfRange_data();
    void storedValuesOutOfRange();
    void followsTheLanguage();

private:
    /** A dialog as a row makes it, after the settings file holds mode and level (when given). */
    std::unique_ptr<CompressSettingWidget> makeDialog();
    void storeChoice(int mode, int level);
    Shown shown(CompressSettingWidget& dialog) const;
    void choose(CompressSettingWidget& dialog, const QString& mode, int level = 0, bool applyToAll = false);
    void clickOk(CompressSettingWidget& dialog);

    std::unique_ptr<TestHome> m_home;
};

void TestCompressSettingWidget::init()
{
    m_home = std::make_unique<TestHome>();
    SettingsStore::destroyInstance();
    CompressSetting::setApplyToAll(false);
    CompressSetting::globalSetting() = CompressSetting();
}

void TestCompressSettingWidget::cleanup()
{
    SettingsStore::destroyInstance();
    CompressSetting::setApplyToAll(false);
    CompressSetting::globalSetting() = CompressSetting();
    m_home.reset();
}

std::unique_ptr<CompressSettingWidget> TestCompressSettingWidget::makeDialog()
{
    auto dialog = std::make_unique<CompressSettingWidget>(nullptr);
    dialog->loadSetting();
    dialog->show();
    return dialog;
}

void TestCompressSettingWidget::storeChoice(int mode, int level)
{
    QDir().mkpath(Product::configFolder());
    QSettings file(Product::settingsFilePath(), QSettings::IniFormat);
    file.setValue("Compressor/mode", mode);
    file.setValue("Compressor/level", level);
    file.sync();
}

Shown TestCompressSettingWidget::shown(CompressSettingWidget& dialog) const
{
    Shown result {};
    for (QRadioButton* button : dialog.findChildren<QRadioButton*>()) {
        if (button->isChecked()) {
            result.checkedMode = button->objectName();
        }
    }
    auto* slider = dialog.findChild<QSlider*>("customSlider");
    result.level = slider->value();
    for (QWidget* control : { static_cast<QWidget*>(slider), dialog.findChild<QWidget*>("sliderLabel"),
             dialog.findChild<QWidget*>("sliderLabel1") }) {
        result.enabledCustomControls += control->isEnabled() ? 1 : 0;
    }
    result.applyToAll = dialog.findChild<QCheckBox*>("checkBoxApplyToAll")->isChecked();
    return result;
}

void TestCompressSettingWidget::choose(CompressSettingWidget& dialog, const QString& mode, int level, bool applyToAll)
{
    clickIndicator(dialog.findChild<QRadioButton*>(mode));
    if (level > 0) {
        auto* slider = dialog.findChild<QSlider*>("customSlider");
        QTest::keyClick(slider, Qt::Key_Home);
        for (int step = 1; step < level; ++step) {
            QTest::keyClick(slider, Qt::Key_Right);
        }
    }
    auto* box = dialog.findChild<QCheckBox*>("checkBoxApplyToAll");
    if (box->isChecked() != applyToAll) {
        clickIndicator(box);
    }
}

void TestCompressSettingWidget::clickOk(CompressSettingWidget& dialog)
{
    QTest::mouseClick(dialog.findChild<QPushButton*>("btn_ok"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
}

void TestCompressSettingWidget::formAsSpecified()
{
    const auto dialog = makeDialog();
    QCOMPARE(dialog->objectName(), QStringLiteral("CompressSettingWidget"));
    QCOMPARE(dialog->size(), QSize(390, 316));
    QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Compress Setting"));
    QVERIFY(!dialog->windowFlags().testFlag(Qt::WindowContextHelpButtonHint));

    const QStringList texts = { "btn_high=Small File Size", "label=High compression, low quality.",
        "btn_medium=Medium File Size", "label_2=Medium compression, medium quality.", "btn_low=Large File Size",
        "label_3=Low compression, high quality.", "btn_custom=Custom", "sliderLabel1=Small Size",
        "sliderLabel=Large Size", "btn_fit=Fit under", "checkBoxApplyToAll=Apply to all", "btn_cancel=Cancel",
        "btn_ok=OK" };
    for (const QString& entry : texts) {
        const QString name = entry.section('=', 0, 0);
        auto* widget = dialog->findChild<QWidget*>(name);
        QVERIFY2(widget, qPrintable(name));
        QCOMPARE(widget->property("text").toString(), entry.section('=', 1));
    }
    QCOMPARE(dialog->findChild<QWidget*>("btn_ok")->geometry(), QRect(300, 276, 75, 23));
    QCOMPARE(dialog->findChild<QWidget*>("btn_cancel")->geometry(), QRect(210, 276, 75, 23));
    QCOMPARE(dialog->findChild<QWidget*>("checkBoxApplyToAll")->geometry(), QRect(22, 276, 171, 21));

    auto* slider = dialog->findChild<QSlider*>("customSlider");
    QCOMPARE(slider->minimum(), 1);
    QCOMPARE(slider->maximum(), 10);
    QCOMPARE(slider->pageStep(), 1);
    QVERIFY(!slider->hasTracking());
    QCOMPARE(slider->orientation(), Qt::Horizontal);
    // Every control fits inside the dialog.
    for (QWidget* child : dialog->findChildren<QWidget*>()) {
        const QRect inDialog(child->mapTo(dialog.get(), QPoint()), child->size());
        QVERIFY2(dialog->rect().contains(inDialog), qPrintable(child->objectName()));
    }
}

void TestCompressSettingWidget::freshSettingsOpenWithSmallFileSize()
{
    const auto dialog = makeDialog();
    const Shown state = shown(*dialog);
    QCOMPARE(state.checkedMode, QStringLiteral("btn_high"));
    QCOMPARE(state.level, 5);
    QCOMPARE(state.enabledCustomControls, 0);
    QVERIFY(!state.applyToAll);
    QCOMPARE(dialog->currentSetting(), (CompressSetting { High, 5 }));
}

void TestCompressSettingWidget::customEnablesTheSlider()
{
    const auto dialog = makeDialog();
    choose(*dialog, "btn_custom");
    QCOMPARE(shown(*dialog).enabledCustomControls, 3);
    choose(*dialog, "btn_medium");
    QCOMPARE(shown(*dialog).enabledCustomControls, 0);

    // A dialog whose own setting is Custom opens with them enabled.
    storeChoice(Custom, 7);
    SettingsStore::destroyInstance();
    const auto custom = makeDialog();
    const Shown state = shown(*custom);
    QCOMPARE(state.checkedMode, QStringLiteral("btn_custom"));
    QCOMPARE(state.enabledCustomControls, 3);
    QCOMPARE(state.level, 7);
}

void TestCompressSettingWidget::okStoresTheChoice_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("level");
    QTest::addColumn<CompressSetting>("expected");

    QTest::newRow("custom 8") << "btn_custom" << 8 << CompressSetting { Custom, 8 };
    QTest::newRow("custom 1") << "btn_custom" << 1 << CompressSetting { Custom, 1 };
    QTest::newRow("medium keeps the untouched level") << "btn_medium" << 0 << CompressSetting { Medium, 5 };
    QTest::newRow("low keeps a moved level") << "btn_low" << 9 << CompressSetting { Low, 9 };
}

void TestCompressSettingWidget::okStoresTheChoice()
{
    QFETCH(QString, mode);
    QFETCH(int, level);
    QFETCH(CompressSetting, expected);

    const auto dialog = makeDialog();
    if (mode != "btn_custom" && level > 0) {
        // The slider only moves while Custom is chosen.
        choose(*dialog, "btn_custom", level);
    }
    choose(*dialog, mode, mode == "btn_custom" ? level : 0);
    QSignalSpy applied(dialog.get(), &CompressSettingWidget::settingApplyToAll);
    clickOk(*dialog);

    QCOMPARE(dialog->currentSetting(), expected);
    QCOMPARE(storedChoice(), qMakePair(expected.mode, int(expected.level)));
    QCOMPARE(applied.size(), 0);
    QVERIFY(!CompressSetting::applyToAll());

    // Rows made later start from the confirmed choice.
    SettingsStore::destroyInstance();
    const auto later = makeDialog();
    QCOMPARE(later->currentSetting(), expected);
    QCOMPARE(shown(*later).checkedMode, mode);
}

void TestCompressSettingWidget::cancelAndEscapeChangeNothing_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("Cancel") << false;
    QTest::newRow("Escape") << true;
}

void TestCompressSettingWidget::cancelAndEscapeChangeNothing()
{
    QFETCH(bool, escape);
    storeChoice(Medium, 4);
    const auto dialog = makeDialog();
    QSignalSpy applied(dialog.get(), &CompressSettingWidget::settingApplyToAll);
    choose(*dialog, "btn_custom", 9, true);

    if (escape) {
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
    } else {
        QTest::mouseClick(dialog->findChild<QPushButton*>("btn_cancel"), Qt::LeftButton);
    }
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QCOMPARE(applied.size(), 0);
    QVERIFY(!CompressSetting::applyToAll());
    QCOMPARE(dialog->currentSetting(), (CompressSetting { Medium, 4 }));
    QCOMPARE(storedChoice(), qMakePair(int(Medium), 4));

    // Opened again, it shows the previous choice.
    dialog->loadSetting();
    const Shown state = shown(*dialog);
    QCOMPARE(state.checkedMode, QStringLiteral("btn_medium"));
    QCOMPARE(state.level, 4);
    QCOMPARE(state.enabledCustomControls, 0);
    QVERIFY(!state.applyToAll);
}

void TestCompressSettingWidget::applyToAllReachesEveryDialog()
{
    const auto first = makeDialog();
    const auto second = makeDialog();
    QSignalSpy applied(first.get(), &CompressSettingWidget::settingApplyToAll);

    choose(*first, "btn_custom", 8, true);
    clickOk(*first);
    QCOMPARE(applied.size(), 1);
    QVERIFY(CompressSetting::applyToAll());

    // Another row, and a row added afterwards, show and use the same choice with the box checked.
    SettingsStore::destroyInstance();
    const auto added = makeDialog();
    for (CompressSettingWidget* dialog : { second.get(), added.get() }) {
        dialog->loadSetting();
        const Shown state = shown(*dialog);
        QCOMPARE(state.checkedMode, QStringLiteral("btn_custom"));
        QCOMPARE(state.level, 8);
        QCOMPARE(state.enabledCustomControls, 3);
        QVERIFY(state.applyToAll);
        QCOMPARE(dialog->currentSetting(), (CompressSetting { Custom, 8 }));
    }

    // OK without the box in any dialog switches it off: every row has its own setting again.
    second->show();
    choose(*second, "btn_low", 0, false);
    clickOk(*second);
    QCOMPARE(applied.size(), 1);
    QVERIFY(!CompressSetting::applyToAll());
    QCOMPARE(second->currentSetting(), (CompressSetting { Low, 8 }));
    QCOMPARE(first->currentSetting(), (CompressSetting { Custom, 8 }));
    QCOMPARE(added->currentSetting(), (CompressSetting { Custom, 8 }));
    first->loadSetting();
    QVERIFY(!shown(*first).applyToAll);
}

void TestCompressSettingWidget::fitUnderIsStoredRestoredAndAppliedToAll_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("shownText");

    QTest::newRow("megabytes") << "1.5 MB" << qint64(1536) * 1024 << "1.5 MB";
    QTest::newRow("kilobytes") << "800 KB" << qint64(800) * 1024 << "800 KB";
    QTest::newRow("half a megabyte shows in kilobytes") << "0.5 MB" << qint64(512) * 1024 << "512 KB";
    QTest::newRow("a number alone is in the unit shown") << "3" << (qint64(3) << 20) << "3.0 MB";
    QTest::newRow("below the smallest target") << "1 KB" << CompressSetting::minimumTargetSize << "10 KB";
}

void TestCompressSettingWidget::fitUnderIsStoredRestoredAndAppliedToAll()
{
    QFETCH(QString, typed);
    QFETCH(qint64, bytes);
    QFETCH(QString, shownText);

    const auto dialog = makeDialog();
    const auto other = makeDialog();
    auto* size = dialog->findChild<QAbstractSpinBox*>("spinBox_targetSize");
    QVERIFY(size != nullptr);
    QVERIFY(!size->isEnabled());
    choose(*dialog, "btn_fit", 0, true);
    QVERIFY(size->isEnabled());
    QCOMPARE(shown(*dialog).enabledCustomControls, 0);
    size->setFocus();
    QTest::keyClick(size, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(size, typed);
    clickOk(*dialog);

    const CompressSetting expected { FitUnder, 5, bytes };
    QCOMPARE(dialog->currentSetting(), expected);
    QCOMPARE(dialog->currentSetting().targetSize, bytes);
    QSettings file(Product::settingsFilePath(), QSettings::IniFormat);
    QCOMPARE(file.value("Compressor/mode").toInt(), int(FitUnder));
    QCOMPARE(file.value("Compressor/targetSize").toLongLong(), bytes);

    // "Apply to all" hands the size to every row.
    QVERIFY(CompressSetting::applyToAll());
    QCOMPARE(other->currentSetting().targetSize, bytes);
    QCOMPARE(other->currentSetting().mode, qint32(FitUnder));

    // A row made later, with "Apply to all" off again, starts from the stored choice and shows it.
    CompressSetting::setApplyToAll(false);
    SettingsStore::destroyInstance();
    const auto later = makeDialog();
    QCOMPARE(later->currentSetting(), expected);
    QCOMPARE(shown(*later).checkedMode, QStringLiteral("btn_fit"));
    auto* laterSize = later->findChild<QAbstractSpinBox*>("spinBox_targetSize");
    QVERIFY(laterSize->isEnabled());
    QCOMPARE(laterSize->text(), shownText);
}

void TestCompressSettingWidget::targetSizesReadAsTheBoxShowsThem_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("whole megabytes") << (qint64(2) << 20) << "2 MB";
    // 2.2 MB is no whole number of bytes: the row must not cut what the box rounded to 2.19.
    QTest::newRow("a tenth") << qint64(2306867) << "2.2 MB";
    QTest::newRow("half") << qint64(1572864) << "1.5 MB";
    QTest::newRow("kilobytes") << qint64(512000) << "500 KB";
    QTest::newRow("just under a megabyte") << qint64(1048575) << "1024 KB";
}

// The rows name the size as the box shows it.
void TestCompressSettingWidget::targetSizesReadAsTheBoxShowsThem()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(TargetSizeSpinBox::sizeText(bytes), text);
}

void TestCompressSettingWidget::storedValuesOutOfRange_data()
{
    QTest::addColumn<int>("storedMode");
    QTest::addColumn<int>("storedLevel");
    QTest::addColumn<QString>("checkedMode");
    QTest::addColumn<int>("shownLevel");

    QTest::newRow("level 12 shows 10") << int(Custom) << 12 << "btn_custom" << 10;
    QTest::newRow("level 0 shows 1") << int(Custom) << 0 << "btn_custom" << 1;
    QTest::newRow("level -1 shows 1") << int(Custom) << -1 << "btn_custom" << 1;
    QTest::newRow("level 65537 shows 10") << int(Custom) << 65537 << "btn_custom" << 10;
    QTest::newRow("unknown mode shows Custom") << 7 << 6 << "btn_custom" << 6;
    QTest::newRow("negative mode, level 40") << -2 << 40 << "btn_custom" << 10;
    QTest::newRow("preset keeps a wild level hidden") << int(Low) << 12 << "btn_low" << 10;
}

void TestCompressSettingWidget::storedValuesOutOfRange()
{
    QFETCH(int, storedMode);
    QFETCH(int, storedLevel);
    QFETCH(QString, checkedMode);
    QFETCH(int, shownLevel);

    storeChoice(storedMode, storedLevel);
    const auto dialog = makeDialog();
    const Shown state = shown(*dialog);
    QCOMPARE(state.checkedMode, checkedMode);
    QCOMPARE(state.level, shownLevel);
    QCOMPARE(state.enabledCustomControls, checkedMode == "btn_custom" ? 3 : 0);
    // Until OK the row keeps what it read; the compressor clamps it the same way.
    QCOMPARE(dialog->currentSetting().mode, storedMode);
    QCOMPARE(CompressSetting::effectiveLevel(storedMode, dialog->currentSetting().level),
        CompressSetting::effectiveLevel(checkedMode == "btn_custom" ? int(Custom) : storedMode, shownLevel));

    clickOk(*dialog);
    const int storedModeAfter = checkedMode == "btn_custom" ? int(Custom) : storedMode;
    QCOMPARE(storedChoice(), qMakePair(storedModeAfter, shownLevel));
    QCOMPARE(dialog->currentSetting(), (CompressSetting { storedModeAfter, quint16(shownLevel) }));
}

void TestCompressSettingWidget::followsTheLanguage()
{
    const auto dialog = makeDialog();
    choose(*dialog, "btn_custom", 3);
    MultiLanguage::instance()->setLanguage(Japanese);
    const QString japanese = dialog->findChild<QRadioButton*>("btn_high")->text();
    const QString japaneseTitle = dialog->windowTitle();
    MultiLanguage::instance()->setLanguage(English);

    QVERIFY(!japanese.isEmpty());
    QVERIFY(japanese != QStringLiteral("Small File Size"));
    QVERIFY(japaneseTitle != QStringLiteral("Compress Setting"));
    QCOMPARE(dialog->findChild<QRadioButton*>("btn_high")->text(), QStringLiteral("Small File Size"));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Compress Setting"));
    // Switching texts leaves the user's unconfirmed choice alone.
    const Shown state = shown(*dialog);
    QCOMPARE(state.checkedMode, QStringLiteral("btn_custom"));
    QCOMPARE(state.level, 3);
}

QTEST_MAIN(TestCompressSettingWidget)
#include "TestCompressSettingWidget.moc"
