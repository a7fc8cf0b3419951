#include "cli/HumanReport.h"

#include "documents/FileItem.h"
#include "engine/FitSearch.h"
#include "engine/ResultTable.h"

#include <QFileInfo>
#include <QTextCodec>
#include <unistd.h>

namespace {
    // Back to the start of the line and clear it, so that the next text replaces the progress line.
    const char* const clearLine = "\r\033[K";

    QString arrowForTerminal()
    {
        const QTextCodec* codec = QTextCodec::codecForLocale();
        const QString arrow = QStringLiteral("→");
        return codec != nullptr && codec->canEncode(arrow) ? arrow : QStringLiteral("->");
    }
} // namespace

HumanReport::HumanReport(std::FILE* out, std::FILE* err, bool quiet, bool verbose)
    : m_out(out)
    , m_err(err)
    , m_quiet(quiet)
    , m_verbose(verbose)
    , m_progress(!quiet && ::isatty(::fileno(err)) == 1)
    , m_arrow(arrowForTerminal())
{
}

void HumanReport::begin(const BatchSummary& summary) { drawProgress(summary); }

void HumanReport::documentFinished(const DocumentOutcome& outcome, const BatchSummary& summary)
{
    if (m_verbose) {
        for (const QString& step : outcome.steps) {
            printLine(m_err, QStringLiteral("%1: %2").arg(outcome.displayName, step));
        }
    }
    // Documents that never started when the run was stopped are counted in the summary only.
    const bool stoppedWhileRunning = outcome.status == DocumentOutcome::Status::Stopped && outcome.engineRan;
    if (outcome.status == DocumentOutcome::Status::Failed || stoppedWhileRunning) {
        printLine(m_err, documentLine(outcome));
    } else if (!m_quiet
        && (outcome.status == DocumentOutcome::Status::Delivered
            || outcome.status == DocumentOutcome::Status::Skipped)) {
        printLine(m_out, documentLine(outcome));
    }
    drawProgress(summary);
}

void HumanReport::stopping(const BatchSummary& summary)
{
    printLine(m_err, tr("Stopping: running compressions are stopped, nothing more is delivered."));
    drawProgress(summary);
}

void HumanReport::tick(const BatchSummary& summary) { drawProgress(summary); }

void HumanReport::end(const BatchSummary& summary)
{
    if (m_progressShown) {
        write(m_err, QString::fromLatin1(clearLine));
        m_progressShown = false;
    }
    if (!m_quiet) {
        printLine(m_out, summaryLine(summary));
    }
}

QString HumanReport::elapsedText(qint64 milliseconds)
{
    const qint64 seconds = milliseconds / 1000;
    const QString minutesAndSeconds
        = QStringLiteral("%1:%2").arg(seconds / 60 % 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
    if (seconds < 3600) {
        return minutesAndSeconds;
    }
    return QStringLiteral("%1:%2").arg(seconds / 3600).arg(minutesAndSeconds.rightJustified(5, QLatin1Char('0')));
}

QString HumanReport::documentLine(const DocumentOutcome& outcome) const
{
    if (outcome.status == DocumentOutcome::Status::Stopped) {
        return tr("%1: stopped").arg(outcome.displayName);
    }
    if (outcome.status == DocumentOutcome::Status::Skipped) {
        return tr("%1: skipped, %2 exists").arg(outcome.displayName, outcome.outputPath);
    }
    if (outcome.deliveredOverTarget()) {
        return tr("%1: failed: smallest possible: %2, over %3; delivered as %4")
            .arg(outcome.displayName, formatFileSize(outcome.outputBytes), formatFileSize(outcome.targetBytes),
                outcome.outputPath);
    }
    if (outcome.status != DocumentOutcome::Status::Delivered) {
        const QString reason = ResultTable::commandText(outcome.reasonCode());
        return tr("%1: failed: %2")
            .arg(outcome.displayName,
                outcome.detail.isEmpty() ? reason : reason + QStringLiteral(": ") + outcome.detail);
    }
    const QString sourceSize = formatFileSize(outcome.sourceBytes);
    QString line;
    if (outcome.keptAsItWas) {
        return tr("%1: %2, left as it was: no smaller sound copy").arg(outcome.displayName, sourceSize);
    }
    if (outcome.outputBytes >= outcome.sourceBytes) {
        line = tr("%1: %2, delivered unchanged: a rewrite was no smaller or would lose links or bookmarks")
                   .arg(outcome.displayName, sourceSize);
    } else {
        line = tr("%1: %2 %3 %4, %5% saved")
                   .arg(outcome.displayName, sourceSize, m_arrow, formatFileSize(outcome.outputBytes))
                   .arg(BatchSummary::savedPercent(outcome.sourceBytes, outcome.outputBytes));
    }
    if (outcome.targetBytes > 0) {
        line += QLatin1Char(' ')
            + (outcome.fitLevel == FitSearch::sourceLevel
                    ? tr("(fits under %1 as it is)").arg(formatFileSize(outcome.targetBytes))
                    : tr("(fits under %1 at level %2)").arg(formatFileSize(outcome.targetBytes)).arg(outcome.fitLevel));
    }
    if (outcome.replacedInPlace) {
        return line + QLatin1Char(' ') + tr("(replaced)");
    }
    const QString outputName = QFileInfo(outcome.outputPath).fileName();
    if (outputName != QFileInfo(outcome.sourcePath).fileName()) {
        line += QLatin1Char(' ') + tr("(as %1)").arg(outputName);
    }
    return line;
}

QString HumanReport::progressLine(const BatchSummary& summary) const
{
    return tr("Documents: %1 of %n, %2 %3 %4, %5", "", summary.total)
        .arg(summary.done())
        .arg(formatFileSize(summary.sourceBytes), m_arrow, formatFileSize(summary.outputBytes),
            elapsedText(summary.elapsedMs));
}

QString HumanReport::summaryLine(const BatchSummary& summary) const
{
    QString line = tr("Delivered: %1 of %n", "", summary.total).arg(summary.delivered);
    if (summary.failed > 0) {
        line += QStringLiteral(", ") + tr("failed: %n", "", summary.failed);
    }
    if (summary.stopped > 0) {
        line += QStringLiteral(", ") + tr("stopped: %n", "", summary.stopped);
    }
    if (summary.skipped > 0) {
        line += QStringLiteral(", ") + tr("skipped: %n", "", summary.skipped);
    }
    line += QStringLiteral("; ")
        + tr("%1 %2 %3 (%4% saved) in %5")
              .arg(formatFileSize(summary.sourceBytes), m_arrow, formatFileSize(summary.outputBytes))
              .arg(summary.savedPercent())
              .arg(elapsedText(summary.elapsedMs));
    return line;
}

void HumanReport::write(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    std::fflush(stream);
}

void HumanReport::printLine(std::FILE* stream, const QString& line)
{
    if (m_progressShown) {
        write(m_err, QString::fromLatin1(clearLine));
        m_progressShown = false;
    }
    write(stream, line + QLatin1Char('\n'));
}

void HumanReport::drawProgress(const BatchSummary& summary)
{
    if (!m_progress) {
        return;
    }
    write(m_err, QString::fromLatin1(clearLine) + progressLine(summary));
    m_progressShown = true;
}
