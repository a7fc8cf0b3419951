#include "engine/InterpreterReport.h"

#include <QList>
#include <algorithm>
#include <array>

int InterpreterReport::pageNumberOf(const QByteArray& line)
{
    static const QByteArray prefix = QByteArrayLiteral("Page ");
    if (!line.startsWith(prefix)) {
        return 0;
    }
    bool isNumber = false;
    const int page = line.mid(prefix.size()).trimmed().toInt(&isNumber);
    return isNumber && page > 0 ? page : 0;
}

bool InterpreterReport::reportsProblems(const QByteArray& report)
{
    // The interpreter's own summary at the end of a run, and its error banner while it runs.
    static const std::array<QByteArray, 4> markers = {
        QByteArrayLiteral("The following errors were encountered"),
        QByteArrayLiteral("The following warnings were encountered"),
        QByteArrayLiteral("errors that were repaired or ignored"),
        QByteArrayLiteral("**** Error"),
    };
    return std::any_of(
        markers.begin(), markers.end(), [&report](const QByteArray& marker) { return report.contains(marker); });
}

QByteArray InterpreterReport::withoutPageLines(const QByteArray& report)
{
    QList<QByteArray> lines = report.split('\n');
    lines.erase(std::remove_if(lines.begin(), lines.end(),
                    [](const QByteArray& line) { return line.trimmed().isEmpty() || pageNumberOf(line) > 0; }),
        lines.end());
    return lines.join('\n');
}
