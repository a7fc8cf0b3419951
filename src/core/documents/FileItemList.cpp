#include "documents/FileItemList.h"

#include "documents/PDFFileItem.h"
#include "foundation/FileNameText.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>
#include <algorithm>

namespace {
    constexpr int maximumInspectionThreads = 4;
} // namespace

FileItemList::FileItemList(QObject* parent)
    : QObject(parent)
{
    // Listeners may take the refusals queued, or record them (QSignalSpy).
    qRegisterMetaType<FileItemList::Refusal>();
    m_inspectors.setMaxThreadCount(inspectionThreadCount());
}

FileItemList::~FileItemList()
{
    // An inspection reports to this list: none may still run once it is gone.
    m_inspectors.clear();
    m_inspectors.waitForDone();
    // Whoever listened may be half destroyed by now.
    blockSignals(true);
    clear();
}

namespace {
    // A document reached through a symbolic link, or by a path with "..", is the document it leads to.
    QString listingKey(const QFileInfo& file)
    {
        const QString canonical = file.canonicalFilePath();
        return canonical.isEmpty() ? QDir::cleanPath(file.absoluteFilePath()) : canonical;
    }
} // namespace

int FileItemList::inspectionThreadCount() { return qBound(1, QThread::idealThreadCount(), maximumInspectionThreads); }

void FileItemList::addFiles(const QStringList& paths)
{
    qint32 alreadyListed = 0;
    qint32 notPdf = 0;
    QStringList garbled;
    for (const QString& path : paths) {
        if (FileNameText::isGarbled(path)) {
            garbled << path;
            continue;
        }
        const QFileInfo file(path);
        const QString key = listingKey(file);
        if (m_listedPaths.contains(key)) {
            ++alreadyListed;
            emit fileRefused(Refusal::AlreadyListed, path);
            continue;
        }
        // A folder named like a document is no document: qpdf cannot read it and its row could never compress.
        if (!file.isFile() || !file.suffix().contains(QLatin1String("pdf"), Qt::CaseInsensitive)) {
            ++notPdf;
            emit fileRefused(Refusal::NotPdf, path);
            continue;
        }
        auto item = std::make_unique<PDFFileItem>(path);
        item->beginInspection();
        const quint64 ticket = m_nextTicket++;
        m_entries.push_back(Entry { std::move(item), ticket, key });
        m_paths.append(path);
        m_listedPaths.insert(key);
        ++m_checkingCount;
        startInspection(path, ticket);
    }
    if (notPdf > 0) {
        emit filesRefused(Refusal::NotPdf, notPdf);
    }
    if (alreadyListed > 0) {
        emit filesRefused(Refusal::AlreadyListed, alreadyListed);
    }
    refuseUnreadableNames(garbled);
}

void FileItemList::refuseUnreadableNames(const QStringList& displayableNames)
{
    for (const QString& name : displayableNames) {
        emit fileRefused(Refusal::UnreadableName, name);
    }
    if (!displayableNames.isEmpty()) {
        emit filesRefused(Refusal::UnreadableName, displayableNames.size());
    }
}

void FileItemList::startInspection(const QString& path, quint64 ticket)
{
    m_inspectors.start(QRunnable::create([this, path, ticket]() {
        const PdfCheck::Result inspection = PDFFileItem::inspect(path);
        // Handed to the list's own thread; the destructor waits for every inspection, so this stays valid.
        QMetaObject::invokeMethod(
            this, [this, ticket, inspection]() { inspectionEnded(ticket, inspection); }, Qt::QueuedConnection);
    }));
}

void FileItemList::inspectionEnded(quint64 ticket, const PdfCheck::Result& inspection)
{
    const qint32 index = indexOfTicket(ticket);
    if (index < 0) {
        return; // removed while it was being checked
    }
    --m_checkingCount;
    if (m_entries[static_cast<size_t>(index)].item->applyInspection(inspection)) {
        emit itemInspected(index);
    } else {
        emit itemAboutToBeRemoved(index);
        const QString path = m_entries[static_cast<size_t>(index)].item->filePath();
        // The item is no longer checking, so removing it leaves the count alone.
        removeAt(index);
        emit fileRefused(Refusal::Damaged, path);
        emit filesRefused(Refusal::Damaged, 1);
    }
    if (m_checkingCount == 0) {
        emit inspectionFinished();
    }
}

qint32 FileItemList::indexOfTicket(quint64 ticket) const
{
    // Tickets grow with the index, so the entry is found by halving.
    const auto found = std::lower_bound(m_entries.begin(), m_entries.end(), ticket,
        [](const Entry& entry, quint64 wanted) { return entry.ticket < wanted; });
    if (found == m_entries.end() || found->ticket != ticket) {
        return -1;
    }
    return static_cast<qint32>(found - m_entries.begin());
}

void FileItemList::removeAt(qint32 index)
{
    if (index < 0 || index >= count()) {
        return;
    }
    const bool wasChecking = m_entries[static_cast<size_t>(index)].item->isChecking();
    m_listedPaths.remove(m_entries[static_cast<size_t>(index)].key);
    m_entries.erase(m_entries.begin() + index);
    m_paths.removeAt(index);
    if (wasChecking && --m_checkingCount == 0) {
        emit inspectionFinished();
    }
}

void FileItemList::clear()
{
    for (qint32 index = count() - 1; index >= 0; --index) {
        removeAt(index);
    }
}

qint32 FileItemList::count() const { return static_cast<qint32>(m_entries.size()); }

FileItem* FileItemList::at(qint32 index) const
{
    if (index < 0 || index >= count()) {
        return nullptr;
    }
    return m_entries[static_cast<size_t>(index)].item.get();
}

bool FileItemList::isEmpty() const { return m_entries.empty(); }

bool FileItemList::hasUnlockedItem() const
{
    return m_entries.empty()
        || std::any_of(m_entries.begin(), m_entries.end(), [](const Entry& entry) { return !entry.item->isLocked(); });
}
