#pragma once

#include <QString>

/**
 * The private folder of one compression inside the Temp folder. It and the Temp folder are readable by
 * their owner only (0700) whatever the umask, every file made in it is too (0600), and the interpreter
 * uses it as its temporary folder; it goes, with everything in it, when this object does. A run that
 * never got that far (a killed process) leaves a folder whose name the start-up sweep recognises.
 */
class RunFolder final
{
public:
    /** Makes the Temp folder private, creating it when it is missing, and a fresh run folder inside it. */
    RunFolder();
    /** Removes the folder and everything in it, the interpreter's scratch files included. */
    ~RunFolder();

    RunFolder(const RunFolder&) = delete;
    RunFolder& operator=(const RunFolder&) = delete;

    /** Whether the folder could be made; when not, failureReason() says why. */
    bool isValid() const { return !m_path.isEmpty(); }
    QString failureReason() const { return m_failureReason; }
    /** The folder's path, with a trailing slash. */
    QString path() const { return m_path; }
    /** A fresh name in the folder: a random UUID followed by suffix ("_input.pdf"). Creates nothing. */
    QString newFilePath(const QString& suffix) const;

    /** Creates path as an empty file that only its owner can read and write; false when it exists already. */
    static bool createPrivateFile(const QString& path);

    /**
     * Removes, with everything in them, the folders of this process's compressions that have not ended,
     * and lets no new one be made: for a process that must end without waiting for a compression that
     * does not stop, so that no private copy outlives it. Returns how many folders went.
     */
    static int removeAllBeforeExit();

private:
    QString m_path;
    QString m_failureReason;
};
