#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

/**
 * The one-window channel where there is no session bus: a local socket, private to the user, that
 * the open window listens on and a second start hands its files to. A socket left behind by a
 * window that crashed answers no one and is taken over.
 */
class InstanceSocket final : public QObject
{
    Q_OBJECT

public:
    /** The largest request a window reads; anything longer is dropped unread. */
    static constexpr int maximumRequestBytes = 16 * 1024 * 1024;

    InstanceSocket(const QString& socketPath, QObject* parent = nullptr);
    ~InstanceSocket() override;

    /**
     * Hands paths and the activation token to the window listening on the socket; true once that
     * window has taken them. False when no window listens or it does not answer within timeoutMs.
     */
    bool handOver(const QStringList& paths, const QString& activationToken, int timeoutMs);
    /** Listens on the socket, replacing one left behind; false (logged) when the socket cannot be made. */
    bool listen();

    /** The request's wire form: a length, then the paths and the token. */
    static QByteArray encode(const QStringList& paths, const QString& activationToken);
    /**
     * Reads one complete request from the front of buffer; false while it is incomplete. A request
     * that is too long or malformed sets invalid.
     */
    static bool decode(const QByteArray& buffer, QStringList* paths, QString* activationToken, bool* invalid);

signals:
    /** Another start handed over paths (absolute, as sent) and the token the desktop gave it. */
    void received(const QStringList& paths, const QString& activationToken);

private:
    void acceptConnections();
    void readRequest(QLocalSocket* connection);

    const QString m_socketPath;
    QLocalServer* m_server = nullptr; // child of this channel, once listening
};
