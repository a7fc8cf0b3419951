#pragma once

#include <QString>

struct BenchContext;

/**
 * GSCompressor::compress against the gs command with the identical argument list, and against the
 * same argument list run through libgs in this process with nothing around it, at levels 1, 5 and 10.
 * Runs are interleaved so that load from elsewhere falls on all three alike.
 */
namespace EngineOverheadMeasure {
    /** The report section. */
    QString run(const BenchContext& context);
} // namespace EngineOverheadMeasure
