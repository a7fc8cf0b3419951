#pragma once

#include <QString>

struct BenchContext;

/**
 * Adding many documents: the list alone (every document inspected), the main window (every row
 * shown, with the longest stall of its event loop), and inspection against a shell loop of
 * `qpdf --show-npages`. Each count runs in a process of its own so that its peak is its own.
 */
namespace AddFilesMeasure {
    /** The report section. */
    QString run(const BenchContext& context);

    /**
     * The child side: adds the first count PDF files of folder (in name order) to a new list, waits
     * until every one is inspected and prints the figures on one line. A positive openFileLimit lowers
     * this process's limit first.
     */
    int addInChild(const QString& folder, int count, int openFileLimit);

    /**
     * The child side of the window: adds the first count PDF files of folder to the real main window
     * and prints how long it took until every row was shown and inspected, the peak memory and the
     * longest gap between two ticks of a 10 ms timer on the GUI thread. Needs a QApplication.
     */
    int addToWindowInChild(const QString& folder, int count);
} // namespace AddFilesMeasure
