#include "engine/AtomicDelivery.h"

#include "foundation/FileDescriptor.h"
#include "foundation/SignalSafe.h"

#include <QFile>
#include <QFileInfo>
#include <QUuid>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {
    constexpr std::size_t copyChunk = 1 << 20;

    bool renameWithoutReplacing(const QByteArray& from, const QByteArray& to)
    {
        if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0) {
            return true;
        }
        if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) {
            return false;
        }
        // A file system without the no-replace rename: a hard link fails just as atomically on an existing name.
        if (::link(from.constData(), to.constData()) == 0) {
            ::unlink(from.constData());
            return true;
        }
        if (errno != EPERM && errno != EOPNOTSUPP) {
            return false;
        }
        // Nor hard links (FAT and exFAT sticks): look, then rename; only a clash in between goes unseen.
        struct stat existing = {};
        if (::lstat(to.constData(), &existing) == 0) {
            errno = EEXIST;
            return false;
        }
        return ::rename(from.constData(), to.constData()) == 0;
    }
} // namespace

AtomicDelivery::AtomicDelivery(const QString& sourcePath, const QString& folder)
    : m_sourcePath(sourcePath)
    , m_folder(folder)
{
}

AtomicDelivery::~AtomicDelivery()
{
    if (!m_delivered && !m_partialPath.isEmpty()) {
        QFile::remove(m_partialPath);
    }
}

bool AtomicDelivery::prepare()
{
    const QFileInfo source(m_sourcePath);
    if (!source.isFile()) {
        m_failureReason = QStringLiteral("the file to deliver is missing: %1").arg(m_sourcePath);
        return false;
    }
    const qint64 expectedSize = source.size();
    // Hidden, and named so that it can never clash with a document of the user's.
    m_partialPath = m_folder + QStringLiteral("/.") + QUuid::createUuid().toString(QUuid::WithoutBraces)
        + QStringLiteral(".partial");

    bool otherVolume = false;
    if (!moveIntoFolder(otherVolume) && !(otherVolume && copyIntoFolder())) {
        return false;
    }
    return flushAndCheck(expectedSize);
}

// On the same volume the staged file simply changes folder: no byte is written twice.
bool AtomicDelivery::moveIntoFolder(bool& otherVolume)
{
    if (::rename(QFile::encodeName(m_sourcePath).constData(), QFile::encodeName(m_partialPath).constData()) == 0) {
        return true;
    }
    otherVolume = errno == EXDEV;
    return otherVolume ? false : failWithSystemError();
}

bool AtomicDelivery::copyIntoFolder()
{
    FileDescriptor input(::open(QFile::encodeName(m_sourcePath).constData(), O_RDONLY | O_CLOEXEC));
    if (!input.isValid()) {
        return failWithSystemError();
    }
    FileDescriptor output(::open(QFile::encodeName(m_partialPath).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
        S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP | S_IROTH | S_IWOTH));
    if (!output.isValid()) {
        return failWithSystemError();
    }
    std::vector<char> buffer(copyChunk);
    for (;;) {
        const ssize_t got = ::read(input.get(), buffer.data(), buffer.size());
        if (got == 0) {
            break;
        }
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return failWithSystemError();
        }
        if (!SignalSafe::writeAll(output.get(), buffer.data(), static_cast<std::size_t>(got))) {
            return failWithSystemError();
        }
    }
    // File systems that allocate late report a full disk only here, on the descriptor that wrote.
    if (::fsync(output.get()) != 0 || !output.close()) {
        return failWithSystemError();
    }
    return true;
}

bool AtomicDelivery::flushAndCheck(qint64 expectedSize)
{
    FileDescriptor partial(::open(QFile::encodeName(m_partialPath).constData(), O_RDONLY | O_CLOEXEC));
    struct stat status = {};
    if (!partial.isValid() || ::fsync(partial.get()) != 0 || ::fstat(partial.get(), &status) != 0) {
        return failWithSystemError();
    }
    // Set while the file is still hidden: it is never seen under its name with other permissions.
    if (m_permissions >= 0 && ::fchmod(partial.get(), static_cast<mode_t>(m_permissions)) != 0) {
        return failWithSystemError();
    }
    if (status.st_size != expectedSize) {
        m_failureReason = QStringLiteral("only %1 of %2 bytes reached the disk").arg(status.st_size).arg(expectedSize);
        return false;
    }
    return true;
}

AtomicDelivery::Outcome AtomicDelivery::commit(const QString& destination)
{
    if (m_partialPath.isEmpty() || m_delivered) {
        m_failureReason = QStringLiteral("nothing prepared to deliver");
        return Outcome::Failed;
    }
    if (!renameWithoutReplacing(QFile::encodeName(m_partialPath), QFile::encodeName(destination))) {
        const bool taken = errno == EEXIST;
        failWithSystemError();
        return taken ? Outcome::NameTaken : Outcome::Failed;
    }
    m_delivered = true;
    syncFolder();
    return Outcome::Delivered;
}

bool AtomicDelivery::replace(const QString& destination, bool keepAttributes)
{
    if (m_partialPath.isEmpty() || m_delivered) {
        m_failureReason = QStringLiteral("nothing prepared to deliver");
        return false;
    }
    if (keepAttributes && !takeAttributesOf(destination)) {
        return false;
    }
    if (::rename(QFile::encodeName(m_partialPath).constData(), QFile::encodeName(destination).constData()) != 0) {
        return failWithSystemError();
    }
    m_delivered = true;
    syncFolder();
    return true;
}

bool AtomicDelivery::takeAttributesOf(const QString& destination)
{
    struct stat original = {};
    if (::stat(QFile::encodeName(destination).constData(), &original) != 0) {
        return failWithSystemError();
    }
    const FileDescriptor partial(::open(QFile::encodeName(m_partialPath).constData(), O_RDONLY | O_CLOEXEC));
    if (!partial.isValid()) {
        return failWithSystemError();
    }
    // Only root may give a file away; anyone else keeps their own ownership, as cp -p does. The owner
    // changes first because a change of owner clears the set-id bits that the mode then restores.
    [[maybe_unused]] const int owned = ::fchown(partial.get(), original.st_uid, original.st_gid);
    const struct timespec times[2] = { original.st_atim, original.st_mtim };
    if (::fchmod(partial.get(), original.st_mode & 07777) != 0 || ::futimens(partial.get(), times) != 0) {
        return failWithSystemError();
    }
    return true;
}

bool AtomicDelivery::failWithSystemError()
{
    m_failureReason = qt_error_string(errno);
    return false;
}

// The new name itself is an entry of the folder; without this a power cut could still lose it.
void AtomicDelivery::syncFolder() const
{
    const FileDescriptor folder(::open(QFile::encodeName(m_folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.isValid()) {
        ::fsync(folder.get());
    }
}
