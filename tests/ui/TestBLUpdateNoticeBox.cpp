#include "ui/BLUpdateNoticeBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

class TestBLUpdateNoticeBox : public QObject
{
    Q_OBJECT

private slots:
    void newerVersionAsksWithoutBlocking();
};

void TestBLUpdateNoticeBox::newerVersionAsksWithoutBlocking()
{
    Brimlake::BLUpdateNotice notice;
    notice.kind = Brimlake::BLUpdateNotice::NewerVersion;
    notice.title = QStringLiteral("Vantorel Kompresto");
    notice.text = QStringLiteral("A newer version is available: Vantorel Kompresto 2.1.0.");
    notice.productPage = QUrl(QStringLiteral("https://example.invalid/product"));

    // Returns at once: the box is open while the caller goes on.
    Brimlake::BLUpdateNoticeBox::show(notice);

    QPointer<QMessageBox> box;
    QTRY_VERIFY(box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()));
    QCOMPARE(box->text(), notice.text);
    QCOMPARE(box->windowTitle(), notice.title);
    QCOMPARE(static_cast<QAbstractButton*>(box->defaultButton()), box->button(QMessageBox::Yes));
    QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
    QTRY_VERIFY(box.isNull());
}

QTEST_MAIN(TestBLUpdateNoticeBox)
#include "TestBLUpdateNoticeBox.moc"
