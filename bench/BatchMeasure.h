#pragma once

#include <QString>

struct BenchContext;

/**
 * Throughput of a batch of documents through the real task runner (FunctionRunnable on the global
 * thread pool) with pools of 1, 2 and all cores, against the same work done one document after another.
 */
namespace BatchMeasure {
    /** The report section. */
    QString run(const BenchContext& context);
} // namespace BatchMeasure
