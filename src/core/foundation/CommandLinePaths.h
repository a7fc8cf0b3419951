#pragma once

#include <QString>
#include <QStringList>

/**
 * Turns the FILE|FOLDER arguments the desktop starts the window with into documents for its list:
 * paths made absolute against the folder the start came from, and a folder taken as the PDFs
 * directly in it. Only bounded lists of bounded paths get through; another start hands them over
 * as strings, so nothing here trusts them.
 */
namespace CommandLinePaths {
    /** The most paths one start hands over; a file manager's selection stays far below. */
    constexpr int maximumCount = 100000;
    /** The longest path the system can name. */
    constexpr int maximumLength = 4096;

    /**
     * The arguments as absolute, clean paths, in order: "file:" URLs become their local path,
     * relative paths are taken from workingFolder; empty, overlong and non-local arguments are left
     * out, and the list ends at maximumCount.
     */
    QStringList fromArguments(const QStringList& arguments, const QString& workingFolder);

    /** Keeps the absolute, bounded paths of paths and drops the rest, as handed over by another start. */
    QStringList acceptHandedOver(const QStringList& paths);

    /** What documentsIn() found: the paths to list, and the PDFs whose names cannot be opened. */
    struct Documents
    {
        QStringList paths;
        /** Files in a folder whose name says PDF but is no valid text, shown with \xNN for its bytes. */
        QStringList unreadableNames;
    };

    /**
     * Files stay as they are, a folder gives the files directly in it whose suffix says PDF, in name
     * order; everything else stays as it is, for the list to refuse with a reason.
     */
    Documents documentsIn(const QStringList& absolutePaths);
} // namespace CommandLinePaths
