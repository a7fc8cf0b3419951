#include "EngineOverheadMeasure.h"

#include "BenchContext.h"
#include "Corpus.h"
#include "MarkdownTable.h"
#include "Rewriters.h"
#include "engine/CompressSetting.h"

#include <QDir>
#include <QFileInfo>

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
                QStringLiteral("libgs alone, in-process (s)"), QStringLiteral("Application output, MiB (share)"),
                QStringLiteral("gs output, MiB (share)"), QStringLiteral("Delivered") },
            QStringLiteral("lrrrrrrrl"));
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

                QList<double> applicationTimes, commandTimes, inProcessTimes;
                Rewrite application, command, inProcess;
                for (int repetition = 0; repetition < context.repetitions; ++repetition) {
                    // Rotate the order so that none of the three always runs with a warm or a cold cache.
                    for (int turn = 0; turn < 3; ++turn) {
                        switch ((turn + repetition) % 3) {
                        case 0:
                            application = Rewriters::application(
                                document.path, folder + QStringLiteral("/application"), Custom, level);
                            applicationTimes << application.seconds;
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
                    application.succeeded ? sizeCell(application.bytes, document.bytes) : QStringLiteral("failed"),
                    command.succeeded ? sizeCell(command.bytes, document.bytes) : QStringLiteral("failed"),
                    !application.succeeded
                        ? QStringLiteral("–")
                        : (application.sourceDelivered ? QStringLiteral("source (rewrite not smaller)")
                                                       : QStringLiteral("rewrite")) });
            }
        }

        QString text = QStringLiteral("## 1. Engine overhead\n\n");
        text += QStringLiteral(
            "`GSCompressor::compress` (Custom mode at the level shown) against the `gs` command given the "
            "identical argument list, and against that argument list run through libgs in this process with "
            "nothing around it. Each figure is the median of %1 runs; the three kinds of run take turns. "
            "`compress` also copies the source into the Temp folder, has qpdf check the source and the rewrite, "
            "and moves the result into the output folder.\n\n")
                    .arg(context.repetitions);
        text += table.toMarkdown();
        text += QStringLiteral("\nMedian ratio over all rows: **%1**.\n").arg(MarkdownTable::number(median(ratios), 2));
        for (const QString& failure : failures) {
            text += QStringLiteral("\n- Failed: %1").arg(failure);
        }
        return text + QStringLiteral("\n");
    }
} // namespace EngineOverheadMeasure
