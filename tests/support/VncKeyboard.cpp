#include "support/VncKeyboard.h"

#include <QTcpServer>
#include <QtEndian>

namespace {
    constexpr int answerTimeoutMs = 10000;
    const QByteArray protocolVersion = "RFB 003.003\n";
    constexpr int serverInitFixedSize = 24; // size, pixel format and the length of the desktop's name
    constexpr char keyEventMessage = 4;
} // namespace

quint16 VncKeyboard::freePort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
}

bool VncKeyboard::connectTo(quint16 port)
{
    m_socket.abort();
    m_socket.connectToHost(QHostAddress::LocalHost, port);
    if (!m_socket.waitForConnected(answerTimeoutMs)) {
        return false;
    }
    QByteArray bytes;
    // The server's version, then ours; version 3.3 has no security to negotiate beyond "none" (1).
    if (!readExactly(protocolVersion.size(), bytes) || !bytes.startsWith("RFB ")) {
        return false;
    }
    m_socket.write(protocolVersion);
    if (!readExactly(4, bytes) || qFromBigEndian<quint32>(bytes.constData()) != 1) {
        return false;
    }
    m_socket.write("\1", 1); // shared: other clients may stay
    if (!readExactly(serverInitFixedSize, bytes)) {
        return false;
    }
    const quint32 nameLength = qFromBigEndian<quint32>(bytes.constData() + serverInitFixedSize - 4);
    return nameLength < 4096 && readExactly(static_cast<int>(nameLength), bytes);
}

bool VncKeyboard::pressChord(const QVector<std::uint32_t>& keys)
{
    for (const std::uint32_t key : keys) {
        if (!sendKey(key, true)) {
            return false;
        }
    }
    for (auto key = keys.crbegin(); key != keys.crend(); ++key) {
        if (!sendKey(*key, false)) {
            return false;
        }
    }
    return true;
}

bool VncKeyboard::readExactly(int count, QByteArray& bytes)
{
    bytes.clear();
    while (bytes.size() < count) {
        if (m_socket.bytesAvailable() == 0 && !m_socket.waitForReadyRead(answerTimeoutMs)) {
            return false;
        }
        bytes += m_socket.read(count - bytes.size());
    }
    return true;
}

bool VncKeyboard::sendKey(std::uint32_t key, bool down)
{
    char message[8] = { keyEventMessage, static_cast<char>(down ? 1 : 0), 0, 0 };
    qToBigEndian<quint32>(key, message + 4);
    return m_socket.write(message, sizeof message) == sizeof message && m_socket.waitForBytesWritten(answerTimeoutMs);
}
