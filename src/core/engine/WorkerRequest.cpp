#include "engine/WorkerRequest.h"

#include <QDataStream>

namespace {
    // Bumped whenever the layout changes, so that a worker of another build refuses the request.
    constexpr quint32 layoutVersion = 2;
} // namespace

QByteArray WorkerRequest::encode() const
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_5_15);
    stream << layoutVersion << static_cast<quint8>(job) << arguments << sourcePath << rewritePath << passwordArgument;
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
    quint8 job = 0;
    stream >> job >> request.arguments >> request.sourcePath >> request.rewritePath >> request.passwordArgument;
    if (job > static_cast<quint8>(Job::CompareInk)) {
        return false;
    }
    request.job = static_cast<Job>(job);
    const bool complete
        = request.job == Job::CompareInk ? !request.rewritePath.isEmpty() : !request.arguments.isEmpty();
    return stream.status() == QDataStream::Ok && stream.atEnd() && complete;
}
