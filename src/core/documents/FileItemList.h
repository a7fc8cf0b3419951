#pragma once

#include <QObject>
#include <QStringList>
#include <memory>
#include <vector>

class FileItem;

/**
 * The documents the user has added, in the order of adding, owning their items. Index i is always
 * the main window's row i, so every operation keeps positions stable.
 */
class FileItemList final : public QObject
{
    Q_OBJECT

public:
    explicit FileItemList(QObject* parent = nullptr);
    ~FileItemList() override;

    /**
     * Adds the PDF documents among paths, in order: a path already listed or without "pdf" in its
     * suffix is skipped, and a document that cannot be opened is dropped.
     */
    void addFiles(const QStringList& paths);
    /** Removes and destroys the item at index; an index outside the list is ignored. */
    void removeAt(qint32 index);
    void clear();

    qint32 count() const;
    /** The item at index, still owned by the list; null for an index outside the list. */
    FileItem* at(qint32 index) const;
    bool isEmpty() const;
    /** True for an empty list or when at least one item is not locked. */
    bool hasUnlockedItem() const;

private:
    std::vector<std::unique_ptr<FileItem>> m_items;
    QStringList m_paths;
};
