#include "engine/BufferedFileSource.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace {
    // Large enough that a cross-reference table or a page tree comes in a read or two.
    constexpr size_t blockSize = 64 * 1024;
} // namespace

BufferedFileSource::BufferedFileSource(const std::string& path)
    : m_name(path)
    , m_block(blockSize)
{
    m_descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (m_descriptor < 0) {
        fail("open");
    }
    struct stat status
    {
    };
    if (::fstat(m_descriptor, &status) != 0) {
        const int error = errno;
        ::close(m_descriptor);
        errno = error;
        fail("stat");
    }
    m_size = status.st_size;
}

BufferedFileSource::~BufferedFileSource()
{
    if (m_descriptor >= 0) {
        ::close(m_descriptor);
    }
}

void BufferedFileSource::fail(const char* what) const
{
    throw std::runtime_error(std::string(what) + " " + m_name + ": " + std::strerror(errno));
}

std::string const& BufferedFileSource::getName() const { return m_name; }

qpdf_offset_t BufferedFileSource::tell() { return m_position; }

void BufferedFileSource::seek(qpdf_offset_t offset, int whence)
{
    qpdf_offset_t target = offset;
    if (whence == SEEK_CUR) {
        target += m_position;
    } else if (whence == SEEK_END) {
        target += m_size;
    }
    if (target < 0) {
        errno = EINVAL;
        fail("seek");
    }
    m_position = target;
}

void BufferedFileSource::rewind() { m_position = 0; }

void BufferedFileSource::unreadCh(char) { m_position = std::max<qpdf_offset_t>(0, m_position - 1); }

bool BufferedFileSource::fill()
{
    ssize_t got = 0;
    do {
        got = ::pread(m_descriptor, m_block.data(), m_block.size(), m_position);
    } while (got < 0 && errno == EINTR);
    if (got < 0) {
        fail("read");
    }
    m_blockStart = m_position;
    m_blockLength = got;
    return got > 0;
}

// As qpdf's own source does when a read finds nothing: position and last offset go to the end of the file.
void BufferedFileSource::atEnd()
{
    m_position = m_size;
    last_offset = m_position;
}

size_t BufferedFileSource::read(char* into, size_t length)
{
    last_offset = m_position;
    size_t copied = 0;
    while (copied < length) {
        const bool inBlock = m_position >= m_blockStart && m_position < m_blockStart + m_blockLength;
        if (!inBlock && !fill()) {
            break; // the end of the file
        }
        const auto offsetInBlock = static_cast<size_t>(m_position - m_blockStart);
        const size_t chunk = std::min(length - copied, static_cast<size_t>(m_blockLength) - offsetInBlock);
        std::memcpy(into + copied, m_block.data() + offsetInBlock, chunk);
        copied += chunk;
        m_position += static_cast<qpdf_offset_t>(chunk);
    }
    if (copied == 0 && length > 0) {
        atEnd();
    }
    return copied;
}

qpdf_offset_t BufferedFileSource::findAndSkipNextEOL()
{
    // Block by block up to the first end-of-line character: a file being rebuilt is read line by line.
    qpdf_offset_t endOfLine = -1;
    while (endOfLine < 0) {
        const bool inBlock = m_position >= m_blockStart && m_position < m_blockStart + m_blockLength;
        if (!inBlock && !fill()) {
            atEnd(); // no end of line before the end of the file
            return m_position;
        }
        const char* from = m_block.data() + (m_position - m_blockStart);
        const char* end = m_block.data() + m_blockLength;
        const char* found = std::find_if(from, end, [](char ch) { return ch == '\r' || ch == '\n'; });
        m_position += found - from;
        if (found != end) {
            endOfLine = m_position;
        }
    }
    // Then past every end-of-line character that follows.
    char ch = 0;
    while (read(&ch, 1) == 1) {
        if (ch != '\r' && ch != '\n') {
            unreadCh(ch);
            break;
        }
    }
    return endOfLine;
}
