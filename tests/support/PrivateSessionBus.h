#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

/**
 * A session bus of the test's own: a dbus-daemon that starts no services on demand, so the desktop
 * around the test run (or its absence) makes no difference. Stopped when it goes.
 */
class PrivateSessionBus final
{
public:
    PrivateSessionBus() = default;
    ~PrivateSessionBus();

    /** Starts the daemon; false when dbus-daemon is missing or does not come up. */
    bool start();
    /** The address clients connect to, for DBUS_SESSION_BUS_ADDRESS. */
    QString address() const { return m_address; }

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QString m_address;
};
