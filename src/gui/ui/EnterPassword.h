#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
    class EnterPassword;
}
class PDFFileItem;

/**
 * Asks for the open password of one locked document and tries it on the item: closes when the item
 * accepts it, says "Incorrect Password" and stays open when it does not. Released when it closes.
 */
class EnterPassword final : public QDialog
{
    Q_OBJECT

public:
    EnterPassword(PDFFileItem* item, QWidget* parent);
    ~EnterPassword() override;

private slots:
    void btn_ok_clicked();
    void btn_cencel_clicked();

private:
    void tryPassword();
    void applyLabelRule();

    const std::unique_ptr<Ui::EnterPassword> m_ui;
    PDFFileItem* const m_item; // owned by the file list, outlives this dialog
};
