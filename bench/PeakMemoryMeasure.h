#pragma once

#include <QString>

struct BenchContext;

/**
 * Peak memory of one compression of a long image-heavy document: GSCompressor::compress in a process
 * of its own, against the gs command with the identical argument list.
 */
namespace PeakMemoryMeasure {
    /** The report section. */
    QString run(const BenchContext& context);

    /**
     * The child side: compresses source once in this process and prints, on one line, the time, the
     * outcome, the peak resident set size and the peak before the compression started.
     */
    int compressInChild(const QString& source, qint32 mode, int level, const QString& outputFolder);
} // namespace PeakMemoryMeasure
