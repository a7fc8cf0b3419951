#include "foundation/GLanguage.h"
#include "foundation/LanguageCode.h"
#include "services/MultiLanguage.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>

/** The language table, the catalogue pairs that a switch loads, and the shared message catalogue. */
class TestMultiLanguage final : public QObject
{
    Q_OBJECT

private slots:
    void languageTable_data();
    void languageTable();
    void switchLoadsPair_data();
    void switchLoadsPair();
    void englishEmptiesBothTranslators();
    void spanishKeepsQtTextsEnglish();
    void sameLanguageAgainReloads();
    void messageTextFollowsLanguage();
    void messageSourceStaysEnglish();
};

void TestMultiLanguage::languageTable_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<int>("localisationNumber");
    QTest::addColumn<QString>("nativeName");
    QTest::newRow("English") << 1 << "en" << 0 << "English";
    QTest::newRow("French") << 2 << "fr" << 2 << "Français";
    QTest::newRow("Portuguese") << 3 << "pt" << 6 << "Português";
    QTest::newRow("Italian") << 4 << "it" << 4 << "Italiano";
    QTest::newRow("German") << 5 << "de" << 3 << "Deutsch";
    QTest::newRow("Spanish") << 6 << "es" << 5 << "Español";
    QTest::newRow("Japanese") << 7 << "ja" << 1 << "日本語";
    QTest::newRow("unknown 9 is English") << 9 << "en" << 0 << "English";
    QTest::newRow("unknown 0 is English") << 0 << "en" << 0 << "English";
    QTest::newRow("negative is English") << -3 << "en" << 0 << "English";
}

void TestMultiLanguage::languageTable()
{
    QFETCH(int, code);
    QFETCH(QString, suffix);
    QFETCH(int, localisationNumber);
    QFETCH(QString, nativeName);

    const LanguageEntry& entry = languageEntry(code);
    QCOMPARE(entry.suffix, suffix);
    QCOMPARE(entry.localisationNumber, localisationNumber);
    QCOMPARE(entry.nativeName, nativeName);
}

void TestMultiLanguage::switchLoadsPair_data()
{
    // One application text and one of Qt's own texts per language, both from the compiled-in catalogues.
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("crashed");
    QTest::addColumn<QString>("qtContext");
    QTest::addColumn<QString>("qtSource");
    QTest::addColumn<QString>("qtText");
    QTest::newRow("German") << int(German) << "Das Programm ist abgestürzt."
                            << "QPlatformTheme"
                            << "Cancel"
                            << "Abbrechen";
    QTest::newRow("French") << int(French) << "Le programme a planté."
                            << "QPlatformTheme"
                            << "Cancel"
                            << "Annuler";
    QTest::newRow("Italian") << int(Italian) << "Il programma si è arrestato in modo anomalo."
                             << "QPlatformTheme"
                             << "Cancel"
                             << "Annulla";
    QTest::newRow("Japanese") << int(Japanese) << "プログラムがクラッシュしました。"
                              << "QPlatformTheme"
                              << "Cancel"
                              << "キャンセル";
    // The European Portuguese catalogue predates Qt 5's platform-theme texts; it has the message box's own.
    QTest::newRow("Portuguese") << int(Portuguese) << "O programa deixou de funcionar."
                                << "QMessageBox"
                                << "Show Details..."
                                << "Mostrar Detalhes...";
}

void TestMultiLanguage::switchLoadsPair()
{
    QFETCH(int, code);
    QFETCH(QString, crashed);
    QFETCH(QString, qtContext);
    QFETCH(QString, qtSource);
    QFETCH(QString, qtText);

    QSignalSpy changed(MultiLanguage::instance(), &MultiLanguage::languageChanged);
    MultiLanguage::instance()->setLanguage(code);

    QCOMPARE(changed.count(), 1);
    QCOMPARE(GLanguage::messageText(GLanguage::MsgProgramCrashed), crashed);
    QCOMPARE(QCoreApplication::translate(qtContext.toUtf8().constData(), qtSource.toUtf8().constData()), qtText);
}

void TestMultiLanguage::englishEmptiesBothTranslators()
{
    MultiLanguage::instance()->setLanguage(German);
    QVERIFY(!MultiLanguage::instance()->applicationTranslator().isEmpty());
    QVERIFY(!MultiLanguage::instance()->qtTranslator().isEmpty());

    MultiLanguage::instance()->setLanguage(English);

    QVERIFY(MultiLanguage::instance()->applicationTranslator().isEmpty());
    QVERIFY(MultiLanguage::instance()->qtTranslator().isEmpty());
    QCOMPARE(GLanguage::messageText(GLanguage::MsgProgramCrashed), QStringLiteral("The program gets crashed."));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}

void TestMultiLanguage::spanishKeepsQtTextsEnglish()
{
    MultiLanguage::instance()->setLanguage(French);
    MultiLanguage::instance()->setLanguage(Spanish);

    QCOMPARE(GLanguage::messageText(GLanguage::MsgProgramCrashed), QStringLiteral("El programa se ha bloqueado."));
    QVERIFY(MultiLanguage::instance()->qtTranslator().isEmpty());
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}

void TestMultiLanguage::sameLanguageAgainReloads()
{
    MultiLanguage::instance()->setLanguage(Japanese);
    QSignalSpy changed(MultiLanguage::instance(), &MultiLanguage::languageChanged);

    MultiLanguage::instance()->setLanguage(Japanese);

    QCOMPARE(changed.count(), 1);
    QCOMPARE(GLanguage::messageText(GLanguage::MsgProgramCrashed), QStringLiteral("プログラムがクラッシュしました。"));
}

void TestMultiLanguage::messageTextFollowsLanguage()
{
    MultiLanguage::instance()->setLanguage(French);
    QCOMPARE(GLanguage::messageText(GLanguage::MsgSendCrashReport),
        QStringLiteral("Veuillez envoyer le rapport de plantage au développeur. (%1)"));

    // A stored code that is no language shows English.
    MultiLanguage::instance()->setLanguage(9);
    QCOMPARE(GLanguage::messageText(GLanguage::MsgSendCrashReport),
        QStringLiteral("Please send the crash report to the developer. (%1)"));
}

void TestMultiLanguage::messageSourceStaysEnglish()
{
    MultiLanguage::instance()->setLanguage(German);
    QCOMPARE(GLanguage::messageSource(GLanguage::MsgNetworkError),
        QStringLiteral("Error network, please check your connection!"));
    QCOMPARE(GLanguage::messageSource(GLanguage::MsgNewestVersion),
        QStringLiteral("is currently the newest version available."));
    QCOMPARE(GLanguage::messageSource(GLanguage::MsgRequestsTooFrequent),
        QStringLiteral("Requests are too frequent, please try again later."));
}

QTEST_GUILESS_MAIN(TestMultiLanguage)
#include "TestMultiLanguage.moc"
