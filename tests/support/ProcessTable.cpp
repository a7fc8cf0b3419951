#include "support/ProcessTable.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

bool ProcessTable::anyProcessHasHome(const QString& home)
{
    const QByteArray wanted = "HOME=" + QFile::encodeName(home);
    for (const QString& pid : QDir("/proc").entryList({ "[0-9]*" }, QDir::Dirs)) {
        QFile environ(QStringLiteral("/proc/%1/environ").arg(pid));
        if (environ.open(QIODevice::ReadOnly) && environ.readAll().split('\0').contains(wanted)) {
            return true;
        }
    }
    return false;
}
