#pragma once

#include "cli/DocumentOutcome.h"

#include <QtGlobal>

/** The running totals of the command's run. */
struct BatchSummary
{
    int total = 0; // documents in the run
    int delivered = 0;
    int failed = 0;
    int stopped = 0;
    int skipped = 0; // their outputs existed already
    int unsearchedFolders = 0; // folder arguments that held no PDF
    qint64 sourceBytes = 0; // of the delivered documents
    qint64 outputBytes = 0; // of what was delivered for them
    qint64 elapsedMs = 0;
    bool interrupted = false;

    void add(const DocumentOutcome& outcome);
    int done() const { return delivered + failed + stopped + skipped; }
    /** The whole share of sourceBytes that the run saved, in percent (0 when nothing was delivered). */
    int savedPercent() const;
    /** 0 when every document was delivered or skipped and every folder held some, 1 otherwise. */
    int exitStatus() const;

    static int savedPercent(qint64 sourceBytes, qint64 outputBytes);
};
