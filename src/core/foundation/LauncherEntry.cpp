#include "foundation/LauncherEntry.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QtGlobal>

LauncherEntry::LauncherEntry(const QString& desktopEntry, QObject* parent)
    : QObject(parent)
    , m_applicationUri(QStringLiteral("application://") + desktopEntry + QStringLiteral(".desktop"))
{
}

QString LauncherEntry::objectPath() { return QStringLiteral("/com/vantorel/Kompresto/LauncherEntry"); }

void LauncherEntry::showProgress(double fraction, int filesLeft)
{
    m_showing = true;
    update({
        { QStringLiteral("progress"), qBound(0.0, fraction, 1.0) },
        { QStringLiteral("progress-visible"), true },
        { QStringLiteral("count"), static_cast<qint64>(qMax(0, filesLeft)) },
        { QStringLiteral("count-visible"), filesLeft > 0 },
    });
}

void LauncherEntry::clear()
{
    if (!m_showing) {
        return;
    }
    m_showing = false;
    update({
        { QStringLiteral("progress"), 0.0 },
        { QStringLiteral("progress-visible"), false },
        { QStringLiteral("count"), static_cast<qint64>(0) },
        { QStringLiteral("count-visible"), false },
    });
}

void LauncherEntry::update(const QVariantMap& properties)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return;
    }
    QDBusMessage signal = QDBusMessage::createSignal(
        objectPath(), QStringLiteral("com.canonical.Unity.LauncherEntry"), QStringLiteral("Update"));
    signal << m_applicationUri << properties;
    bus.send(signal);
}
