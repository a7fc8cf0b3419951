#include "foundation/ApplicationFolders.h"

#include "foundation/ProductConstants.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <cerrno>
#include <sys/stat.h>

ApplicationFolders::Failure ApplicationFolders::create()
{
    for (const QString& folder : { Product::configFolder(), Product::logFolder(), Product::tempFolder() }) {
        const Failure failure = createPath(folder);
        if (!failure.folder.isEmpty()) {
            return failure;
        }
    }
    return {};
}

ApplicationFolders::Failure ApplicationFolders::createPath(const QString& path)
{
    const QString clean = QDir::cleanPath(QDir(path).absolutePath());
    const QStringList parts = clean.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString level;
    for (const QString& part : parts) {
        level += QLatin1Char('/') + part;
        const QByteArray name = QFile::encodeName(level);
        if (::mkdir(name.constData(), S_IRWXU | S_IRWXG | S_IRWXO) == 0) {
            continue;
        }
        // An existing level is fine when it is a folder, whatever mkdir said about it.
        int error = errno;
        struct stat status = {};
        if (::stat(name.constData(), &status) == 0) {
            if (S_ISDIR(status.st_mode)) {
                continue;
            }
            error = ENOTDIR;
        }
        return { level, qt_error_string(error) };
    }
    return {};
}
