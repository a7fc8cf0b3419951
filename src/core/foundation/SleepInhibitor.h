#pragma once

#include <QDBusUnixFileDescriptor>
#include <QString>

/**
 * Keeps the display and the machine awake while documents are being compressed, through the
 * desktop's D-Bus inhibitors: the screen saver's on the session bus and logind's on the system bus.
 * Held only for the length of a run, so an idle window never keeps a laptop awake or a screen unlocked.
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
    /** Gives back whatever keepAwake() holds; the desktop may sleep and lock again. */
    void release();

    /** Between keepAwake() and release(), whether or not the desktop granted the inhibitors. */
    bool isKeepingAwake() const { return m_keepingAwake; }

    bool holdsDisplay() const { return m_holdsDisplay; }
    bool holdsMachine() const { return m_machineLock.isValid(); }

private:
    SleepInhibitor() = default;
    QString inhibitDisplay();
    QString inhibitMachine();

    void releaseDisplay();

    bool m_keepingAwake = false;
    bool m_holdsDisplay = false;
    quint32 m_displayCookie = 0;
    // logind keeps the machine awake for as long as this descriptor stays open.
    QDBusUnixFileDescriptor m_machineLock;
};
