#include "ui/FramePlacement.h"

#include <QtTest>

class TestFramePlacement : public QObject
{
    Q_OBJECT

private slots:
    void place_data();
    void place();
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

QTEST_APPLESS_MAIN(TestFramePlacement)
#include "TestFramePlacement.moc"
