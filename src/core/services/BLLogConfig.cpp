#include "services/BLLogConfig.h"

#include "services/IBLLogConfig.h"

#include <QDebug>
#include <QDir>
#include <QMutex>

namespace Brimlake {
    namespace {
        QMutex folderLock;
        QString configuredFolder;
    } // namespace

    QString BLLogConfig::folder()
    {
        QMutexLocker locker(&folderLock);
        return configuredFolder;
    }

    void BLLogConfig::setFolder(const QString& folder)
    {
        QMutexLocker locker(&folderLock);
        configuredFolder = folder;
    }

    bool IBLLogConfig::InitializeLogConfig(const std::string& folder)
    {
        const QString path = QString::fromStdString(folder);
        BLLogConfig::setFolder(path);
        // The services write through the application's own log handler, which owns this folder;
        // they only report whether it can be used.
        const bool usable = !path.isEmpty() && QDir::isAbsolutePath(path) && QDir().mkpath(path);
        qDebug() << "Service log folder:" << path << (usable ? "ready" : "not usable");
        return usable;
    }
} // namespace Brimlake
