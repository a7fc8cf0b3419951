#include "cli/PasswordFile.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
    QByteArray readBounded(int fd, qint64 limit, bool& failed)
    {
        QByteArray content;
        char buffer[8192];
        for (;;) {
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got <= 0) {
                failed = got < 0;
                return content;
            }
            content.append(buffer, static_cast<int>(got));
            if (content.size() > limit) {
                return content;
            }
        }
    }
} // namespace

bool PasswordFile::read(const QString& path, QStringList& passwords, QString& error, bool& readableByOthers)
{
    // Opened without blocking and checked on the open descriptor, so that a FIFO is refused, not waited on.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = qt_error_string(errno);
        return false;
    }
    struct stat status = {};
    bool failed = ::fstat(fd, &status) != 0;
    QByteArray content;
    if (!failed && S_ISREG(status.st_mode) && status.st_size <= maximumBytes) {
        content = readBounded(fd, maximumBytes, failed);
    }
    const int readError = errno;
    ::close(fd);
    if (failed) {
        error = qt_error_string(readError);
        return false;
    }
    if (!S_ISREG(status.st_mode)) {
        error = tr("not a regular file");
        return false;
    }
    if (status.st_size > maximumBytes || content.size() > maximumBytes) {
        error = tr("larger than %1 KB").arg(maximumBytes / 1024);
        return false;
    }
    readableByOthers = (status.st_mode & (S_IRGRP | S_IROTH)) != 0;
    const QList<QByteArray> lines = content.split('\n');
    for (QByteArray line : lines) {
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        if (!line.isEmpty()) {
            passwords << QString::fromUtf8(line);
        }
    }
    return true;
}
