#include "foundation/DesktopNotifier.h"

#include "foundation/ProductConstants.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDebug>
#include <QStringList>
#include <QVariantMap>

namespace {
    const QString service = QStringLiteral("org.freedesktop.Notifications");
    const QString path = QStringLiteral("/org/freedesktop/Notifications");
    const QString interface = QStringLiteral("org.freedesktop.Notifications");
    const QString defaultAction = QStringLiteral("default");
    constexpr int serverChoosesTimeout = -1;
} // namespace

DesktopNotifier::DesktopNotifier(const QString& desktopEntry, QObject* parent)
    : QObject(parent)
    , m_desktopEntry(desktopEntry)
{
}

void DesktopNotifier::notify(const QString& summary, const QString& body, const QString& actionLabel)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return;
    }
    listenForActions();
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), m_desktopEntry);
    hints.insert(QStringLiteral("category"), QStringLiteral("transfer.complete"));
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("Notify"));
    call << Product::displayName << m_shownId << m_desktopEntry << summary << body
         << QStringList { defaultAction, actionLabel } << hints << serverChoosesTimeout;
    // The window goes on at once; the id, when it comes, lets the next notification replace this one.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* finished) {
        const QDBusPendingReply<uint> reply = *finished;
        if (reply.isError()) {
            qDebug().noquote() << "No desktop notification:" << reply.error().message();
        } else {
            m_shownId = reply.value();
        }
        finished->deleteLater();
    });
}

void DesktopNotifier::listenForActions()
{
    if (m_listening) {
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    // The bus connects signals by their signature only, hence the slot names in strings.
    m_listening = bus.connect(
        service, path, interface, QStringLiteral("ActionInvoked"), this, SLOT(actionInvoked(uint, QString)));
    bus.connect(
        service, path, interface, QStringLiteral("NotificationClosed"), this, SLOT(notificationClosed(uint, uint)));
}

void DesktopNotifier::actionInvoked(uint id, const QString& actionKey)
{
    // Every application's notifications come by here; only ours count.
    if (id != 0 && id == m_shownId && actionKey == defaultAction) {
        emit activated();
    }
}

void DesktopNotifier::notificationClosed(uint id, uint /*reason*/)
{
    if (id == m_shownId) {
        m_shownId = 0;
    }
}
