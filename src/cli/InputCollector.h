#pragma once

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

/** One document the command was asked to compress, or a named path it cannot take. */
struct InputDocument
{
    QString path; // absolute, as found on disk; empty when the name cannot be carried (see nameRepresentable)
    QString displayName; // the path as the user would recognise it: the argument, or the argument and the path below it
    QString subfolder; // below the folder argument it was found in ("a/b"), mirrored in the output folder with -r
    bool found = true; // false when the named path does not exist
    bool pdfName = true; // false for a named file whose suffix is not a PDF's
    bool nameRepresentable = true; // false when its name is no valid text in the locale's encoding
    bool standardInput = false; // "-": the document comes on standard input
};

/**
 * Turns the command's FILE|FOLDER arguments into the documents to compress, as the window takes
 * files: only names whose suffix says PDF (in any case), each document once however it was named.
 * Folders give the PDFs directly in them, or with recursion those of every subfolder too, in name order.
 */
class InputCollector final
{
public:
    /** The argument that stands for standard input. */
    static inline const QString standardInputName = QStringLiteral("-");

    /** excludedFolder (the output folder) is never searched, so a second run does not take the first one's outputs. */
    InputCollector(bool recursive, const QString& excludedFolder);

    /**
     * unrepresentable maps an argument as Qt decoded it to the bytes it really was, for the arguments
     * whose bytes are no valid text in the locale's encoding (Qt 5 cannot open such a name).
     */
    QVector<InputDocument> collect(
        const QStringList& arguments, const QHash<QString, QByteArray>& unrepresentable = QHash<QString, QByteArray>());

    /** The folder arguments in which no PDF was found, as the user named them. */
    QStringList foldersWithoutDocuments() const { return m_foldersWithoutDocuments; }

    /** The folder arguments that are the output folder itself, whose documents are never taken. */
    QStringList outputFolderArguments() const { return m_outputFolderArguments; }

    /** The window's rule: the text after the last dot of the name contains "pdf", in any case. */
    static bool hasPdfSuffix(const QString& path);

private:
    void addFolder(const QString& argument, const QString& folder, const QString& subfolder);
    void add(const InputDocument& document);

    const bool m_recursive;
    const QString m_excludedFolder;
    QVector<InputDocument> m_documents;
    QSet<QString> m_seen; // canonical paths of the documents taken so far
    QStringList m_foldersWithoutDocuments;
    QStringList m_outputFolderArguments;
};
