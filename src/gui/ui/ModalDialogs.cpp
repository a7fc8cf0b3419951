#include "ui/ModalDialogs.h"

#include <QDialog>
#include <QFileDialog>

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

void ModalDialogs::setOpenFileNamesAnswer(FileNamesAnswer answer) { fileNamesAnswer() = std::move(answer); }

void ModalDialogs::setExistingDirectoryAnswer(FolderAnswer answer) { folderAnswer() = std::move(answer); }

void ModalDialogs::setExecAnswer(DialogAnswer answer) { dialogAnswer() = std::move(answer); }

void ModalDialogs::resetAnswers()
{
    fileNamesAnswer() = nullptr;
    folderAnswer() = nullptr;
    dialogAnswer() = nullptr;
}
