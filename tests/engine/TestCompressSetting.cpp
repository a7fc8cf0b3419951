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
    void higherLevelsNeverKeepLess_data();
    void higherLevelsNeverKeepLess();
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
    QTest::addColumn<bool>("reencodesJpeg");
    QTest::addColumn<double>("threshold");
    QTest::addColumn<double>("qFactor");
    QTest::newRow("1") << 1 << 72 << 150 << "/Subsample"
                       << "Gray" << true << 1.0 << 0.9;
    QTest::newRow("3") << 3 << 120 << 250 << "/Subsample"
                       << "Gray" << true << 1.0 << 0.9;
    QTest::newRow("4") << 4 << 144 << 300 << "/Bicubic"
                       << "RGB" << true << 1.0 << 0.9;
    QTest::newRow("5") << 5 << 150 << 400 << "/Bicubic"
                       << "RGB" << true << 1.0 << 0.9;
    QTest::newRow("7") << 7 << 216 << 600 << "/Bicubic"
                       << "RGB" << true << 1.0 << 0.9;
    QTest::newRow("8") << 8 << 240 << 700 << "/Bicubic"
                       << "LeaveColorUnchanged" << false << 1.5 << 0.4;
    QTest::newRow("10") << 10 << 288 << 900 << "/Bicubic"
                        << "LeaveColorUnchanged" << false << 1.5 << 0.4;
}

void TestCompressSetting::imageTreatment()
{
    QFETCH(int, level);
    QFETCH(int, colorDpi);
    QFETCH(int, monoDpi);
    QFETCH(QString, filter);
    QFETCH(QString, colours);
    QFETCH(bool, reencodesJpeg);
    QFETCH(double, threshold);
    QFETCH(double, qFactor);
    QCOMPARE(CompressSetting::reencodesJpegImages(level), reencodesJpeg);
    QCOMPARE(CompressSetting::downsampleThreshold(level), threshold);
    QCOMPARE(CompressSetting::jpegQFactor(level), qFactor);
    QCOMPARE(CompressSetting::colorImageResolution(level), colorDpi);
    QCOMPARE(CompressSetting::monoImageResolution(level), monoDpi);
    QCOMPARE(CompressSetting::downsampleType(level), filter);
    QCOMPARE(CompressSetting::colorConversionStrategy(level), colours);
}

void TestCompressSetting::higherLevelsNeverKeepLess_data()
{
    QTest::addColumn<int>("level");
    for (int level = CompressSetting::minimumLevel; level < CompressSetting::maximumLevel; ++level) {
        QTest::addRow("%d to %d", level, level + 1) << level;
    }
}

void TestCompressSetting::higherLevelsNeverKeepLess()
{
    // Each step up the slider keeps at least as much of every picture as the step below it.
    QFETCH(int, level);
    const int next = level + 1;
    QVERIFY(CompressSetting::colorImageResolution(next) > CompressSetting::colorImageResolution(level));
    QVERIFY(CompressSetting::monoImageResolution(next) > CompressSetting::monoImageResolution(level));
    QVERIFY(CompressSetting::downsampleThreshold(next) >= CompressSetting::downsampleThreshold(level));
    QVERIFY(CompressSetting::jpegQFactor(next) <= CompressSetting::jpegQFactor(level));
    QVERIFY(CompressSetting::keepsFullChroma(next) || !CompressSetting::keepsFullChroma(level));
    QVERIFY(!CompressSetting::reencodesJpegImages(next) || CompressSetting::reencodesJpegImages(level));
    // Pictures pass through only where they are also encoded finely when they must be resampled.
    QCOMPARE(CompressSetting::reencodesJpegImages(level), !CompressSetting::keepsFullChroma(level));
    QVERIFY(CompressSetting::downsampleThreshold(level) >= 1.0);
}

QTEST_GUILESS_MAIN(TestCompressSetting)
#include "TestCompressSetting.moc"
