#include "worker/InkCoverage.h"

#include "worker/InterpreterSession.h"

#include <QByteArray>
#include <QStringList>

namespace {
    // Enough to see a picture or a line of text on a page, cheap enough for hundreds of pages.
    const QString resolutionOption = QStringLiteral("-r12");

    /** Whether a line of the device's output ("C M Y K CMYK OK") shows ink; false when it is no such line. */
    bool readCoverageLine(const QByteArray& line, bool& hasInk)
    {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 5 || fields.at(4) != "CMYK") {
            return false;
        }
        hasInk = false;
        for (int channel = 0; channel < 4; ++channel) {
            bool isNumber = false;
            const double coverage = fields.at(channel).toDouble(&isNumber);
            if (!isNumber) {
                return false;
            }
            hasInk = hasInk || coverage > 0.0;
        }
        return true;
    }
} // namespace

QList<bool> InkCoverage::pagesWithInk(const QString& path, const QString& passwordArgument, int firstPage)
{
    QStringList arguments = { QStringLiteral("gs"), QStringLiteral("-dNOPAUSE"), QStringLiteral("-dBATCH"),
        QStringLiteral("-dSAFER"), QStringLiteral("-dQUIET"), QStringLiteral("-sDEVICE=inkcov"), resolutionOption };
    if (firstPage > 1) {
        // Pages beyond the last are none at all: the interpreter says so and renders nothing.
        arguments << QStringLiteral("-dFirstPage=%1").arg(firstPage);
    }
    if (!passwordArgument.isEmpty()) {
        arguments << passwordArgument;
    }
    arguments << QStringLiteral("-sOutputFile=%stdout") << path;

    QByteArray report;
    const int code
        = InterpreterSession::run(arguments, [&report](const char* text, int length) { report.append(text, length); });
    QList<bool> pages;
    if (code != 0) {
        return pages;
    }
    for (const QByteArray& line : report.split('\n')) {
        bool hasInk = false;
        if (readCoverageLine(line, hasInk)) {
            pages << hasInk;
        }
    }
    return pages;
}

int InkCoverage::firstEmptiedPage(const QList<bool>& source, const QList<bool>& rewrite)
{
    for (int index = 0; index < source.size(); ++index) {
        if (source.at(index) && (index >= rewrite.size() || !rewrite.at(index))) {
            return index + 1;
        }
    }
    return 0;
}
