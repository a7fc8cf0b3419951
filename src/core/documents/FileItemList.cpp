#include "documents/FileItemList.h"

#include "documents/PDFFileItem.h"

#include <QFileInfo>
#include <algorithm>

FileItemList::FileItemList(QObject* parent)
    : QObject(parent)
{
}

FileItemList::~FileItemList() { clear(); }

void FileItemList::addFiles(const QStringList& paths)
{
    for (const QString& path : paths) {
        if (m_paths.contains(path, Qt::CaseSensitive)) {
            continue;
        }
        // A folder named like a document is no document: qpdf cannot read it and its row could never compress.
        const QFileInfo file(path);
        if (!file.isFile() || !file.suffix().contains(QLatin1String("pdf"), Qt::CaseInsensitive)) {
            continue;
        }
        auto item = std::make_unique<PDFFileItem>(path);
        if (!item->initPDF()) {
            continue;
        }
        m_items.push_back(std::move(item));
        m_paths.append(path);
    }
}

void FileItemList::removeAt(qint32 index)
{
    if (index < 0 || index >= count()) {
        return;
    }
    m_items.erase(m_items.begin() + index);
    m_paths.removeAt(index);
}

void FileItemList::clear()
{
    for (qint32 index = count() - 1; index >= 0; --index) {
        removeAt(index);
    }
}

qint32 FileItemList::count() const { return static_cast<qint32>(m_items.size()); }

FileItem* FileItemList::at(qint32 index) const
{
    if (index < 0 || index >= count()) {
        return nullptr;
    }
    return m_items[static_cast<size_t>(index)].get();
}

bool FileItemList::isEmpty() const { return m_items.empty(); }

bool FileItemList::hasUnlockedItem() const
{
    return m_items.empty()
        || std::any_of(m_items.begin(), m_items.end(), [](const auto& item) { return !item->isLocked(); });
}
