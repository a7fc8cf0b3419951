#include "foundation/InstanceSocket.h"

#include "foundation/CommandLinePaths.h"

#include <QDebug>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <QtEndian>

namespace {
    constexpr char acknowledgement = '1';
    constexpr int connectTimeoutMs = 1000;
    // A sender that stalls mid-request must not keep its connection for ever.
    constexpr int requestTimeoutMs = 10000;
    constexpr int headerBytes = static_cast<int>(sizeof(quint32));

    void appendNumber(QByteArray& bytes, quint32 number)
    {
        const quint32 bigEndian = qToBigEndian(number);
        bytes.append(reinterpret_cast<const char*>(&bigEndian), sizeof(bigEndian));
    }

    void appendText(QByteArray& bytes, const QString& text)
    {
        const QByteArray utf8 = text.toUtf8();
        appendNumber(bytes, static_cast<quint32>(utf8.size()));
        bytes.append(utf8);
    }

    /** Reads numbers and texts from the front of a request, never past its end. */
    struct RequestReader
    {
        const QByteArray bytes;
        int position;

        bool readNumber(quint32* number)
        {
            if (bytes.size() - position < headerBytes) {
                return false;
            }
            *number = qFromBigEndian<quint32>(bytes.constData() + position);
            position += headerBytes;
            return true;
        }

        bool readText(QString* text)
        {
            quint32 length = 0;
            if (!readNumber(&length) || length > static_cast<quint32>(bytes.size() - position)) {
                return false;
            }
            *text = QString::fromUtf8(bytes.constData() + position, static_cast<int>(length));
            position += static_cast<int>(length);
            return true;
        }

        bool atEnd() const { return position == bytes.size(); }
    };
} // namespace

InstanceSocket::InstanceSocket(const QString& socketPath, QObject* parent)
    : QObject(parent)
    , m_socketPath(socketPath)
{
}

InstanceSocket::~InstanceSocket()
{
    if (m_server != nullptr) {
        m_server->close(); // removes the socket file, so the next start finds no stale one
    }
}

// Every number is checked against the bytes actually there before anything is allocated for it: a
// request that claims a billion paths in a few bytes costs nothing.
QByteArray InstanceSocket::encode(const QStringList& paths, const QString& activationToken)
{
    QByteArray payload;
    appendNumber(payload, static_cast<quint32>(paths.size()));
    for (const QString& path : paths) {
        appendText(payload, path);
    }
    appendText(payload, activationToken);
    QByteArray request;
    appendNumber(request, static_cast<quint32>(payload.size()));
    return request + payload;
}

bool InstanceSocket::decode(const QByteArray& buffer, QStringList* paths, QString* activationToken, bool* invalid)
{
    *invalid = false;
    RequestReader header { buffer, 0 };
    quint32 length = 0;
    if (!header.readNumber(&length)) {
        return false;
    }
    if (length > static_cast<quint32>(maximumRequestBytes)) {
        *invalid = true;
        return false;
    }
    if (static_cast<quint32>(buffer.size() - headerBytes) < length) {
        return false;
    }
    RequestReader reader { buffer.mid(headerBytes, static_cast<int>(length)), 0 };
    quint32 count = 0;
    QStringList read;
    bool whole = reader.readNumber(&count) && count <= static_cast<quint32>(CommandLinePaths::maximumCount);
    for (quint32 index = 0; whole && index < count; ++index) {
        QString path;
        whole = reader.readText(&path);
        read << path;
    }
    QString token;
    whole = whole && reader.readText(&token) && reader.atEnd();
    if (!whole) {
        *invalid = true;
        return false;
    }
    *paths = read;
    *activationToken = token;
    return true;
}

bool InstanceSocket::handOver(const QStringList& paths, const QString& activationToken, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(connectTimeoutMs)) {
        return false;
    }
    socket.write(encode(paths, activationToken));
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(timeoutMs)) {
            return false;
        }
    }
    if (!socket.waitForReadyRead(timeoutMs)) {
        return false;
    }
    return socket.read(1) == QByteArray(1, acknowledgement);
}

bool InstanceSocket::listen()
{
    // Only a socket that answered no one gets here: the window that made it is gone.
    QLocalServer::removeServer(m_socketPath);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_socketPath)) {
        qWarning() << "Cannot listen for other starts on" << m_socketPath << m_server->errorString();
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, &InstanceSocket::acceptConnections);
    return true;
}

void InstanceSocket::acceptConnections()
{
    while (QLocalSocket* connection = m_server->nextPendingConnection()) {
        // The socket reads no further than one request may be long.
        connection->setReadBufferSize(maximumRequestBytes + headerBytes);
        connect(connection, &QLocalSocket::disconnected, connection, &QObject::deleteLater);
        connect(connection, &QLocalSocket::readyRead, this, [this, connection]() { readRequest(connection); });
        QTimer::singleShot(requestTimeoutMs, connection, [connection]() { connection->abort(); });
        readRequest(connection);
    }
}

void InstanceSocket::readRequest(QLocalSocket* connection)
{
    // Reads only what the header allows: a sender cannot make this window hold more than one request.
    const QByteArray buffered = connection->peek(maximumRequestBytes + headerBytes);
    QStringList paths;
    QString activationToken;
    bool invalid = false;
    if (!decode(buffered, &paths, &activationToken, &invalid)) {
        if (invalid) {
            qWarning() << "Dropped a malformed request from another start.";
            connection->abort();
        }
        return;
    }
    connection->readAll();
    connection->write(QByteArray(1, acknowledgement));
    connection->disconnectFromServer();
    emit received(paths, activationToken);
}
