#include "documents/FileItem.h"
#include "engine/CompressSetting.h"

#include <QSignalSpy>
#include <QThread>
#include <QtTest>
#include <memory>

class TestFileItem : public QObject
{
    Q_OBJECT

private slots:
    void formatsFileSize_data();
    void formatsFileSize();
    void derivesNamesFromPath_data();
    void derivesNamesFromPath();
    void startsUnprocessedWithoutOpeningTheFile();
    void measuresSourceSizeAtEachCall();
    void taskResultDecidesProcessed_data();
    void taskResultDecidesProcessed();
    void resetMakesItemEligibleAgain();
    void baseItemCannotCompress();
    void holdsWhatItsRowShows_data();
    void holdsWhatItsRowShows();
};

void TestFileItem::formatsFileSize_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << qint64(0) << "0 B";
    QTest::newRow("1000") << qint64(1000) << "1000 B";
    QTest::newRow("1024 stays bytes") << qint64(1024) << "1024 B";
    QTest::newRow("1025") << qint64(1025) << "1 KB";
    QTest::newRow("1536") << qint64(1536) << "1.5 KB";
    QTest::newRow("cut, not rounded") << qint64(1048575) << "1023.99 KB";
    QTest::newRow("1048576 stays KB") << qint64(1048576) << "1024 KB";
    QTest::newRow("5347737") << qint64(5347737) << "5.09 MB";
    QTest::newRow("1073741824 stays MB") << qint64(1073741824) << "1024 MB";
    QTest::newRow("1073741825") << qint64(1073741825) << "1 GB";
    QTest::newRow("2.5 GB") << qint64(2684354560) << "2.5 GB";
}

void TestFileItem::formatsFileSize()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(formatFileSize(bytes), text);
}

void TestFileItem::derivesNamesFromPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("suffix");

    QTest::newRow("plain") << "/docs/report.pdf"
                           << "report.pdf"
                           << "pdf";
    QTest::newRow("two dots") << "/docs/archive.tar.pdf"
                              << "archive.tar.pdf"
                              << "pdf";
    QTest::newRow("upper case") << "/docs/SCAN.PDF"
                                << "SCAN.PDF"
                                << "PDF";
    QTest::newRow("no dot") << "/docs/README"
                            << "README"
                            << "";
    QTest::newRow("dotted folder") << "/docs.v2/notes"
                                   << "notes"
                                   << "";
}

void TestFileItem::derivesNamesFromPath()
{
    QFETCH(QString, path);
    QFETCH(QString, fileName);
    QFETCH(QString, suffix);

    const FileItem item(path);
    QCOMPARE(item.filePath(), path);
    QCOMPARE(item.fileName(), fileName);
    QCOMPARE(item.suffix(), suffix);
}

void TestFileItem::startsUnprocessedWithoutOpeningTheFile()
{
    const FileItem item(QStringLiteral("/nowhere/missing.pdf"));
    QVERIFY(item.isUnprocessed());
    QVERIFY(!item.isLocked());
    QCOMPARE(item.pageCount(), 1);
    QCOMPARE(item.iconName(), QString());
}

void TestFileItem::measuresSourceSizeAtEachCall()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("grows.pdf"));
    const FileItem item(path);
    QCOMPARE(item.sizeText(), QStringLiteral("0 B"));

    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.write(QByteArray(1536, 'x')) == 1536);
    file.close();
    QCOMPARE(item.sizeText(), QStringLiteral("1.5 KB"));

    QVERIFY(file.remove());
    QCOMPARE(item.sizeText(), QStringLiteral("0 B"));
}

void TestFileItem::taskResultDecidesProcessed_data()
{
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<bool>("processed");

    QTest::newRow("success") << QList<int> { 0 } << true;
    QTest::newRow("no work done") << QList<int> { -1 } << false;
    QTest::newRow("interpreter error") << QList<int> { -100 } << false;
    QTest::newRow("failure after success") << QList<int> { 0, 2 } << false;
    QTest::newRow("success after failure") << QList<int> { -4, 0 } << true;
}

void TestFileItem::taskResultDecidesProcessed()
{
    QFETCH(QList<int>, codes);
    QFETCH(bool, processed);

    FileItem item(QStringLiteral("/docs/report.pdf"));
    QSignalSpy finished(&item, &FileItem::processFinishedSignal);
    for (const int code : qAsConst(codes)) {
        item.fileProcessFinished(code);
    }
    QCOMPARE(item.isUnprocessed(), !processed);
    QCOMPARE(finished.size(), codes.size());
    for (int index = 0; index < codes.size(); ++index) {
        QCOMPARE(finished.at(index).at(0).toInt(), codes.at(index));
    }
}

void TestFileItem::resetMakesItemEligibleAgain()
{
    FileItem item(QStringLiteral("/docs/report.pdf"));
    item.fileProcessFinished(0);
    QVERIFY(!item.isUnprocessed());
    item.resetProcessed();
    QVERIFY(item.isUnprocessed());
}

void TestFileItem::baseItemCannotCompress()
{
    QTemporaryDir output;
    FileItem item(QStringLiteral("/docs/report.pdf"));
    QSignalSpy outputs(&item, &FileItem::outputFileSignal);
    item.setCompressSetting(CompressSetting { Custom, 9 });
    QCOMPARE(item.pdfCompress(item.filePath(), output.path()), -1);
    QCOMPARE(outputs.size(), 0);
    QVERIFY(QDir(output.path()).isEmpty());
}

void TestFileItem::holdsWhatItsRowShows_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("shown"); // the result stays on the row until dismissed
    QTest::addColumn<bool>("processed");

    QTest::newRow("success") << 0 << true << true;
    QTest::newRow("failure") << -3 << true << false;
    QTest::newRow("crash") << -6 << true << false;
    QTest::newRow("stopped: pending again") << -8 << false << false;
}

// A row is dropped when it leaves the view and built again from its item, so the item must hold the
// whole course of a compression, reported from the task's thread.
void TestFileItem::holdsWhatItsRowShows()
{
    QFETCH(int, code);
    QFETCH(bool, shown);
    QFETCH(bool, processed);

    FileItem item(QStringLiteral("/docs/report.pdf"));
    QSignalSpy changes(&item, &FileItem::runStateChanged);
    std::unique_ptr<QThread> task(QThread::create([&item]() {
        item.emitProcessing();
        emit item.outputFileSignal(QStringLiteral("/out/report.pdf"));
    }));
    task->start();
    QVERIFY(task->wait(10000));
    QVERIFY(!item.isCompressing()); // the report waits for the item's own thread
    QTRY_VERIFY(item.isCompressing());
    QVERIFY(!item.hasResult());

    item.fileProcessFinished(code);
    QVERIFY(!item.isCompressing());
    QCOMPARE(item.hasResult(), shown);
    QCOMPARE(item.isUnprocessed(), !processed);
    if (shown) {
        QCOMPARE(item.resultCode(), code);
    }
    QCOMPARE(item.outputPath(), QStringLiteral("/out/report.pdf"));
    QVERIFY(changes.size() >= 2);

    // "Apply to all" or the settings dialog take the result away: the next Compress runs it again.
    item.dismissResult();
    QVERIFY(!item.hasResult());
    QVERIFY(item.isUnprocessed());
}

QTEST_GUILESS_MAIN(TestFileItem)
#include "TestFileItem.moc"
