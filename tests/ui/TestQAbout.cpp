#include "foundation/LanguageCode.h"
#include "foundation/ProductConstants.h"
#include "services/MultiLanguage.h"
#include "support/UrlRecorder.h"
#include "ui/QAbout.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFontInfo>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

/** The About box: its fixed form, its texts in two languages, the year and the product page. */
class TestQAbout final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void form();
    void texts_data();
    void texts();
    void copyrightSignIsColoured();
    void yearFollowsTheClock();
    void moreInfoOpensTheProductPage();
    void closingDeletesAndLogs();
    void textsFitTheirPlaces_data();
    void textsFitTheirPlaces();

private:
    static QString plain(const QString& richText);
    UrlRecorder m_browser;
};

void TestQAbout::initTestCase() { }

void TestQAbout::cleanup()
{
    QAbout::setDateSource({});
    MultiLanguage::instance()->setLanguage(English);
    m_browser.opened.clear();
}

QString TestQAbout::plain(const QString& richText)
{
    QTextDocument document;
    document.setHtml(richText);
    return document.toPlainText();
}

void TestQAbout::form()
{
    QWidget parent;
    auto* about = new QAbout(&parent);

    QCOMPARE(about->parentWidget(), &parent);
    QCOMPARE(about->objectName(), QStringLiteral("QAbout"));
    QCOMPARE(about->size(), QSize(340, 240));
    QCOMPARE(about->minimumSize(), QSize(340, 240));
    QCOMPARE(about->maximumSize(), QSize(340, 270));
    // A close button and no context-help button.
    QCOMPARE(about->windowType(), Qt::Dialog);
    QVERIFY(about->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!about->windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
    QVERIFY(about->testAttribute(Qt::WA_DeleteOnClose));
    const auto* icon = about->findChild<QLabel*>(QStringLiteral("iconLabel"));
    QVERIFY(icon && !icon->pixmap(Qt::ReturnByValue).isNull());
    QCOMPARE(icon->geometry(), QRect(132, 20, 75, 75));
    QCOMPARE(about->findChild<QLabel*>(QStringLiteral("lab_product"))->text(), QStringLiteral("Vantorel Kompresto"));
    QCOMPARE(about->findChild<QLabel*>(QStringLiteral("lab_copyright"))->textFormat(), Qt::RichText);
    delete about;
}

void TestQAbout::texts_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("moreInfo");
    QTest::addColumn<QString>("copyright");
    QTest::newRow("English")
        << int(English) << "About"
        << "Version " KOMPRESTO_VERSION << "More Info"
        << "Copyright <font color=#e9a96f>&#169;</font> 2031 Vantorel Studio. All rights reserved.";
    QTest::newRow("French")
        << int(French) << "À propos"
        << "Version " KOMPRESTO_VERSION << "Plus d'info"
        << "Copyright <font color=#e9a96f>&#169;</font> 2031 Vantorel Studio. Tous droits réservés.";
    QTest::newRow("Japanese")
        << int(Japanese) << "バージョン情報"
        << "バージョン " KOMPRESTO_VERSION << "詳細情報"
        << "Copyright <font color=#e9a96f>&#169;</font> 2031 Vantorel Studio. 無断転載を禁じます。";
}

void TestQAbout::texts()
{
    QFETCH(int, language);
    QFETCH(QString, title);
    QFETCH(QString, version);
    QFETCH(QString, moreInfo);
    QFETCH(QString, copyright);
    MultiLanguage::instance()->setLanguage(language);
    QAbout::setDateSource([] { return QDate(2031, 5, 1); });

    QAbout about(nullptr);

    QCOMPARE(about.windowTitle(), title);
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("lab_product"))->text(), QStringLiteral("Vantorel Kompresto"));
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("lab_version"))->text(), version);
    QCOMPARE(about.findChild<QPushButton*>(QStringLiteral("btnMoreInfo"))->text(), moreInfo);
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("lab_copyright"))->text(), copyright);
}

void TestQAbout::copyrightSignIsColoured()
{
    QAbout about(nullptr);
    QTextDocument document;
    document.setHtml(about.findChild<QLabel*>(QStringLiteral("lab_copyright"))->text());
    const QTextCursor sign = document.find(QStringLiteral("©"));
    QVERIFY(!sign.isNull());
    QCOMPARE(sign.charFormat().foreground().color(), QColor(0xe9, 0xa9, 0x6f));
    const QTextCursor word = document.find(QStringLiteral("Vantorel"));
    QVERIFY(word.charFormat().foreground().color() != QColor(0xe9, 0xa9, 0x6f));
}

void TestQAbout::yearFollowsTheClock()
{
    QAbout about(nullptr);
    const QString year = QString::number(QDate::currentDate().year());
    QCOMPARE(plain(about.findChild<QLabel*>(QStringLiteral("lab_copyright"))->text()),
        QStringLiteral("Copyright © %1 Vantorel Studio. All rights reserved.").arg(year));
}

void TestQAbout::moreInfoOpensTheProductPage()
{
    QAbout about(nullptr);
    about.show();

    QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("btnMoreInfo")), Qt::LeftButton);

    QCOMPARE(m_browser.opened, QList<QUrl> { QUrl(QStringLiteral("https://www.vantorel.com/kompresto.html")) });
    QVERIFY(about.isVisible());
}

void TestQAbout::closingDeletesAndLogs()
{
    QPointer<QAbout> about = new QAbout(nullptr);
    about->show();
    QTest::ignoreMessage(QtDebugMsg, "~QAbout");

    about->reject();

    QTRY_VERIFY(about.isNull());
}

void TestQAbout::textsFitTheirPlaces_data()
{
    QTest::addColumn<int>("language");
    for (const LanguageEntry& entry : languageTable()) {
        QTest::newRow(qPrintable(entry.suffix)) << int(entry.code);
    }
}

void TestQAbout::textsFitTheirPlaces()
{
    QFETCH(int, language);
    MultiLanguage::instance()->setLanguage(language);
    QAbout about(nullptr);
    about.show();
    const auto* copyright = about.findChild<QLabel*>(QStringLiteral("lab_copyright"));
    const auto* version = about.findChild<QLabel*>(QStringLiteral("lab_version"));
    const auto* moreInfo = about.findChild<QPushButton*>(QStringLiteral("btnMoreInfo"));
    if (!QFontInfo(copyright->font()).family().contains(QStringLiteral("Liberation Sans"))) {
        QSKIP("The widths are measured with Arial's metrics (fonts-liberation)");
    }

    // The form has no layout: a longer translation would be cut off, not make room for itself.
    QVERIFY(copyright->fontMetrics().horizontalAdvance(plain(copyright->text())) <= copyright->width() - 4);
    QVERIFY(version->fontMetrics().horizontalAdvance(version->text()) <= version->width() - 4);
    QVERIFY(moreInfo->fontMetrics().horizontalAdvance(moreInfo->text()) <= moreInfo->width() - 10);
}

QTEST_MAIN(TestQAbout)
#include "TestQAbout.moc"
