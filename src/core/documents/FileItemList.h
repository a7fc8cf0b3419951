#pragma once

#include "engine/PdfCheck.h"

#include <QObject>
#include <QSet>
#include <QStringList>
#include <QThreadPool>
#include <memory>
#include <vector>

class FileItem;
class PDFFileItem;

/**
 * The documents the user has added, in the order of adding, owning their items. Index i is always
 * the main window's row i, so every operation keeps positions stable.
 *
 * Adding lists a document at once and inspects it on a few threads of the list's own; the items
 * fill in as their inspections end, and a document that turns out damaged leaves the list again.
 */
class FileItemList final : public QObject
{
    Q_OBJECT

public:
    /** Why addFiles() or an inspection turned a file away. */
    enum class Refusal
    {
        NotPdf, // the name does not say PDF
        Damaged, // qpdf cannot open it as a PDF
        AlreadyListed, // the same path is in the list
        UnreadableName, // the name's bytes are no valid text, so the file cannot be opened by it
    };
    Q_ENUM(Refusal)

    explicit FileItemList(QObject* parent = nullptr);
    ~FileItemList() override;

    /**
     * Appends the PDF documents among paths, in order, each marked as being checked, and starts their
     * inspection: a path already listed or without "pdf" in its suffix is refused at once; a document
     * that cannot be opened is removed when its inspection ends.
     */
    void addFiles(const QStringList& paths);
    /** Turns away files whose names cannot be opened, each named as people can read it. */
    void refuseUnreadableNames(const QStringList& displayableNames);
    /** Removes and destroys the item at index; an index outside the list is ignored. */
    void removeAt(qint32 index);
    void clear();

    qint32 count() const;
    /** The item at index, still owned by the list; null for an index outside the list. */
    FileItem* at(qint32 index) const;
    bool isEmpty() const;
    /** True for an empty list or when at least one item is not locked. */
    bool hasUnlockedItem() const;
    /** Listed items whose inspection has not ended yet. */
    qint32 checkingCount() const { return m_checkingCount; }

    /** How many inspections run at once: a few, so the disk and the compressions keep their share. */
    static int inspectionThreadCount();

signals:
    /** The item at index has been inspected and belongs in the list. */
    void itemInspected(qint32 index);
    /** The item at index turned out damaged and goes now; the row showing it must go first. */
    void itemAboutToBeRemoved(qint32 index);
    /** Files turned away, with the reason: at once for names, after inspection for damaged documents. */
    void filesRefused(FileItemList::Refusal reason, qint32 count);
    /** One file turned away, by its path: emitted before the count that includes it. */
    void fileRefused(FileItemList::Refusal reason, const QString& path);
    /** No listed item is being checked any more. */
    void inspectionFinished();

private:
    struct Entry
    {
        std::unique_ptr<PDFFileItem> item;
        quint64 ticket; // names the item to its inspection, which may end after the item was removed
        QString key; // the file itself, however it was reached: see listingKey()
    };

    void startInspection(const QString& path, quint64 ticket);
    void inspectionEnded(quint64 ticket, const PdfCheck::Result& inspection);
    qint32 indexOfTicket(quint64 ticket) const;

    std::vector<Entry> m_entries;
    QStringList m_paths;
    QSet<QString> m_listedPaths; // the entries' keys: a long list answers "already listed?" at once
    quint64 m_nextTicket = 1;
    qint32 m_checkingCount = 0;
    QThreadPool m_inspectors;
};
