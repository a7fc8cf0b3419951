#include "foundation/StagingCleanup.h"

#include "foundation/ProductConstants.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

int StagingCleanup::sweepIfAlone()
{
    const QString tempFolder = Product::tempFolder();
    if (!makeTempFolderPrivate()) {
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
        { QStringLiteral("*_input.pdf"), QStringLiteral("*_output.pdf"), QStringLiteral("*_repacked.pdf") },
        QDir::Files | QDir::Hidden);
    for (const QString& name : staged) {
        if (QFile::remove(folder.filePath(name))) {
            ++removed;
        }
    }
    const QStringList runs
        = folder.entryList({ runFolderPrefix + QLatin1Char('*') }, QDir::Dirs | QDir::Hidden | QDir::NoSymLinks);
    for (const QString& name : runs) {
        if (QDir(folder.filePath(name)).removeRecursively()) {
            ++removed;
        }
    }
    return removed;
}

bool StagingCleanup::makeTempFolderPrivate()
{
    constexpr mode_t ownerOnly = S_IRWXU;
    const QString tempFolder = QDir::cleanPath(Product::tempFolder());
    // The folders above Temp are the application's own and may be seen; Temp and below may not.
    QDir().mkpath(QFileInfo(tempFolder).path());
    const QByteArray name = QFile::encodeName(tempFolder);
    if (::mkdir(name.constData(), ownerOnly) != 0 && errno != EEXIST) {
        return false;
    }
    // An existing entry must be a real folder of ours: never follow a link someone put there.
    struct stat status = {};
    if (::lstat(name.constData(), &status) != 0) {
        return false;
    }
    if (!S_ISDIR(status.st_mode) || status.st_uid != ::geteuid()) {
        errno = ENOTDIR;
        return false;
    }
    return (status.st_mode & 07777) == ownerOnly || ::chmod(name.constData(), ownerOnly) == 0;
}
