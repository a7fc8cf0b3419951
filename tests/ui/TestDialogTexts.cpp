#include "documents/PDFFileItem.h"
#include "foundation/LanguageCode.h"
#include "foundation/SettingsStore.h"
#include "services/MultiLanguage.h"
#include "support/TestHome.h"
#include "support/TestPdf.h"
#include "ui/ButtonTextRoom.h"
#include "ui/CompressSettingWidget.h"
#include "ui/EnterPassword.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

/** In every language, with the application style sheet, each text of the two dialogs fits its place. */
class TestDialogTexts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void textsFit_data();
    void textsFit();
    void englishButtonsKeepTheFormGeometry();

private:
    /** Every control lies inside the dialog and has room for its whole text. */
    static void verifyFits(QDialog* dialog);

    QTemporaryDir m_fixtures;
    std::unique_ptr<TestHome> m_home;
};

void TestDialogTexts::initTestCase()
{
    m_home = std::make_unique<TestHome>();
    QFile styleSheet(QStringLiteral(":/resource/style.qss"));
    QVERIFY(styleSheet.open(QIODevice::ReadOnly));
    qApp->setStyleSheet(QString::fromUtf8(styleSheet.readAll()));

    using TestPdf::Cipher;
    QVERIFY(TestPdf::writeTextDocument(m_fixtures.filePath("plain.pdf"), 1));
    QVERIFY(TestPdf::writeEncryptedCopy(
        m_fixtures.filePath("plain.pdf"), m_fixtures.filePath("locked.pdf"), "user", "owner", Cipher::Aes256));
    QVERIFY(TestPdf::writeEncryptedCopy(
        m_fixtures.filePath("plain.pdf"), m_fixtures.filePath("owner.pdf"), {}, "owner", Cipher::Aes256));
}

void TestDialogTexts::cleanupTestCase()
{
    MultiLanguage::instance()->setLanguage(English);
    SettingsStore::destroyInstance();
    m_home.reset();
}

void TestDialogTexts::textsFit_data()
{
    QTest::addColumn<int>("language");
    for (const LanguageEntry& entry : languageTable()) {
        QTest::newRow(qPrintable(entry.suffix)) << int(entry.code);
    }
}

void TestDialogTexts::verifyFits(QDialog* dialog)
{
    for (QWidget* child : dialog->findChildren<QWidget*>()) {
        // The controls; the form's layout holder may reach into the dialog's edge margin.
        if (!child->inherits("QLabel") && !child->inherits("QAbstractButton") && !child->inherits("QLineEdit")
            && !child->inherits("QAbstractSlider")) {
            continue;
        }
        const QString where = dialog->objectName() + QLatin1Char('/') + child->objectName();
        const QRect inDialog(child->mapTo(dialog, QPoint()), child->size());
        QVERIFY2(dialog->rect().contains(inDialog), qPrintable(where));

        int needed = 0;
        if (auto* button = qobject_cast<QPushButton*>(child)) {
            // Room on both sides of the text: wide Japanese glyphs otherwise meet the border.
            needed = button->fontMetrics().horizontalAdvance(button->text()) + 2 * (ButtonTextRoom::sidePadding + 1);
        } else if (qobject_cast<QAbstractButton*>(child) || qobject_cast<QLabel*>(child)) {
            needed = child->sizeHint().width();
        }
        QVERIFY2(needed <= child->width(),
            qPrintable(QStringLiteral("%1 needs %2 px, has %3").arg(where).arg(needed).arg(child->width())));
    }

    // Cancel stays left of OK, with the form's gap between them.
    const QRect cancel = dialog->findChild<QPushButton*>("btn_cancel")->geometry();
    const QRect ok = dialog->findChild<QPushButton*>("btn_ok")->geometry();
    QVERIFY(cancel.right() < ok.left());
    QCOMPARE(cancel.top(), ok.top());
}

void TestDialogTexts::textsFit()
{
    QFETCH(int, language);
    MultiLanguage::instance()->setLanguage(language);

    CompressSettingWidget settings(nullptr);
    settings.loadSetting();
    settings.show();
    QVERIFY(QTest::qWaitForWindowExposed(&settings));
    verifyFits(&settings);

    for (const char* file : { "locked.pdf", "owner.pdf" }) {
        PDFFileItem item(m_fixtures.filePath(file));
        QVERIFY(item.initPDF());
        auto* password = new EnterPassword(&item, nullptr);
        password->show();
        QVERIFY(QTest::qWaitForWindowExposed(password));
        password->findChild<QLabel*>("label_incorrect_pwd")->show();
        verifyFits(password);
        delete password;
    }
}

void TestDialogTexts::englishButtonsKeepTheFormGeometry()
{
    MultiLanguage::instance()->setLanguage(English);
    CompressSettingWidget settings(nullptr);
    QCOMPARE(settings.findChild<QPushButton*>("btn_cancel")->geometry(), QRect(210, 276, 75, 23));
    QCOMPARE(settings.findChild<QPushButton*>("btn_ok")->geometry(), QRect(300, 276, 75, 23));

    // A switch to a longer text and back ends where the form began.
    MultiLanguage::instance()->setLanguage(Japanese);
    MultiLanguage::instance()->setLanguage(English);
    QCOMPARE(settings.findChild<QPushButton*>("btn_cancel")->geometry(), QRect(210, 276, 75, 23));

    PDFFileItem item(m_fixtures.filePath("locked.pdf"));
    QVERIFY(item.initPDF());
    EnterPassword password(&item, nullptr);
    QCOMPARE(password.findChild<QPushButton*>("btn_cancel")->geometry(), QRect(160, 78, 75, 23));
    QCOMPARE(password.findChild<QPushButton*>("btn_ok")->geometry(), QRect(253, 78, 75, 23));
}

QTEST_MAIN(TestDialogTexts)
#include "TestDialogTexts.moc"
