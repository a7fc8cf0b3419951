#include "cli/PasswordFile.h"

#include <QFile>

bool PasswordFile::read(const QString& path, QStringList& passwords, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return false;
    }
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (QByteArray line : lines) {
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        if (!line.isEmpty()) {
            passwords << QString::fromUtf8(line);
        }
    }
    return true;
}
