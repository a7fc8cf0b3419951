#include "ProcessStats.h"

#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QThread>

namespace {
    QByteArray readProcFile(const QString& path)
    {
        QFile file(path);
        // Files under /proc report size 0, so read them whole instead of by size.
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    /** The number in a "Key:   1234 kB" line of a /proc file, or -1. */
    qint64 procValue(const QString& path, const QString& key)
    {
        const QString text = QString::fromLatin1(readProcFile(path));
        const QRegularExpression pattern(
            QStringLiteral("^%1:\\s*(\\d+)").arg(key), QRegularExpression::MultilineOption);
        const QRegularExpressionMatch match = pattern.match(text);
        return match.hasMatch() ? match.captured(1).toLongLong() : -1;
    }
} // namespace

namespace {
    double cpuSecondsOf(int who)
    {
        rusage usage = {};
        if (getrusage(who, &usage) != 0) {
            return 0.0;
        }
        const auto seconds = [](const timeval& time) {
            return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
        };
        return seconds(usage.ru_utime) + seconds(usage.ru_stime);
    }
} // namespace

namespace ProcessStats {
    double ownCpuSeconds() { return cpuSecondsOf(RUSAGE_SELF); }

    double childrenCpuSeconds() { return cpuSecondsOf(RUSAGE_CHILDREN); }

    qint64 peakResidentKiB() { return procValue(QStringLiteral("/proc/self/status"), QStringLiteral("VmHWM")); }

    qint64 residentKiB() { return procValue(QStringLiteral("/proc/self/status"), QStringLiteral("VmRSS")); }

    int openFileCount()
    {
        return QDir(QStringLiteral("/proc/self/fd"))
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System)
            .size();
    }

    int coreCount() { return QThread::idealThreadCount(); }

    qint64 totalMemoryKiB() { return procValue(QStringLiteral("/proc/meminfo"), QStringLiteral("MemTotal")); }

    QString processorModel()
    {
        const QString text = QString::fromLatin1(readProcFile(QStringLiteral("/proc/cpuinfo")));
        const QRegularExpression pattern(
            QStringLiteral("^model name\\s*:\\s*(.+)$"), QRegularExpression::MultilineOption);
        const QRegularExpressionMatch match = pattern.match(text);
        return match.hasMatch() ? match.captured(1).trimmed() : QStringLiteral("unknown");
    }

    QString loadAverage()
    {
        const QStringList fields
            = QString::fromLatin1(readProcFile(QStringLiteral("/proc/loadavg"))).split(QLatin1Char(' '));
        return fields.size() >= 3 ? fields.mid(0, 3).join(QStringLiteral(", ")) : QStringLiteral("unknown");
    }
} // namespace ProcessStats
