#pragma once

#include <QString>

struct BenchContext;

/**
 * GSCompressor::compress, its worker process alone and the gs command with the identical argument list,
 * with the qpdf inspections around the run timed on their own, at levels 1, 5 and 10; then two documents
 * at once in two workers against one at a time. Runs are interleaved so that load from elsewhere falls
 * on every kind alike.
 */
namespace EngineOverheadMeasure {
    /** The report section. */
    QString run(const BenchContext& context);
} // namespace EngineOverheadMeasure
