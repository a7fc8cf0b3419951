#include "foundation/StagingCleanup.h"

#include "foundation/ProductConstants.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

int StagingCleanup::sweepIfAlone()
{
    const QString tempFolder = Product::tempFolder();
    if (!QDir().mkpath(tempFolder)) {
        return 0;
    }
    const QByteArray markerPath = QFile::encodeName(tempFolder + QStringLiteral(".running"));
    // Deliberately never closed: the lock lives exactly as long as this process.
    const int marker = ::open(markerPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (marker < 0) {
        return 0;
    }
    int removed = 0;
    if (::flock(marker, LOCK_EX | LOCK_NB) == 0) {
        removed = removeStagedFiles(tempFolder);
    }
    ::flock(marker, LOCK_SH);
    if (removed > 0) {
        qDebug() << "Removed staged files of an earlier run:" << removed;
    }
    return removed;
}

int StagingCleanup::removeStagedFiles(const QString& tempFolder)
{
    int removed = 0;
    const QDir folder(tempFolder);
    const QStringList staged = folder.entryList(
        { QStringLiteral("*_input.pdf"), QStringLiteral("*_output.pdf") }, QDir::Files | QDir::Hidden);
    for (const QString& name : staged) {
        if (QFile::remove(folder.filePath(name))) {
            ++removed;
        }
    }
    return removed;
}
