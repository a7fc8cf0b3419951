#include "cli/InputCollector.h"

#include "foundation/FileNameText.h"
#include "foundation/FolderListing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {
    QString joined(const QString& folder, const QString& name)
    {
        return folder.isEmpty() ? name : QDir::cleanPath(folder + QLatin1Char('/') + name);
    }
} // namespace

InputCollector::InputCollector(bool recursive, const QString& excludedFolder)
    : m_recursive(recursive)
    , m_excludedFolder(excludedFolder.isEmpty() ? QString() : QFileInfo(excludedFolder).canonicalFilePath())
{
}

bool InputCollector::hasPdfSuffix(const QString& path)
{
    return QFileInfo(path).suffix().contains(QLatin1String("pdf"), Qt::CaseInsensitive);
}

QVector<InputDocument> InputCollector::collect(
    const QStringList& arguments, const QHash<QString, QByteArray>& unrepresentable)
{
    for (const QString& argument : arguments) {
        InputDocument document;
        document.displayName = argument;
        if (argument == standardInputName) {
            document.standardInput = true;
            document.displayName = QStringLiteral("-");
            m_documents << document; // read once, and never the same as a file
            continue;
        }
        if (unrepresentable.contains(argument)) {
            document.nameRepresentable = false;
            document.displayName = FileNameText::displayable(unrepresentable.value(argument));
            m_documents << document;
            continue;
        }
        const QFileInfo info(argument);
        document.path = info.absoluteFilePath();
        if (!info.exists()) {
            document.found = false;
            add(document);
        } else if (info.isDir() && !m_excludedFolder.isEmpty() && info.canonicalFilePath() == m_excludedFolder) {
            m_outputFolderArguments << argument;
        } else if (info.isDir()) {
            const int before = m_documents.size();
            addFolder(argument, info.absoluteFilePath(), QString());
            if (m_documents.size() == before) {
                m_foldersWithoutDocuments << argument;
            }
        } else {
            document.pdfName = hasPdfSuffix(argument);
            add(document);
        }
    }
    return m_documents;
}

void InputCollector::addFolder(const QString& argument, const QString& folder, const QString& subfolder)
{
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    if (!m_excludedFolder.isEmpty() && canonicalFolder == m_excludedFolder) {
        return;
    }
    const QVector<FolderListing::Entry> entries = FolderListing::entriesOf(folder);
    QVector<FolderListing::Entry> subfolders;
    for (const FolderListing::Entry& entry : entries) {
        const QString name = QFile::decodeName(entry.name);
        const QString displayName = QDir::cleanPath(argument + QLatin1Char('/') + joined(subfolder, name));
        if (entry.folder) {
            // A link back up the tree would never end; links to folders are not followed.
            if (m_recursive && !entry.link) {
                subfolders << entry;
            }
            continue;
        }
        if (!hasPdfSuffix(name)) {
            continue;
        }
        InputDocument document;
        document.subfolder = subfolder;
        if (FileNameText::isRepresentable(entry.name)) {
            document.path = folder + QLatin1Char('/') + name;
            document.displayName = displayName;
            add(document);
        } else {
            document.nameRepresentable = false;
            document.displayName = QDir::cleanPath(argument + QLatin1Char('/') + joined(subfolder, QString()))
                + QLatin1Char('/') + FileNameText::displayable(entry.name);
            m_documents << document;
        }
    }
    for (const FolderListing::Entry& entry : qAsConst(subfolders)) {
        const QString name = QFile::decodeName(entry.name);
        if (!FileNameText::isRepresentable(entry.name)) {
            // Its documents cannot be reached by name: say so once, for the folder.
            InputDocument document;
            document.nameRepresentable = false;
            document.displayName = QDir::cleanPath(argument + QLatin1Char('/') + joined(subfolder, QString()))
                + QLatin1Char('/') + FileNameText::displayable(entry.name) + QLatin1Char('/');
            m_documents << document;
            continue;
        }
        addFolder(argument, folder + QLatin1Char('/') + name, joined(subfolder, name));
    }
}

void InputCollector::add(const InputDocument& document)
{
    // a.pdf, ./a.pdf and a link to a.pdf are one document.
    const QString canonical = document.found ? QFileInfo(document.path).canonicalFilePath() : document.path;
    const QString key = canonical.isEmpty() ? document.path : canonical;
    if (m_seen.contains(key)) {
        return;
    }
    m_seen.insert(key);
    m_documents << document;
}
