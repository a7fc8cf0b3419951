#include "cli/BatchSummary.h"

#include <cmath>

void BatchSummary::add(const DocumentOutcome& outcome)
{
    switch (outcome.status) {
    case DocumentOutcome::Status::Delivered:
        ++delivered;
        sourceBytes += outcome.sourceBytes;
        outputBytes += outcome.outputBytes;
        break;
    case DocumentOutcome::Status::Failed:
        ++failed;
        break;
    case DocumentOutcome::Status::Stopped:
        ++stopped;
        break;
    case DocumentOutcome::Status::Skipped:
        ++skipped;
        break;
    }
}

int BatchSummary::savedPercent() const { return savedPercent(sourceBytes, outputBytes); }

int BatchSummary::exitStatus() const
{
    return total > 0 && delivered + skipped == total && unsearchedFolders == 0 ? 0 : 1;
}

int BatchSummary::savedPercent(qint64 sourceBytes, qint64 outputBytes)
{
    if (sourceBytes <= 0) {
        return 0;
    }
    const double saved = 100.0 * static_cast<double>(sourceBytes - outputBytes) / static_cast<double>(sourceBytes);
    return static_cast<int>(std::floor(saved));
}
