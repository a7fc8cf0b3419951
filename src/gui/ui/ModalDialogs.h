#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QAction;
class QDialog;
class QMenu;
class QPoint;
class QWidget;

/**
 * Runs the modal dialogs of the main window and its rows: the standard file and folder dialogs and
 * our own dialogs. Tests put an answer in place of a dialog, so nothing waits for a person.
 */
namespace ModalDialogs {
    using FileNamesAnswer = std::function<QStringList(
        QWidget* parent, const QString& caption, const QString& folder, const QString& filter)>;
    using FolderAnswer = std::function<QString(QWidget* parent, const QString& caption, const QString& folder)>;
    using DialogAnswer = std::function<int(QDialog* dialog)>;
    using MenuAnswer = std::function<QAction*(QMenu* menu)>;
    using InformationAnswer
        = std::function<void(QWidget* parent, const QString& title, const QString& text, const QString& details)>;
    using QuestionAnswer
        = std::function<bool(QWidget* parent, const QString& title, const QString& text, const QString& acceptText)>;

    /** The multi-selection open-file dialog; an empty list when cancelled. */
    QStringList openFileNames(QWidget* parent, const QString& caption, const QString& folder, const QString& filter);
    /** The choose-folder dialog (folders only); an empty text when cancelled. */
    QString existingDirectory(QWidget* parent, const QString& caption, const QString& folder);
    /** Runs a dialog modally and returns its result code. */
    int exec(QDialog* dialog);
    /**
     * Asks a yes-or-no question in a message box whose accepting button says acceptText (the default
     * button) beside Cancel (Esc); true when the user accepted.
     */
    bool question(QWidget* parent, const QString& title, const QString& text, const QString& acceptText);
    /** Pops menu up at globalPosition and returns the chosen action, or null. */
    QAction* popupMenu(QMenu* menu, const QPoint& globalPosition);
    /** Tells something in a message box, with a list of details the user can unfold. */
    void information(QWidget* parent, const QString& title, const QString& text, const QString& details);

    // Test seams: while an answer is set, it runs in place of the dialog.
    void setOpenFileNamesAnswer(FileNamesAnswer answer);
    void setExistingDirectoryAnswer(FolderAnswer answer);
    void setExecAnswer(DialogAnswer answer);
    void setQuestionAnswer(QuestionAnswer answer);
    void setInformationAnswer(InformationAnswer answer);
    void setMenuAnswer(MenuAnswer answer);
    void resetAnswers();
} // namespace ModalDialogs
