#include "BatchMeasure.h"

#include "BenchContext.h"
#include "Corpus.h"
#include "MarkdownTable.h"
#include "ProcessStats.h"
#include "documents/FileItem.h"
#include "documents/FileItemList.h"
#include "documents/FunctionRunnable.h"
#include "engine/CompressSetting.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QThreadPool>
#include <algorithm>

namespace {
    struct Run
    {
        QString label;
        int threads = 0; // 0: one after another on this thread, without the pool
        QList<double> seconds;
        int failures = 0;
    };

    QString emptiedFolder(const QString& folder)
    {
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        return folder;
    }

    double oneAfterAnother(const FileItemList& list, const QString& outputFolder, int& failures)
    {
        QElapsedTimer timer;
        timer.start();
        for (qint32 index = 0; index < list.count(); ++index) {
            FileItem* item = list.at(index);
            if (item->pdfCompress(item->filePath(), outputFolder) != 0) {
                ++failures;
            }
        }
        return static_cast<double>(timer.nsecsElapsed()) / 1e9;
    }

    /** Queues one task per item, as Compress does, and waits in the event loop until all have reported. */
    double throughPool(const FileItemList& list, const QString& outputFolder, int threads, int& failures)
    {
        QThreadPool* pool = QThreadPool::globalInstance();
        pool->setMaxThreadCount(threads);
        QEventLoop loop;
        int reported = 0;
        QElapsedTimer timer;
        timer.start();
        for (qint32 index = 0; index < list.count(); ++index) {
            auto* task = new FunctionRunnable(FunctionRunnable::compressKind, list.at(index), outputFolder);
            QObject::connect(task, &FunctionRunnable::finished, &loop, [&](int code) {
                failures += code == 0 ? 0 : 1;
                if (++reported == list.count()) {
                    loop.quit();
                }
            });
            pool->start(task, 0);
        }
        if (reported < list.count()) {
            loop.exec();
        }
        const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        pool->waitForDone();
        return seconds;
    }
} // namespace

namespace BatchMeasure {
    QString run(const BenchContext& context)
    {
        const QStringList documents = context.corpus->batchDocuments(context.quick ? 4 : 20);
        const QString outputFolder = context.workFolder + QStringLiteral("/batch");
        FileItemList list;
        list.addFiles(documents);
        const CompressSetting setting { Medium, 5 };
        for (qint32 index = 0; index < list.count(); ++index) {
            list.at(index)->setCompressSetting(setting);
        }

        const int cores = ProcessStats::coreCount();
        QList<Run> runs = { { QStringLiteral("one after another, no pool"), 0, {}, 0 } };
        QList<int> poolSizes = { 1, 2, cores };
        std::sort(poolSizes.begin(), poolSizes.end());
        poolSizes.erase(std::unique(poolSizes.begin(), poolSizes.end()), poolSizes.end());
        for (int threads : poolSizes) {
            QString label = QStringLiteral("task runner, pool of %1").arg(threads);
            if (threads == cores) {
                label += QStringLiteral(" (all cores)");
            }
            runs << Run { label, threads, {}, 0 };
        }

        // Every run goes once per round, so that changes in the machine's load fall on all of them.
        const int rounds = qMin(context.repetitions, 3);
        const int originalThreads = QThreadPool::globalInstance()->maxThreadCount();
        for (int round = 0; round < rounds; ++round) {
            for (Run& run : runs) {
                const QString folder = emptiedFolder(outputFolder);
                run.seconds << (run.threads == 0 ? oneAfterAnother(list, folder, run.failures)
                                                 : throughPool(list, folder, run.threads, run.failures));
            }
        }
        QThreadPool::globalInstance()->setMaxThreadCount(originalThreads);
        QDir(outputFolder).removeRecursively();

        const double baseline = median(runs.first().seconds);
        MarkdownTable table(
            { QStringLiteral("Run"), QStringLiteral("Wall time (s)"), QStringLiteral("Documents per second"),
                QStringLiteral("Speed-up"), QStringLiteral("Failed compressions") },
            QStringLiteral("lrrrr"));
        for (const Run& run : runs) {
            const double seconds = median(run.seconds);
            table.addRow(
                { run.label, MarkdownTable::number(seconds, 2), MarkdownTable::number(list.count() / seconds, 2),
                    MarkdownTable::number(baseline / seconds, 2), QString::number(run.failures) });
        }

        QString text = QStringLiteral("## 3. Batch throughput\n\n");
        text += QStringLiteral(
            "%1 documents (generated: 2 pages of colour photographs each, JPEG 200 dpi, %2 MiB together) with "
            "*Medium File Size*, added through `FileItemList::addFiles`. Each run compresses all of them: "
            "*one after another* calls `pdfCompress` of each item on this thread; the task-runner runs "
            "queue one `FunctionRunnable` per item on `QThreadPool::globalInstance()` limited to the number of "
            "threads shown, and wait for every `finished`. Median of %3 rounds; speed-up against one after "
            "another. The application itself limits its pool to half the cores, at least 1: **%4** on this "
            "machine.\n\n")
                    .arg(list.count())
                    .arg(MarkdownTable::mebibytes([&documents]() {
                        qint64 total = 0;
                        for (const QString& path : documents) {
                            total += QFileInfo(path).size();
                        }
                        return total;
                    }()))
                    .arg(rounds)
                    .arg(qMax(1, cores / 2));
        return text + table.toMarkdown();
    }
} // namespace BatchMeasure
