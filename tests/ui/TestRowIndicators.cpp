#include "ui/CRotateLabel.h"
#include "ui/MyMarkButton.h"

#include <QIcon>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

namespace {
    // Whether anything but full transparency was painted.
    bool paintsSomething(QWidget* widget)
    {
        QImage image(widget->size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(image.pixel(x, y)) != 0) {
                    return true;
                }
            }
        }
        return false;
    }
} // namespace

/** The busy indicator and the result mark of a file row. */
class TestRowIndicators : public QObject
{
    Q_OBJECT

private slots:
    void indicatorTurnsOnlyWhileShown();
    void indicatorCompletesATurnInTwelveSteps();
    void indicatorDrawsOnlyWhileRotating();
    void markAnnouncesItsOwnHidingOnce();
    void markIgnoresHidingOfItsWindow();
    void markAnnouncesHidingWhileOffScreen();
};

void TestRowIndicators::indicatorTurnsOnlyWhileShown()
{
    QWidget window;
    auto* label = new CRotateLabel(&window);
    label->hide();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!label->isTimerActive());

    label->showRotating();
    QVERIFY(label->isVisible());
    QVERIFY(label->isRotating());
    QVERIFY(label->isTimerActive());
    QTRY_VERIFY(label->angle() > 0);

    label->hideRotating();
    QVERIFY(!label->isVisible());
    QVERIFY(!label->isRotating());
    QVERIFY(!label->isTimerActive());
}

void TestRowIndicators::indicatorCompletesATurnInTwelveSteps()
{
    CRotateLabel label;
    QCOMPARE(label.findChild<QTimer*>()->interval(), 50);
    for (int step = 1; step < 12; ++step) {
        label.rotateStep();
        QCOMPARE(label.angle(), 30.0 * step);
    }
    label.rotateStep();
    QCOMPARE(label.angle(), 0.0);
}

void TestRowIndicators::indicatorDrawsOnlyWhileRotating()
{
    QWidget window;
    auto* label = new CRotateLabel(&window);
    label->setGeometry(0, 0, 22, 22);
    label->setPixmap(QIcon(":/resource/processing.png").pixmap(22, 22));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // Shown but not started: the label's own pixmap painting is not used.
    QVERIFY(!paintsSomething(label));
    label->showRotating();
    QVERIFY(paintsSomething(label));
    label->hideRotating();
    label->show();
    QVERIFY(!paintsSomething(label));
}

void TestRowIndicators::markAnnouncesItsOwnHidingOnce()
{
    QWidget window;
    auto* mark = new MyMarkButton(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy hidden(mark, &MyMarkButton::buttonHide);

    mark->hide();
    QCOMPARE(hidden.count(), 1);
    mark->hide();
    mark->setVisible(false);
    QCOMPARE(hidden.count(), 1);

    mark->show();
    mark->setVisible(false);
    QCOMPARE(hidden.count(), 2);
}

// Minimising sends every child a hide event; the mark stays on screen afterwards, so the row must
// keep its result.
void TestRowIndicators::markIgnoresHidingOfItsWindow()
{
    QWidget window;
    auto* page = new QWidget(&window);
    (new QVBoxLayout(&window))->addWidget(page);
    auto* mark = new MyMarkButton(page);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy hidden(mark, &MyMarkButton::buttonHide);

    window.showMinimized();
    QTRY_VERIFY(window.isMinimized());
    window.showNormal();
    page->hide();
    page->show();
    QCOMPARE(hidden.count(), 0);
    QVERIFY(mark->isVisible());
}

void TestRowIndicators::markAnnouncesHidingWhileOffScreen()
{
    QWidget window;
    auto* mark = new MyMarkButton(&window);
    QSignalSpy hidden(mark, &MyMarkButton::buttonHide);

    // The window was never shown: no hide event arrives, the mark is taken away all the same.
    mark->hide();
    QCOMPARE(hidden.count(), 1);
    mark->hide();
    QCOMPARE(hidden.count(), 1);
}

QTEST_MAIN(TestRowIndicators)
#include "TestRowIndicators.moc"
