#pragma once

#include <QObject>
#include <QString>

/**
 * Tells the user something through the desktop's notifications (org.freedesktop.Notifications on
 * the session bus), for when the window is behind others. Each new notification replaces the last
 * one; without a bus or a notification service nothing is shown and nothing waits.
 */
class DesktopNotifier final : public QObject
{
    Q_OBJECT

public:
    /** desktopEntry names the installed desktop entry, so the desktop shows our name and icon. */
    explicit DesktopNotifier(const QString& desktopEntry, QObject* parent = nullptr);

    /** Shows summary and body; clicking it (the action actionLabel) emits activated(). */
    void notify(const QString& summary, const QString& body, const QString& actionLabel);

signals:
    /** The user clicked the last notification. */
    void activated();

private slots:
    // Called by the bus, hence slots with the bus's own argument types.
    void actionInvoked(uint id, const QString& actionKey);
    void notificationClosed(uint id, uint reason);

private:
    void listenForActions();

    const QString m_desktopEntry;
    uint m_shownId = 0; // the notification on screen, 0 when none
    bool m_listening = false;
};
