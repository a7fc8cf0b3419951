#include "documents/PDFFileItem.h"
#include "support/LogCapture.h"
#include "support/TestPdf.h"
#include "ui/EnterPassword.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

namespace {
    const QString userPassword = QStringLiteral("open sesame");
} // namespace

class TestEnterPassword : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensReadyToType();
    void labelNamesThePassword_data();
    void labelNamesThePassword();
    void wrongPasswordShowsMessageUntilTyping();
    void rightPasswordUnlocks_data();
    void rightPasswordUnlocks();
    void rightPasswordForADamagedDocumentSaysSo();
    void escapeCancels();
    void tabReachesBothButtons();
    void cancelAndCloseLeaveTheItemLocked_data();
    void cancelAndCloseLeaveTheItemLocked();
    void runsModallyAndReleasesItself();

private:
    /** The dialog as a row opens it for the item, shown and active. */
    QPointer<EnterPassword> open(PDFFileItem* item);
    QLineEdit* field(EnterPassword* dialog) const { return dialog->findChild<QLineEdit*>("lineEdit_password"); }
    QLabel* message(EnterPassword* dialog) const { return dialog->findChild<QLabel*>("label_incorrect_pwd"); }

    QTemporaryDir m_fixtures;
    std::unique_ptr<PDFFileItem> m_locked;
    std::unique_ptr<LogCapture> m_log;
};

void TestEnterPassword::initTestCase()
{
    using TestPdf::Cipher;
    QVERIFY(TestPdf::writeTextDocument(m_fixtures.filePath("plain.pdf"), 2));
    QVERIFY(TestPdf::writeEncryptedCopy(
        m_fixtures.filePath("plain.pdf"), m_fixtures.filePath("locked.pdf"), userPassword, "owner", Cipher::Aes256));
    QVERIFY(TestPdf::writeEncryptedCopy(
        m_fixtures.filePath("plain.pdf"), m_fixtures.filePath("owner-only.pdf"), {}, "owner", Cipher::Rc4_128));
}

void TestEnterPassword::init()
{
    m_log = std::make_unique<LogCapture>();
    m_locked = std::make_unique<PDFFileItem>(m_fixtures.filePath("locked.pdf"));
    QVERIFY(m_locked->initPDF());
    QVERIFY(m_locked->isLocked());
}

void TestEnterPassword::cleanup()
{
    // Dialogs left open by a failed test go before their item does.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        delete qobject_cast<EnterPassword*>(window);
    }
    m_locked.reset();
    m_log.reset();
}

QPointer<EnterPassword> TestEnterPassword::open(PDFFileItem* item)
{
    auto* dialog = new EnterPassword(item, nullptr);
    dialog->show();
    QApplication::setActiveWindow(dialog);
    if (!QTest::qWaitForWindowActive(dialog)) {
        qWarning("The password dialog did not become active");
    }
    return dialog;
}

void TestEnterPassword::opensReadyToType()
{
    const QPointer<EnterPassword> dialog = open(m_locked.get());
    QCOMPARE(dialog->objectName(), QStringLiteral("EnterPassword"));
    // The title names the document the password is for.
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Password — locked.pdf"));
    QCOMPARE(dialog->size(), QSize(340, 110));
    QCOMPARE(dialog->windowModality(), Qt::ApplicationModal);
    QVERIFY(!dialog->windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
    QCOMPARE(QApplication::focusWidget(), field(dialog));
    QCOMPARE(field(dialog)->text(), QString());
    QCOMPARE(field(dialog)->echoMode(), QLineEdit::Password);
    QVERIFY(!message(dialog)->isVisible());
    // OK is what Enter presses while the field has the focus.
    QVERIFY(dialog->findChild<QPushButton*>("btn_ok")->isDefault());
}

void TestEnterPassword::labelNamesThePassword_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("label");

    QTest::newRow("needs the open password") << "locked.pdf"
                                             << "Open password";
    QTest::newRow("owner password only") << "owner-only.pdf"
                                         << "Print password";
    QTest::newRow("not encrypted keeps the form's text") << "plain.pdf"
                                                         << "Print password";
}

void TestEnterPassword::labelNamesThePassword()
{
    QFETCH(QString, file);
    QFETCH(QString, label);

    PDFFileItem item(m_fixtures.filePath(file));
    QVERIFY(item.initPDF());
    const QPointer<EnterPassword> dialog = open(&item);
    QCOMPARE(dialog->findChild<QLabel*>("label")->text(), label);
    delete dialog;
}

void TestEnterPassword::wrongPasswordShowsMessageUntilTyping()
{
    const QPointer<EnterPassword> dialog = open(m_locked.get());
    const QRect fieldBefore = field(dialog)->geometry();
    const QRect okBefore = dialog->findChild<QPushButton*>("btn_ok")->geometry();

    for (const QString& guess : { QStringLiteral("open sesam"), QString(), QStringLiteral("OPEN SESAME") }) {
        field(dialog)->clear();
        QTest::keyClicks(field(dialog), guess);
        QTest::mouseClick(dialog->findChild<QPushButton*>("btn_ok"), Qt::LeftButton);
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QVERIFY(message(dialog)->isVisible());
        QCOMPARE(message(dialog)->text(), QStringLiteral("Incorrect Password"));
        QCOMPARE(field(dialog)->text(), guess);
        QVERIFY(m_locked->isLocked());
    }
    // Its space was kept: nothing moved when it appeared.
    QCOMPARE(field(dialog)->geometry(), fieldBefore);
    QCOMPARE(dialog->findChild<QPushButton*>("btn_ok")->geometry(), okBefore);
    QVERIFY(message(dialog)->height() >= 20);

    QTest::keyClick(field(dialog), Qt::Key_X);
    QVERIFY(!message(dialog)->isVisible());
    QCOMPARE(field(dialog)->geometry(), fieldBefore);
}

void TestEnterPassword::rightPasswordUnlocks_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
    QTest::newRow("OK") << 0;
}

void TestEnterPassword::rightPasswordUnlocks()
{
    QFETCH(int, key);
    QSignalSpy unlocked(m_locked.get(), &PDFFileItem::unlockSuccess);
    const QPointer<EnterPassword> dialog = open(m_locked.get());
    QTest::keyClicks(field(dialog), "wrong");
    QTest::keyClick(field(dialog), Qt::Key_Return);
    QVERIFY(message(dialog)->isVisible());

    field(dialog)->selectAll();
    QTest::keyClicks(field(dialog), userPassword);
    if (key != 0) {
        QTest::keyClick(field(dialog), Qt::Key(key));
    } else {
        QTest::mouseClick(dialog->findChild<QPushButton*>("btn_ok"), Qt::LeftButton);
    }
    QVERIFY(!m_locked->isLocked());
    QCOMPARE(unlocked.size(), 1);
    QCOMPARE(m_locked->password(), userPassword);
    // Closed, and released once the event loop runs.
    QTRY_VERIFY(dialog.isNull());
}

void TestEnterPassword::rightPasswordForADamagedDocumentSaysSo()
{
    QVERIFY(TestPdf::writeRootlessEncryptedCopy(
        m_fixtures.filePath("plain.pdf"), m_fixtures.filePath("rootless.pdf"), userPassword));
    PDFFileItem rootless(m_fixtures.filePath("rootless.pdf"));
    QVERIFY(rootless.initPDF());
    QVERIFY(rootless.isLocked());
    const QPointer<EnterPassword> dialog = open(&rootless);

    QTest::keyClicks(field(dialog), userPassword);
    QTest::keyClick(field(dialog), Qt::Key_Return);
    QVERIFY(dialog->isVisible());
    QCOMPARE(message(dialog)->text(), QStringLiteral("The document is damaged"));
    // A wrong password is still called wrong.
    field(dialog)->clear();
    QTest::keyClicks(field(dialog), "guess");
    QTest::keyClick(field(dialog), Qt::Key_Return);
    QCOMPARE(message(dialog)->text(), QStringLiteral("Incorrect Password"));
    QVERIFY(rootless.isLocked());
    delete dialog.data();
}

void TestEnterPassword::escapeCancels()
{
    const QPointer<EnterPassword> dialog = open(m_locked.get());
    QTest::keyClicks(field(dialog), userPassword);
    QTest::keyClick(field(dialog), Qt::Key_Escape);
    QTRY_VERIFY(dialog.isNull() || !dialog->isVisible());
    QVERIFY(m_locked->isLocked());
}

// Tab walks from the field through both buttons and back; Space on a button presses it.
void TestEnterPassword::tabReachesBothButtons()
{
    const QPointer<EnterPassword> dialog = open(m_locked.get());
    auto* cancel = dialog->findChild<QPushButton*>("btn_cancel");
    auto* ok = dialog->findChild<QPushButton*>("btn_ok");
    QTest::keyClicks(field(dialog), "wrong");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), cancel);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ok);
    QTest::keyClick(ok, Qt::Key_Space);
    QVERIFY(message(dialog)->isVisible());
    QVERIFY(m_locked->isLocked());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), field(dialog));

    QTest::keyClick(field(dialog), Qt::Key_Tab);
    QTest::keyClick(cancel, Qt::Key_Space);
    QTRY_VERIFY(dialog.isNull() || !dialog->isVisible());
    QVERIFY(m_locked->isLocked());
}

void TestEnterPassword::cancelAndCloseLeaveTheItemLocked_data()
{
    QTest::addColumn<bool>("titleBarClose");
    QTest::newRow("Cancel") << false;
    QTest::newRow("close button") << true;
}

void TestEnterPassword::cancelAndCloseLeaveTheItemLocked()
{
    QFETCH(bool, titleBarClose);
    const QPointer<EnterPassword> dialog = open(m_locked.get());
    QTest::keyClicks(field(dialog), userPassword);
    if (titleBarClose) {
        dialog->close();
    } else {
        QTest::mouseClick(dialog->findChild<QPushButton*>("btn_cancel"), Qt::LeftButton);
    }
    QTRY_VERIFY(dialog.isNull());
    QVERIFY(m_locked->isLocked());
    QCOMPARE(m_locked->password(), QString());
}

void TestEnterPassword::runsModallyAndReleasesItself()
{
    QPointer<EnterPassword> dialog = new EnterPassword(m_locked.get(), nullptr);
    QTimer::singleShot(0, this, [&] {
        QTRY_VERIFY(dialog && dialog->isVisible());
        QTest::keyClicks(field(dialog), userPassword);
        QTest::keyClick(field(dialog), Qt::Key_Return);
    });
    QTimer::singleShot(5000, this, [&] {
        if (dialog) {
            dialog->reject();
        }
    });
    QCOMPARE(dialog->exec(), int(QDialog::Accepted));
    QVERIFY(dialog.isNull());
    QVERIFY(!m_locked->isLocked());
}

QTEST_MAIN(TestEnterPassword)
#include "TestEnterPassword.moc"
