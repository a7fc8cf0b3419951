#include "foundation/LanguageCode.h"
#include "services/BLLocalizationMgr.h"
#include "services/BLLogConfig.h"
#include "services/BLProductMeta.h"
#include "services/BLUpdatesService.h"
#include "services/MultiLanguage.h"
#include "services/QNetWorkProcess.h"

#include <QCoreApplication>
#include <QDir>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

/** The service bridge's construction, its update check, and the language switch that re-hands the product. */
class TestQNetWorkProcess final : public QObject
{
    Q_OBJECT

private slots:
    void languageBeforeBridgeHandsNoProduct();
    void constructionDescribesTheProduct();
    void languageSwitchHandsTheProductAgain_data();
    void languageSwitchHandsTheProductAgain();
    void repeatedChecksAllReachTheService();
};

void TestQNetWorkProcess::languageBeforeBridgeHandsNoProduct()
{
    QVERIFY(!QNetWorkProcess::productMeta());

    MultiLanguage::instance()->setLanguage(Japanese);

    QVERIFY(!Brimlake::BLUpdatesService::shared()->productMeta());
    QCOMPARE(Brimlake::BLLocalizationMgr::shared()->languageId(), 1);
}

void TestQNetWorkProcess::constructionDescribesTheProduct()
{
    QNetWorkProcess* bridge = QNetWorkProcess::instance();
    QCOMPARE(QNetWorkProcess::instance(), bridge);

    QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Vantorel"));
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Vantorel Kompresto"));
    QCOMPARE(
        Brimlake::BLLogConfig::folder(), QDir::homePath() + QStringLiteral("/AppData/Roaming/Vantorel/Kompresto/Log/"));

    const auto meta = std::dynamic_pointer_cast<Brimlake::BLProductMeta>(QNetWorkProcess::productMeta());
    QVERIFY(meta);
    QCOMPARE(meta->productNumber(), QStringLiteral("10008"));
    QCOMPARE(meta->version(), QStringLiteral(KOMPRESTO_VERSION));
    QCOMPARE(meta->companyName(), QStringLiteral("Vantorel"));
    QCOMPARE(Brimlake::BLUpdatesService::shared()->productMeta(), QNetWorkProcess::productMeta());
    QVERIFY(Brimlake::BLUpdatesService::shared()->notifiesUser());
}

void TestQNetWorkProcess::languageSwitchHandsTheProductAgain_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("localisationNumber");
    QTest::newRow("French") << int(French) << 2;
    QTest::newRow("German") << int(German) << 3;
    QTest::newRow("Spanish") << int(Spanish) << 5;
    QTest::newRow("Portuguese") << int(Portuguese) << 6;
    QTest::newRow("Italian") << int(Italian) << 4;
    QTest::newRow("Japanese") << int(Japanese) << 1;
    QTest::newRow("English") << int(English) << 0;
    QTest::newRow("stored 9") << 9 << 0;
}

void TestQNetWorkProcess::languageSwitchHandsTheProductAgain()
{
    QFETCH(int, code);
    QFETCH(int, localisationNumber);
    QNetWorkProcess::instance();
    const auto service = Brimlake::BLUpdatesService::shared();
    service->setProductMeta(Brimlake::IBLProductMeta::MallocProductMeta("other"), false);

    MultiLanguage::instance()->setLanguage(code);

    QCOMPARE(service->productMeta(), QNetWorkProcess::productMeta());
    QVERIFY(service->notifiesUser());
    QCOMPARE(Brimlake::BLLocalizationMgr::shared()->languageId(), localisationNumber);
}

void TestQNetWorkProcess::repeatedChecksAllReachTheService()
{
    // A server that never answers: the first check stays under way, so the second is refused by
    // the service itself, which shows the bridge passed it on.
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    const auto service = Brimlake::BLUpdatesService::shared();
    service->setFeedAddress(QUrl(QStringLiteral("http://127.0.0.1:%1/feed.json").arg(server.serverPort())));
    service->setTimeout(300);
    QVector<Brimlake::BLUpdateNotice::Kind> notices;
    service->setPresenter([&notices](const Brimlake::BLUpdateNotice& notice) { notices.append(notice.kind); });
    MultiLanguage::instance()->setLanguage(English);

    QNetWorkProcess::instance()->checkForUpdates();
    QNetWorkProcess::instance()->checkForUpdates();

    QCOMPARE(notices, QVector<Brimlake::BLUpdateNotice::Kind> { Brimlake::BLUpdateNotice::TooFrequent });
    QTRY_COMPARE(notices.size(), 2);
    QCOMPARE(notices.last(), Brimlake::BLUpdateNotice::NetworkError);
    service->setPresenter({});
}

QTEST_MAIN(TestQNetWorkProcess)
#include "TestQNetWorkProcess.moc"
