#include "OutputNameMeasure.h"

#include "BenchContext.h"
#include "MarkdownTable.h"
#include "engine/GSCompressor.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

namespace {
    constexpr double aimMilliseconds = 50.0;

    /** Fills folder with name.pdf and name_1.pdf to name_(count - 1).pdf; false when a file cannot be made. */
    bool fillWithVariants(const QString& folder, int count)
    {
        QDir().mkpath(folder);
        for (int number = 0; number < count; ++number) {
            const QString name = number == 0 ? QStringLiteral("a.pdf") : QStringLiteral("a_%1.pdf").arg(number);
            QFile file(folder + QLatin1Char('/') + name);
            if (!file.open(QIODevice::WriteOnly)) {
                return false;
            }
        }
        return true;
    }
} // namespace

QString OutputNameMeasure::run(const BenchContext& context)
{
    QString section = QStringLiteral("## 8. Choosing a free output name\n\n");
    MarkdownTable table({ QStringLiteral("names taken"), QStringLiteral("name chosen"),
                            QStringLiteral("median time (ms)"), QStringLiteral("aim (ms)") },
        QStringLiteral("rrrr"));
    for (const int count : { 100, 5000 }) {
        const QString folder = context.workFolder + QStringLiteral("/names-%1").arg(count);
        QDir(folder).removeRecursively();
        if (!fillWithVariants(folder, count)) {
            return section + QStringLiteral("The folder of taken names could not be made.\n");
        }
        QList<double> times;
        QString chosen;
        for (int run = 0; run < qMax(3, context.repetitions); ++run) {
            chosen = QStringLiteral("a.pdf");
            QElapsedTimer timer;
            timer.start();
            GSCompressor::makeUniqueFileName(folder, chosen, 0);
            times << static_cast<double>(timer.nsecsElapsed()) / 1e6;
        }
        table.addRow({ QString::number(count), chosen, MarkdownTable::number(median(times), 2),
            MarkdownTable::number(aimMilliseconds, 0) });
        QDir(folder).removeRecursively();
    }
    section += QStringLiteral("One listing of the folder, then a lookup per candidate name; the naming lock is held "
                              "for that time only.\n\n");
    return section + table.toMarkdown();
}
