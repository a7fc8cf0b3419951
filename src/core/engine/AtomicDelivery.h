#pragma once

#include <QString>
#include <QtGlobal>

/**
 * Brings one finished file into a folder all or nothing. The bytes first land under a hidden name
 * inside that folder, reach the disk and are checked against the source's size; only then does the
 * file take its final name, in one step that never replaces an existing entry. Whatever fails, no
 * empty or partial file is left in the folder.
 */
class AtomicDelivery final
{
public:
    enum class Outcome
    {
        Delivered,
        NameTaken, // an entry of that name exists; the prepared file waits for another name
        Failed,
    };

    /** sourcePath is read (or moved, when it lies on the folder's volume) by prepare(). */
    AtomicDelivery(const QString& sourcePath, const QString& folder);
    /** Removes the hidden file when it never took a final name. */
    ~AtomicDelivery();

    AtomicDelivery(const AtomicDelivery&) = delete;
    AtomicDelivery& operator=(const AtomicDelivery&) = delete;

    /** The permission bits the delivered file takes (0644, say); without this it keeps those of the source file. */
    void setPermissions(quint32 mode) { m_permissions = static_cast<qint32>(mode & 07777); }

    /** Puts the complete source under the hidden name and flushes it to the disk; false with failureReason(). */
    bool prepare();

    /** Gives the prepared file the name destination, which must lie in the folder. */
    Outcome commit(const QString& destination);

    /**
     * Puts the prepared file at destination in one rename, replacing whatever file has that name.
     * With keepAttributes the replaced file's permission bits, owner (where the system permits) and
     * access and modification times pass to the new one first; a missing destination is then a failure.
     */
    bool replace(const QString& destination, bool keepAttributes);

    /** Why the last prepare() or commit() failed, in the system's words ("No space left on device"). */
    QString failureReason() const { return m_failureReason; }

private:
    bool moveIntoFolder(bool& otherVolume);
    bool copyIntoFolder();
    bool flushAndCheck(qint64 expectedSize);
    bool failWithSystemError();
    bool takeAttributesOf(const QString& destination);
    void syncFolder() const;

    const QString m_sourcePath;
    const QString m_folder;
    QString m_partialPath;
    QString m_failureReason;
    bool m_delivered = false;
    qint32 m_permissions = -1; // none chosen
};
