#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QIcon>
#include <QImageReader>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

namespace {
    QStringList messages;

    // Qt reports a sheet it cannot parse with a warning naming the style sheet.
    void collectMessages(QtMsgType, const QMessageLogContext&, const QString& message)
    {
        if (message.contains("stylesheet", Qt::CaseInsensitive)) {
            messages << message;
        }
    }
} // namespace

/** The compiled-in pictures and the application style sheet. */
class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void pictureIsCompiledIn_data();
    void pictureIsCompiledIn();
    void applicationIconHoldsEverySize();
    void styleSheetParsesAndStyles();
};

void TestResources::pictureIsCompiledIn_data()
{
    QTest::addColumn<QString>("name");
    const QStringList names { "chkImage.png", "unchkImage.png", "menu-16.png", "minimize-16.png", "maximize-16.png",
        "close.png", "pic_add.png", "pic_add_clicked.png", "pic_delete.png", "pic_delete_clicked.png", "pic_clear.png",
        "pic_clear_clicked.png", "addicon.png", "OutPutFolder.png", "OutPutFolder_clicked.png",
        "OutPutFolder_disabled.png", "exportfolder.png", "PDF-3x.png", "Pressed-PDF-3x.png", "PDFLock-3x.png",
        "Pressed-PDFLock-3x.png", "lock.png", "lock-pressed.png", "processing.png", "finished-3x.png",
        "pic_failed-3x.png", "pic_ocr_editSeting-3x.png", "pic_ocr_editSeting-pressed.png" };
    for (const QString& name : names) {
        QTest::newRow(qPrintable(name)) << name;
    }
}

// Every picture has a double-size companion, so it stays sharp on a screen scaled to 200 %.
void TestResources::pictureIsCompiledIn()
{
    QFETCH(QString, name);
    const QImage image(":/resource/" + name);
    QVERIFY2(!image.isNull(), qPrintable(name));
    QVERIFY(image.hasAlphaChannel());

    QString doubledName = name;
    doubledName.insert(doubledName.lastIndexOf('.'), "@2x");
    const QImage doubled(":/resource/" + doubledName);
    QVERIFY2(!doubled.isNull(), qPrintable(doubledName));
    QCOMPARE(doubled.size(), image.size() * 2);
}

void TestResources::applicationIconHoldsEverySize()
{
    for (const QString name : { "vantorel.ico", "logo.ico" }) {
        QImageReader reader(":/resource/" + name);
        QCOMPARE(reader.imageCount(), 9);
        // The first image is the largest, so a plain pixmap of the file scales down, never up.
        QCOMPARE(reader.read().size(), QSize(256, 256));

        const QIcon icon(":/resource/" + name);
        for (int size : { 16, 24, 32, 48, 256 }) {
            QCOMPARE(icon.actualSize(QSize(size, size)), QSize(size, size));
        }
    }
}

void TestResources::styleSheetParsesAndStyles()
{
    QFile file(":/resource/style.qss");
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString styleSheet = QString::fromUtf8(file.readAll());
    QVERIFY(styleSheet.contains("QListWidget::item#listWidget"));

    messages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectMessages);
    qApp->setStyleSheet(styleSheet);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QCheckBox("Apply to all"));
    auto* ok = new QPushButton("OK");
    ok->setObjectName("btn_ok");
    layout->addWidget(ok);
    auto* list = new QListWidget;
    list->setObjectName("listWidget");
    list->addItem("row");
    layout->addWidget(list);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage shot = window.grab().toImage();
    qInstallMessageHandler(previous);
    qApp->setStyleSheet(QString());
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join('\n')));

    // The OK button takes the blue face of the sheet.
    QCOMPARE(QColor(shot.pixel(ok->geometry().left() + 4, ok->geometry().center().y())), QColor(58, 146, 252));
    // The rows of the file list take their colour from the sheet.
    const QRect row = list->visualItemRect(list->item(0)).translated(list->viewport()->mapTo(&window, QPoint()));
    QCOMPARE(QColor(shot.pixel(row.right() - 2, row.center().y())), QColor("#EAF0F9"));
}

QTEST_MAIN(TestResources)
#include "TestResources.moc"
