#include "FitMeasure.h"

#include "BenchContext.h"
#include "Corpus.h"
#include "MarkdownTable.h"
#include "Rewriters.h"

#include "engine/CompressSetting.h"
#include "engine/FitSearch.h"
#include "engine/GSCompressor.h"

#include <QDir>
#include <QElapsedTimer>
#include <array>

namespace {
    struct Target
    {
        const char* label;
        int percent;
    };
    constexpr std::array<Target, 2> targets = { { { "half", 50 }, { "a fifth", 20 } } };

    QString sizeText(qint64 bytes)
    {
        return MarkdownTable::number(static_cast<double>(bytes) / 1024.0, 1) + QStringLiteral(" KiB");
    }

    /** The highest level whose copy fits under target, with its size; level 0 when none does. */
    QPair<int, qint64> bestFittingLevel(const QList<qint64>& levelSizes, qint64 target)
    {
        QPair<int, qint64> best { 0, 0 };
        for (int level = CompressSetting::minimumLevel; level <= CompressSetting::maximumLevel; ++level) {
            const qint64 size = levelSizes.value(level - 1, -1);
            if (size >= 0 && size <= target) {
                best = { level, size };
            }
        }
        return best;
    }
} // namespace

QString FitMeasure::run(const BenchContext& context)
{
    MarkdownTable table(
        { QStringLiteral("Document"), QStringLiteral("Source"), QStringLiteral("Target"), QStringLiteral("Runs"),
            QStringLiteral("Search delivered"), QStringLiteral("Level"), QStringLiteral("Fits"),
            QStringLiteral("Best level (all ten)"), QStringLiteral("Its size"), QStringLiteral("Search s") },
        QStringLiteral("lrrrrrlrrr"));
    const QString folder = context.workFolder + QStringLiteral("/fit");
    for (const CorpusDocument& document : context.corpus->documents()) {
        // What every level makes of the document, as the user would find by trying them all.
        QList<qint64> levelSizes;
        for (int level = CompressSetting::minimumLevel; level <= CompressSetting::maximumLevel; ++level) {
            const Rewrite rewrite
                = Rewriters::application(document.path, folder + QStringLiteral("/levels"), Custom, level);
            levelSizes << (rewrite.succeeded ? rewrite.bytes : -1);
        }
        for (const Target& target : targets) {
            const qint64 targetBytes = document.bytes * target.percent / 100;
            const QString output = folder + QStringLiteral("/search");
            QDir(output).removeRecursively();
            QDir().mkpath(output);
            GSCompressor compressor;
            FitSearch search(compressor);
            QElapsedTimer clock;
            clock.start();
            const qint32 code = search.run(document.path, output, QString(), targetBytes);
            const double seconds = static_cast<double>(clock.elapsed()) / 1000.0;
            const bool delivered = code == GSCompressor::Success || code == FitSearch::DoesNotFit;
            const QPair<int, qint64> best = bestFittingLevel(levelSizes, targetBytes);
            table.addRow({ document.name, sizeText(document.bytes),
                QStringLiteral("%1 (%2)").arg(sizeText(targetBytes), QString::fromLatin1(target.label)),
                QString::number(search.tries().size()),
                delivered ? sizeText(search.deliveredSize()) : QStringLiteral("failed (%1)").arg(code),
                delivered ? (search.levelUsed() == FitSearch::sourceLevel ? QStringLiteral("source")
                                                                          : QString::number(search.levelUsed()))
                          : QStringLiteral("–"),
                search.fits() ? QStringLiteral("yes") : QStringLiteral("no"),
                best.first > 0 ? QString::number(best.first) : QStringLiteral("none"),
                best.first > 0 ? sizeText(best.second) : QStringLiteral("–"), MarkdownTable::number(seconds, 1) });
        }
    }
    QDir(folder).removeRecursively();
    return QStringLiteral("## Fit under a size\n\n"
                          "`FitSearch::run` for two targets per document, half and a fifth of the source, "
                          "against the best level whose copy fits, found by compressing at all ten levels "
                          "(`GSCompressor::compress`, Custom 1 to 10). Runs are the interpreter runs the "
                          "search took (at most five); the search delivers at least the best level's copy "
                          "when its guesses meet sizes that grow with the level.\n\n")
        + table.toMarkdown();
}
