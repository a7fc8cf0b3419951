#include "foundation/ProductConstants.h"
#include "services/BLLocalizationMgr.h"
#include "services/BLUpdatesService.h"
#include "services/IBLProductMeta.h"

#include <QPointer>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <sys/resource.h>

namespace {
    /** A small HTTP server on 127.0.0.1 that answers every request the same way, or not at all. */
    class FeedServer final : public QObject
    {
    public:
        FeedServer()
        {
            m_server.listen(QHostAddress::LocalHost);
            connect(&m_server, &QTcpServer::newConnection, this, [this] {
                while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                    connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
                }
            });
        }

        void answer(int status, const QByteArray& body, const QByteArray& extraHeaders = QByteArray())
        {
            m_silent = false;
            m_status = status;
            m_body = body;
            m_extraHeaders = extraHeaders;
        }
        /** The request headers of the last request. */
        QByteArray lastRequest() const { return m_lastRequest; }
        void stayQuiet() { m_silent = true; }
        int requests() const { return m_requests; }
        QUrl address() const
        {
            return QUrl(QStringLiteral("http://127.0.0.1:%1/update/feed.json").arg(m_server.serverPort()));
        }

    private:
        void serve(QTcpSocket* socket)
        {
            m_received[socket] += socket->readAll();
            if (!m_received[socket].contains("\r\n\r\n")) {
                return;
            }
            ++m_requests;
            m_lastRequest = m_received[socket];
            if (m_silent) {
                return;
            }
            socket->write("HTTP/1.1 " + QByteArray::number(m_status) + " Status\r\nContent-Type: application/json\r\n"
                + m_extraHeaders + "Content-Length: " + QByteArray::number(m_body.size())
                + "\r\nConnection: close\r\n\r\n" + m_body);
            socket->disconnectFromHost();
        }

        QTcpServer m_server;
        QHash<QTcpSocket*, QByteArray> m_received;
        bool m_silent = false;
        int m_status = 200;
        QByteArray m_body;
        QByteArray m_extraHeaders;
        QByteArray m_lastRequest;
        int m_requests = 0;
    };

    /** The most memory this process has held at once so far. */
    long peakResidentKiB()
    {
        rusage usage {};
        getrusage(RUSAGE_SELF, &usage);
        return usage.ru_maxrss;
    }

    QByteArray feed(const char* version)
    {
        return QByteArray(R"({"product": "10008", "version": ")") + version + "\"}";
    }
} // namespace

/** The update service against a server of the test's own, with the message box answered by the test. */
class TestBLUpdatesService final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void outcome_data();
    void outcome();
    void noAnswerTimesOut();
    void compressedAnswerNeverSwellsInMemory();
    void nobodyListening();
    void tooFrequentWhileUnderWay();
    void tooFrequentRightAfterACheck();
    void answersInTheManagersLanguage();
    void withoutNotifyOnlyLogs();

private:
    void expectOneNotice(Brimlake::BLUpdateNotice::Kind kind, const QString& text);

    std::shared_ptr<Brimlake::BLUpdatesService> m_service;
    std::unique_ptr<FeedServer> m_server;
    QVector<Brimlake::BLUpdateNotice> m_notices;
};

void TestBLUpdatesService::initTestCase()
{
    QCoreApplication::setApplicationName(Product::displayName);
    m_service = Brimlake::BLUpdatesService::shared();
    QCOMPARE(std::static_pointer_cast<Brimlake::IBLUpdatesService>(m_service), Brimlake::IBLUpdatesService::Shared());
    QCOMPARE(m_service->feedAddress(), QUrl(Product::updateFeedAddress));
    QVERIFY(m_service->feedAddress().scheme() == QLatin1String("https"));
}

void TestBLUpdatesService::init()
{
    QTRY_VERIFY(!m_service->isChecking());
    m_server = std::make_unique<FeedServer>();
    m_notices.clear();
    auto meta = Brimlake::IBLProductMeta::MallocProductMeta("10008");
    meta->setVersion("2.0.0");
    meta->setCompanyName("Vantorel");
    m_service->setProductMeta(meta, true);
    m_service->setFeedAddress(m_server->address());
    m_service->setPresenter([this](const Brimlake::BLUpdateNotice& notice) { m_notices.append(notice); });
    m_service->setMinimumInterval(0);
    m_service->setTimeout(Brimlake::BLUpdatesService::defaultTimeout);
    Brimlake::BLLocalizationMgr::shared()->setLanguageId(0);
}

void TestBLUpdatesService::expectOneNotice(Brimlake::BLUpdateNotice::Kind kind, const QString& text)
{
    QTRY_COMPARE(m_notices.size(), 1);
    QCOMPARE(int(m_notices.first().kind), int(kind));
    QCOMPARE(m_notices.first().text, text);
    QCOMPARE(m_notices.first().title, QStringLiteral("Vantorel Kompresto"));
}

void TestBLUpdatesService::outcome_data()
{
    using Notice = Brimlake::BLUpdateNotice;
    const QString newest = QStringLiteral("Vantorel Kompresto 2.0.0 is currently the newest version available.");
    const QString networkError = QStringLiteral("Error network, please check your connection!");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");

    QTest::newRow("newer")
        << 200 << feed("2.1.0") << int(Notice::NewerVersion)
        << "A newer version is available: Vantorel Kompresto 2.1.0. Do you want to open the product page?";
    QTest::newRow("newer compares numbers, not text")
        << 200 << feed("10.0") << int(Notice::NewerVersion)
        << "A newer version is available: Vantorel Kompresto 10.0. Do you want to open the product page?";
    QTest::newRow("same") << 200 << feed("2.0.0") << int(Notice::NewestVersion) << newest;
    QTest::newRow("older") << 200 << feed("1.9.9") << int(Notice::NewestVersion) << newest;
    QTest::newRow("not json") << 200 << QByteArray("<html>maintenance</html>") << int(Notice::NetworkError)
                              << networkError;
    QTest::newRow("version not text") << 200 << QByteArray(R"({"product": "10008", "version": 3})")
                                      << int(Notice::NetworkError) << networkError;
    QTest::newRow("version missing") << 200 << QByteArray(R"({"product": "10008"})") << int(Notice::NetworkError)
                                     << networkError;
    QTest::newRow("version not a number") << 200 << feed("3.0.0-beta") << int(Notice::NetworkError) << networkError;
    QTest::newRow("another product") << 200 << QByteArray(R"({"product": "99999", "version": "9.0.0"})")
                                     << int(Notice::NetworkError) << networkError;
    QTest::newRow("oversized") << 200 << QByteArray(200 * 1024, ' ') + feed("2.1.0") << int(Notice::NetworkError)
                               << networkError;
    QTest::newRow("server error") << 500 << feed("2.1.0") << int(Notice::NetworkError) << networkError;
    QTest::newRow("not found") << 404 << QByteArray() << int(Notice::NetworkError) << networkError;
}

void TestBLUpdatesService::outcome()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(int, kind);
    QFETCH(QString, text);
    m_server->answer(status, body);

    m_service->checkForUpdates(nullptr);

    expectOneNotice(Brimlake::BLUpdateNotice::Kind(kind), text);
    QCOMPARE(m_server->requests(), 1);
    if (kind == Brimlake::BLUpdateNotice::NewerVersion) {
        QCOMPARE(m_notices.first().productPage, QUrl(Product::productPage));
    }
}

void TestBLUpdatesService::noAnswerTimesOut()
{
    m_server->stayQuiet();
    m_service->setTimeout(300);
    const auto handle = std::make_shared<int>(7);

    m_service->checkForUpdates(handle);

    // The call returns at once; the caller's handle is kept for as long as the check runs.
    QVERIFY(m_service->isChecking());
    QVERIFY(m_notices.isEmpty());
    QCOMPARE(handle.use_count(), 2);
    expectOneNotice(
        Brimlake::BLUpdateNotice::NetworkError, QStringLiteral("Error network, please check your connection!"));
    QVERIFY(!m_service->isChecking());
    QCOMPARE(handle.use_count(), 1);
}

// A server may send a small gzip answer that inflates to hundreds of megabytes. The check asks for the
// answer as it is, keeps no more of it than a version document may take, and never inflates it.
void TestBLUpdatesService::compressedAnswerNeverSwellsInMemory()
{
    QProcess gzip;
    gzip.start(QStringLiteral("sh"), { "-c", "head -c 268435456 /dev/zero | gzip -1 -c" });
    QVERIFY(gzip.waitForFinished(60000));
    const QByteArray bomb = gzip.readAllStandardOutput();
    QVERIFY(bomb.size() > 100 * 1024 && bomb.size() < 4 * 1024 * 1024);
    m_server->answer(200, bomb, "Content-Encoding: gzip\r\n");
    const long before = peakResidentKiB();

    m_service->checkForUpdates(nullptr);

    expectOneNotice(
        Brimlake::BLUpdateNotice::NetworkError, QStringLiteral("Error network, please check your connection!"));
    QVERIFY(m_server->lastRequest().toLower().contains("accept-encoding: identity"));
    QVERIFY2(peakResidentKiB() - before < 64 * 1024, qPrintable(QString::number(peakResidentKiB() - before)));
}

void TestBLUpdatesService::nobodyListening()
{
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost));
    const QUrl address(QStringLiteral("http://127.0.0.1:%1/feed.json").arg(closed.serverPort()));
    closed.close();
    m_service->setFeedAddress(address);

    m_service->checkForUpdates(nullptr);

    expectOneNotice(
        Brimlake::BLUpdateNotice::NetworkError, QStringLiteral("Error network, please check your connection!"));
}

void TestBLUpdatesService::tooFrequentWhileUnderWay()
{
    m_server->stayQuiet();
    m_service->setTimeout(300);
    m_service->checkForUpdates(nullptr);

    m_service->checkForUpdates(nullptr);

    QCOMPARE(m_notices.size(), 1);
    QCOMPARE(int(m_notices.first().kind), int(Brimlake::BLUpdateNotice::TooFrequent));
    QCOMPARE(m_notices.first().text, QStringLiteral("Requests are too frequent, please try again later."));
    QTRY_COMPARE(m_notices.size(), 2);
    QCOMPARE(int(m_notices.last().kind), int(Brimlake::BLUpdateNotice::NetworkError));
    QCOMPARE(m_server->requests(), 1);
}

void TestBLUpdatesService::tooFrequentRightAfterACheck()
{
    m_server->answer(200, feed("2.0.0"));
    m_service->checkForUpdates(nullptr);
    QTRY_COMPARE(m_notices.size(), 1);
    QCOMPARE(int(m_notices.last().kind), int(Brimlake::BLUpdateNotice::NewestVersion));
    m_service->setMinimumInterval(Brimlake::BLUpdatesService::defaultMinimumInterval);

    m_service->checkForUpdates(nullptr);

    QCOMPARE(m_notices.size(), 2);
    QCOMPARE(int(m_notices.last().kind), int(Brimlake::BLUpdateNotice::TooFrequent));
    QCOMPARE(m_server->requests(), 1);
}

void TestBLUpdatesService::answersInTheManagersLanguage()
{
    // The windows stay English (no translator installed); the service follows the manager.
    m_server->answer(200, feed("2.0.0"));
    Brimlake::BLLocalizationMgr::shared()->setLanguageId(2);
    m_service->checkForUpdates(nullptr);
    expectOneNotice(Brimlake::BLUpdateNotice::NewestVersion,
        QStringLiteral("Vantorel Kompresto 2.0.0 est actuellement la version la plus récente disponible."));

    m_notices.clear();
    m_server->answer(503, QByteArray());
    Brimlake::BLLocalizationMgr::shared()->setLanguageId(1);
    m_service->checkForUpdates(nullptr);
    expectOneNotice(
        Brimlake::BLUpdateNotice::NetworkError, QStringLiteral("ネットワークエラーです。接続を確認してください。"));
}

void TestBLUpdatesService::withoutNotifyOnlyLogs()
{
    auto meta = Brimlake::IBLProductMeta::MallocProductMeta("10008");
    meta->setVersion("2.0.0");
    m_service->setProductMeta(meta, false);
    m_server->answer(200, feed("2.1.0"));

    m_service->checkForUpdates(nullptr);

    QTRY_COMPARE(m_server->requests(), 1);
    QTRY_VERIFY(!m_service->isChecking());
    QVERIFY(m_notices.isEmpty());
}

QTEST_GUILESS_MAIN(TestBLUpdatesService)
#include "TestBLUpdatesService.moc"
