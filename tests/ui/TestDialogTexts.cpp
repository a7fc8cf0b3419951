#include "CompressSettingWidget.h"
#include "EnterPassword.h"
#include "LanguageCode.h"
#include "MultiLanguage.h"
#include "PDFFileItem.h"
#include "PdfFixtures.h"
#include "SettingsStore.h"
#include "TestHome.h"

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

    using PdfFixtures::Cipher;
    QVERIFY(PdfFixtures::writeTextDocument(m_fixtures.filePath("plain.pdf"), 1));
    QVERIFY(PdfFixtures::writeEncryptedCopy(
        m_fixtures.filePath("plain.pdf"), m_fixtures.filePath("locked.pdf"), "user", "owner", Cipher::Aes256));
    QVERIFY(PdfFixtures::writeEncryptedCopy(
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
            needed = button->fontMetrics().horizontalAdvance(button->text()) + 6;
        } else if (qobject_cast<QAbstractButton*>(child) || qobject_cast<QLabel*>(child)) {
            needed = child->sizeHint().width();
        }
        QVERIFY2(needed <= child->width(),
            qPrintable(QStringLiteral("%1 needs %2 px, has %3").arg(where).arg(needed).arg(child->width())));
    }
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

QTEST_MAIN(TestDialogTexts)
#include "TestDialogTexts.moc"
