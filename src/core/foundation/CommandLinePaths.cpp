#include "foundation/CommandLinePaths.h"

#include "foundation/FileNameText.h"
#include "foundation/FolderListing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace {
    bool isBounded(const QString& path)
    {
        return !path.isEmpty() && path.size() <= CommandLinePaths::maximumLength && !path.contains(QChar(0));
    }

    bool hasPdfSuffix(const QString& path)
    {
        return QFileInfo(path).suffix().contains(QLatin1String("pdf"), Qt::CaseInsensitive);
    }

    void addFolder(const QString& folder, CommandLinePaths::Documents& documents)
    {
        QStringList found;
        QStringList unreadable;
        const QVector<FolderListing::Entry> entries = FolderListing::entriesOf(folder);
        for (const FolderListing::Entry& entry : entries) {
            if (documents.paths.size() + found.size() >= CommandLinePaths::maximumCount) {
                break;
            }
            const QByteArray& name = entry.name;
            const QString path = folder + QLatin1Char('/') + QFile::decodeName(name);
            if (!hasPdfSuffix(path)) {
                continue;
            }
            if (!FileNameText::isRepresentable(name)) {
                unreadable << folder + QLatin1Char('/') + FileNameText::displayable(name);
            } else if (QFileInfo(path).isFile()) {
                found << path;
            }
        }
        documents.paths << found;
        documents.unreadableNames << unreadable;
    }
} // namespace

QStringList CommandLinePaths::fromArguments(const QStringList& arguments, const QString& workingFolder)
{
    QStringList paths;
    const QDir base(workingFolder);
    for (const QString& argument : arguments) {
        if (paths.size() >= maximumCount) {
            break;
        }
        QString path = argument;
        if (argument.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
            // A host names another machine's file, which "file:" cannot reach.
            const QUrl url(argument);
            const bool local = url.isLocalFile() && (url.host().isEmpty() || url.host() == QLatin1String("localhost"));
            path = local ? url.toLocalFile() : QString();
        }
        if (!isBounded(path)) {
            continue;
        }
        path = QDir::cleanPath(base.absoluteFilePath(path));
        if (isBounded(path)) {
            paths << path;
        }
    }
    return paths;
}

QStringList CommandLinePaths::acceptHandedOver(const QStringList& paths)
{
    QStringList accepted;
    for (const QString& path : paths) {
        if (accepted.size() >= maximumCount) {
            break;
        }
        // A relative path would be read against this process's folder, not the sender's.
        if (isBounded(path) && QDir::isAbsolutePath(path)) {
            accepted << QDir::cleanPath(path);
        }
    }
    return accepted;
}

CommandLinePaths::Documents CommandLinePaths::documentsIn(const QStringList& absolutePaths)
{
    Documents documents;
    for (const QString& path : absolutePaths) {
        if (!QFileInfo(path).isDir()) {
            documents.paths << path;
            continue;
        }
        addFolder(path, documents);
    }
    documents.paths = documents.paths.mid(0, maximumCount);
    return documents;
}
