#include "foundation/CommandLinePaths.h"

#include <QDir>
#include <QDirIterator>
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

QStringList CommandLinePaths::documentsIn(const QStringList& absolutePaths)
{
    QStringList documents;
    for (const QString& path : absolutePaths) {
        if (!QFileInfo(path).isDir()) {
            documents << path;
            continue;
        }
        QStringList found;
        QDirIterator entries(path, QDir::Files | QDir::Hidden);
        while (entries.hasNext() && documents.size() + found.size() < maximumCount) {
            const QString entry = entries.next();
            if (hasPdfSuffix(entry)) {
                found << entry;
            }
        }
        found.sort();
        documents << found;
    }
    return documents.mid(0, maximumCount);
}
