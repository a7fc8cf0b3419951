#include "support/PrivateSessionBus.h"
#include "support/UrlRecorder.h"
#include "ui/FileBrowser.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusPendingCallWatcher>
#include <QDesktopServices>
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
    void fileManagerShowsTheFile();
    void folderOpensWhenNoFileManagerAnswers();
    void folderPathOpensTheFolder();

private:
    PrivateSessionBus m_bus;
    QString m_busAddress;
    QTemporaryDir m_dir;
    QString m_file;
    UrlRecorder m_urls;
};

// A bus of our own, with no services to start on demand, so the desktop around the test run
// (or its absence) makes no difference.
void TestFileBrowser::initTestCase()
{
    if (!m_bus.start()) {
        QSKIP("dbus-daemon is not installed");
    }
    m_busAddress = m_bus.address();
    qputenv("DBUS_SESSION_BUS_ADDRESS", m_busAddress.toUtf8());
    QVERIFY(QDBusConnection::sessionBus().isConnected());

    m_file = m_dir.filePath("report.pdf");
    QFile file(m_file);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

void TestFileBrowser::init() { m_urls.opened.clear(); }

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
    // The answer has been read once its watcher is gone; only then is the lack of a fallback certain.
    QTRY_VERIFY(QCoreApplication::instance()->findChildren<QDBusPendingCallWatcher*>().isEmpty());
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
