#pragma once

#include "cli/BatchReport.h"

#include <QJsonObject>
#include <cstdio>

/**
 * The run as JSON lines for scripts: one object per document as it ends, then one summary object.
 * Keys and values are never translated.
 */
class JsonReport final : public BatchReport
{
public:
    explicit JsonReport(std::FILE* out);

    void begin(const BatchSummary&) override { }
    void documentFinished(const DocumentOutcome& outcome, const BatchSummary& summary) override;
    void stopping(const BatchSummary&) override { }
    void tick(const BatchSummary&) override { }
    void end(const BatchSummary& summary) override;

    static QJsonObject documentObject(const DocumentOutcome& outcome);
    static QJsonObject summaryObject(const BatchSummary& summary);

private:
    /** What --target-size adds: the target, the runs, whether the copy fits and the level it came from. */
    static void addFit(QJsonObject& object, const DocumentOutcome& outcome);
    void writeObject(const QJsonObject& object);

    std::FILE* const m_out;
};
