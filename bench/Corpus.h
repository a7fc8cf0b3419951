#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

/** One document of the corpus and where it came from. */
struct CorpusDocument
{
    QString name;
    QString path;
    QString origin; // the Debian package, or what was generated
    int pages = 0;
    qint64 bytes = 0;
};

/**
 * The documents the benchmarks work on: PDFs from Debian's documentation packages (read where the
 * packages put them) and generated ones (written once into the corpus folder and reused by later runs).
 */
class Corpus final
{
public:
    /** quick makes every generated document small and takes only the smallest Debian document. */
    Corpus(const QString& folder, const QString& debianList, bool quick);

    /** The documents of the size-and-quality measure: Debian's first, then the generated ones. */
    QList<CorpusDocument> documents();
    /** Debian documents that are listed but not installed ("package path"). */
    QStringList missingDocuments() const { return m_missing; }
    /** The long image-heavy document of the memory measure (300 pages). */
    CorpusDocument largeDocument();
    /** count similar documents of a few pages each, for the batch measure. */
    QStringList batchDocuments(int count);
    /**
     * count distinct paths (hard links, or copies) in the folder named name, cycling through the documents
     * of documents() that include accepts (every one without it).
     */
    QStringList manyDocumentPaths(int count, const QString& name = QStringLiteral("many"),
        const std::function<bool(const CorpusDocument&)>& include = {});
    /** Copies the documents into folder, emptied first, as a folder to hand over whole; their size together. */
    static qint64 copyInto(const QStringList& documents, const QString& folder);

private:
    CorpusDocument generated(
        const QString& fileName, const QString& origin, const std::function<bool(const QString&)>& writer);
    QList<CorpusDocument> debianDocuments();

    QString m_folder;
    QString m_debianList;
    bool m_quick;
    QStringList m_missing;
    QList<CorpusDocument> m_documents;
};
