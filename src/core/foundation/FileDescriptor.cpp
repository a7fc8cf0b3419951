#include "foundation/FileDescriptor.h"

#include <unistd.h>
#include <utility>

FileDescriptor::FileDescriptor(int fd)
    : m_fd(fd < 0 ? -1 : fd)
{
}

FileDescriptor::~FileDescriptor() { reset(); }

FileDescriptor::FileDescriptor(FileDescriptor&& other) noexcept
    : m_fd(other.release())
{
}

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept
{
    if (this != &other) {
        reset(other.release());
    }
    return *this;
}

void FileDescriptor::reset(int fd)
{
    // Never retried on EINTR: on Linux the descriptor is gone either way, and a retry could close
    // a descriptor another thread has just been given.
    if (m_fd >= 0) {
        ::close(m_fd);
    }
    m_fd = fd < 0 ? -1 : fd;
}

bool FileDescriptor::close()
{
    if (m_fd < 0) {
        return false;
    }
    return ::close(release()) == 0;
}

int FileDescriptor::release() { return std::exchange(m_fd, -1); }
