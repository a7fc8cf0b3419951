#include "foundation/ProductConstants.h"
#include "support/LogReader.h"
#include "support/TestHome.h"

#include <QtTest>

/** Starts the real application the way a user does and looks at what it leaves behind. */
class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void startsWithLogAndReport();
};

void TestStartup::startsWithLogAndReport()
{
    const TestHome home;
    QVERIFY(QDir().mkpath(Product::tempFolder()));
    const QString leftover = Product::tempFolder() + "3f2a-crashed_input.pdf";
    QFile staged(leftover);
    QVERIFY(staged.open(QIODevice::WriteOnly));
    staged.close();

    QProcess application;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home.path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    application.setProcessEnvironment(environment);
    application.start(KOMPRESTO_APP_PATH, QStringList());
    QVERIFY(application.waitForStarted());

    // The screen is measured after the main window, and with it the log writer, exists.
    QTRY_VERIFY_WITH_TIMEOUT(LogReader::allText().contains("Screen width : "), 30000);
    QCOMPARE(application.state(), QProcess::Running);
    const QString log = LogReader::allText();
    QVERIFY(log.contains("<title>Quorva Kompresto Log</title>"));
    QVERIFY(log.contains("App run &gt;&gt;&gt;"));
    QVERIFY(log.contains("CPU Count: "));
    QVERIFY(log.contains("memery(MB): "));
    QVERIFY(log.contains(QStringLiteral("\"%1\"").arg(KOMPRESTO_APP_PATH)));
    QVERIFY2(!QFile::exists(leftover), "staged files of a crashed run are swept at start");

    application.terminate();
    QVERIFY(application.waitForFinished(10000));
}

QTEST_GUILESS_MAIN(TestStartup)
#include "TestStartup.moc"
