#include "foundation/SleepInhibitor.h"

#include "foundation/ProductConstants.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDebug>
#include <QStringList>

namespace {
    // Compress waits for the answers; a bus that does not answer must not hold the window back long.
    constexpr int callTimeoutMs = 2000;
    const QString reason = QStringLiteral("Compressing PDF documents");

    QString failureOf(const QString& what, const QDBusError& error)
    {
        return QStringLiteral("%1 (%2)").arg(what, error.message());
    }
} // namespace

SleepInhibitor* SleepInhibitor::instance()
{
    static SleepInhibitor* const inhibitor = new SleepInhibitor;
    return inhibitor;
}

void SleepInhibitor::keepAwake()
{
    m_keepingAwake = true;
    QStringList failures;
    if (!holdsDisplay()) {
        failures << inhibitDisplay();
    }
    if (!holdsMachine()) {
        failures << inhibitMachine();
    }
    failures.removeAll(QString());
    if (!failures.isEmpty()) {
        qDebug().noquote() << "Cannot keep awake:" << failures.join(QStringLiteral("; "));
    }
}

QString SleepInhibitor::inhibitDisplay()
{
    const QString what = QStringLiteral("display");
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return failureOf(what, bus.lastError());
    }
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.ScreenSaver"),
        QStringLiteral("/org/freedesktop/ScreenSaver"), QStringLiteral("org.freedesktop.ScreenSaver"),
        QStringLiteral("Inhibit"));
    call << Product::displayName << reason;
    // The screen saver also drops the inhibition when our connection closes, should the process end mid-run.
    const QDBusReply<quint32> reply = bus.call(call, QDBus::Block, callTimeoutMs);
    if (!reply.isValid()) {
        return failureOf(what, reply.error());
    }
    m_holdsDisplay = true;
    m_displayCookie = reply.value();
    return QString();
}

void SleepInhibitor::release()
{
    m_keepingAwake = false;
    if (m_holdsDisplay) {
        releaseDisplay();
    }
    // logind lets the machine sleep again once the last copy of the descriptor is closed.
    m_machineLock = QDBusUnixFileDescriptor();
}

void SleepInhibitor::releaseDisplay()
{
    m_holdsDisplay = false;
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.ScreenSaver"),
        QStringLiteral("/org/freedesktop/ScreenSaver"), QStringLiteral("org.freedesktop.ScreenSaver"),
        QStringLiteral("UnInhibit"));
    call << m_displayCookie;
    // Nothing waits for the answer: a screen saver that is gone has nothing left to release.
    QDBusConnection::sessionBus().call(call, QDBus::NoBlock);
}

QString SleepInhibitor::inhibitMachine()
{
    const QString what = QStringLiteral("machine");
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        return failureOf(what, bus.lastError());
    }
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.login1"),
        QStringLiteral("/org/freedesktop/login1"), QStringLiteral("org.freedesktop.login1.Manager"),
        QStringLiteral("Inhibit"));
    call << QStringLiteral("sleep:idle") << Product::displayName << reason << QStringLiteral("block");
    const QDBusReply<QDBusUnixFileDescriptor> reply = bus.call(call, QDBus::Block, callTimeoutMs);
    if (!reply.isValid() || !reply.value().isValid()) {
        return failureOf(what, reply.error());
    }
    m_machineLock = reply.value();
    return QString();
}
