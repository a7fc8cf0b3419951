#include "foundation/CommandLinePaths.h"
#include "foundation/InstanceSocket.h"
#include "foundation/SingleInstance.h"
#include "support/ByteSafeTemporaryDir.h"
#include "support/PrivateSessionBus.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDataStream>
#include <QLocalSocket>
#include <QtTest>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

/** How starts find the open window, and what they may hand it. */
class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void argumentsBecomeAbsolutePaths_data();
    void argumentsBecomeAbsolutePaths();
    void handedOverPathsAreChecked();
    void folderGivesThePdfsDirectlyInIt();
    void requestsAreReadWhole_data();
    void requestsAreReadWhole();
    void hangingWindowsNameIsTakenOver();
    void staleSocketIsTakenOver();
    void windowsOfOtherSettingsAreOthers();

private:
    PrivateSessionBus m_bus;
    ByteSafeTemporaryDir m_dir; // may hold names that are no valid text
};

void TestSingleInstance::initTestCase()
{
    QVERIFY2(m_bus.start(), "dbus-daemon must be installed (scripts/install-deps.sh)");
    qputenv("DBUS_SESSION_BUS_ADDRESS", m_bus.address().toUtf8());
    QVERIFY(QDBusConnection::sessionBus().isConnected());
}

void TestSingleInstance::argumentsBecomeAbsolutePaths_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("relative") << QStringList { "a.pdf", "../b.pdf", "./c/" }
                              << QStringList { "/home/u/docs/a.pdf", "/home/u/b.pdf", "/home/u/docs/c" };
    QTest::newRow("absolute") << QStringList { "/tmp//x.pdf" } << QStringList { "/tmp/x.pdf" };
    QTest::newRow("file URL") << QStringList { "file:///tmp/with%20space.pdf" }
                              << QStringList { "/tmp/with space.pdf" };
    QTest::newRow("remote URL left out") << QStringList { "file://server/share/a.pdf", "x.pdf" }
                                         << QStringList { "/home/u/docs/x.pdf" };
    QTest::newRow("empty left out") << QStringList { "", "x.pdf" } << QStringList { "/home/u/docs/x.pdf" };
    QTest::newRow("overlong left out") << QStringList { QString(5000, 'a'), "x.pdf" }
                                       << QStringList { "/home/u/docs/x.pdf" };
    QTest::newRow("nul left out") << QStringList { QString("a") + QChar(0) + "b", "x.pdf" }
                                  << QStringList { "/home/u/docs/x.pdf" };
}

void TestSingleInstance::argumentsBecomeAbsolutePaths()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, expected);
    QCOMPARE(CommandLinePaths::fromArguments(arguments, "/home/u/docs"), expected);
}

void TestSingleInstance::handedOverPathsAreChecked()
{
    QStringList many;
    for (int index = 0; index < CommandLinePaths::maximumCount + 10; ++index) {
        many << QStringLiteral("/d/%1.pdf").arg(index);
    }
    QCOMPARE(CommandLinePaths::acceptHandedOver(many).size(), CommandLinePaths::maximumCount);
    // A relative path would be read against the window's own folder.
    QCOMPARE(CommandLinePaths::acceptHandedOver({ "a.pdf", "/x/../b.pdf", "", QString(5000, '/') }),
        QStringList { "/b.pdf" });
}

void TestSingleInstance::folderGivesThePdfsDirectlyInIt()
{
    const QString folder = m_dir.filePath("scans");
    QVERIFY(QDir().mkpath(folder + "/sub"));
    for (const char* name : { "b.pdf", "a.PDF", "notes.txt", "sub/deeper.pdf" }) {
        QFile file(folder + "/" + QLatin1String(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const QString single = m_dir.filePath("single.txt");
    // A name that is no valid text cannot be opened through Qt: it is reported, readably, not listed.
    const QByteArray latin1 = QFile::encodeName(folder) + "/lat\xe9in.pdf";
    const int descriptor = ::open(latin1.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    QVERIFY(descriptor >= 0);
    ::close(descriptor);
    const CommandLinePaths::Documents found = CommandLinePaths::documentsIn({ single, folder });
    QCOMPARE(found.paths, (QStringList { single, folder + "/a.PDF", folder + "/b.pdf" }));
    QCOMPARE(found.unreadableNames, QStringList { folder + "/lat\\xe9in.pdf" });
}

void TestSingleInstance::requestsAreReadWhole_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<bool>("invalid");
    const QByteArray whole = InstanceSocket::encode({ "/a.pdf", "/b.pdf" }, "token");
    QTest::newRow("whole") << whole << true << false;
    QTest::newRow("header only") << whole.left(4) << false << false;
    QTest::newRow("cut short") << whole.left(whole.size() - 1) << false << false;
    QByteArray tooLong;
    QDataStream header(&tooLong, QIODevice::WriteOnly);
    header << static_cast<quint32>(InstanceSocket::maximumRequestBytes + 1);
    QTest::newRow("too long") << tooLong << false << true;
    // A list that claims a billion entries in a few bytes.
    QByteArray lying;
    QDataStream body(&lying, QIODevice::WriteOnly);
    body << static_cast<quint32>(8) << static_cast<quint32>(100000) << static_cast<quint32>(0x7fffffff);
    QTest::newRow("lying count") << lying << false << true;
    QByteArray trailing = InstanceSocket::encode({}, QString());
    trailing[3] = static_cast<char>(trailing[3] + 1); // one more byte than the paths and token take
    trailing.append('x');
    QTest::newRow("trailing bytes") << trailing << false << true;
    QTest::newRow("following request") << whole + whole << true << false;
}

void TestSingleInstance::requestsAreReadWhole()
{
    QFETCH(QByteArray, request);
    QFETCH(bool, complete);
    QFETCH(bool, invalid);
    QStringList paths;
    QString token;
    bool isInvalid = false;
    QCOMPARE(InstanceSocket::decode(request, &paths, &token, &isInvalid), complete);
    QCOMPARE(isInvalid, invalid);
    if (complete) {
        QCOMPARE(paths, (QStringList { "/a.pdf", "/b.pdf" }));
        QCOMPARE(token, QString("token"));
    }
}

// A window that hangs keeps its name but answers no one; the next start takes the name.
void TestSingleInstance::hangingWindowsNameIsTakenOver()
{
    const QString settings = m_dir.filePath("hanging");
    const QString name = SingleInstance::serviceName(settings);
    QDBusConnection hanging = QDBusConnection::connectToBus(m_bus.address(), "hanging");
    QCOMPARE(hanging.interface()
                 ->registerService(
                     name, QDBusConnectionInterface::DontQueueService, QDBusConnectionInterface::AllowReplacement)
                 .value(),
        QDBusConnectionInterface::ServiceRegistered);

    SingleInstance instance(settings);
    QCOMPARE(instance.start({ "/a.pdf" }, QString()), SingleInstance::Start::First);
    QCOMPARE(QDBusConnection::sessionBus().interface()->serviceOwner(name).value(),
        QDBusConnection::sessionBus().baseService());
    QDBusConnection::disconnectFromBus("hanging");
}

// Without a bus: a socket left behind by a window that crashed answers no one, and is taken over.
void TestSingleInstance::staleSocketIsTakenOver()
{
    const QString settings = m_dir.filePath("crashed");
    const QString path = SingleInstance::socketPath(m_dir.path(), settings);
    const QByteArray encodedPath = QFile::encodeName(path);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    QVERIFY(static_cast<size_t>(encodedPath.size()) < sizeof(address.sun_path));
    qstrncpy(address.sun_path, encodedPath.constData(), sizeof(address.sun_path));
    const int stale = ::socket(AF_UNIX, SOCK_STREAM, 0);
    QCOMPARE(::bind(stale, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ::close(stale); // the file stays, nobody listens
    QVERIFY(QFileInfo::exists(path));

    InstanceSocket socket(path);
    QVERIFY(!socket.handOver({ "/a.pdf" }, QString(), 1000));
    QVERIFY(socket.listen());
    QSignalSpy received(&socket, &InstanceSocket::received);
    QLocalSocket next;
    next.connectToServer(path);
    QVERIFY(next.waitForConnected(5000));
    next.write(InstanceSocket::encode({ "/b.pdf" }, "id"));
    QTRY_COMPARE(received.count(), 1);
    QCOMPARE(received.first().at(0).toStringList(), QStringList { "/b.pdf" });
    QTRY_VERIFY(next.bytesAvailable() > 0 || next.waitForReadyRead(100));
    QCOMPARE(next.read(1), QByteArray("1"));
}

void TestSingleInstance::windowsOfOtherSettingsAreOthers()
{
    QCOMPARE(SingleInstance::serviceName("/home/a/x"), SingleInstance::serviceName("/home/a/x/"));
    QVERIFY(SingleInstance::serviceName("/home/a/x") != SingleInstance::serviceName("/home/b/x"));
    QVERIFY(SingleInstance::socketPath("/run", "/home/a/x") != SingleInstance::socketPath("/run", "/home/b/x"));
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "TestSingleInstance.moc"
