#include "foundation/CommandLinePaths.h"
#include "foundation/CrashHandler.h"
#include "foundation/ProductConstants.h"
#include "foundation/RegistryTool.h"
#include "foundation/SettingsStore.h"
#include "foundation/SingleInstance.h"
#include "foundation/StagingCleanup.h"
#include "foundation/TerminationWatcher.h"
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

    /**
     * kill, Ctrl-C in a terminal and the end of the desktop session end the window as Quit does: the
     * event loop ends, nested ones included, so no question on screen holds the ending up; after it the
     * run is stopped and its private copies removed. Leaving the loop skips the closing of the window,
     * and with it the question whether to stop the run: whoever sent the signal has decided.
     */
    void quitOnTermination(TerminationWatcher& watcher)
    {
        QObject::connect(&watcher, &TerminationWatcher::terminationRequested, qApp, [](int signalNumber) {
            qWarning() << "Ending on signal" << signalNumber << "- stopping the run";
            QCoreApplication::exit(0);
        });
    }

    int runWindow(int argc, char* argv[])
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
        TerminationWatcher terminationWatcher(TerminationWatcher::SecondSignal::EndsAtOnce);
        quitOnTermination(terminationWatcher);

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
        // A signal during start-up came before the loop that would have ended on it.
        const int exitCode = TerminationWatcher::receivedSignal() == 0 ? application.exec() : 0;
        // Closing the window mid-run stops the run: nothing is delivered once the window has gone.
        return MainWindow::finishBeforeExit(exitCode);
    }
} // namespace

int main(int argc, char* argv[])
{
    const int exitCode = runWindow(argc, argv);
    // Everything is stopped and removed by now; whoever sent the signal learns that it ended the program.
    TerminationWatcher::endBySignal(TerminationWatcher::receivedSignal());
    return exitCode;
}
