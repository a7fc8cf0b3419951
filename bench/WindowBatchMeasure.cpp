#include "WindowBatchMeasure.h"

#include "BenchContext.h"
#include "Corpus.h"
#include "MarkdownTable.h"
#include "ProcessStats.h"
#include "ToolRun.h"
#include "documents/FileItem.h"
#include "documents/FileItemList.h"
#include "engine/CompressSetting.h"
#include "foundation/SettingsStore.h"
#include "ui/MainWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QThreadPool>
#include <QTimer>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {
    constexpr int documentCount = 12;
    // The goal for two compressions at once on two cores that nobody else uses.
    constexpr double speedUpGoal = 1.8;
    // Below this one-minute load average the cores count as idle.
    constexpr double idleLoad = 0.5;
    // A hung window must not hang the whole benchmark: adding and the batch each get this long.
    constexpr int waitLimitMs = 30 * 60 * 1000;
    // How often the child looks whether the window is done; the event loop sleeps in between, so
    // the looking takes no core away from the compressions.
    constexpr int pollIntervalMs = 5;

    /**
     * What the window reads at start, as a user would have left it in the settings file: the output
     * folder, the Medium preset for every new row and the number of compressions at once.
     */
    void storeWindowSettings(int compressionsAtOnce, const QString& outputFolder)
    {
        SettingsStore* store = SettingsStore::instance();
        store->setOutputFolder(outputFolder);
        store->setCompressMode(Medium);
        const QString fileName = store->fileName();
        // The store only reads this key; it is written beside it and read again when the window opens the store.
        SettingsStore::destroyInstance();
        QSettings settings(fileName, QSettings::IniFormat);
        settings.setValue(QStringLiteral("Compressor/compressionsAtOnce"), compressionsAtOnce);
        settings.sync();
    }

    /** Runs the event loop until done() holds or limitMs has passed; whether done() holds. */
    bool waitUntil(const std::function<bool()>& done, int limitMs)
    {
        if (done()) {
            return true;
        }
        QEventLoop loop;
        QTimer poll;
        poll.setInterval(pollIntervalMs);
        QObject::connect(&poll, &QTimer::timeout, &loop, [&]() {
            if (done()) {
                loop.quit();
            }
        });
        QTimer::singleShot(limitMs, &loop, &QEventLoop::quit);
        poll.start();
        loop.exec();
        return done();
    }

    /**
     * Waits until the window lists every one of count documents, shows a row for each and has inspected
     * them all, and Compress can be clicked; false when a document was turned away or time ran out.
     */
    bool waitForInspectedRows(MainWindow* window, const QListWidget* rows, const QPushButton* compress, int count)
    {
        const FileItemList* items = window->fileItemList();
        const bool settled = waitUntil(
            [&]() { return items->checkingCount() == 0 && rows->count() == items->count() && compress->isEnabled(); },
            waitLimitMs);
        return settled && items->count() == count;
    }

    /** From now on, adds one to failed for every compression of a listed item that ends in failure. */
    void countFailures(const FileItemList& items, int& failed)
    {
        for (qint32 index = 0; index < items.count(); ++index) {
            QObject::connect(items.at(index), &FileItem::processFinishedSignal,
                [&failed](int code) { failed += code == 0 ? 0 : 1; });
        }
    }

    QStringList pdfFiles(const QString& folder)
    {
        QStringList paths;
        for (const QString& name : QDir(folder).entryList({ QStringLiteral("*.pdf") }, QDir::Files, QDir::Name)) {
            paths << folder + QLatin1Char('/') + name;
        }
        return paths;
    }

    int failChild(const char* reason)
    {
        std::fprintf(stderr, "%s\n", reason);
        return 1;
    }
} // namespace

namespace {
    /** One child: the window compressing the batch with a given number of compressions at once. */
    struct WindowRun
    {
        bool finished = false;
        QString failure; // why the child gave no figures
        double seconds = 0;
        int delivered = 0;
        int failures = 0;
        int poolFromSettings = 0;
        qint64 peakKiB = -1;
    };

    WindowRun runWindow(const BenchContext& context, const QString& inputFolder, int compressionsAtOnce, int round)
    {
        // A fresh folder each time: no run finds the names of another's deliveries taken.
        const QString outputFolder
            = context.workFolder + QStringLiteral("/windowbatch-out-%1-%2").arg(round).arg(compressionsAtOnce);
        QDir(outputFolder).removeRecursively();
        const ToolResult child = ToolRun::run(context.selfPath,
            { QStringLiteral("--child-windowbatch"), inputFolder, QString::number(compressionsAtOnce), outputFolder });
        QDir(outputFolder).removeRecursively();
        const QMap<QString, QString> values = ToolRun::keyValues(child.standardOutput);
        WindowRun run;
        if (!child.succeeded() || values.isEmpty()) {
            run.failure = QString::fromLocal8Bit(child.standardError.trimmed().right(200)).simplified();
            return run;
        }
        run.finished = true;
        run.seconds = values.value(QStringLiteral("seconds")).toDouble();
        run.delivered = values.value(QStringLiteral("delivered")).toInt();
        run.failures = values.value(QStringLiteral("failures")).toInt();
        run.poolFromSettings = values.value(QStringLiteral("poolFromSettings")).toInt();
        run.peakKiB = values.value(QStringLiteral("peakKiB"), QStringLiteral("-1")).toLongLong();
        return run;
    }

    QString mebibytesOfKiB(qint64 kibibytes)
    {
        return kibibytes >= 0 ? MarkdownTable::number(static_cast<double>(kibibytes) / 1024.0, 1)
                              : QStringLiteral("n/a");
    }

    QString secondsCell(const WindowRun& run)
    {
        return run.finished ? MarkdownTable::number(run.seconds, 2) : QStringLiteral("failed: %1").arg(run.failure);
    }

    /** "a / b" of a figure of the run with one compression and of the run with two. */
    QString pairCell(const WindowRun& one, const WindowRun& two, const std::function<QString(const WindowRun&)>& cell)
    {
        const auto shown = [&cell](const WindowRun& run) { return run.finished ? cell(run) : QStringLiteral("–"); };
        return shown(one) + QStringLiteral(" / ") + shown(two);
    }

    QString goalSentence(double ratio, const QString& loadBefore)
    {
        if (std::isnan(ratio)) {
            return QStringLiteral("No round finished on both sides, so there is no ratio to hold against the goal of "
                                  "%1 on two idle cores.")
                .arg(MarkdownTable::number(speedUpGoal, 1));
        }
        QString text = QStringLiteral("The goal, at least %1 on two idle cores, is %2 here.")
                           .arg(MarkdownTable::number(speedUpGoal, 1),
                               ratio >= speedUpGoal ? QStringLiteral("**met**") : QStringLiteral("**not met**"));
        const int cores = ProcessStats::coreCount();
        if (cores != 2) {
            text += QStringLiteral(" This machine offers %1 cores, not two.").arg(cores);
        }
        const double load = loadBefore.section(QLatin1Char(','), 0, 0).toDouble();
        if (load >= idleLoad) {
            text += QStringLiteral(" The cores were not idle (one-minute load average %1 before the first round): a "
                                   "second compression can only use what others leave of a core, so this ratio "
                                   "does not decide the goal; run the measure again on a quiet machine.")
                        .arg(MarkdownTable::number(load, 2));
        }
        return text;
    }

    QString introduction(int documentsGiven, qint64 totalBytes, const QString& poolFromSettings, int rounds)
    {
        return QStringLiteral("## 7. Batches in the window, one compression at a time against two\n\n")
            + QStringLiteral(
                "The real main window on the offscreen platform, in a fresh process for every run: %1 documents "
                "(generated: 2 pages of colour photographs each, JPEG 200 dpi, %2 MiB together) added with "
                "`addFileRows`, every row inspected, then Compress clicked with *Medium File Size* and a fresh output "
                "folder; timed from the click until the window is idle again. The number of compressions at once is "
                "stored in the settings file (`Compressor/compressionsAtOnce`, which the window read as %3) and set on "
                "the window's pool. *Ratio* is the time with one compression at a time over the time with two. "
                "*Window peak RSS* is the window's own process; the compressions run in worker processes of their "
                "own. %4.\n\n")
                  .arg(documentsGiven)
                  .arg(MarkdownTable::mebibytes(totalBytes))
                  .arg(poolFromSettings.isEmpty() ? QStringLiteral("n/a") : poolFromSettings)
                  .arg(rounds == 1 ? QStringLiteral("One round") : QStringLiteral("%1 interleaved rounds").arg(rounds));
    }

} // namespace

namespace WindowBatchMeasure {
    QString run(const BenchContext& context)
    {
        const QStringList documents = context.corpus->batchDocuments(documentCount);
        const QString inputFolder = context.workFolder + QStringLiteral("/windowbatch-in");
        const qint64 totalBytes = Corpus::copyInto(documents, inputFolder);

        MarkdownTable table({ QStringLiteral("Round"), QStringLiteral("Load average before (1 min)"),
                                QStringLiteral("One at a time (s)"), QStringLiteral("Two at once (s)"),
                                QStringLiteral("Ratio"), QStringLiteral("Delivered (1 / 2)"),
                                QStringLiteral("Failed (1 / 2)"), QStringLiteral("Window peak RSS, MiB (1 / 2)") },
            QStringLiteral("rrrrrrrr"));
        QList<double> ratios;
        QString poolFromSettings;
        // One at a time, then two at once, in every round: changes in the machine's load fall on both alike.
        const QString loadBefore = ProcessStats::loadAverage();
        for (int round = 1; round <= context.repetitions; ++round) {
            const QString roundLoad = ProcessStats::loadAverage().section(QLatin1Char(','), 0, 0);
            const WindowRun one = runWindow(context, inputFolder, 1, round);
            const WindowRun two = runWindow(context, inputFolder, 2, round);
            const bool bothFinished = one.finished && two.finished && two.seconds > 0;
            if (bothFinished) {
                ratios << one.seconds / two.seconds;
                poolFromSettings
                    = pairCell(one, two, [](const WindowRun& run) { return QString::number(run.poolFromSettings); });
            }
            table.addRow({ QString::number(round), roundLoad, secondsCell(one), secondsCell(two),
                bothFinished ? MarkdownTable::number(ratios.last(), 2) : QStringLiteral("n/a"),
                pairCell(one, two, [](const WindowRun& run) { return QString::number(run.delivered); }),
                pairCell(one, two, [](const WindowRun& run) { return QString::number(run.failures); }),
                pairCell(one, two, [](const WindowRun& run) { return mebibytesOfKiB(run.peakKiB); }) });
        }
        const QString loadAfter = ProcessStats::loadAverage();
        QDir(inputFolder).removeRecursively();

        const double ratio = median(ratios);
        QString text = introduction(documents.size(), totalBytes, poolFromSettings, context.repetitions);
        text += table.toMarkdown();
        text += QStringLiteral("\nMedian ratio one at a time / two at once: **%1** (rounds with both runs finished: %2 "
                               "of %3). Load average "
                               "(1, 5, 15 min) before: %4; after: %5. %6\n")
                    .arg(std::isnan(ratio) ? QStringLiteral("n/a") : MarkdownTable::number(ratio, 2))
                    .arg(ratios.size())
                    .arg(context.repetitions)
                    .arg(loadBefore, loadAfter, goalSentence(ratio, loadBefore));
        return text;
    }

    int compressInWindowChild(const QString& folder, int compressionsAtOnce, const QString& outputFolder)
    {
        const QStringList paths = pdfFiles(folder);
        if (paths.isEmpty() || compressionsAtOnce < 1) {
            return failChild("No documents to compress, or no compressions at once.");
        }
        QDir(outputFolder).removeRecursively();
        QDir().mkpath(outputFolder);
        storeWindowSettings(compressionsAtOnce, outputFolder);

        MainWindow* window = MainWindow::instance();
        window->show();
        const int poolFromSettings = window->compressionPool()->maxThreadCount();
        window->compressionPool()->setMaxThreadCount(compressionsAtOnce);
        auto* compress = window->findChild<QPushButton*>(QStringLiteral("btn_compress"));
        auto* outputField = window->findChild<QLineEdit*>(QStringLiteral("lineEdit_select_folder"));
        auto* rows = window->findChild<QListWidget*>(QStringLiteral("listWidget"));
        if (compress == nullptr || outputField == nullptr || rows == nullptr) {
            return failChild("The window has no Compress button, output folder field or list.");
        }
        outputField->setText(outputFolder);
        window->addFileRows(paths);
        if (!waitForInspectedRows(window, rows, compress, paths.size())) {
            return failChild("Not every document was listed, shown and inspected in time with Compress enabled.");
        }

        int failed = 0;
        countFailures(*window->fileItemList(), failed);
        QElapsedTimer clock;
        clock.start();
        compress->click();
        if (window->isIdle()) {
            return failChild("Compress started nothing.");
        }
        if (!waitUntil([window]() { return window->isIdle(); }, waitLimitMs)) {
            // Stops the compressions still running, so that none outlives this process.
            return MainWindow::finishBeforeExit(failChild("The batch did not end in time."));
        }
        const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        // The items hear of their results through the same queue that made the window idle.
        QCoreApplication::sendPostedEvents();

        std::printf("given=%lld rows=%d poolFromSettings=%d compressionsAtOnce=%d seconds=%.4f delivered=%lld "
                    "failures=%d peakKiB=%lld\n",
            static_cast<long long>(paths.size()), rows->count(), poolFromSettings,
            window->compressionPool()->maxThreadCount(), seconds, static_cast<long long>(pdfFiles(outputFolder).size()),
            failed, static_cast<long long>(ProcessStats::peakResidentKiB()));
        std::fflush(stdout);
        MainWindow::destroyInstance();
        return 0;
    }
} // namespace WindowBatchMeasure
