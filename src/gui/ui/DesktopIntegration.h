#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class DesktopNotifier;
class LauncherEntry;
class MainWindow;
class SingleInstance;

/**
 * Ties the window to the desktop around it: files that other starts hand over join the list and
 * bring the window forward, the task bar entry shows a run's progress, and a run that ends while
 * the window is behind others says so in a notification.
 */
class DesktopIntegration final : public QObject
{
    Q_OBJECT

public:
    /**
     * window is the top-level window that comes forward, mainWindow the one that lists and
     * compresses; instance (may be null) is where other starts hand their files over.
     */
    DesktopIntegration(QWidget* window, MainWindow* mainWindow, SingleInstance* instance, QObject* parent = nullptr);

    /** Lists paths (absolute) and brings the window forward, as a start with those files asks. */
    void open(const QStringList& paths, const QString& activationToken);
    /** Shows the window, restored when minimised, above the others and with the focus. */
    void bringForward();

private:
    void showProgress(int done, int total);
    void runEnded(const QString& summary, bool stopped);

    QWidget* const m_window; // the application's top-level window, lives until the process ends
    MainWindow* const m_mainWindow; // lives until the process ends
    DesktopNotifier* const m_notifier; // child of this object
    LauncherEntry* const m_launcherEntry; // child of this object
};
