#include "foundation/CommandLinePaths.h"
#include "foundation/CrashHandler.h"
#include "foundation/ProductConstants.h"
#include "foundation/RegistryTool.h"
#include "foundation/SettingsStore.h"
#include "foundation/SingleInstance.h"
#include "foundation/StagingCleanup.h"
#include "services/BLUpdatesService.h"
#include "services/MultiLanguage.h"
#include "ui/BLUpdateNoticeBox.h"
#include "ui/CustomWindowFrame.h"
#include "ui/DesktopIntegration.h"
#include "ui/FolderProblemNotice.h"
#include "ui/FramePlacement.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QStyle>
#include <csignal>

namespace {
    void loadStyleSheet(QApplication& application, const QString& resourcePath)
    {
        QFile file(resourcePath);
        if (file.open(QIODevice::ReadOnly)) {
            application.setStyleSheet(QString::fromUtf8(file.readAll()));
        }
    }

    void placeOnScreen(QWidget& frame, const QRect& available)
    {
        qDebug() << "Screen width :" << available.width() << "Screen height :" << available.height();
        const QRect geometry = FramePlacement::place(available.size(), frame.size());
        if (geometry.size() != frame.size()) {
            frame.resize(frame.width(), geometry.height());
        }
        frame.move(geometry.topLeft());
    }
} // namespace

int main(int argc, char* argv[])
{
    // Every log line is copied to standard error, from pool threads too: a closed terminal or pipe
    // must cost those copies only, never the run.
    std::signal(SIGPIPE, SIG_IGN);
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, true);
    const QString activationToken = SingleInstance::activationTokenFromEnvironment(); // Qt consumes it
    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/resource/vantorel.ico")));
    // Lets Wayland desktops match the window to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("vantorel-kompresto"));
    CrashHandler::install();

    // Files from the desktop ("Open With", a file manager's selection) go to the window already open.
    const QStringList openedPaths
        = CommandLinePaths::fromArguments(application.arguments().mid(1), QDir::currentPath());
    SingleInstance singleInstance(Product::applicationDataFolder());
    if (singleInstance.start(openedPaths, activationToken) == SingleInstance::Start::HandedOver) {
        return 0;
    }

    QApplication::style()->unpolish(&application);
    loadStyleSheet(application, QStringLiteral(":/resource/style.qss"));

    // The update service lives in the widget-free core; the window is the one that talks to the user.
    Brimlake::BLUpdatesService::shared()->setPresenter(&Brimlake::BLUpdateNoticeBox::show);

    MainWindow* mainWindow = MainWindow::instance();
    StagingCleanup::sweepIfAlone();
    QScreen* screen = QGuiApplication::primaryScreen();
    auto* frame = new CustomWindowFrame(mainWindow, nullptr);
    // As narrow as the content allows and no wider than the screen; as wide as the user last made it.
    frame->setMinimumWidth(CustomWindowFrame::frameWidth);
    frame->setMaximumWidth(qMax(CustomWindowFrame::frameWidth, screen->availableGeometry().width()));
    const int storedWidth = SettingsStore::instance()->windowWidth();
    frame->resize(qBound(frame->minimumWidth(), storedWidth, frame->maximumWidth()), frame->height());
    placeOnScreen(*frame, screen->availableGeometry());
    DesktopIntegration desktop(frame, mainWindow, &singleInstance);

    MultiLanguage::instance()->setLanguage(RegistryTool::instance()->language());
    frame->show();
    // Said once, over the window, before the user adds a document that could not be staged.
    FolderProblemNotice::check(frame);
    mainWindow->addPaths(openedPaths);
    // Closing the window mid-run stops the run: nothing is delivered once the window has gone.
    return MainWindow::finishBeforeExit(application.exec());
}
