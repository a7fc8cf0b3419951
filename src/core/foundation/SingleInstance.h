#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

class InstanceSocket;

/**
 * Keeps one window per user: the first start claims a name of its own on the session bus (a local
 * socket in the user's runtime folder where there is no bus) and listens there; a later start hands
 * its files to that window and ends. A name or socket left by a window that crashed or hangs is
 * taken over, never a reason not to start. Windows with different settings folders (another HOME)
 * are different windows.
 */
class SingleInstance final : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.vantorel.Kompresto.Window")

public:
    enum class Start
    {
        First, // this process is the window now and listens for the next starts
        HandedOver, // the window already open took the files: this process ends
    };

    /** How long a start waits for the open window to take its files before it takes its place. */
    static constexpr int handOverTimeoutMs = 10000;

    /** settingsFolder tells the windows of different settings apart. */
    explicit SingleInstance(const QString& settingsFolder, QObject* parent = nullptr);
    ~SingleInstance() override;

    /**
     * Claims the window's name, or hands paths (absolute) and the desktop's activation token to the
     * window that holds it. Where neither bus nor socket can be had, this start is the window.
     */
    Start start(const QStringList& paths, const QString& activationToken);

    /** Stops listening: a start from now on opens a window of its own. Run when the event loop ends. */
    void release();

    /** The activation token the desktop gave this start (X11 startup id or Wayland token), empty when none. */
    static QString activationTokenFromEnvironment();

    /** The bus name of the window for settingsFolder. */
    static QString serviceName(const QString& settingsFolder);
    /** The socket of the window for settingsFolder, in runtimeFolder. */
    static QString socketPath(const QString& runtimeFolder, const QString& settingsFolder);

signals:
    /** Another start asked the window to come forward and, with paths not empty, to list them. */
    void openRequested(const QStringList& paths, const QString& activationToken);

public slots:
    /** The method another start calls on the bus. */
    Q_SCRIPTABLE void Open(const QStringList& paths, const QString& activationToken);

private:
    Start startOnBus(const QStringList& paths, const QString& activationToken);
    Start startOnSocket(const QStringList& paths, const QString& activationToken);
    void deliver(const QStringList& paths, const QString& activationToken);

    const QString m_settingsFolder;
    bool m_onBus = false;
    std::unique_ptr<InstanceSocket> m_socket; // without a bus
};
