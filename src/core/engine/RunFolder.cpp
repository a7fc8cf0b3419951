#include "engine/RunFolder.h"

#include "foundation/ProductConstants.h"
#include "foundation/StagingCleanup.h"

#include <QDir>
#include <QFile>
#include <QUuid>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
    constexpr mode_t ownerOnlyFile = S_IRUSR | S_IWUSR;
} // namespace

RunFolder::RunFolder()
{
    const QString run
        = Product::tempFolder() + StagingCleanup::runFolderPrefix + QUuid::createUuid().toString(QUuid::WithoutBraces);
    // A fresh name: mkdir fails on anything that is there already. The umask may take the owner's bits.
    if (!StagingCleanup::makeTempFolderPrivate() || ::mkdir(QFile::encodeName(run).constData(), S_IRWXU) != 0
        || ::chmod(QFile::encodeName(run).constData(), S_IRWXU) != 0) {
        m_failureReason = qt_error_string(errno);
        return;
    }
    m_path = run + QLatin1Char('/');
}

RunFolder::~RunFolder()
{
    if (isValid()) {
        QDir(m_path).removeRecursively();
    }
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
