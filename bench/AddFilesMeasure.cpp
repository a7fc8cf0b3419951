#include "AddFilesMeasure.h"

#include "BenchContext.h"
#include "Corpus.h"
#include "MarkdownTable.h"
#include "ProcessStats.h"
#include "ToolRun.h"
#include "documents/FileItem.h"
#include "documents/FileItemList.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <cstdio>
#include <sys/resource.h>

namespace {
    // What most desktop sessions give a process unless it raises its own limit.
    constexpr int commonDesktopOpenFileLimit = 1024;

    QString mebibytesOfKiB(const QString& kibibytes)
    {
        bool isNumber = false;
        const double value = kibibytes.toDouble(&isNumber);
        return isNumber && value >= 0 ? MarkdownTable::number(value / 1024.0, 1) : QStringLiteral("n/a");
    }
} // namespace

namespace AddFilesMeasure {
    QString run(const BenchContext& context)
    {
        const QList<int> counts = context.quick ? QList<int> { 100, 300 } : QList<int> { 1000, 3000 };
        const QStringList paths = context.corpus->manyDocumentPaths(counts.last());
        const QString folder = QFileInfo(paths.value(0)).absolutePath();

        MarkdownTable table(
            { QStringLiteral("Documents given"), QStringLiteral("Open-file limit"), QStringLiteral("Listed"),
                QStringLiteral("Listed but not opened ¹"), QStringLiteral("`addFiles` (s)"),
                QStringLiteral("Per document (ms)"), QStringLiteral("Peak RSS before (MiB)"),
                QStringLiteral("Peak RSS after (MiB)"), QStringLiteral("Open files after") },
            QStringLiteral("rrrrrrrrr"));
        struct Case
        {
            int count;
            int openFileLimit; // 0: as the benchmark was started
        };
        QList<Case> cases;
        for (int count : counts) {
            cases << Case { count, 0 };
        }
        cases << Case { counts.last(), commonDesktopOpenFileLimit };

        for (const Case& each : cases) {
            const ToolResult child = ToolRun::run(context.selfPath,
                { QStringLiteral("--child-addfiles"), folder, QString::number(each.count),
                    QString::number(each.openFileLimit) });
            const QMap<QString, QString> values = ToolRun::keyValues(child.standardOutput);
            if (values.isEmpty()) {
                table.addRow({ QString::number(each.count), QString(),
                    QStringLiteral("failed: %1")
                        .arg(QString::fromLocal8Bit(child.standardError.trimmed().right(200))) });
                continue;
            }
            const double seconds = values.value(QStringLiteral("seconds")).toDouble();
            table.addRow({ QString::number(each.count), values.value(QStringLiteral("openFileLimit")),
                values.value(QStringLiteral("listed")), values.value(QStringLiteral("notOpened")),
                MarkdownTable::number(seconds, 2), MarkdownTable::number(seconds * 1000.0 / each.count, 2),
                mebibytesOfKiB(values.value(QStringLiteral("baselineKiB"))),
                mebibytesOfKiB(values.value(QStringLiteral("peakKiB"))), values.value(QStringLiteral("openFiles")) });
        }

        QString text = QStringLiteral("## 4. Adding many documents\n\n");
        text += QStringLiteral(
            "`FileItemList::addFiles` with one list of paths, in a fresh process for each row: every path is a "
            "distinct file (hard links cycling through the %1 documents of the corpus above), so each is "
            "opened and inspected with qpdf. The last row repeats the largest count with the open-file "
            "limit that most desktop sessions give a process (%2).\n\n"
            "¹ Items the list accepted although qpdf could not open them (no icon, page count 1).\n\n")
                    .arg(context.corpus->documents().size())
                    .arg(commonDesktopOpenFileLimit);
        return text + table.toMarkdown();
    }

    int addInChild(const QString& folder, int count, int openFileLimit)
    {
        if (openFileLimit > 0) {
            rlimit limit {};
            getrlimit(RLIMIT_NOFILE, &limit);
            limit.rlim_cur = static_cast<rlim_t>(openFileLimit);
            setrlimit(RLIMIT_NOFILE, &limit);
        }
        rlimit limit {};
        getrlimit(RLIMIT_NOFILE, &limit);

        QStringList paths;
        const QStringList names = QDir(folder).entryList({ QStringLiteral("*.pdf") }, QDir::Files, QDir::Name);
        for (const QString& name : names.mid(0, count)) {
            paths << folder + QLatin1Char('/') + name;
        }

        const qint64 baseline = ProcessStats::peakResidentKiB();
        FileItemList list;
        QElapsedTimer timer;
        timer.start();
        list.addFiles(paths);
        const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        int notOpened = 0;
        for (qint32 index = 0; index < list.count(); ++index) {
            notOpened += list.at(index)->iconName().isEmpty() ? 1 : 0;
        }
        std::printf("given=%lld listed=%d notOpened=%d seconds=%.4f baselineKiB=%lld peakKiB=%lld openFiles=%d "
                    "openFileLimit=%llu\n",
            static_cast<long long>(paths.size()), list.count(), notOpened, seconds, static_cast<long long>(baseline),
            static_cast<long long>(ProcessStats::peakResidentKiB()), ProcessStats::openFileCount(),
            static_cast<unsigned long long>(limit.rlim_cur));
        std::fflush(stdout);
        return 0;
    }
} // namespace AddFilesMeasure
