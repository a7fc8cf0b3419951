#include "cli/InputCollector.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

InputCollector::InputCollector(bool recursive, const QString& excludedFolder)
    : m_recursive(recursive)
    , m_excludedFolder(QFileInfo(excludedFolder).canonicalFilePath())
{
}

bool InputCollector::hasPdfSuffix(const QString& path)
{
    return QFileInfo(path).suffix().contains(QLatin1String("pdf"), Qt::CaseInsensitive);
}

QVector<InputDocument> InputCollector::collect(const QStringList& arguments)
{
    for (const QString& argument : arguments) {
        const QFileInfo info(argument);
        InputDocument document;
        document.path = info.absoluteFilePath();
        document.displayName = argument;
        if (!info.exists()) {
            document.found = false;
            add(document);
        } else if (info.isDir()) {
            addFolder(argument, info.absoluteFilePath());
        } else {
            document.pdfName = hasPdfSuffix(argument);
            add(document);
        }
    }
    return m_documents;
}

void InputCollector::addFolder(const QString& argument, const QString& folder)
{
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    if (!m_excludedFolder.isEmpty() && canonicalFolder == m_excludedFolder) {
        return;
    }
    QStringList found;
    QDirIterator entries(
        folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::NoIteratorFlags);
    QStringList subfolders;
    while (entries.hasNext()) {
        const QString path = entries.next();
        const QFileInfo info = entries.fileInfo();
        if (info.isDir()) {
            // A link back up the tree would never end; links to folders are not followed.
            if (m_recursive && !info.isSymLink()) {
                subfolders << path;
            }
        } else if (hasPdfSuffix(path)) {
            found << path;
        }
    }
    found.sort();
    subfolders.sort();
    const QDir base(folder);
    for (const QString& path : qAsConst(found)) {
        InputDocument document;
        document.path = path;
        document.displayName = QDir::cleanPath(argument + QLatin1Char('/') + base.relativeFilePath(path));
        add(document);
    }
    for (const QString& subfolder : qAsConst(subfolders)) {
        addFolder(QDir::cleanPath(argument + QLatin1Char('/') + base.relativeFilePath(subfolder)), subfolder);
    }
}

void InputCollector::add(const InputDocument& document)
{
    // a.pdf, ./a.pdf and a link to a.pdf are one document.
    const QString canonical = document.found ? QFileInfo(document.path).canonicalFilePath() : document.path;
    if (m_seen.contains(canonical)) {
        return;
    }
    m_seen.insert(canonical);
    m_documents << document;
}
