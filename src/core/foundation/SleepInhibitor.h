#pragma once

#include <QDBusUnixFileDescriptor>
#include <QString>

/**
 * Keeps the display and the machine awake for as long as the process lives, through the desktop's
 * D-Bus inhibitors: the screen saver's on the session bus and logind's on the system bus.
 */
class SleepInhibitor final
{
public:
    /** The one inhibitor of the process, created on the first call and kept until the process ends. */
    static SleepInhibitor* instance();

    /**
     * Asks for both inhibitors that are not held yet. Where there is no bus or no service, logs one
     * debug line saying what could not be held, and goes on.
     */
    void keepAwake();

    bool holdsDisplay() const { return m_holdsDisplay; }
    bool holdsMachine() const { return m_machineLock.isValid(); }

private:
    SleepInhibitor() = default;
    QString inhibitDisplay();
    QString inhibitMachine();

    bool m_holdsDisplay = false;
    // logind keeps the machine awake for as long as this descriptor stays open.
    QDBusUnixFileDescriptor m_machineLock;
};
