#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

/** One document the command was asked to compress, or a named path it cannot take. */
struct InputDocument
{
    QString path; // absolute, as found on disk
    QString displayName; // the path as the user would recognise it: the argument, or the argument and the path below it
    bool found = true; // false when the named path does not exist
    bool pdfName = true; // false for a named file whose suffix is not a PDF's
};

/**
 * Turns the command's FILE|FOLDER arguments into the documents to compress, as the window takes
 * files: only names whose suffix says PDF (in any case), each document once however it was named.
 * Folders give the PDFs directly in them, or with recursion those of every subfolder too, in name order.
 */
class InputCollector final
{
public:
    /** excludedFolder (the output folder) is never searched, so a second run does not take the first one's outputs. */
    InputCollector(bool recursive, const QString& excludedFolder);

    QVector<InputDocument> collect(const QStringList& arguments);

    /** The window's rule: the text after the last dot of the name contains "pdf", in any case. */
    static bool hasPdfSuffix(const QString& path);

private:
    void addFolder(const QString& argument, const QString& folder);
    void add(const InputDocument& document);

    const bool m_recursive;
    const QString m_excludedFolder;
    QVector<InputDocument> m_documents;
    QSet<QString> m_seen; // canonical paths of the documents taken so far
};
