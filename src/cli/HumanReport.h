#pragma once

#include "cli/BatchReport.h"

#include <QCoreApplication>
#include <QString>
#include <cstdio>

/**
 * The run in words: a line per document as it ends and a summary line at the end on the results
 * stream, failures on the error stream and, when the error stream is a terminal, one progress line
 * redrawn in place below them. Quiet runs show only the failures; verbose runs each document's steps.
 */
class HumanReport final : public BatchReport
{
    Q_DECLARE_TR_FUNCTIONS(HumanReport)

public:
    HumanReport(std::FILE* out, std::FILE* err, bool quiet, bool verbose = false);

    void begin(const BatchSummary& summary) override;
    void documentFinished(const DocumentOutcome& outcome, const BatchSummary& summary) override;
    void stopping(const BatchSummary& summary) override;
    void tick(const BatchSummary& summary) override;
    void end(const BatchSummary& summary) override;

    static QString elapsedText(qint64 milliseconds);

private:
    QString documentLine(const DocumentOutcome& outcome) const;
    QString progressLine(const BatchSummary& summary) const;
    QString summaryLine(const BatchSummary& summary) const;
    void write(std::FILE* stream, const QString& text);
    void printLine(std::FILE* stream, const QString& line);
    void drawProgress(const BatchSummary& summary);

    std::FILE* const m_out;
    std::FILE* const m_err;
    const bool m_quiet;
    const bool m_verbose;
    const bool m_progress; // the error stream is a terminal and the run is not quiet
    const QString m_arrow;
    bool m_progressShown = false;
};
