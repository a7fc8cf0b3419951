#include "support/UrlRecorder.h"
#include "ui/FileBrowser.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

/** Stands in for the desktop's file manager on a private session bus. */
class FakeFileManager : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")

public:
    QStringList shownItems;
    QString startupId = "unset";

public slots:
    void ShowItems(const QStringList& uris, const QString& startupIdValue)
    {
        shownItems += uris;
        startupId = startupIdValue;
    }
};

/** Revealing a delivered file in the desktop's file browser. */
class TestFileBrowser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void fileManagerShowsTheFile();
    void folderOpensWhenNoFileManagerAnswers();
    void folderPathOpensTheFolder();

private:
    QProcess m_bus;
    QString m_busAddress;
    QTemporaryDir m_dir;
    QString m_file;
    UrlRecorder m_urls;
};

// A bus of our own, with no services to start on demand, so the desktop around the test run
// (or its absence) makes no difference.
void TestFileBrowser::initTestCase()
{
    const QString daemon = QStandardPaths::findExecutable("dbus-daemon");
    if (daemon.isEmpty()) {
        QSKIP("dbus-daemon is not installed");
    }
    QFile config(m_dir.filePath("bus.conf"));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
                 " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                 "<busconfig><type>session</type><listen>unix:tmpdir=/tmp</listen>\n"
                 "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                 "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>\n");
    config.close();
    m_bus.start(daemon, { "--config-file=" + config.fileName(), "--nofork", "--print-address=1" });
    QVERIFY(m_bus.waitForStarted());
    QTRY_VERIFY(m_bus.canReadLine());
    m_busAddress = QString::fromUtf8(m_bus.readLine()).trimmed();
    qputenv("DBUS_SESSION_BUS_ADDRESS", m_busAddress.toUtf8());
    QVERIFY(QDBusConnection::sessionBus().isConnected());

    m_file = m_dir.filePath("report.pdf");
    QFile file(m_file);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

void TestFileBrowser::init() { m_urls.opened.clear(); }

void TestFileBrowser::cleanupTestCase()
{
    if (m_bus.state() != QProcess::NotRunning) {
        m_bus.kill();
        m_bus.waitForFinished();
    }
}

void TestFileBrowser::fileManagerShowsTheFile()
{
    // The file manager sits on a connection of its own, so the call really crosses the bus.
    QDBusConnection service = QDBusConnection::connectToBus(m_busAddress, "file-manager");
    QVERIFY(service.isConnected());
    FakeFileManager manager;
    QVERIFY(service.registerObject("/org/freedesktop/FileManager1", &manager, QDBusConnection::ExportAllSlots));
    QVERIFY(service.registerService("org.freedesktop.FileManager1"));

    FileBrowser::revealFile(m_file);
    QTRY_COMPARE(manager.shownItems, QStringList { QUrl::fromLocalFile(m_file).toString() });
    QCOMPARE(manager.startupId, QString());
    QTest::qWait(0);
    QVERIFY(m_urls.opened.isEmpty());

    service.unregisterService("org.freedesktop.FileManager1");
    QDBusConnection::disconnectFromBus("file-manager");
}

void TestFileBrowser::folderOpensWhenNoFileManagerAnswers()
{
    QVERIFY(!QDBusConnection::sessionBus().interface()->isServiceRegistered("org.freedesktop.FileManager1"));
    FileBrowser::revealFile(m_file);
    QTRY_COMPARE(m_urls.opened, QList<QUrl> { QUrl::fromLocalFile(m_dir.path()) });
}

void TestFileBrowser::folderPathOpensTheFolder()
{
    FileBrowser::revealFile(m_dir.path());
    QCOMPARE(m_urls.opened, QList<QUrl> { QUrl::fromLocalFile(m_dir.path()) });
}

QTEST_MAIN(TestFileBrowser)
#include "TestFileBrowser.moc"
