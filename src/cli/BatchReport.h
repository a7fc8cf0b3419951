#pragma once

#include "cli/BatchSummary.h"
#include "cli/DocumentOutcome.h"

/** What the command tells its user about a run: in words for people, or as JSON for scripts. */
class BatchReport
{
public:
    virtual ~BatchReport() = default;

    /** The run starts with total documents. */
    virtual void begin(const BatchSummary& summary) = 0;
    /** One document has ended; summary already counts it. */
    virtual void documentFinished(const DocumentOutcome& outcome, const BatchSummary& summary) = 0;
    /** The user interrupted the run; it is being stopped. */
    virtual void stopping(const BatchSummary& summary) = 0;
    /** Called about once a second while the run goes on. */
    virtual void tick(const BatchSummary& summary) = 0;
    /** The run is over. */
    virtual void end(const BatchSummary& summary) = 0;
};
