#pragma once

#include "engine/CompressSetting.h"

#include <QDialog>
#include <memory>

namespace Ui {
    class CompressSettingWidget;
}
class QButtonGroup;

/**
 * The modal dialog in which the user picks the compression setting of one row: a preset or a
 * custom level, optionally for every row at once. Each row owns one; the last accepted choice is
 * remembered in the settings file and starts the rows added later.
 */
class CompressSettingWidget final : public QDialog
{
    Q_OBJECT

public:
    /** A dialog whose own setting starts as the one stored in the settings file. */
    explicit CompressSettingWidget(QWidget* parent);
    /** A dialog whose own setting starts as ownSetting (what the stored one was when its row was made). */
    CompressSettingWidget(QWidget* parent, const CompressSetting& ownSetting);
    ~CompressSettingWidget() override;

    /** The setting the row compresses with: the global one while "Apply to all" is on, else its own. */
    const CompressSetting& currentSetting() const;
    /** The setting the settings file holds, as a new dialog takes it over. */
    static CompressSetting storedSetting();
    /** Shows currentSetting() in the controls; the row calls it before running the dialog. */
    void loadSetting();
    /** Names the document the dialog is for in its title. */
    void setDocumentName(const QString& name);

signals:
    /** The user accepted with "Apply to all" checked: every row is to be compressed again. */
    void settingApplyToAll();

public slots:
    /** Enables or disables the slider and its two end labels together. */
    void setCustomEnabled(bool enabled);
    /** The OK handler: keeps the choice, updates the apply-to-all state and the settings file. */
    void acceptSetting();

private:
    void retranslate();
    void showTitle();
    void showLevel(int level);
    /** Gives the buttons room for their texts in the current language. */
    void fitButtons();

    const std::unique_ptr<Ui::CompressSettingWidget> m_ui;
    QButtonGroup* const m_modeGroup; // child of this dialog
    CompressSetting m_setting;
    QString m_documentName;
};
