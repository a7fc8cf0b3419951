#include "engine/PdfStaging.h"

#include "engine/RunFolder.h"
#include "foundation/FileDescriptor.h"
#include "foundation/SignalSafe.h"

#include <QByteArray>
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {
    constexpr std::size_t copyChunk = 1 << 20;

    ssize_t readSome(int fd, char* into, std::size_t size)
    {
        ssize_t got = 0;
        do {
            got = ::read(fd, into, size);
        } while (got < 0 && errno == EINTR);
        return got;
    }

    /** Opens a regular file for reading; a FIFO or device would block the copy or never end it. */
    FileDescriptor openRegularFile(const QByteArray& path)
    {
        FileDescriptor file(::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
        if (!file.isValid()) {
            return file;
        }
        struct stat status = {};
        if (::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
            file.reset();
            errno = EINVAL;
            return file;
        }
        ::fcntl(file.get(), F_SETFL, ::fcntl(file.get(), F_GETFL) & ~O_NONBLOCK);
        return file;
    }

    PdfStaging::Result failed(const QString& target)
    {
        PdfStaging::Result result;
        result.failureReason = qt_error_string(errno);
        QFile::remove(target);
        return result;
    }
} // namespace

PdfStaging::Result PdfStaging::stage(const QString& source, const QString& target)
{
    const FileDescriptor input(openRegularFile(QFile::encodeName(source)));
    if (!input.isValid()) {
        PdfStaging::Result result;
        result.failureReason = qt_error_string(errno);
        return result;
    }
    // The header is searched in the very bytes that are copied, so the file cannot change in between.
    QByteArray head(static_cast<int>(headerSearchBytes), '\0');
    qint64 headSize = 0;
    while (headSize < headerSearchBytes) {
        const ssize_t got
            = readSome(input.get(), head.data() + headSize, static_cast<std::size_t>(headerSearchBytes - headSize));
        if (got < 0) {
            PdfStaging::Result result;
            result.failureReason = qt_error_string(errno);
            return result;
        }
        if (got == 0) {
            break;
        }
        headSize += got;
    }
    head.truncate(static_cast<int>(headSize));
    const int header = head.indexOf("%PDF-");
    if (header < 0) {
        return { Outcome::NoPdfHeader, 0, QString() };
    }

    if (!RunFolder::createPrivateFile(target)) {
        PdfStaging::Result result;
        result.failureReason = qt_error_string(errno);
        return result;
    }
    FileDescriptor output(::open(QFile::encodeName(target).constData(), O_WRONLY | O_TRUNC | O_CLOEXEC));
    if (!output.isValid()
        || !SignalSafe::writeAll(
            output.get(), head.constData() + header, static_cast<std::size_t>(head.size() - header))) {
        return failed(target);
    }
    std::vector<char> buffer(copyChunk);
    for (;;) {
        const ssize_t got = readSome(input.get(), buffer.data(), buffer.size());
        if (got == 0) {
            break;
        }
        if (got < 0 || !SignalSafe::writeAll(output.get(), buffer.data(), static_cast<std::size_t>(got))) {
            return failed(target);
        }
    }
    if (!output.close()) {
        return failed(target);
    }
    return { Outcome::Staged, header, QString() };
}
