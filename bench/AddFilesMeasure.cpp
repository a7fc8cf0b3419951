#include "AddFilesMeasure.h"

#include "BenchContext.h"
#include "Corpus.h"
#include "MarkdownTable.h"
#include "ProcessStats.h"
#include "ToolRun.h"
#include "documents/FileItem.h"
#include "documents/FileItemList.h"
#include "ui/MainWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QListWidget>
#include <QTimer>
#include <algorithm>
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

namespace {
    QString windowSection(const BenchContext& context, const QString& folder, int count)
    {
        MarkdownTable table(
            { QStringLiteral("Documents given"), QStringLiteral("Rows shown"), QStringLiteral("First row shown (ms)"),
                QStringLiteral("Every row shown and checked (s)"), QStringLiteral("Longest GUI stall (ms)"),
                QStringLiteral("Peak RSS (MiB)") },
            QStringLiteral("rrrrrr"));
        for (int round = 0; round < context.repetitions; ++round) {
            const ToolResult child = ToolRun::run(
                context.selfPath, { QStringLiteral("--child-addwindow"), folder, QString::number(count) });
            const QMap<QString, QString> values = ToolRun::keyValues(child.standardOutput);
            if (values.isEmpty()) {
                table.addRow({ QString::number(count),
                    QStringLiteral("failed: %1")
                        .arg(QString::fromLocal8Bit(child.standardError.trimmed().right(200))) });
                continue;
            }
            table.addRow({ QString::number(count), values.value(QStringLiteral("rows")),
                values.value(QStringLiteral("firstRowMs")),
                MarkdownTable::number(values.value(QStringLiteral("seconds")).toDouble(), 2),
                values.value(QStringLiteral("longestGapMs")),
                mebibytesOfKiB(values.value(QStringLiteral("peakKiB"))) });
        }
        return QStringLiteral(
                   "\n### Adding to the window\n\n"
                   "`MainWindow::addFileRows` with the same %1 paths, the real window shown on the offscreen "
                   "platform, one fresh process per round: the time until every row is shown and every "
                   "document inspected, and the longest gap between two ticks of a 10 ms timer on the GUI "
                   "thread meanwhile (10 ms is no stall at all).\n\n")
                   .arg(count)
            + table.toMarkdown();
    }

    /** A folder of count hard links cycling through the corpus documents that Debian ships. */
    QString manualsFolder(const BenchContext& context, int count)
    {
        const QStringList paths = context.corpus->manyDocumentPaths(count, QStringLiteral("manuals"),
            [](const CorpusDocument& document) { return document.origin.startsWith(QLatin1String("Debian")); });
        return QFileInfo(paths.value(0)).absolutePath();
    }

    QString inspectionSection(const BenchContext& context)
    {
        const int count = context.quick ? 100 : 1000;
        const QString folder = manualsFolder(context, count);
        const QString loop = QStringLiteral("for f in \"$1\"/*.pdf; do qpdf --show-npages \"$f\" >/dev/null; done");
        QList<double> listSeconds;
        QList<double> qpdfSeconds;
        for (int round = 0; round < context.repetitions; ++round) {
            const ToolResult list = ToolRun::run(context.selfPath,
                { QStringLiteral("--child-addfiles"), folder, QString::number(count), QStringLiteral("0") });
            listSeconds << ToolRun::keyValues(list.standardOutput).value(QStringLiteral("seconds")).toDouble();
            const ToolResult shell
                = ToolRun::run(QStringLiteral("sh"), { QStringLiteral("-c"), loop, QStringLiteral("sh"), folder });
            qpdfSeconds << shell.seconds;
        }
        MarkdownTable table({ QStringLiteral("Manuals"), QStringLiteral("List, every one inspected (s)"),
                                QStringLiteral("Shell loop of `qpdf --show-npages` (s)"), QStringLiteral("Ratio") },
            QStringLiteral("rrrr"));
        const double listMedian = median(listSeconds);
        const double qpdfMedian = median(qpdfSeconds);
        table.addRow(
            { QString::number(count), MarkdownTable::number(listMedian, 2), MarkdownTable::number(qpdfMedian, 2),
                MarkdownTable::number(qpdfMedian > 0 ? listMedian / qpdfMedian : 0.0, 2) });
        return QStringLiteral("\n### Inspection against qpdf\n\n"
                              "%1 real manuals (hard links cycling through the documents Debian ships, above): the "
                              "list inspecting them all on its own threads, against a shell loop of `qpdf "
                              "--show-npages` over the same files (one process per file). Medians of %2 "
                              "interleaved rounds.\n\n")
                   .arg(count)
                   .arg(context.repetitions)
            + table.toMarkdown();
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
                QStringLiteral("Listed but not opened ¹"), QStringLiteral("`addFiles` until all inspected (s)"),
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
            "`FileItemList::addFiles` with one list of paths, until the last inspection has reported, in a "
            "fresh process for each row: every path is a distinct file (hard links cycling through the %1 "
            "documents of the corpus above), so each is opened and inspected with qpdf. The last row "
            "repeats the largest count with the open-file limit that most desktop sessions give a process "
            "(%2).\n\n"
            "¹ Items the list accepted although qpdf could not open them (no icon, page count 1).\n\n")
                    .arg(context.corpus->documents().size())
                    .arg(commonDesktopOpenFileLimit);
        text += table.toMarkdown();
        text += windowSection(context, folder, counts.last());
        text += inspectionSection(context);
        return text;
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
        // Inspection runs on the list's own threads; the figures count until the last one has reported.
        while (list.checkingCount() > 0) {
            // Sleeps until something happens (the overload with a time limit would spin instead).
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
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

    int addToWindowInChild(const QString& folder, int count)
    {
        QStringList paths;
        const QStringList names = QDir(folder).entryList({ QStringLiteral("*.pdf") }, QDir::Files, QDir::Name);
        for (const QString& name : names.mid(0, count)) {
            paths << folder + QLatin1Char('/') + name;
        }
        MainWindow* window = MainWindow::instance();
        window->show();
        QCoreApplication::processEvents();
        QListWidget* rows = window->findChild<QListWidget*>(QStringLiteral("listWidget"));
        FileItemList* items = window->fileItemList();

        QElapsedTimer clock;
        qint64 lastTick = 0;
        qint64 longestGap = 0;
        QTimer ticker;
        ticker.setInterval(10);
        QObject::connect(&ticker, &QTimer::timeout, [&]() {
            const qint64 now = clock.elapsed();
            longestGap = std::max(longestGap, now - lastTick);
            lastTick = now;
        });
        clock.start();
        ticker.start();
        window->addFileRows(paths);
        const qint64 firstRow = clock.elapsed();
        while (items->checkingCount() > 0 || rows->count() < items->count()) {
            // Sleeps until something happens (the overload with a time limit would spin instead).
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        longestGap = std::max(longestGap, clock.elapsed() - lastTick);
        std::printf("given=%lld rows=%d firstRowMs=%lld seconds=%.4f longestGapMs=%lld peakKiB=%lld\n",
            static_cast<long long>(paths.size()), rows->count(), static_cast<long long>(firstRow), seconds,
            static_cast<long long>(longestGap), static_cast<long long>(ProcessStats::peakResidentKiB()));
        std::fflush(stdout);
        return 0;
    }
} // namespace AddFilesMeasure
