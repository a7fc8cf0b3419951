#pragma once

#include <QCoreApplication>

class QWidget;

/**
 * Tells the user once, at start-up, when the home folder cannot hold the program's folders: which
 * folder could not be made and why. Without it every document would fail later for want of a Temp folder.
 */
class FolderProblemNotice final
{
    Q_DECLARE_TR_FUNCTIONS(FolderProblemNotice)

public:
    /** Makes the folders; when one cannot be made, says so in a message box over parent. True when all exist. */
    static bool check(QWidget* parent);
};
