#pragma once

#include <QString>

struct BenchContext;

/**
 * The time FileItemList::addFiles takes for 1,000 and 3,000 documents, and the memory and open files
 * of the process after them. Each count runs in a process of its own so that its peak is its own.
 */
namespace AddFilesMeasure {
    /** The report section. */
    QString run(const BenchContext& context);

    /**
     * The child side: adds the first count PDF files of folder (in name order) to a new list and
     * prints the figures on one line. A positive openFileLimit lowers this process's limit first.
     */
    int addInChild(const QString& folder, int count, int openFileLimit);
} // namespace AddFilesMeasure
