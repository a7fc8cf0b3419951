#pragma once

#include <QString>

struct BenchContext;

/**
 * "Fit under a size" against trying every level: for each document of the corpus and two targets
 * (half and a fifth of the source), the interpreter runs the search took and the size it delivered,
 * beside the best level whose copy fits, found by compressing at all ten levels.
 */
namespace FitMeasure {
    /** The report section. */
    QString run(const BenchContext& context);
} // namespace FitMeasure
