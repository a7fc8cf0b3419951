#include "ui/EnterPassword.h"
#include "ui_EnterPassword.h"

#include "documents/PDFFileItem.h"
#include "ui/ButtonTextRoom.h"

EnterPassword::EnterPassword(PDFFileItem* item, QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::EnterPassword>())
    , m_item(item)
{
    m_ui->setupUi(this);
    // Several locked documents may be listed: the title says which one this password is for.
    setWindowTitle(windowTitle() + QStringLiteral(" — ") + item->fileName());
    ButtonTextRoom::fit(m_ui->btn_cancel);
    ButtonTextRoom::fit(m_ui->btn_ok);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_ui->lineEdit_password->setStyleSheet(QStringLiteral("border: 3px solid rgb(151, 194, 245); border-radius: 3px;"));

    // The message keeps its space while hidden, so showing it never moves the field or the buttons.
    QSizePolicy messagePolicy = m_ui->label_incorrect_pwd->sizePolicy();
    messagePolicy.setRetainSizeWhenHidden(true);
    m_ui->label_incorrect_pwd->setSizePolicy(messagePolicy);
    m_ui->label_incorrect_pwd->hide();
    m_ui->lineEdit_password->setFocus();
    // Enter in the field tries the password, Escape cancels, as in every dialog of the desktop.
    m_ui->btn_ok->setDefault(true);

    connect(m_ui->lineEdit_password, &QLineEdit::textChanged, m_ui->label_incorrect_pwd, &QLabel::hide);
    connect(m_ui->btn_ok, &QPushButton::clicked, this, &EnterPassword::btn_ok_clicked);
    connect(m_ui->btn_cancel, &QPushButton::clicked, this, &EnterPassword::btn_cencel_clicked);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    applyLabelRule();
}

EnterPassword::~EnterPassword() = default;

void EnterPassword::btn_ok_clicked() { tryPassword(); }

void EnterPassword::btn_cencel_clicked() { reject(); }

void EnterPassword::tryPassword()
{
    switch (m_item->unlock(m_ui->lineEdit_password->text())) {
    case PDFFileItem::Unlock::Opened:
        accept();
        return;
    case PDFFileItem::Unlock::Damaged:
        // Another password would not help: say what is wrong instead of sending the user guessing.
        m_ui->label_incorrect_pwd->setText(tr("The document is damaged"));
        break;
    case PDFFileItem::Unlock::Refused:
        m_ui->label_incorrect_pwd->setText(tr("Incorrect Password"));
        break;
    }
    m_ui->label_incorrect_pwd->show();
}

void EnterPassword::applyLabelRule()
{
    if (m_item->needsOpenPassword()) {
        m_ui->label->setText(tr("Open password"));
    } else if (m_item->encrypted()) {
        m_ui->label->setText(tr("Print password"));
    }
    // The field is named by its label, which says which password it wants.
    m_ui->label->setBuddy(m_ui->lineEdit_password);
    m_ui->lineEdit_password->setAccessibleName(m_ui->label->text());
}
