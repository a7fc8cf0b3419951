#include "EngineOverheadMeasure.h"

#include "BenchContext.h"
#include "Corpus.h"
#include "MarkdownTable.h"
#include "Rewriters.h"
#include "engine/CompressSetting.h"

#include "engine/PdfRepacker.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <memory>
#include <thread>
#include <vector>

namespace {
    const int levels[] = { 1, 5, 10 };

    /** One document of each kind where images matter differently: real scans, a real manual, plain text. */
    QList<CorpusDocument> chosenDocuments(const BenchContext& context)
    {
        const QStringList preferred = { QStringLiteral("en-eyesj.pdf"), QStringLiteral("colour-photo-scan.pdf"),
            QStringLiteral("text-only.pdf") };
        const QList<CorpusDocument> all = context.corpus->documents();
        QList<CorpusDocument> chosen;
        for (const QString& name : preferred) {
            for (const CorpusDocument& document : all) {
                if (document.name == name) {
                    chosen << document;
                }
            }
        }
        if (chosen.isEmpty() && !all.isEmpty()) {
            chosen << all.first();
        }
        return chosen;
    }

    double secondsSince(const QElapsedTimer& timer) { return static_cast<double>(timer.nsecsElapsed()) / 1e9; }

    /** Wall time of `runs` lossless passes over source in this process: one after another, or all at once. */
    double inProcessPasses(const QString& source, const QString& folder, int runs, bool atOnce)
    {
        QElapsedTimer timer;
        timer.start();
        std::vector<std::thread> threads;
        for (int run = 0; run < runs; ++run) {
            const QString output = folder + QStringLiteral("/pass-%1.pdf").arg(run);
            const auto pass = [source, output] { PdfRepacker::repack({ source, {} }, output); };
            if (atOnce) {
                threads.emplace_back(pass);
            } else {
                pass();
            }
        }
        for (std::thread& thread : threads) {
            thread.join();
        }
        return secondsSince(timer);
    }

    /** The same with one qpdf process per pass, as a helper process of the application would run it. */
    double processPasses(const QString& source, const QString& folder, int runs, bool atOnce)
    {
        QElapsedTimer timer;
        timer.start();
        std::vector<std::unique_ptr<QProcess>> processes;
        for (int run = 0; run < runs; ++run) {
            auto process = std::make_unique<QProcess>();
            process->start(QStringLiteral("qpdf"),
                { QStringLiteral("--recompress-flate"), QStringLiteral("--compression-level=9"),
                    QStringLiteral("--object-streams=generate"), source,
                    folder + QStringLiteral("/process-%1.pdf").arg(run) });
            if (!atOnce) {
                process->waitForFinished(-1);
            }
            processes.push_back(std::move(process));
        }
        for (const std::unique_ptr<QProcess>& process : processes) {
            process->waitForFinished(-1);
        }
        return secondsSince(timer);
    }

    /** Whether the lossless pass scales when two compressions run it at once, in this process or in helpers. */
    QString passScaling(const BenchContext& context, const QString& folder)
    {
        MarkdownTable table({ QStringLiteral("Document"), QStringLiteral("In-process, one after another (s)"),
                                QStringLiteral("In-process, two at once (s)"), QStringLiteral("Speed-up"),
                                QStringLiteral("Processes, one after another (s)"),
                                QStringLiteral("Processes, two at once (s)"), QStringLiteral("Speed-up") },
            QStringLiteral("lrrrrrr"));
        for (const CorpusDocument& document : context.corpus->documents()) {
            QList<double> serial, parallel, serialProcesses, parallelProcesses;
            for (int repetition = 0; repetition < context.repetitions; ++repetition) {
                serial << inProcessPasses(document.path, folder, 2, false);
                parallel << inProcessPasses(document.path, folder, 2, true);
                serialProcesses << processPasses(document.path, folder, 2, false);
                parallelProcesses << processPasses(document.path, folder, 2, true);
            }
            table.addRow({ document.name, MarkdownTable::number(median(serial), 2),
                MarkdownTable::number(median(parallel), 2), MarkdownTable::number(median(serial) / median(parallel), 2),
                MarkdownTable::number(median(serialProcesses), 2), MarkdownTable::number(median(parallelProcesses), 2),
                MarkdownTable::number(median(serialProcesses) / median(parallelProcesses), 2) });
        }
        return QStringLiteral("\n### The lossless pass, two at once\n\n"
                              "Two lossless passes over the same source (`PdfRepacker::repack` in threads of this "
                              "process; the `qpdf` command with the same options in processes of their own), one "
                              "after another and both at once; median of %1 rounds. A speed-up near 2 means the pass "
                              "does not hold the other compression back where it runs.\n\n")
                   .arg(context.repetitions)
            + table.toMarkdown();
    }

    QString sizeCell(qint64 bytes, qint64 sourceBytes)
    {
        return QStringLiteral("%1 (%2)").arg(MarkdownTable::mebibytes(bytes),
            MarkdownTable::percent(static_cast<double>(bytes) / static_cast<double>(sourceBytes), 0));
    }
} // namespace

namespace EngineOverheadMeasure {
    QString run(const BenchContext& context)
    {
        const QString folder = context.workFolder + QStringLiteral("/engine");
        QDir().mkpath(folder);
        MarkdownTable table(
            { QStringLiteral("Document"), QStringLiteral("Level"), QStringLiteral("`compress` (s)"),
                QStringLiteral("`gs` command (s)"), QStringLiteral("Ratio compress / gs"),
                QStringLiteral("libgs alone, in-process (s)"), QStringLiteral("Choosing the copy (s)"),
                QStringLiteral("Application output, MiB (share)"), QStringLiteral("Before the pass, MiB (share)"),
                QStringLiteral("gs output, MiB (share)"), QStringLiteral("Delivered") },
            QStringLiteral("lrrrrrrrrrl"));
        QStringList failures;
        QList<double> ratios;

        for (const CorpusDocument& document : chosenDocuments(context)) {
            for (int level : levels) {
                const QString commandOutput = folder + QStringLiteral("/command.pdf");
                const QString inProcessOutput = folder + QStringLiteral("/in-process.pdf");
                const QStringList argv = Rewriters::applicationArguments(level, document.path, commandOutput);
                QStringList inProcessArgv = argv;
                inProcessArgv.replaceInStrings(commandOutput, inProcessOutput);
                if (argv.isEmpty()) {
                    failures << QStringLiteral("%1 level %2: could not build the argument list")
                                    .arg(document.name)
                                    .arg(level);
                    continue;
                }

                QList<double> applicationTimes, commandTimes, inProcessTimes, choosingTimes;
                Rewrite application, command, inProcess;
                for (int repetition = 0; repetition < context.repetitions; ++repetition) {
                    // Rotate the order so that none of the three always runs with a warm or a cold cache.
                    for (int turn = 0; turn < 3; ++turn) {
                        switch ((turn + repetition) % 3) {
                        case 0:
                            application = Rewriters::application(
                                document.path, folder + QStringLiteral("/application"), Custom, level);
                            applicationTimes << application.seconds;
                            choosingTimes << application.choosingSeconds;
                            break;
                        case 1:
                            command = Rewriters::ghostscriptCommand(argv.mid(1), commandOutput);
                            commandTimes << command.seconds;
                            break;
                        default:
                            inProcess = Rewriters::ghostscriptInProcess(inProcessArgv, inProcessOutput);
                            inProcessTimes << inProcess.seconds;
                            break;
                        }
                    }
                }
                if (!application.succeeded || !command.succeeded || !inProcess.succeeded) {
                    failures << QStringLiteral("%1 level %2: application %3, gs %4, libgs %5")
                                    .arg(document.name)
                                    .arg(level)
                                    .arg(application.succeeded ? QStringLiteral("ok") : application.failure,
                                        command.succeeded ? QStringLiteral("ok") : command.failure,
                                        inProcess.succeeded ? QStringLiteral("ok") : inProcess.failure);
                }
                const double ratio = median(applicationTimes) / median(commandTimes);
                ratios << ratio;
                table.addRow({ document.name, QString::number(level),
                    MarkdownTable::number(median(applicationTimes), 2), MarkdownTable::number(median(commandTimes), 2),
                    MarkdownTable::number(ratio, 2), MarkdownTable::number(median(inProcessTimes), 2),
                    MarkdownTable::number(median(choosingTimes), 2),
                    application.succeeded ? sizeCell(application.bytes, document.bytes) : QStringLiteral("failed"),
                    application.succeeded ? sizeCell(application.formerBytes, document.bytes) : QStringLiteral("–"),
                    command.succeeded ? sizeCell(command.bytes, document.bytes) : QStringLiteral("failed"),
                    application.succeeded ? application.delivery : QStringLiteral("–") });
            }
        }

        QString text = QStringLiteral("## 1. Engine overhead\n\n");
        text += QStringLiteral(
            "`GSCompressor::compress` (Custom mode at the level shown) against the `gs` command given the "
            "identical argument list, and against that argument list run through libgs in this process with "
            "nothing around it. Each figure is the median of %1 runs; the three kinds of run take turns. "
            "`compress` also copies the source into the Temp folder, has qpdf check the source and the rewrite, "
            "chooses the copy to deliver (*Choosing the copy*: the lossless qpdf pass over the rewrite and over "
            "the source, skipped where it cannot win, and the checks of what it wrote) and moves the result into "
            "the output folder. *Before the pass* is what the engine delivered without the lossless pass.\n\n")
                    .arg(context.repetitions);
        text += table.toMarkdown();
        text += QStringLiteral("\nMedian ratio over all rows: **%1**.\n").arg(MarkdownTable::number(median(ratios), 2));
        for (const QString& failure : failures) {
            text += QStringLiteral("\n- Failed: %1").arg(failure);
        }
        text += passScaling(context, folder);
        return text + QStringLiteral("\n");
    }
} // namespace EngineOverheadMeasure
