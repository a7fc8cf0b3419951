#pragma once

#include <QTcpSocket>
#include <QVector>
#include <cstdint>

/**
 * Types on the real application's keyboard from outside its process: the application runs on Qt's VNC
 * platform (QT_QPA_PLATFORM=vnc:port=N), and this is the smallest remote-framebuffer client that gets
 * key events to it. The keys reach the application's focus window as a user's keys would.
 */
class VncKeyboard final
{
public:
    static constexpr std::uint32_t controlKey = 0xffe3;
    static constexpr std::uint32_t returnKey = 0xff0d;

    /** A port on this machine that nothing listens on at the moment of asking. */
    static quint16 freePort();

    /**
     * Connects to the application's VNC server on port and greets it; false when it does not answer.
     * The server listens only once the application's event loop runs: ask again until it does.
     */
    bool connectTo(quint16 port);

    /** Presses keys (X key symbols) in order, then releases them in the opposite order: a chord. */
    bool pressChord(const QVector<std::uint32_t>& keys);

private:
    bool readExactly(int count, QByteArray& bytes);
    bool sendKey(std::uint32_t key, bool down);

    QTcpSocket m_socket;
};
