#pragma once

#include <qpdf/InputSource.hh>

#include <string>
#include <vector>

/**
 * A file for qpdf to read, through a buffer of its own. qpdf's own file source goes through stdio,
 * whose buffer every seek throws away: opening a document then costs a thousand system calls, and
 * checking thousands of documents spends most of its time in the kernel. This one reads whole blocks
 * with pread and serves the parser's many small reads and seeks from memory.
 */
class BufferedFileSource final : public InputSource
{
public:
    /** Opens the file at path (encoded for the file system); throws std::runtime_error when it cannot. */
    explicit BufferedFileSource(const std::string& path);
    ~BufferedFileSource() override;

    BufferedFileSource(const BufferedFileSource&) = delete;
    BufferedFileSource& operator=(const BufferedFileSource&) = delete;

    qpdf_offset_t findAndSkipNextEOL() override;
    std::string const& getName() const override;
    qpdf_offset_t tell() override;
    void seek(qpdf_offset_t offset, int whence) override;
    void rewind() override;
    size_t read(char* into, size_t length) override;
    void unreadCh(char ch) override;

private:
    /** Brings the block that starts at m_position into the buffer; false at the end of the file. */
    bool fill();
    void atEnd();
    [[noreturn]] void fail(const char* what) const;

    std::string m_name;
    int m_descriptor = -1;
    qpdf_offset_t m_size = 0;
    qpdf_offset_t m_position = 0;
    std::vector<char> m_block;
    qpdf_offset_t m_blockStart = 0;
    qpdf_offset_t m_blockLength = 0;
};
