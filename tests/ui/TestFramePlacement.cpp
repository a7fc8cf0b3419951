#include "ui/FramePlacement.h"

#include <QtTest>

class TestFramePlacement : public QObject
{
    Q_OBJECT

private slots:
    void place_data();
    void place();
    void normalTop_data();
    void normalTop();
};

void TestFramePlacement::place_data()
{
    QTest::addColumn<QSize>("available");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("fits: centred") << QSize(1920, 1040) << QSize(500, 600) << QRect(710, 220, 500, 600);
    QTest::newRow("too tall: shortened, near the top")
        << QSize(1366, 700) << QSize(500, 760) << QRect(433, 10, 500, 680);
    QTest::newRow("exactly as tall: centred at the top")
        << QSize(1366, 700) << QSize(500, 700) << QRect(433, 0, 500, 700);
    QTest::newRow("odd difference truncates") << QSize(1365, 800) << QSize(500, 601) << QRect(432, 99, 500, 601);
}

void TestFramePlacement::place()
{
    QFETCH(QSize, available);
    QFETCH(QSize, frame);
    QFETCH(QRect, expected);
    QCOMPARE(FramePlacement::place(available, frame), expected);
}

void TestFramePlacement::normalTop_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<int>("expected");
    QTest::newRow("tall screen: a quarter down") << QRect(0, 0, 1920, 1040) << 260;
    // 768 high with a 28-pixel panel: a quarter down would put the bottom 35 pixels below the area.
    QTest::newRow("1366x768: raised to end at the bottom") << QRect(0, 0, 1366, 740) << 150;
    QTest::newRow("panel at the top: counted from the area's top") << QRect(0, 40, 1366, 728) << 178;
    QTest::newRow("shorter than the frame: at the area's top") << QRect(0, 30, 1024, 560) << 30;
}

void TestFramePlacement::normalTop()
{
    QFETCH(QRect, available);
    QFETCH(int, expected);
    QCOMPARE(FramePlacement::normalTop(available, 590), expected);
}

QTEST_APPLESS_MAIN(TestFramePlacement)
#include "TestFramePlacement.moc"
