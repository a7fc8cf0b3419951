#include "cli/JsonReport.h"

#include "engine/FitSearch.h"
#include "engine/ResultTable.h"

#include <QJsonDocument>

namespace {
    QString statusName(DocumentOutcome::Status status)
    {
        switch (status) {
        case DocumentOutcome::Status::Delivered:
            return QStringLiteral("delivered");
        case DocumentOutcome::Status::Failed:
            return QStringLiteral("failed");
        case DocumentOutcome::Status::Skipped:
            return QStringLiteral("skipped");
        case DocumentOutcome::Status::Stopped:
            break;
        }
        return QStringLiteral("stopped");
    }
} // namespace

JsonReport::JsonReport(std::FILE* out)
    : m_out(out)
{
}

void JsonReport::documentFinished(const DocumentOutcome& outcome, const BatchSummary&)
{
    writeObject(documentObject(outcome));
}

void JsonReport::end(const BatchSummary& summary) { writeObject(summaryObject(summary)); }

QJsonObject JsonReport::documentObject(const DocumentOutcome& outcome)
{
    QJsonObject object {
        { QStringLiteral("type"), QStringLiteral("document") },
        { QStringLiteral("source"), outcome.sourcePath },
        { QStringLiteral("status"), statusName(outcome.status) },
        { QStringLiteral("sourceBytes"), outcome.sourceBytes },
    };
    if (outcome.status == DocumentOutcome::Status::Delivered) {
        object.insert(QStringLiteral("output"), outcome.outputPath);
        object.insert(QStringLiteral("outputBytes"), outcome.outputBytes);
        object.insert(
            QStringLiteral("savedPercent"), BatchSummary::savedPercent(outcome.sourceBytes, outcome.outputBytes));
        if (outcome.replacedInPlace || outcome.keptAsItWas) {
            object.insert(QStringLiteral("inPlace"),
                outcome.replacedInPlace ? QStringLiteral("replaced") : QStringLiteral("unchanged"));
        }
    } else if (outcome.status == DocumentOutcome::Status::Skipped) {
        object.insert(QStringLiteral("output"), outcome.outputPath);
        object.insert(QStringLiteral("reason"), QStringLiteral("output-exists"));
    } else {
        object.insert(QStringLiteral("reason"), ResultTable::key(outcome.reasonCode()));
        if (outcome.deliveredOverTarget()) {
            object.insert(QStringLiteral("output"), outcome.outputPath);
            object.insert(QStringLiteral("outputBytes"), outcome.outputBytes);
        }
    }
    if (outcome.targetBytes > 0) {
        addFit(object, outcome);
    }
    // The engine's own result code, as the window's log knows it; absent when the engine never ran.
    if (outcome.engineRan) {
        object.insert(QStringLiteral("code"), outcome.code);
    }
    return object;
}

void JsonReport::addFit(QJsonObject& object, const DocumentOutcome& outcome)
{
    object.insert(QStringLiteral("targetBytes"), outcome.targetBytes);
    object.insert(QStringLiteral("interpreterRuns"), outcome.interpreterRuns);
    if (outcome.status != DocumentOutcome::Status::Delivered && !outcome.deliveredOverTarget()) {
        return; // nothing went out, so nothing fits or misses
    }
    object.insert(QStringLiteral("fits"), outcome.fits);
    if (outcome.fitLevel == FitSearch::sourceLevel) {
        object.insert(QStringLiteral("setting"), QStringLiteral("source"));
    } else {
        object.insert(QStringLiteral("setting"), QStringLiteral("level"));
        object.insert(QStringLiteral("level"), outcome.fitLevel);
    }
}

QJsonObject JsonReport::summaryObject(const BatchSummary& summary)
{
    return QJsonObject {
        { QStringLiteral("type"), QStringLiteral("summary") },
        { QStringLiteral("documents"), summary.total },
        { QStringLiteral("delivered"), summary.delivered },
        { QStringLiteral("failed"), summary.failed },
        { QStringLiteral("stopped"), summary.stopped },
        { QStringLiteral("skipped"), summary.skipped },
        { QStringLiteral("sourceBytes"), summary.sourceBytes },
        { QStringLiteral("outputBytes"), summary.outputBytes },
        { QStringLiteral("savedPercent"), summary.savedPercent() },
        { QStringLiteral("elapsedSeconds"), static_cast<double>(summary.elapsedMs) / 1000.0 },
        { QStringLiteral("interrupted"), summary.interrupted },
    };
}

void JsonReport::writeObject(const QJsonObject& object)
{
    const QByteArray line = QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
    std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), m_out);
    std::fflush(m_out);
}
