#include "engine/RunFolder.h"

#include "foundation/ProductConstants.h"

#include <QDir>
#include <QFile>
#include <QUuid>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

const QString RunFolder::namePrefix = QStringLiteral("run-");

namespace {
    constexpr mode_t ownerOnlyFolder = S_IRWXU;
    constexpr mode_t ownerOnlyFile = S_IRUSR | S_IWUSR;
} // namespace

RunFolder::RunFolder()
{
    const QString temp = Product::tempFolder();
    // The folders above Temp are the application's own and may be seen; Temp and below may not.
    QDir().mkpath(QFileInfo(QDir::cleanPath(temp)).path());
    const QString run = temp + namePrefix + QUuid::createUuid().toString(QUuid::WithoutBraces) + QLatin1Char('/');
    if (!makePrivateFolder(temp) || !makePrivateFolder(run)) {
        m_failureReason = qt_error_string(errno);
        return;
    }
    m_path = run;
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

bool RunFolder::makePrivateFolder(const QString& path)
{
    const QByteArray name = QFile::encodeName(QDir::cleanPath(path));
    if (::mkdir(name.constData(), ownerOnlyFolder) != 0 && errno != EEXIST) {
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
    return (status.st_mode & 07777) == ownerOnlyFolder || ::chmod(name.constData(), ownerOnlyFolder) == 0;
}
