#include "support/SmallVolume.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <unistd.h>

SmallVolume::SmallVolume(const QString& path, qint64 bytes)
    : m_path(path)
{
    QDir().mkpath(path);
    m_mounted = ::geteuid() == 0
        && QProcess::execute(
               QStringLiteral("mount"), { "-t", "tmpfs", "-o", QStringLiteral("size=%1").arg(bytes), "tmpfs", path })
            == 0;
}

SmallVolume::~SmallVolume()
{
    if (m_mounted) {
        QProcess::execute(QStringLiteral("umount"), { m_path });
    }
}

bool SmallVolume::fillUp() const
{
    QFile filler(m_path + "/filler");
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return false;
    }
    const QByteArray chunk(4096, 'x');
    while (filler.write(chunk) == chunk.size()) { }
    return filler.size() > 0;
}
