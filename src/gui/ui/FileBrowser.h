#pragma once

#include <QString>

/** Shows files and folders in the desktop's file browser. */
namespace FileBrowser {
    /**
     * Opens the file browser with the file selected (a folder is opened itself). Asks the desktop's
     * file manager over D-Bus; when it does not answer, opens the folder that holds the file.
     * Returns at once: the answer is awaited in the background.
     */
    void revealFile(const QString& path);
} // namespace FileBrowser
