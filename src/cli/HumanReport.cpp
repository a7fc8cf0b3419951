#include "cli/HumanReport.h"

#include "documents/FileItem.h"
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

HumanReport::HumanReport(std::FILE* out, std::FILE* err, bool quiet)
    : m_out(out)
    , m_err(err)
    , m_quiet(quiet)
    , m_progress(!quiet && ::isatty(::fileno(out)) == 1)
    , m_arrow(arrowForTerminal())
{
}

void HumanReport::begin(const BatchSummary& summary) { drawProgress(summary); }

void HumanReport::documentFinished(const DocumentOutcome& outcome, const BatchSummary& summary)
{
    const bool failed = outcome.status == DocumentOutcome::Status::Failed;
    // Documents that never started when the run was stopped are counted in the summary only.
    const bool stoppedWhileRunning = outcome.status == DocumentOutcome::Status::Stopped && outcome.engineRan;
    if (failed || stoppedWhileRunning || (!m_quiet && outcome.status == DocumentOutcome::Status::Delivered)) {
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
        write(m_out, QString::fromLatin1(clearLine));
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
    if (outcome.status != DocumentOutcome::Status::Delivered) {
        return tr("%1: failed: %2").arg(outcome.displayName, ResultTable::commandText(outcome.reasonCode()));
    }
    const QString sourceSize = formatFileSize(outcome.sourceBytes);
    QString line;
    if (outcome.outputBytes >= outcome.sourceBytes) {
        line = tr("%1: %2, delivered unchanged: a rewrite was no smaller or would lose links or bookmarks")
                   .arg(outcome.displayName, sourceSize);
    } else {
        line = tr("%1: %2 %3 %4, %5% saved")
                   .arg(outcome.displayName, sourceSize, m_arrow, formatFileSize(outcome.outputBytes))
                   .arg(BatchSummary::savedPercent(outcome.sourceBytes, outcome.outputBytes));
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
        write(m_out, QString::fromLatin1(clearLine));
        m_progressShown = false;
    }
    write(stream, line + QLatin1Char('\n'));
}

void HumanReport::drawProgress(const BatchSummary& summary)
{
    if (!m_progress) {
        return;
    }
    write(m_out, QString::fromLatin1(clearLine) + progressLine(summary));
    m_progressShown = true;
}
