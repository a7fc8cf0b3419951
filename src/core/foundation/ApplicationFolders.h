#pragma once

#include <QString>

/**
 * Makes the program's folders below the home folder (Config, Log, Temp) before any work needs them,
 * so that a home that cannot hold them is told once, with the folder and the system's reason,
 * instead of every document failing later for want of a Temp folder.
 */
namespace ApplicationFolders {
    struct Failure
    {
        QString folder; // the first folder that could not be made; empty when all exist
        QString reason; // the system's words ("Permission denied", "Not a directory")
    };

    /** Creates every missing folder with its parents; the failure is empty when all of them exist. */
    Failure create();

    /** Creates path with its missing parents, one level at a time, telling which level failed and why. */
    Failure createPath(const QString& path);
} // namespace ApplicationFolders
