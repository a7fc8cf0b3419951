#include "foundation/SignalSafe.h"

#include <QDateTime>
#include <atomic>
#include <cerrno>
#include <ctime>
#include <unistd.h>

namespace {
    std::atomic<std::int64_t> utcOffsetSeconds { 0 };

    std::size_t lengthOf(const char* text)
    {
        std::size_t length = 0;
        while (text[length] != '\0') {
            ++length;
        }
        return length;
    }

    // Days since 1970-01-01 to a proleptic Gregorian date (Howard Hinnant's civil_from_days).
    void civilFromDays(std::int64_t days, int& year, int& month, int& day)
    {
        days += 719468;
        const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
        const std::int64_t dayOfEra = days - era * 146097;
        const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
        const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
        const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
        day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
        month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
        year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    }
} // namespace

namespace SignalSafe {
    Text& Text::append(const char* text) { return append(text, lengthOf(text)); }

    Text& Text::append(const char* text, std::size_t length)
    {
        for (std::size_t index = 0; index < length && m_size < capacity; ++index) {
            m_data[m_size++] = text[index];
        }
        m_data[m_size] = '\0';
        return *this;
    }

    Text& Text::append(char character) { return append(&character, 1); }

    Text& Text::appendNumber(std::uint64_t value, int minimumWidth)
    {
        char digits[24];
        int count = 0;
        do {
            digits[count++] = static_cast<char>('0' + value % 10);
            value /= 10;
        } while (value != 0);
        while (count < minimumWidth && count < static_cast<int>(sizeof(digits))) {
            digits[count++] = '0';
        }
        while (count > 0) {
            append(digits[--count]);
        }
        return *this;
    }

    Text& Text::appendSignedNumber(std::int64_t value)
    {
        if (value < 0) {
            append('-');
            return appendNumber(static_cast<std::uint64_t>(-(value + 1)) + 1);
        }
        return appendNumber(static_cast<std::uint64_t>(value));
    }

    Text& Text::appendAddress(std::uintptr_t value)
    {
        static const char hexDigits[] = "0123456789abcdef";
        append("0x");
        for (int shift = static_cast<int>(sizeof(value)) * 8 - 4; shift >= 0; shift -= 4) {
            append(hexDigits[(value >> shift) & 0xf]);
        }
        return *this;
    }

    void Text::clear()
    {
        m_size = 0;
        m_data[0] = '\0';
    }

    void refreshUtcOffset() { utcOffsetSeconds.store(QDateTime::currentDateTime().offsetFromUtc()); }

    LocalTime localNow()
    {
        timespec now {};
        clock_gettime(CLOCK_REALTIME, &now);
        const std::int64_t seconds = static_cast<std::int64_t>(now.tv_sec) + utcOffsetSeconds.load();
        std::int64_t days = seconds / 86400;
        std::int64_t secondOfDay = seconds % 86400;
        if (secondOfDay < 0) {
            secondOfDay += 86400;
            --days;
        }
        LocalTime time;
        civilFromDays(days, time.year, time.month, time.day);
        time.hour = static_cast<int>(secondOfDay / 3600);
        time.minute = static_cast<int>(secondOfDay / 60 % 60);
        time.second = static_cast<int>(secondOfDay % 60);
        return time;
    }

    void appendTimeStamp(Text& text, const LocalTime& time)
    {
        text.appendNumber(static_cast<std::uint64_t>(time.year), 4).append('-');
        text.appendNumber(static_cast<std::uint64_t>(time.month), 2).append('-');
        text.appendNumber(static_cast<std::uint64_t>(time.day), 2).append(' ');
        text.appendNumber(static_cast<std::uint64_t>(time.hour), 2).append(':');
        text.appendNumber(static_cast<std::uint64_t>(time.minute), 2).append(':');
        text.appendNumber(static_cast<std::uint64_t>(time.second), 2);
    }

    void appendHourStem(Text& text, const LocalTime& time)
    {
        text.appendNumber(static_cast<std::uint64_t>(time.year), 4).append('-');
        text.appendNumber(static_cast<std::uint64_t>(time.month), 2).append('-');
        text.appendNumber(static_cast<std::uint64_t>(time.day), 2).append('_');
        text.appendNumber(static_cast<std::uint64_t>(time.hour), 2);
    }

    void appendCompactTime(Text& text, const LocalTime& time)
    {
        text.appendNumber(static_cast<std::uint64_t>(time.year), 4);
        text.appendNumber(static_cast<std::uint64_t>(time.month), 2);
        text.appendNumber(static_cast<std::uint64_t>(time.day), 2);
        text.appendNumber(static_cast<std::uint64_t>(time.hour), 2);
        text.appendNumber(static_cast<std::uint64_t>(time.minute), 2);
        text.appendNumber(static_cast<std::uint64_t>(time.second), 2);
    }

    bool writeAll(int fd, const char* data, std::size_t size)
    {
        while (size > 0) {
            const ssize_t written = ::write(fd, data, size);
            if (written < 0) {
                if (errno == EINTR) {
                    continue;
                }
                return false;
            }
            data += written;
            size -= static_cast<std::size_t>(written);
        }
        return true;
    }
} // namespace SignalSafe
