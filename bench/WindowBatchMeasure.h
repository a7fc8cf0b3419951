#pragma once

#include <QString>

struct BenchContext;

/**
 * A batch compressed by the real main window, as a user runs it: the same documents with one
 * compression at a time against two, in interleaved rounds, each run in a fresh process with a fresh
 * output folder.
 */
namespace WindowBatchMeasure {
    /** The report section. */
    QString run(const BenchContext& context);

    /**
     * The child side: stores the compressions at once, the Medium preset and the output folder in the
     * settings file, builds the main window, adds every PDF file of folder, waits until each row is
     * shown and inspected, clicks Compress and waits until the window is idle again. Prints the time
     * from the click to idle, the documents delivered, the failures and the peak memory on one line.
     * Needs a QApplication.
     */
    int compressInWindowChild(const QString& folder, int compressionsAtOnce, const QString& outputFolder);
} // namespace WindowBatchMeasure
