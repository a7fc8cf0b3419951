#include "engine/WorkerRequest.h"

#include <QDataStream>

namespace {
    // Bumped whenever the layout changes, so that a worker of another build refuses the request.
    constexpr quint32 layoutVersion = 1;
} // namespace

QByteArray WorkerRequest::encode() const
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_5_15);
    stream << layoutVersion << arguments << sourcePath << rewritePath << passwordArgument;
    return bytes;
}

bool WorkerRequest::decode(const QByteArray& bytes, WorkerRequest& request)
{
    QDataStream stream(bytes);
    stream.setVersion(QDataStream::Qt_5_15);
    quint32 version = 0;
    stream >> version;
    if (version != layoutVersion) {
        return false;
    }
    stream >> request.arguments >> request.sourcePath >> request.rewritePath >> request.passwordArgument;
    return stream.status() == QDataStream::Ok && stream.atEnd() && !request.arguments.isEmpty();
}
