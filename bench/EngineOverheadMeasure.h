#pragma once

#include <QString>

struct BenchContext;

/**
 * GSCompressor::compress, its worker process alone, the gs command with the identical argument list and
 * that list run through libgs in this process, with the qpdf inspections around the run and the choice of
 * the delivered copy timed on their own, at levels 1, 5 and 10; then two documents at once in two workers
 * against one at a time, and two lossless passes at once against one after another. Runs are interleaved
 * so that load from elsewhere falls on every kind alike.
 */
namespace EngineOverheadMeasure {
    /** The report section. */
    QString run(const BenchContext& context);
} // namespace EngineOverheadMeasure
