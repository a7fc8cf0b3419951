#pragma once

#include "engine/CompressSetting.h"

#include <QPointer>
#include <QWidget>
#include <memory>

namespace Ui {
    class FileItemWidget;
}
class CompressSettingWidget;
class FileItem;

/**
 * One row of the main window's file list: the document's icon, name, size and page count, the new
 * name and size after a compression, and on the right the unlock button, the settings button and
 * the busy indicator or the result mark. It only shows its item, which holds everything the row
 * stands for, so a row can be dropped when it leaves the view and built again when it comes back.
 */
class FileItemWidget : public QWidget
{
    Q_OBJECT

public:
    /** Builds the row for item (owned by the file list, outlives the row). */
    FileItemWidget(FileItem* item, QWidget* parent);
    ~FileItemWidget() override;

    /** The setting the next run uses for this row: the global one while "Apply to all" is on. */
    CompressSetting compressSetting() const;

    FileItem* item() const { return m_item; }
    /** Full path of the last file this row's compression delivered; empty until one is reported. */
    QString outputPath() const;
    /** The row's settings dialog, built the first time anyone asks for it: most rows never open it. */
    CompressSettingWidget* settingDialog();

    /** Why a compression ended with code, as the failure mark's tooltip says it. */
    static QString failureReason(int code);
    /** A size as formatFileSize() writes it, with the decimal separator of the interface's language. */
    static QString localNumbers(const QString& size);
    /** Rich text that shows text exactly as it is, for tooltips that carry file names. */
    static QString literalToolTip(const QString& text);

    /** What a screen reader says for the row: name, pages, state and result, in the user's language. */
    QString accessibleText() const;

signals:
    /** The user unlocked the document. */
    void decryptionSuccess();
    /** The row now reads differently: the list gives its entry the new text. */
    void accessibleTextChanged(const QString& text);

public slots:
    void pdfDecrypt();
    void btn_icon_clicked();
    void openCompressSetting();
    void openOutpuFilePath();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setUpRow();
    /** Icon, page count and buttons as the item's inspection left them; "checking" until it ends. */
    void showDetails();
    /** The busy indicator and progress, or the result mark with the new name and size. */
    void showRunState();
    void connectSignals();
    void setIconStyle(const QString& iconName);
    void showPageCount();
    void retranslate();
    void elideName();
    void elideNewName();
    void showResultMark();
    void showSavedShare();
    /** The row's third line: the page being written, or why the last compression ended as it did. */
    QString statusLine() const;
    /** What a row whose copy does not fit under its size says: both sizes. */
    QString notFittingText() const;
    void showStatusLine();
    void updateAccessibleText();
    /** The setting the next run gives the document, as the settings dialog names it. */
    QString settingName() const;

    const std::unique_ptr<Ui::FileItemWidget> m_ui;
    FileItem* const m_item;
    // Parented to the main window like every dialog, but released together with the row.
    QPointer<CompressSettingWidget> m_settingDialog;
    QString m_iconName;
};
