#include "ui/FolderProblemNotice.h"

#include "foundation/ApplicationFolders.h"
#include "foundation/ProductConstants.h"
#include "ui/ModalDialogs.h"

#include <QDebug>
#include <QDir>
#include <QMessageBox>

bool FolderProblemNotice::check(QWidget* parent)
{
    const ApplicationFolders::Failure failure = ApplicationFolders::create();
    if (failure.folder.isEmpty()) {
        return true;
    }
    qWarning() << "Cannot create the folder" << failure.folder << ":" << failure.reason;
    QMessageBox box(QMessageBox::Warning, Product::displayName,
        tr("The folder %1 could not be created: %2.").arg(QDir::toNativeSeparators(failure.folder), failure.reason),
        QMessageBox::Ok, parent);
    box.setInformativeText(tr("Documents cannot be compressed until it can. Check the permissions and the free "
                              "space of your home folder, then start the application again."));
    ModalDialogs::exec(&box);
    return false;
}
