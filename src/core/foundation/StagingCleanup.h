#pragma once

#include <QString>

/**
 * Removes the staged copies that a run which ended abnormally left in the Temp folder. Every running
 * instance holds a shared lock on a marker file for its whole life; the folder is swept only by an
 * instance that finds itself alone, so a second window never deletes the files of a compression that
 * another one is running.
 */
namespace StagingCleanup {
    /** Sweeps the Temp folder when no other instance runs, then keeps this instance's shared lock until exit. */
    int sweepIfAlone();

    /** Deletes the staged files ("*_input.pdf", "*_output.pdf") of the Temp folder; returns how many. */
    int removeStagedFiles(const QString& tempFolder);
} // namespace StagingCleanup
