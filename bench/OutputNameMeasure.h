#pragma once

#include <QString>

struct BenchContext;

/**
 * The choice of a free output name in a folder that already holds a.pdf and its variants a_1.pdf to
 * a_4999.pdf: the time GSCompressor::makeUniqueFileName holds the naming lock, which every running
 * compression waits for. The aim is under 50 ms.
 */
namespace OutputNameMeasure {
    /** The report section. */
    QString run(const BenchContext& context);
} // namespace OutputNameMeasure
