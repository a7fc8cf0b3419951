#include "support/PrivateSessionBus.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QStandardPaths>

PrivateSessionBus::~PrivateSessionBus()
{
    if (m_daemon.state() != QProcess::NotRunning) {
        m_daemon.kill();
        m_daemon.waitForFinished();
    }
}

bool PrivateSessionBus::start()
{
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty() || !m_dir.isValid()) {
        return false;
    }
    QFile config(m_dir.filePath(QStringLiteral("bus.conf")));
    if (!config.open(QIODevice::WriteOnly)) {
        return false;
    }
    config.write("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
                 " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                 "<busconfig><type>session</type><listen>unix:dir=");
    config.write(m_dir.path().toUtf8());
    config.write("</listen>\n"
                 "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                 "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>\n");
    config.close();
    m_daemon.start(daemon, { "--config-file=" + config.fileName(), "--nofork", "--print-address=1" });
    if (!m_daemon.waitForStarted()) {
        return false;
    }
    const QDeadlineTimer deadline(30000);
    while (!m_daemon.canReadLine() && !deadline.hasExpired()) {
        m_daemon.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
    }
    m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    return !m_address.isEmpty();
}
