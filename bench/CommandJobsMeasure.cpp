#include "CommandJobsMeasure.h"

#include "BenchContext.h"
#include "Corpus.h"
#include "MarkdownTable.h"
#include "ProcessStats.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>

namespace {
    constexpr int documentCount = 12;

    struct JobsRun
    {
        int jobs = 1;
        double seconds = 0;
        int exitCode = -1;
    };

    /** Runs the real command on the folder, as a script would, and times it from start to exit. */
    JobsRun runCommand(const QString& inputFolder, const QString& outputFolder, int jobs)
    {
        QDir(outputFolder).removeRecursively();
        JobsRun run;
        run.jobs = jobs;
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QElapsedTimer timer;
        timer.start();
        process.start(QStringLiteral(KOMPRESTO_COMMAND_PATH),
            { QStringLiteral("-q"), QStringLiteral("-j"), QString::number(jobs), QStringLiteral("-o"), outputFolder,
                inputFolder });
        process.waitForFinished(-1);
        run.seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        return run;
    }
} // namespace

namespace CommandJobsMeasure {
    QString run(const BenchContext& context)
    {
        const QStringList documents = context.corpus->batchDocuments(documentCount);
        const QString inputFolder = context.workFolder + QStringLiteral("/command-in");
        const QString outputFolder = context.workFolder + QStringLiteral("/command-out");
        const qint64 totalBytes = Corpus::copyInto(documents, inputFolder);

        // One run each, side by side, so that the machine's load falls on both alike.
        const QString loadBefore = ProcessStats::loadAverage();
        const JobsRun one = runCommand(inputFolder, outputFolder, 1);
        const JobsRun two = runCommand(inputFolder, outputFolder, 2);
        const QString loadAfter = ProcessStats::loadAverage();
        QDir(inputFolder).removeRecursively();
        QDir(outputFolder).removeRecursively();

        MarkdownTable table({ QStringLiteral("Run"), QStringLiteral("Wall time (s)"),
                                QStringLiteral("Documents per second"), QStringLiteral("Exit status") },
            QStringLiteral("lrrr"));
        for (const JobsRun& run : { one, two }) {
            table.addRow({ QStringLiteral("`kompresto -j %1`").arg(run.jobs), MarkdownTable::number(run.seconds, 2),
                MarkdownTable::number(documents.size() / run.seconds, 2), QString::number(run.exitCode) });
        }

        QString text = QStringLiteral("## 6. The command, one job against two\n\n");
        text += QStringLiteral("The command `kompresto -q -j N -o OUT IN` on a folder of %1 documents (generated: 2 "
                               "pages of colour photographs each, JPEG 200 dpi, %2 MiB together) with the default "
                               "*medium* preset, timed from start to exit, one run each. Ratio `-j 1` / `-j 2`: "
                               "**%3**. Load average (1, 5, 15 min) before: %4; after: %5. Two jobs can be twice "
                               "as fast only on cores that nobody else uses.\n\n")
                    .arg(documents.size())
                    .arg(MarkdownTable::mebibytes(totalBytes))
                    .arg(MarkdownTable::number(one.seconds / two.seconds, 2))
                    .arg(loadBefore, loadAfter);
        return text + table.toMarkdown();
    }
} // namespace CommandJobsMeasure
