#include "support/MainWindowDriver.h"

#include "documents/FileItem.h"
#include "documents/FileItemList.h"
#include "support/PrivateSessionBus.h"
#include "support/TestHome.h"
#include "support/TestPdf.h"
#include "ui/DesktopIntegration.h"
#include "ui/ModalDialogs.h"
#include "ui/RefusedFilesNotice.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

using namespace MainWindowDriver;

namespace {
    const QString desktopConnection = QStringLiteral("desktop");
    const QString notificationsService = QStringLiteral("org.freedesktop.Notifications");
    const QString notificationsPath = QStringLiteral("/org/freedesktop/Notifications");
} // namespace

/** Stands in for the desktop's notification service, on a connection of its own. */
class FakeNotifications : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Shown
    {
        QString appName;
        QString icon;
        QString summary;
        QString body;
        QStringList actions;
        QVariantMap hints;
    };
    QList<Shown> shown;

public slots:
    uint Notify(const QString& appName, uint /*replacesId*/, const QString& icon, const QString& summary,
        const QString& body, const QStringList& actions, const QVariantMap& hints, int /*timeout*/)
    {
        shown << Shown { appName, icon, summary, body, actions, hints };
        return static_cast<uint>(shown.size());
    }
    QStringList GetCapabilities() { return { "body", "actions" }; }
};

/** Records what the application tells the task bar, as Plasma's task manager hears it. */
class LauncherListener : public QObject
{
    Q_OBJECT

public:
    struct Update
    {
        QString application;
        QVariantMap properties;
    };
    QList<Update> updates;

    bool showsProgress() const
    {
        return !updates.isEmpty() && updates.last().properties.value("progress-visible").toBool();
    }

public slots:
    void update(const QString& application, const QVariantMap& properties)
    {
        updates << Update { application, properties };
    }
};

/** The window among the desktop's: files from other starts, the task bar entry, notifications. */
class TestDesktopIntegration : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void pathsJoinTheListAsTheAddDialogAddsThem();
    void filesHandedOverDuringARunWaitAsPendingRows();
    void launcherEntryShowsTheRunAndIsClearedAtItsEnd();
    void runEndingBehindOtherWindowsIsNotified_data();
    void runEndingBehindOtherWindowsIsNotified();
    void runEndsQuietlyWithoutNotificationService();

private:
    void addAndWait(const QStringList& names);
    void startRun();
    void waitForRunEnd();
    bool notificationsSettled();

    PrivateSessionBus m_bus;
    QTemporaryDir m_documents;
    std::unique_ptr<QTemporaryDir> m_output;
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<DesktopIntegration> m_desktop;
    std::unique_ptr<FakeNotifications> m_notifications;
    std::unique_ptr<LauncherListener> m_launcher;
    std::unique_ptr<QWidget> m_otherWindow;
};

void TestDesktopIntegration::initTestCase()
{
    QVERIFY2(m_bus.start(), "dbus-daemon must be installed (scripts/install-deps.sh)");
    qputenv("DBUS_SESSION_BUS_ADDRESS", m_bus.address().toUtf8());
    QVERIFY(QDBusConnection::sessionBus().isConnected());
    QGuiApplication::setDesktopFileName("vantorel-kompresto");
    QVERIFY(QDir().mkpath(m_documents.filePath("scans")));
    QVERIFY(TestPdf::writeImageDocument(m_documents.filePath("photos.pdf"), 2));
    QVERIFY(TestPdf::writeImageDocument(m_documents.filePath("scan.pdf"), 1));
    QVERIFY(TestPdf::writeTinyDocument(m_documents.filePath("handed.pdf")));
    QVERIFY(TestPdf::writeTinyDocument(m_documents.filePath("scans/b.pdf")));
    QVERIFY(TestPdf::writeTinyDocument(m_documents.filePath("scans/a.PDF")));
    QFile notes(m_documents.filePath("notes.txt"));
    QVERIFY(notes.open(QIODevice::WriteOnly));

    QDBusConnection desktop = QDBusConnection::connectToBus(m_bus.address(), desktopConnection);
    QVERIFY(desktop.isConnected());
}

void TestDesktopIntegration::init()
{
    m_home = std::make_unique<TestHome>();
    m_output = std::make_unique<QTemporaryDir>();
    QDBusConnection desktop(desktopConnection);
    m_notifications = std::make_unique<FakeNotifications>();
    QVERIFY(desktop.registerObject(notificationsPath, m_notifications.get(), QDBusConnection::ExportAllSlots));
    QVERIFY(desktop.registerService(notificationsService));
    m_launcher = std::make_unique<LauncherListener>();
    QVERIFY(desktop.connect(QString(), QString(), "com.canonical.Unity.LauncherEntry", "Update", m_launcher.get(),
        SLOT(update(QString, QVariantMap))));

    MainWindow* window = MainWindow::instance();
    m_desktop = std::make_unique<DesktopIntegration>(window, window, nullptr);
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    ModalDialogs::setExistingDirectoryAnswer(
        [this](QWidget*, const QString&, const QString&) { return m_output->path(); });
}

void TestDesktopIntegration::cleanup()
{
    QDBusConnection desktop(desktopConnection);
    desktop.disconnect(QString(), QString(), "com.canonical.Unity.LauncherEntry", "Update", m_launcher.get(),
        SLOT(update(QString, QVariantMap)));
    desktop.unregisterService(notificationsService);
    desktop.unregisterObject(notificationsPath);
    m_otherWindow.reset();
    m_desktop.reset();
    ModalDialogs::resetAnswers();
    MainWindow::destroyInstance();
    m_launcher.reset();
    m_notifications.reset();
    m_home.reset();
}

void TestDesktopIntegration::addAndWait(const QStringList& names)
{
    QStringList paths;
    for (const QString& name : names) {
        paths << m_documents.filePath(name);
    }
    MainWindow::instance()->addPaths(paths);
    QVERIFY(waitUntilAdded());
}

void TestDesktopIntegration::startRun()
{
    click("btn_compress");
    QVERIFY(!MainWindow::instance()->isIdle());
}

void TestDesktopIntegration::waitForRunEnd() { QTRY_VERIFY_WITH_TIMEOUT(MainWindow::instance()->isIdle(), 120000); }

// Everything the window sent before this has reached the desktop's connection, which handles its
// messages in order: a notification not seen now was never sent.
bool TestDesktopIntegration::notificationsSettled()
{
    const QDBusMessage ping = QDBusMessage::createMethodCall(
        notificationsService, notificationsPath, notificationsService, "GetCapabilities");
    const QDBusPendingCall answer = QDBusConnection::sessionBus().asyncCall(ping);
    return QTest::qWaitFor([&answer]() { return answer.isFinished(); }, 30000) && !answer.isError();
}

void TestDesktopIntegration::pathsJoinTheListAsTheAddDialogAddsThem()
{
    addAndWait({ "handed.pdf", "scans", "notes.txt" });
    // The file, then the folder's PDFs in name order; the text file named directly is refused.
    QStringList listed;
    for (int index = 0; index < rowCount(); ++index) {
        listed << QFileInfo(MainWindow::instance()->fileItemList()->at(index)->filePath()).fileName();
    }
    QCOMPARE(listed, (QStringList { "handed.pdf", "a.PDF", "b.pdf" }));
    QCOMPARE(currentPage(), QString("page_5"));
    QVERIFY(MainWindow::instance()->refusedFilesNotice()->isVisible());
    QVERIFY(MainWindow::instance()->refusedFilesNotice()->text().contains("1"));
}

void TestDesktopIntegration::filesHandedOverDuringARunWaitAsPendingRows()
{
    addAndWait({ "photos.pdf" });
    startRun();
    // Another start hands a file over while the first document is being compressed.
    m_desktop->open({ m_documents.filePath("handed.pdf") }, QString());
    QVERIFY(waitUntilAdded());
    QCOMPARE(rowCount(), 2);
    QVERIFY(!MainWindow::instance()->isIdle());
    QVERIFY(widget<QLabel>("label_runStatus")->text().startsWith("Compressing"));
    waitForRunEnd();

    const FileItemList* items = MainWindow::instance()->fileItemList();
    QVERIFY(!items->at(0)->isUnprocessed());
    QVERIFY2(items->at(1)->isUnprocessed(), "the handed file waits for the next run");
    QVERIFY(widget<QLabel>("label_runStatus")->text().startsWith("1 file"));
    QVERIFY(widget<QPushButton>("btn_compress")->isEnabled());
    QCOMPARE(QDir(m_output->path()).entryList(QDir::Files).size(), 1);
}

void TestDesktopIntegration::launcherEntryShowsTheRunAndIsClearedAtItsEnd()
{
    addAndWait({ "photos.pdf", "scan.pdf" });
    startRun();
    QTRY_VERIFY(m_launcher->showsProgress());
    const LauncherListener::Update first = m_launcher->updates.first();
    QCOMPARE(first.application, QString("application://vantorel-kompresto.desktop"));
    QCOMPARE(first.properties.value("progress").toDouble(), 0.0);
    QCOMPARE(first.properties.value("count").toLongLong(), 2LL);
    QVERIFY(first.properties.value("count-visible").toBool());
    waitForRunEnd();

    QTRY_VERIFY(!m_launcher->showsProgress());
    QVERIFY(m_launcher->updates.size() >= 3);
    // Halfway: one of two done, one left.
    const LauncherListener::Update halfway = m_launcher->updates.at(1);
    QCOMPARE(halfway.properties.value("progress").toDouble(), 0.5);
    QCOMPARE(halfway.properties.value("count").toLongLong(), 1LL);
    const QVariantMap last = m_launcher->updates.last().properties;
    QVERIFY(!last.value("count-visible").toBool());
    QVERIFY(!last.value("progress-visible").toBool());
}

void TestDesktopIntegration::runEndingBehindOtherWindowsIsNotified_data()
{
    QTest::addColumn<bool>("behindOthers");
    QTest::addColumn<bool>("stop");
    QTest::addColumn<bool>("close");
    QTest::newRow("behind others") << true << false << false;
    QTest::newRow("stopped behind others") << true << true << false;
    QTest::newRow("in front") << false << false << false;
    // Closing the window stops its run on the way out; the user who closed it needs no word.
    QTest::newRow("closed mid-run") << false << true << true;
}

void TestDesktopIntegration::runEndingBehindOtherWindowsIsNotified()
{
    QFETCH(bool, behindOthers);
    QFETCH(bool, stop);
    QFETCH(bool, close);
    addAndWait({ "photos.pdf", "scan.pdf" });
    startRun();
    if (behindOthers) {
        m_otherWindow = std::make_unique<QWidget>();
        m_otherWindow->show();
        m_otherWindow->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_otherWindow.get()));
        QVERIFY(!MainWindow::instance()->isActiveWindow());
    }
    if (close) {
        // The window asks before a close ends the run; the user says yes.
        ModalDialogs::setQuestionAnswer([](QWidget*, const QString&, const QString&, const QString&) { return true; });
        MainWindow::instance()->close();
        QVERIFY(!MainWindow::instance()->isActiveWindow());
        MainWindow::instance()->stopRun();
    } else if (stop) {
        click("btn_compress");
    }
    waitForRunEnd();
    QVERIFY(notificationsSettled());
    if (!behindOthers) {
        QCOMPARE(m_notifications->shown.size(), 0);
        return;
    }
    QTRY_COMPARE(m_notifications->shown.size(), 1);
    const FakeNotifications::Shown shown = m_notifications->shown.first();
    QCOMPARE(shown.summary, QString(stop ? "Compression stopped" : "Compression finished"));
    QCOMPARE(shown.body, widget<QLabel>("label_runStatus")->text());
    QCOMPARE(shown.appName, QString("Vantorel Kompresto"));
    QCOMPARE(shown.icon, QString("vantorel-kompresto"));
    QCOMPARE(shown.hints.value("desktop-entry").toString(), QString("vantorel-kompresto"));
    QCOMPARE(shown.actions.value(0), QString("default"));
    if (!stop) {
        QVERIFY2(shown.body.startsWith("2 file"), qPrintable(shown.body));
        QVERIFY(shown.body.endsWith("% smaller"));
    }

    // Clicking the notification brings the window forward.
    QDBusConnection(desktopConnection)
        .send(QDBusMessage::createSignal(notificationsPath, notificationsService, "ActionInvoked")
            << 1u << QString("default"));
    QTRY_VERIFY(MainWindow::instance()->isActiveWindow());
}

void TestDesktopIntegration::runEndsQuietlyWithoutNotificationService()
{
    QDBusConnection(desktopConnection).unregisterService(notificationsService);
    addAndWait({ "scan.pdf" });
    startRun();
    m_otherWindow = std::make_unique<QWidget>();
    m_otherWindow->show();
    m_otherWindow->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_otherWindow.get()));
    waitForRunEnd();
    QTRY_VERIFY(!m_launcher->showsProgress());
    QVERIFY(widget<QLabel>("label_runStatus")->text().startsWith("1 file"));
    QCOMPARE(m_notifications->shown.size(), 0);
}

QTEST_MAIN(TestDesktopIntegration)
#include "TestDesktopIntegration.moc"
