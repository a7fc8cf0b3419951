#include "PeakMemoryMeasure.h"

#include "BenchContext.h"
#include "Corpus.h"
#include "MarkdownTable.h"
#include "ProcessStats.h"
#include "Rewriters.h"
#include "ToolRun.h"
#include "engine/CompressSetting.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <sys/resource.h>

namespace {
    struct Setting
    {
        QString label;
        qint32 mode;
    };

    QString mebibytesOfKiB(qint64 kibibytes)
    {
        return kibibytes < 0 ? QStringLiteral("n/a")
                             : MarkdownTable::number(static_cast<double>(kibibytes) / 1024.0, 1);
    }

    QString shareCell(qint64 bytes, qint64 sourceBytes)
    {
        return QStringLiteral("%1 (%2)").arg(MarkdownTable::mebibytes(bytes),
            MarkdownTable::percent(static_cast<double>(bytes) / static_cast<double>(sourceBytes), 1));
    }
} // namespace

namespace PeakMemoryMeasure {
    QString run(const BenchContext& context)
    {
        const CorpusDocument document = context.corpus->largeDocument();
        QString text = QStringLiteral("## 5. Peak memory of one large compression\n\n");
        if (document.path.isEmpty()) {
            return text + QStringLiteral("The large document could not be generated.\n");
        }
        const QString folder = context.workFolder + QStringLiteral("/memory");
        QDir().mkpath(folder);
        const QList<Setting> settings = { { QStringLiteral("Small File Size (High)"), High },
            { QStringLiteral("Medium File Size (Medium)"), Medium } };

        MarkdownTable table({ QStringLiteral("Run"), QStringLiteral("Setting"), QStringLiteral("Wall time (s)"),
                                QStringLiteral("Peak RSS (MiB)"), QStringLiteral("Peak RSS before compressing (MiB)"),
                                QStringLiteral("Worker peak RSS (MiB)"), QStringLiteral("Output, MiB (share)") },
            QStringLiteral("llrrrrr"));
        for (const Setting& setting : settings) {
            const ToolResult child = ToolRun::run(context.selfPath,
                { QStringLiteral("--child-compress"), document.path, QString::number(setting.mode), QStringLiteral("5"),
                    folder + QStringLiteral("/application") });
            const QMap<QString, QString> values = ToolRun::keyValues(child.standardOutput);
            const bool succeeded = values.value(QStringLiteral("succeeded")) == QLatin1String("1");
            table.addRow({ QStringLiteral("`GSCompressor::compress`"), setting.label,
                MarkdownTable::number(values.value(QStringLiteral("seconds")).toDouble(), 1),
                mebibytesOfKiB(values.value(QStringLiteral("peakKiB"), QStringLiteral("-1")).toLongLong()),
                mebibytesOfKiB(values.value(QStringLiteral("baselineKiB"), QStringLiteral("-1")).toLongLong()),
                mebibytesOfKiB(values.value(QStringLiteral("workerPeakKiB"), QStringLiteral("-1")).toLongLong()),
                succeeded ? shareCell(values.value(QStringLiteral("bytes")).toLongLong(), document.bytes)
                          : QStringLiteral("failed: %1")
                                .arg(values.value(QStringLiteral("failure"),
                                    QString::fromLocal8Bit(child.standardError.trimmed()))) });

            const int level = CompressSetting::effectiveLevel(setting.mode, 5);
            const QString output = folder + QStringLiteral("/command.pdf");
            const QStringList argv = Rewriters::applicationArguments(level, document.path, output);
            QFile::remove(output);
            const ToolResult command = ToolRun::run(QStringLiteral("gs"), argv.mid(1), true);
            table.addRow({ QStringLiteral("`gs` command, identical arguments"), setting.label,
                MarkdownTable::number(command.seconds, 1), mebibytesOfKiB(command.peakKiB), QStringLiteral("–"),
                QStringLiteral("–"),
                command.succeeded() ? shareCell(QFileInfo(output).size(), document.bytes)
                                    : QStringLiteral("failed: exit code %1").arg(command.exitCode) });
            QFile::remove(output);
        }
        text += QStringLiteral(
            "%1: %2 pages, %3 MiB. Each application run is a process of its own (this program), "
            "so its peak resident set size (VmHWM) covers the compression alone plus the process's own "
            "start-up, shown separately; the interpreter runs in the application's worker process, whose "
            "peak is reported by the kernel for the children of that run; the `gs` command's peak comes from "
            "`/usr/bin/time`. "
            "The benchmark caps its address space at half of the machine's memory. *Small File Size*, "
            "the setting of a fresh installation, brings every image down to 72 dpi grey; *Medium File "
            "Size* targets 160 dpi, above these 150 dpi photographs, so it resamples none of them and only "
            "encodes each again.\n\n")
                    .arg(document.origin)
                    .arg(document.pages)
                    .arg(MarkdownTable::mebibytes(document.bytes));
        return text + table.toMarkdown();
    }

    int compressInChild(const QString& source, qint32 mode, int level, const QString& outputFolder)
    {
        const qint64 baseline = ProcessStats::peakResidentKiB();
        const Rewrite rewrite = Rewriters::application(source, outputFolder, mode, level);
        const qint64 peak = ProcessStats::peakResidentKiB();
        // The largest peak among the waited-for children: this run starts one worker.
        rusage children {};
        const long long workerPeak = getrusage(RUSAGE_CHILDREN, &children) == 0 ? children.ru_maxrss : -1;
        QDir(outputFolder).removeRecursively();
        std::printf(
            "seconds=%.3f succeeded=%d bytes=%lld peakKiB=%lld baselineKiB=%lld workerPeakKiB=%lld failure=%s\n",
            rewrite.seconds, rewrite.succeeded ? 1 : 0, static_cast<long long>(rewrite.bytes),
            static_cast<long long>(peak), static_cast<long long>(baseline), workerPeak,
            qPrintable(QString(rewrite.failure).replace(QLatin1Char(' '), QLatin1Char('_'))));
        std::fflush(stdout);
        return rewrite.succeeded ? 0 : 1;
    }
} // namespace PeakMemoryMeasure
