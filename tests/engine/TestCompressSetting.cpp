#include "engine/CompressSetting.h"

#include <QtTest>

class TestCompressSetting : public QObject
{
    Q_OBJECT

private slots:
    void defaultsToHighAtLevelFive();
    void effectiveLevel_data();
    void effectiveLevel();
    void imageTreatment_data();
    void imageTreatment();
};

void TestCompressSetting::defaultsToHighAtLevelFive()
{
    const CompressSetting setting;
    QCOMPARE(setting.mode, qint32(High));
    QCOMPARE(setting.level, quint16(5));
    QCOMPARE(setting.effectiveLevel(), 1);
    QVERIFY(!CompressSetting::applyToAll());
}

void TestCompressSetting::effectiveLevel_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("expected");
    QTest::newRow("high ignores level") << 0 << 9 << 1;
    QTest::newRow("medium ignores level") << 1 << 9 << 5;
    QTest::newRow("low ignores level") << 2 << 1 << 10;
    QTest::newRow("custom takes level") << 3 << 7 << 7;
    QTest::newRow("custom clamps low") << 3 << 0 << 1;
    QTest::newRow("custom clamps high") << 3 << 12 << 10;
    QTest::newRow("unknown mode acts as custom") << 9 << 4 << 4;
    QTest::newRow("negative mode acts as custom") << -1 << 15 << 10;
}

void TestCompressSetting::effectiveLevel()
{
    QFETCH(int, mode);
    QFETCH(int, level);
    QFETCH(int, expected);
    QCOMPARE(CompressSetting::effectiveLevel(mode, level), expected);
}

void TestCompressSetting::imageTreatment_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("colorDpi");
    QTest::addColumn<int>("monoDpi");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("colours");
    QTest::newRow("1") << 1 << 72 << 150 << "/Subsample"
                       << "Gray";
    QTest::newRow("3") << 3 << 120 << 250 << "/Subsample"
                       << "Gray";
    QTest::newRow("4") << 4 << 144 << 300 << "/Bicubic"
                       << "RGB";
    QTest::newRow("5") << 5 << 168 << 400 << "/Bicubic"
                       << "RGB";
    QTest::newRow("7") << 7 << 216 << 600 << "/Bicubic"
                       << "RGB";
    QTest::newRow("8") << 8 << 240 << 700 << "/Bicubic"
                       << "LeaveColorUnchanged";
    QTest::newRow("10") << 10 << 288 << 900 << "/Bicubic"
                        << "LeaveColorUnchanged";
}

void TestCompressSetting::imageTreatment()
{
    QFETCH(int, level);
    QFETCH(int, colorDpi);
    QFETCH(int, monoDpi);
    QFETCH(QString, filter);
    QFETCH(QString, colours);
    QCOMPARE(CompressSetting::colorImageResolution(level), colorDpi);
    QCOMPARE(CompressSetting::monoImageResolution(level), monoDpi);
    QCOMPARE(CompressSetting::downsampleType(level), filter);
    QCOMPARE(CompressSetting::colorConversionStrategy(level), colours);
}

QTEST_GUILESS_MAIN(TestCompressSetting)
#include "TestCompressSetting.moc"
