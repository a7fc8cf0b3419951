#include "support/LogReader.h"

#include "foundation/ProductConstants.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {
    QStringList logFilesIn(const QString& folder)
    {
        const QDir dir(folder.isEmpty() ? Product::logFolder() : folder);
        QStringList paths;
        for (const QString& name : dir.entryList({ QStringLiteral("*_log.html") }, QDir::Files, QDir::Name)) {
            paths << dir.filePath(name);
        }
        return paths;
    }
} // namespace

namespace LogReader {
    QString fileText(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    QString allText(const QString& folder)
    {
        QString text;
        for (const QString& path : logFilesIn(folder)) {
            text += fileText(path);
        }
        return text;
    }

    QStringList entries(const QString& typeClass, const QString& folder)
    {
        const QRegularExpression entry(QStringLiteral("<div class=\"%1\">\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d "
                                                      "([^\r\n]*)</div>\r\n")
                                           .arg(typeClass));
        QStringList lines;
        for (const QString& path : logFilesIn(folder)) {
            auto matches = entry.globalMatch(fileText(path));
            while (matches.hasNext()) {
                lines << unescaped(matches.next().captured(1));
            }
        }
        return lines;
    }

    QString unescaped(QString pageText)
    {
        return pageText.replace(QLatin1String("&lt;"), QLatin1String("<"))
            .replace(QLatin1String("&gt;"), QLatin1String(">"))
            .replace(QLatin1String("&amp;"), QLatin1String("&"));
    }
} // namespace LogReader
