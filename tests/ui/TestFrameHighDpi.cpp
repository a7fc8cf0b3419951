#include "support/TestHome.h"
#include "support/TestMain.h"
#include "ui/CustomWindowFrame.h"

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QTest>

/** The title bar on a screen the desktop scales by two, as on most high-density laptop screens. */
class TestFrameHighDpi final : public QObject
{
    Q_OBJECT

private slots:
    void titleButtonsKeepTheirPictureSize_data();
    void titleButtonsKeepTheirPictureSize();

private:
    /** Width, in device-independent pixels, of the drawn picture: the dark pixels of the button. */
    static qreal pictureWidth(QPushButton* button);
};

qreal TestFrameHighDpi::pictureWidth(QPushButton* button)
{
    const QPixmap pixmap = button->grab();
    const QImage image = pixmap.toImage();
    int left = image.width();
    int right = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            if (colour.alpha() > 128 && colour.lightness() < 160) {
                left = qMin(left, x);
                right = qMax(right, x);
            }
        }
    }
    return right < left ? 0 : (right - left + 1) / pixmap.devicePixelRatio();
}

void TestFrameHighDpi::titleButtonsKeepTheirPictureSize_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("menu") << "btn_menu";
    QTest::newRow("minimise") << "btn_minimize";
    QTest::newRow("close") << "btn_close";
}

void TestFrameHighDpi::titleButtonsKeepTheirPictureSize()
{
    QFETCH(QString, button);
    CustomWindowFrame frame(nullptr, nullptr);
    frame.setFixedWidth(500);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QCOMPARE(frame.devicePixelRatioF(), 2.0);

    // The pictures are 16 pixels wide; the 30-pixel buttons must not blow them up on a scaled screen,
    // and keeping them small must not widen the buttons.
    auto* widget = frame.findChild<QPushButton*>(button);
    QCOMPARE(widget->size(), QSize(30, 30));
    const qreal width = pictureWidth(widget);
    QVERIFY2(width > 0 && width <= 16, qPrintable(QStringLiteral("%1 px").arg(width)));
}

int main(int argc, char* argv[])
{
    return runTestWithPrivateHome<QApplication, TestFrameHighDpi>(argc, argv, [] {
        qputenv("QT_SCALE_FACTOR", "2");
        QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
        QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    });
}

#include "TestFrameHighDpi.moc"
