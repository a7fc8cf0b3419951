#include "ui/DesktopIntegration.h"

#include "foundation/DesktopNotifier.h"
#include "foundation/LauncherEntry.h"
#include "foundation/SingleInstance.h"
#include "ui/MainWindow.h"

#include <QDebug>
#include <QGuiApplication>
#include <QWidget>

DesktopIntegration::DesktopIntegration(
    QWidget* window, MainWindow* mainWindow, SingleInstance* instance, QObject* parent)
    : QObject(parent)
    , m_window(window)
    , m_mainWindow(mainWindow)
    , m_notifier(new DesktopNotifier(QGuiApplication::desktopFileName(), this))
    , m_launcherEntry(new LauncherEntry(QGuiApplication::desktopFileName(), this))
{
    if (instance != nullptr) {
        connect(instance, &SingleInstance::openRequested, this, &DesktopIntegration::open);
    }
    connect(mainWindow, &MainWindow::runProgressed, this, &DesktopIntegration::showProgress);
    connect(mainWindow, &MainWindow::runEnded, this, &DesktopIntegration::runEnded);
    connect(m_notifier, &DesktopNotifier::activated, this, &DesktopIntegration::bringForward);
}

void DesktopIntegration::open(const QStringList& paths, const QString& activationToken)
{
    if (!paths.isEmpty()) {
        qDebug() << "Files from another start:" << paths;
        m_mainWindow->addPaths(paths);
    }
    // Wayland lets a window take the focus only with the token the desktop gave the start that asked.
    if (!activationToken.isEmpty() && QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        qputenv("XDG_ACTIVATION_TOKEN", activationToken.toUtf8());
    }
    bringForward();
}

void DesktopIntegration::bringForward()
{
    if (m_window->isMinimized()) {
        m_window->showNormal();
    } else {
        m_window->show();
    }
    m_window->raise();
    m_window->activateWindow();
}

void DesktopIntegration::showProgress(int done, int total)
{
    if (total <= 0) {
        return;
    }
    m_launcherEntry->showProgress(static_cast<double>(done) / total, total - done);
}

void DesktopIntegration::runEnded(const QString& summary, bool stopped)
{
    m_launcherEntry->clear();
    // Someone looking at the window sees the line under the list; the notification is for the others.
    // A window the user closed mid-run stops its run on the way out, and has nothing more to say.
    if (m_window->isActiveWindow() || !m_window->isVisible()) {
        return;
    }
    m_notifier->notify(stopped ? tr("Compression stopped") : tr("Compression finished"), summary, tr("Show"));
}
