#pragma once

#include <QString>

/**
 * Removes the staged copies that a run which ended abnormally left in the Temp folder. Every running
 * instance holds a shared lock on a marker file for its whole life; the folder is swept only by an
 * instance that finds itself alone, so a second window never deletes the files of a compression that
 * another one is running.
 */
namespace StagingCleanup {
    /** Every compression's private folder in Temp is named with this prefix. */
    inline const QString runFolderPrefix = QStringLiteral("run-");

    /**
     * Creates the Temp folder when it is missing, with the folders above it, and makes it one that only
     * its owner can enter (0700) whatever the umask. False when it cannot be made so, errno saying why.
     */
    bool makeTempFolderPrivate();

    /** Sweeps the Temp folder when no other instance runs, then keeps this instance's shared lock until exit. */
    int sweepIfAlone();

    /**
     * Deletes what runs left in the Temp folder: staged files ("*_input.pdf", "*_output.pdf",
     * "*_repacked.pdf") and run folders with everything in them; returns how many entries went.
     */
    int removeStagedFiles(const QString& tempFolder);
} // namespace StagingCleanup
