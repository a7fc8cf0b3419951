#include "EngineOverheadMeasure.h"

#include "BenchContext.h"
#include "Corpus.h"
#include "MarkdownTable.h"
#include "Rewriters.h"
#include "ToolRun.h"
#include "engine/CompressSetting.h"
#include "engine/GSCompressor.h"
#include "engine/PdfCheck.h"
#include "engine/StopSignal.h"
#include "engine/WorkerProcess.h"
#include "engine/WorkerRequest.h"

#include "engine/PdfRepacker.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <atomic>
#include <chrono>
#include <functional>
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

    double secondsOf(const std::function<void()>& work)
    {
        QElapsedTimer timer;
        timer.start();
        work();
        return secondsSince(timer);
    }

    /** The argument list as the application hands it to its worker: without -dQUIET, whose report it reads. */
    QStringList workerArguments(int level, const QString& source, const QString& output)
    {
        QStringList arguments = Rewriters::applicationArguments(level, source, output);
        arguments.removeAll(QStringLiteral("-dQUIET"));
        return arguments;
    }

    /** One run of the application's worker, as GSCompressor runs it; false when it failed. */
    bool runWorker(const QStringList& arguments, const QString& source, const QString& output)
    {
        QFile::remove(output);
        WorkerRequest request;
        request.arguments = arguments;
        request.sourcePath = source;
        request.rewritePath = output;
        StopSignal neverStopped;
        using namespace std::chrono_literals;
        const WorkerProcess::Outcome outcome
            = WorkerProcess::run(WorkerProcess::executablePath(), request.encode(), 3600s, neverStopped, {});
        return outcome.ending == WorkerProcess::Ending::Exited && outcome.exitStatus == 0;
    }

    /** Both qpdf inspections of a compression: the source's before the run, the rewrite's after it. */
    bool runChecks(const QString& source, const QString& rewrite)
    {
        const PdfCheck::Result before = PdfCheck::inspect(source, QString(), PdfCheck::Detail::PagesAndNavigation);
        const PdfCheck::Result after = PdfCheck::inspect(rewrite, QString(), PdfCheck::Detail::PagesAndNavigation);
        return before.outcome == PdfCheck::Outcome::Readable && after.outcome == PdfCheck::Outcome::Readable;
    }

    /** Two runs one after the other, then the same two at once on two threads: seconds of each way. */
    QPair<double, double> pairTimes(const std::function<void(int)>& runOne)
    {
        const double oneAtATime = secondsOf([&] {
            runOne(0);
            runOne(1);
        });
        const double together = secondsOf([&] {
            std::thread second([&] { runOne(1); });
            runOne(0);
            second.join();
        });
        return { oneAtATime, together };
    }

    /** Two documents compressed at once, each in a worker of its own, against one at a time; gs alike. */
    QString concurrencySection(const BenchContext& context, const QString& folder)
    {
        const QList<CorpusDocument> documents = chosenDocuments(context);
        if (documents.isEmpty()) {
            return QString();
        }
        const CorpusDocument document = documents.first();
        constexpr int level = 1;
        QList<QStringList> workerArgv;
        QList<QStringList> commandArgv;
        for (int index = 0; index < 2; ++index) {
            workerArgv << workerArguments(
                level, document.path, folder + QStringLiteral("/pair-worker%1.pdf").arg(index));
            commandArgv << workerArguments(level, document.path, folder + QStringLiteral("/pair-gs%1.pdf").arg(index));
        }
        QList<double> workerSpeedUps;
        QList<double> commandSpeedUps;
        MarkdownTable table({ QStringLiteral("Round"), QStringLiteral("Workers: one at a time (s)"),
                                QStringLiteral("Workers: two at once (s)"), QStringLiteral("Speed-up"),
                                QStringLiteral("`gs`: one at a time (s)"), QStringLiteral("`gs`: two at once (s)"),
                                QStringLiteral("Speed-up") },
            QStringLiteral("rrrrrrr"));
        for (int round = 1; round <= context.repetitions; ++round) {
            const QPair<double, double> workers = pairTimes([&](int index) {
                runWorker(
                    workerArgv.at(index), document.path, folder + QStringLiteral("/pair-worker%1.pdf").arg(index));
            });
            const QPair<double, double> commands
                = pairTimes([&](int index) { ToolRun::run(QStringLiteral("gs"), commandArgv.at(index).mid(1)); });
            workerSpeedUps << workers.first / workers.second;
            commandSpeedUps << commands.first / commands.second;
            table.addRow({ QString::number(round), MarkdownTable::number(workers.first, 2),
                MarkdownTable::number(workers.second, 2), MarkdownTable::number(workerSpeedUps.last(), 2),
                MarkdownTable::number(commands.first, 2), MarkdownTable::number(commands.second, 2),
                MarkdownTable::number(commandSpeedUps.last(), 2) });
        }
        return QStringLiteral("### Two documents at once\n\n%1 at Custom level %2, twice: the two runs one after the "
                              "other, then both at once (two workers, as two pool threads of the application start "
                              "them; two `gs` commands likewise), in the same rounds. Median speed-up: workers "
                              "**%3**, `gs` **%4**.\n\n")
                   .arg(document.name)
                   .arg(level)
                   .arg(MarkdownTable::number(median(workerSpeedUps), 2),
                       MarkdownTable::number(median(commandSpeedUps), 2))
            + table.toMarkdown();
    }

    // The engine's own account of its steps, in the order it runs them.
    const QStringList accountedSteps = { QStringLiteral("interpreter"), QStringLiteral("source check"),
        QStringLiteral("rewrite check"), QStringLiteral("source pass"), QStringLiteral("rewrite pass"),
        QStringLiteral("ink checks"), QStringLiteral("choosing") };

    /**
     * The `gs` command while a plain loop keeps the other core busy: whether the interpreter slows down beside
     * other work on this machine, as it may where two cores share caches or a physical core. The single
     * document's wall time, with the lossless pass beside the interpreter, is read against it.
     */
    Rewrite ghostscriptBesideBusyCore(const QStringList& arguments, const QString& output)
    {
        std::atomic<bool> done { false };
        std::thread busy([&done] {
            volatile unsigned long spins = 0;
            while (!done.load(std::memory_order_relaxed)) {
                spins = spins + 1;
            }
        });
        const Rewrite command = Rewriters::ghostscriptCommand(arguments, output);
        done = true;
        busy.join();
        return command;
    }

    double stepSeconds(const Rewrite& rewrite, const QString& step)
    {
        for (const auto& entry : rewrite.stepCpuSeconds) {
            if (entry.first == step) {
                return entry.second;
            }
        }
        return 0.0;
    }

    /**
     * Processor time, user and system with child processes, of `compress` at Medium against the `gs` command
     * given the very argument list, and of each step as the engine accounts for it, on every document.
     */
    QString stepCostSection(const BenchContext& context, const QString& folder)
    {
        constexpr int mediumLevel = 5;
        QStringList headers = { QStringLiteral("Document"), QStringLiteral("`compress` CPU (s)"),
            QStringLiteral("`gs` CPU (s)"), QStringLiteral("Ratio") };
        for (const QString& step : accountedSteps) {
            headers << step + QStringLiteral(" (s)");
        }
        headers << QStringLiteral("Delivered bytes") << QStringLiteral("Delivered");
        MarkdownTable table(headers, QStringLiteral("lrrr") + QString(accountedSteps.size(), QLatin1Char('r')) + "rl");
        double compressTotal = 0.0;
        double commandTotal = 0.0;
        QList<double> aloneCompressWall, aloneCommandWall, besideBusyWall, besideBusyCpu, aloneCommandCpu;
        QString aloneDocument;
        for (const CorpusDocument& document : context.corpus->documents()) {
            const QString commandOutput = folder + QStringLiteral("/steps-gs.pdf");
            const QStringList argv = Rewriters::applicationArguments(mediumLevel, document.path, commandOutput);
            if (argv.isEmpty()) {
                continue;
            }
            QList<double> compressCpu, commandCpu;
            std::vector<QList<double>> steps(static_cast<size_t>(accountedSteps.size()));
            Rewrite application;
            for (int repetition = 0; repetition < context.repetitions; ++repetition) {
                application = Rewriters::application(document.path, folder + QStringLiteral("/steps"), Medium, 0);
                const Rewrite command = Rewriters::ghostscriptCommand(argv.mid(1), commandOutput);
                compressCpu << application.cpuSeconds;
                commandCpu << command.cpuSeconds;
                for (int index = 0; index < accountedSteps.size(); ++index) {
                    steps[static_cast<size_t>(index)] << stepSeconds(application, accountedSteps.at(index));
                }
                if (aloneDocument.isEmpty() || aloneDocument == document.name) {
                    aloneDocument = document.name;
                    aloneCompressWall << application.seconds;
                    aloneCommandWall << command.seconds;
                    aloneCommandCpu << command.cpuSeconds;
                    const Rewrite besideBusy = ghostscriptBesideBusyCore(argv.mid(1), commandOutput);
                    besideBusyWall << besideBusy.seconds;
                    besideBusyCpu << besideBusy.cpuSeconds;
                }
            }
            compressTotal += median(compressCpu);
            commandTotal += median(commandCpu);
            QStringList row = { document.name, MarkdownTable::number(median(compressCpu), 2),
                MarkdownTable::number(median(commandCpu), 2),
                MarkdownTable::number(median(compressCpu) / median(commandCpu), 2) };
            for (const QList<double>& step : steps) {
                row << MarkdownTable::number(median(step), 2);
            }
            row << (application.succeeded ? QString::number(application.bytes) : QStringLiteral("failed"))
                << (application.succeeded ? application.delivery : QStringLiteral("–"));
            table.addRow(row);
        }
        return QStringLiteral(
                   "\n### Processor time per step\n\n`compress` at Medium and the `gs` command given the very "
                   "argument list it builds, processor time (user and system, child processes included), "
                   "median of %1 runs; then each step as the engine accounts for it in its log line "
                   "\"Processor time per step\": the interpreter's worker (with its comparison of pages "
                   "when the interpreter reports problems), the qpdf checks of the source and of the "
                   "rewrite, the lossless pass over the source (on a thread of its own while the worker "
                   "runs) and over the rewrite, each with the check of what it wrote, the ink checks of "
                   "repacked copies, and the choice itself. Over all documents: `compress` **%2 s**, `gs` "
                   "**%3 s**, ratio **%4**. One document alone (%5), wall time: `compress` **%6 s**, `gs` "
                   "**%7 s**. The same `gs` command while a plain loop keeps the other core busy: wall time **%8 s**, "
                   "processor time **%9 s**, against **%10 s** with the other core idle: the interpreter's "
                   "slowdown beside any other work on this machine, a lossless pass included.\n\n")
                   .arg(context.repetitions)
                   .arg(MarkdownTable::number(compressTotal, 2), MarkdownTable::number(commandTotal, 2),
                       MarkdownTable::number(compressTotal / commandTotal, 2), aloneDocument,
                       MarkdownTable::number(median(aloneCompressWall), 2),
                       MarkdownTable::number(median(aloneCommandWall), 2),
                       MarkdownTable::number(median(besideBusyWall), 2),
                       MarkdownTable::number(median(besideBusyCpu), 2),
                       MarkdownTable::number(median(aloneCommandCpu), 2))
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
                QStringLiteral("Worker (s)"), QStringLiteral("`gs` command (s)"), QStringLiteral("Ratio compress / gs"),
                QStringLiteral("Ratio worker / gs"), QStringLiteral("libgs alone, in-process (s)"),
                QStringLiteral("qpdf checks (s)"), QStringLiteral("Checks / gs"),
                QStringLiteral("Choosing the copy (s)"), QStringLiteral("Application output, MiB (share)"),
                QStringLiteral("Before the pass, MiB (share)"), QStringLiteral("gs output, MiB (share)"),
                QStringLiteral("Delivered") },
            QStringLiteral("lrrrrrrrrrrrrrl"));
        QStringList failures;
        QList<double> ratios;
        QList<double> checkShares;
        QList<double> compressRatios;

        for (const CorpusDocument& document : chosenDocuments(context)) {
            for (int level : levels) {
                const QString commandOutput = folder + QStringLiteral("/command.pdf");
                const QString workerOutput = folder + QStringLiteral("/worker.pdf");
                const QStringList argv = workerArguments(level, document.path, commandOutput);
                QStringList workerArgv = argv;
                workerArgv.replaceInStrings(commandOutput, workerOutput);
                // libgs in this process keeps -dQUIET: nothing here reads its report.
                const QString inProcessOutput = folder + QStringLiteral("/in-process.pdf");
                const QStringList inProcessArgv
                    = Rewriters::applicationArguments(level, document.path, inProcessOutput);
                if (argv.isEmpty()) {
                    failures << QStringLiteral("%1 level %2: could not build the argument list")
                                    .arg(document.name)
                                    .arg(level);
                    continue;
                }

                QList<double> applicationTimes, workerTimes, commandTimes, inProcessTimes, checkTimes, choosingTimes;
                Rewrite application, command, inProcess;
                bool workerSucceeded = true;
                bool checksSucceeded = true;
                for (int repetition = 0; repetition < context.repetitions; ++repetition) {
                    // Rotate the order so that none of the kinds always runs with a warm or a cold cache.
                    for (int turn = 0; turn < 5; ++turn) {
                        switch ((turn + repetition) % 5) {
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
                        case 2:
                            workerTimes << secondsOf([&] {
                                workerSucceeded = runWorker(workerArgv, document.path, workerOutput) && workerSucceeded;
                            });
                            break;
                        case 3:
                            inProcess = Rewriters::ghostscriptInProcess(inProcessArgv, inProcessOutput);
                            inProcessTimes << inProcess.seconds;
                            break;
                        default:
                            // The worker's rewrite of an earlier turn, or the command's, is the one inspected.
                            checkTimes << secondsOf([&] {
                                checksSucceeded = runChecks(document.path,
                                                      QFileInfo::exists(workerOutput) ? workerOutput : commandOutput)
                                    && checksSucceeded;
                            });
                            break;
                        }
                    }
                }
                if (!application.succeeded || !command.succeeded || !workerSucceeded || !inProcess.succeeded) {
                    failures << QStringLiteral("%1 level %2: application %3, gs %4, worker %5, libgs %6")
                                    .arg(document.name)
                                    .arg(level)
                                    .arg(application.succeeded ? QStringLiteral("ok") : application.failure,
                                        command.succeeded ? QStringLiteral("ok") : command.failure,
                                        workerSucceeded ? QStringLiteral("ok") : QStringLiteral("failed"),
                                        inProcess.succeeded ? QStringLiteral("ok") : inProcess.failure);
                }
                const double compressRatio = median(applicationTimes) / median(commandTimes);
                compressRatios << compressRatio;
                const double ratio = median(workerTimes) / median(commandTimes);
                const double checkShare = median(checkTimes) / median(commandTimes);
                ratios << ratio;
                checkShares << checkShare;
                table.addRow({ document.name, QString::number(level),
                    MarkdownTable::number(median(applicationTimes), 2), MarkdownTable::number(median(workerTimes), 2),
                    MarkdownTable::number(median(commandTimes), 2), MarkdownTable::number(compressRatio, 2),
                    MarkdownTable::number(ratio, 2), MarkdownTable::number(median(inProcessTimes), 2),
                    checksSucceeded ? MarkdownTable::number(median(checkTimes), 3) : QStringLiteral("failed"),
                    MarkdownTable::percent(checkShare, 1), MarkdownTable::number(median(choosingTimes), 2),
                    application.succeeded ? sizeCell(application.bytes, document.bytes) : QStringLiteral("failed"),
                    application.succeeded ? sizeCell(application.formerBytes, document.bytes) : QStringLiteral("–"),
                    command.succeeded ? sizeCell(command.bytes, document.bytes) : QStringLiteral("failed"),
                    application.succeeded ? application.delivery : QStringLiteral("–") });
            }
        }

        QString text = QStringLiteral("## 1. Engine overhead\n\n");
        text += QStringLiteral(
            "`GSCompressor::compress` (Custom mode at the level shown), its worker process run alone with the "
            "argument list the application gives it, the `gs` command given that identical argument list, and "
            "that argument list run through libgs in this process with nothing around it. *qpdf checks* are the "
            "two inspections around the run (the source's pages, links and bookmarks before it, the rewrite's "
            "after it), timed on their own. Each figure is the median of %1 runs; the kinds of run take turns. "
            "`compress` also copies the source into the Temp folder, has qpdf check the source and the rewrite, "
            "chooses the copy to deliver (*Choosing the copy*: the lossless qpdf pass over the rewrite and over "
            "the source, skipped where it cannot win, and the checks of what it wrote) and moves the result into "
            "the output folder. *Before the pass* is what the engine delivered without the lossless pass.\n\n")
                    .arg(context.repetitions);
        text += table.toMarkdown();
        text += QStringLiteral("\nMedian ratio compress / gs over all rows: **%1**; worker / gs: **%2**; median cost "
                               "of the checks: **%3** of the `gs` command's time.\n")
                    .arg(MarkdownTable::number(median(compressRatios), 2), MarkdownTable::number(median(ratios), 2),
                        MarkdownTable::percent(median(checkShares), 1));
        for (const QString& failure : failures) {
            text += QStringLiteral("\n- Failed: %1").arg(failure);
        }
        text += stepCostSection(context, folder);
        text += QStringLiteral("\n") + concurrencySection(context, folder);
        text += passScaling(context, folder);
        return text + QStringLiteral("\n");
    }
} // namespace EngineOverheadMeasure
