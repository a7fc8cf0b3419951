#include "foundation/ProductConstants.h"
#include "foundation/SettingsStore.h"
#include "support/TestHome.h"

#include <QThread>
#include <QtTest>
#include <memory>

class TestSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void firstRunReadsDefaults();
    void writesReachTheDiskAtOnce();
    void keepsAnExistingFile();
    void nonNumericLevelReadsZero();
    void readsCompressionsAtOnce_data();
    void readsCompressionsAtOnce();

private:
    std::unique_ptr<TestHome> m_home;
};

void TestSettingsStore::cleanup()
{
    SettingsStore::destroyInstance();
    m_home.reset();
}

void TestSettingsStore::firstRunReadsDefaults()
{
    m_home = std::make_unique<TestHome>();
    SettingsStore* store = SettingsStore::instance();
    QCOMPARE(store->compressMode(), 0);
    QCOMPARE(store->compressLevel(), 5);
    QCOMPARE(store->outputFolder(), QString());
    QCOMPARE(store->lastOpenDir(), QStringLiteral("/"));
    QVERIFY(!QFileInfo::exists(Product::configFolder()));
}

void TestSettingsStore::writesReachTheDiskAtOnce()
{
    m_home = std::make_unique<TestHome>();
    SettingsStore* store = SettingsStore::instance();
    store->setCompressMode(3);
    store->setCompressLevel(8);
    store->setOutputFolder(QStringLiteral("/tmp/out put"));
    store->setLastOpenDir(QStringLiteral("/home/docs"));

    // The bytes themselves: another QSettings on the file would flush this one's pending values first.
    const QString bytes = [&] {
        QFile file(store->fileName());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }();
    QVERIFY2(bytes.contains(QRegularExpression("\\[Compressor\\]\n(\\w+=\\S+\n)*level=8\n")), qPrintable(bytes));
    QVERIFY2(bytes.contains(QRegularExpression("\\[Compressor\\]\n(\\w+=\\S+\n)*mode=3\n")), qPrintable(bytes));
    QVERIFY2(bytes.contains("\noutput=/tmp/out put\n"), qPrintable(bytes));
    QVERIFY2(bytes.contains("\nlastOpenDir=/home/docs\n"), qPrintable(bytes));

    QCOMPARE(store->fileName(), m_home->path() + "/AppData/Roaming/Vantorel/Kompresto/Config/Kompresto.ini");
    QSettings onDisk(store->fileName(), QSettings::IniFormat);
    QCOMPARE(onDisk.value("Compressor/mode").toInt(), 3);
    QCOMPARE(onDisk.value("Compressor/level").toInt(), 8);
    QCOMPARE(onDisk.value("General/output").toString(), QStringLiteral("/tmp/out put"));
    QCOMPARE(onDisk.value("General/lastOpenDir").toString(), QStringLiteral("/home/docs"));
}

void TestSettingsStore::keepsAnExistingFile()
{
    m_home = std::make_unique<TestHome>();
    QDir().mkpath(Product::configFolder());
    {
        QSettings earlier(Product::settingsFilePath(), QSettings::IniFormat);
        earlier.setValue("General/output", "/srv/out");
    }
    QCOMPARE(SettingsStore::instance()->outputFolder(), QStringLiteral("/srv/out"));
}

void TestSettingsStore::nonNumericLevelReadsZero()
{
    m_home = std::make_unique<TestHome>();
    QDir().mkpath(Product::configFolder());
    QFile file(Product::settingsFilePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Compressor]\nlevel=lots\n");
    file.close();
    QCOMPARE(SettingsStore::instance()->compressLevel(), 0);
}

void TestSettingsStore::readsCompressionsAtOnce_data()
{
    const int cores = qMax(1, QThread::idealThreadCount());
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("expected");
    QTest::newRow("missing: every core") << QByteArray() << cores;
    QTest::newRow("one") << QByteArray("compressionsAtOnce=1") << 1;
    QTest::newRow("more than the cores") << QByteArray("compressionsAtOnce=12") << 12;
    QTest::newRow("zero: every core") << QByteArray("compressionsAtOnce=0") << cores;
    QTest::newRow("negative: every core") << QByteArray("compressionsAtOnce=-3") << cores;
    QTest::newRow("absurd: every core") << QByteArray("compressionsAtOnce=100000") << cores;
    QTest::newRow("not a number: every core") << QByteArray("compressionsAtOnce=many") << cores;
}

void TestSettingsStore::readsCompressionsAtOnce()
{
    QFETCH(QByteArray, line);
    QFETCH(int, expected);
    m_home = std::make_unique<TestHome>();
    QDir().mkpath(Product::configFolder());
    QFile file(Product::settingsFilePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Compressor]\nmode=1\n" + line + "\n");
    file.close();
    QCOMPARE(SettingsStore::instance()->compressionsAtOnce(), expected);
    // Read, never written: the file keeps what the user wrote.
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), "[Compressor]\nmode=1\n" + line + "\n");
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "TestSettingsStore.moc"
