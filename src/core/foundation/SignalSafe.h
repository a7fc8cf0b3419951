#pragma once

#include <cstddef>
#include <cstdint>

/**
 * Text building, clock reading and writing that allocate nothing and take no lock, for code that
 * runs inside a signal handler: only open, write, read and the clock's system call are used.
 */
namespace SignalSafe {
    /** A fixed-size text buffer; what does not fit is cut off, never overflows. */
    class Text final
    {
    public:
        Text& append(const char* text);
        Text& append(const char* text, std::size_t length);
        Text& append(char character);
        /** Decimal digits, left-padded with zeros to at least minimumWidth. */
        Text& appendNumber(std::uint64_t value, int minimumWidth = 0);
        Text& appendSignedNumber(std::int64_t value);
        /** "0x" and sixteen hexadecimal digits. */
        Text& appendAddress(std::uintptr_t value);

        const char* data() const { return m_data; }
        std::size_t size() const { return m_size; }
        void clear();

    private:
        static constexpr std::size_t capacity = 4096;
        char m_data[capacity + 1] = {};
        std::size_t m_size = 0;
    };

    struct LocalTime
    {
        int year = 1970;
        int month = 1;
        int day = 1;
        int hour = 0;
        int minute = 0;
        int second = 0;
    };

    /**
     * Remembers the local time zone's present offset from UTC. Not for signal handlers: call it from
     * ordinary code whenever the offset may have changed (start-up, every new hour of the log).
     */
    void refreshUtcOffset();

    /** The wall-clock time in the remembered local zone. */
    LocalTime localNow();

    /** "yyyy-MM-dd hh:mm:ss". */
    void appendTimeStamp(Text& text, const LocalTime& time);
    /** "yyyy-MM-dd_hh", the stem of the hour's log file. */
    void appendHourStem(Text& text, const LocalTime& time);
    /** "yyyyMMddhhmmss". */
    void appendCompactTime(Text& text, const LocalTime& time);

    /** Writes all of data to fd, going on after partial writes and interruptions. */
    bool writeAll(int fd, const char* data, std::size_t size);
    inline bool writeAll(int fd, const Text& text) { return writeAll(fd, text.data(), text.size()); }
} // namespace SignalSafe
