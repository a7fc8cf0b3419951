#include "ui/ModalDialogs.h"

#include <QDialog>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

namespace {
    ModalDialogs::FileNamesAnswer& fileNamesAnswer()
    {
        static ModalDialogs::FileNamesAnswer answer;
        return answer;
    }

    ModalDialogs::FolderAnswer& folderAnswer()
    {
        static ModalDialogs::FolderAnswer answer;
        return answer;
    }

    ModalDialogs::DialogAnswer& dialogAnswer()
    {
        static ModalDialogs::DialogAnswer answer;
        return answer;
    }

    ModalDialogs::MenuAnswer& menuAnswer()
    {
        static ModalDialogs::MenuAnswer answer;
        return answer;
    }

    ModalDialogs::InformationAnswer& informationAnswer()
    {
        static ModalDialogs::InformationAnswer answer;
        return answer;
    }

    ModalDialogs::QuestionAnswer& questionAnswer()
    {
        static ModalDialogs::QuestionAnswer answer;
        return answer;
    }
} // namespace

QStringList ModalDialogs::openFileNames(
    QWidget* parent, const QString& caption, const QString& folder, const QString& filter)
{
    if (fileNamesAnswer()) {
        return fileNamesAnswer()(parent, caption, folder, filter);
    }
    return QFileDialog::getOpenFileNames(parent, caption, folder, filter);
}

QString ModalDialogs::existingDirectory(QWidget* parent, const QString& caption, const QString& folder)
{
    if (folderAnswer()) {
        return folderAnswer()(parent, caption, folder);
    }
    return QFileDialog::getExistingDirectory(parent, caption, folder, QFileDialog::ShowDirsOnly);
}

int ModalDialogs::exec(QDialog* dialog)
{
    if (dialogAnswer()) {
        return dialogAnswer()(dialog);
    }
    return dialog->exec();
}

bool ModalDialogs::question(QWidget* parent, const QString& title, const QString& text, const QString& acceptText)
{
    if (questionAnswer()) {
        return questionAnswer()(parent, title, text, acceptText);
    }
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    QPushButton* accept = box.addButton(acceptText, QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(accept);
    box.exec();
    return box.clickedButton() == accept;
}

QAction* ModalDialogs::popupMenu(QMenu* menu, const QPoint& globalPosition)
{
    if (menuAnswer()) {
        return menuAnswer()(menu);
    }
    return menu->exec(globalPosition);
}

void ModalDialogs::information(QWidget* parent, const QString& title, const QString& text, const QString& details)
{
    if (informationAnswer()) {
        informationAnswer()(parent, title, text, details);
        return;
    }
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    box.setDetailedText(details);
    box.exec();
}

void ModalDialogs::setOpenFileNamesAnswer(FileNamesAnswer answer) { fileNamesAnswer() = std::move(answer); }

void ModalDialogs::setExistingDirectoryAnswer(FolderAnswer answer) { folderAnswer() = std::move(answer); }

void ModalDialogs::setExecAnswer(DialogAnswer answer) { dialogAnswer() = std::move(answer); }

void ModalDialogs::setQuestionAnswer(QuestionAnswer answer) { questionAnswer() = std::move(answer); }

void ModalDialogs::setInformationAnswer(InformationAnswer answer) { informationAnswer() = std::move(answer); }

void ModalDialogs::setMenuAnswer(MenuAnswer answer) { menuAnswer() = std::move(answer); }

void ModalDialogs::resetAnswers()
{
    fileNamesAnswer() = nullptr;
    folderAnswer() = nullptr;
    dialogAnswer() = nullptr;
    questionAnswer() = nullptr;
    informationAnswer() = nullptr;
    menuAnswer() = nullptr;
}
