#pragma once

#include <QString>

struct BenchContext;

/** The command `kompresto` on a folder of documents with one compression at a time against two. */
namespace CommandJobsMeasure {
    /** The report section. */
    QString run(const BenchContext& context);
} // namespace CommandJobsMeasure
