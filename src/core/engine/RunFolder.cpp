#include "engine/RunFolder.h"

#include "foundation/ProductConstants.h"
#include "foundation/StagingCleanup.h"

#include <QDir>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <QSet>
#include <QUuid>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
    constexpr mode_t ownerOnlyFile = S_IRUSR | S_IWUSR;

    /** The run folders of this process that exist, for a removal at exit that cannot wait for their owners. */
    struct OpenFolders
    {
        QMutex mutex;
        QSet<QString> paths;
        bool closed = false; // the process is ending: no folder may be made any more
    };

    OpenFolders& openFolders()
    {
        static OpenFolders folders;
        return folders;
    }
} // namespace

RunFolder::RunFolder()
{
    const QString run
        = Product::tempFolder() + StagingCleanup::runFolderPrefix + QUuid::createUuid().toString(QUuid::WithoutBraces);
    // Made and noted under one lock, so that a removal at exit never misses a folder made meanwhile.
    OpenFolders& folders = openFolders();
    const QMutexLocker locker(&folders.mutex);
    if (folders.closed) {
        m_failureReason = QStringLiteral("the application is ending");
        return;
    }
    // A fresh name: mkdir fails on anything that is there already. The umask may take the owner's bits.
    if (!StagingCleanup::makeTempFolderPrivate() || ::mkdir(QFile::encodeName(run).constData(), S_IRWXU) != 0
        || ::chmod(QFile::encodeName(run).constData(), S_IRWXU) != 0) {
        m_failureReason = qt_error_string(errno);
        return;
    }
    m_path = run + QLatin1Char('/');
    folders.paths.insert(m_path);
}

RunFolder::~RunFolder()
{
    if (!isValid()) {
        return;
    }
    OpenFolders& folders = openFolders();
    const QMutexLocker locker(&folders.mutex);
    if (folders.paths.remove(m_path)) {
        QDir(m_path).removeRecursively();
    }
}

int RunFolder::removeAllBeforeExit()
{
    OpenFolders& folders = openFolders();
    const QMutexLocker locker(&folders.mutex);
    folders.closed = true;
    int removed = 0;
    for (const QString& path : qAsConst(folders.paths)) {
        if (QDir(path).removeRecursively()) {
            ++removed;
        }
    }
    folders.paths.clear();
    return removed;
}

QString RunFolder::newFilePath(const QString& suffix) const
{
    return m_path + QUuid::createUuid().toString(QUuid::WithoutBraces) + suffix;
}

bool RunFolder::createPrivateFile(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, ownerOnlyFile);
    if (fd < 0) {
        return false;
    }
    // The umask may have taken bits away that the owner needs; it never adds any.
    const bool made = ::fchmod(fd, ownerOnlyFile) == 0;
    ::close(fd);
    return made;
}
