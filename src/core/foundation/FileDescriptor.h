#pragma once

/**
 * Owns one POSIX file descriptor and closes it when it goes out of scope, on every ending of the code
 * that opened it. Movable, never copied: exactly one owner closes a descriptor, and only once.
 */
class FileDescriptor final
{
public:
    FileDescriptor() = default;
    /** Takes ownership of fd; a negative value (a failed open) owns nothing. */
    explicit FileDescriptor(int fd);
    ~FileDescriptor();
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    FileDescriptor(FileDescriptor&& other) noexcept;
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;

    int get() const { return m_fd; }
    bool isValid() const { return m_fd >= 0; }
    /** Closes what it owns, if anything, and takes ownership of fd. */
    void reset(int fd = -1);
    /**
     * Closes now and tells whether that succeeded: on some file systems the last buffered write fails
     * only here, so a writer that must know its data arrived asks. False when nothing was open.
     */
    bool close();
    /** Hands the descriptor over to the caller, who closes it from now on. */
    int release();

private:
    int m_fd = -1;
};
