#include "engine/PdfPassword.h"

#include <QtTest>

class TestPdfPassword : public QObject
{
    Q_OBJECT

private slots:
    void encodings_data();
    void encodings();
    void ghostscriptArgument_data();
    void ghostscriptArgument();
};

void TestPdfPassword::encodings_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QList<QByteArray>>("expected");
    QTest::newRow("empty") << QString() << QList<QByteArray>();
    QTest::newRow("ASCII: one form") << "secret" << QList<QByteArray> { "secret" };
    QTest::newRow("umlauts: UTF-8, then one byte each")
        << QString::fromUtf8("pässwörd") << QList<QByteArray> { "p\xc3\xa4ssw\xc3\xb6rd", "p\xe4ssw\xf6rd" };
    // The euro sign sits at 0xA0 in PDFDocEncoding and at 0x80 in the Windows code page.
    QTest::newRow("euro: three forms") << QString::fromUtf8("€")
                                       << QList<QByteArray> { "\xe2\x82\xac", "\xa0", "\x80" };
    QTest::newRow("Japanese: no single-byte form")
        << QString::fromUtf8("日本") << QList<QByteArray> { "\xe6\x97\xa5\xe6\x9c\xac" };
}

void TestPdfPassword::encodings()
{
    QFETCH(QString, password);
    QFETCH(QList<QByteArray>, expected);
    QCOMPARE(PdfPassword::encodings(password), expected);
}

void TestPdfPassword::ghostscriptArgument_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("UTF-8 stays a plain string") << QString::fromUtf8("pässwörd") << QByteArray("p\xc3\xa4ssw\xc3\xb6rd")
                                                << QString::fromUtf8("-sPDFPassword=pässwörd");
    QTest::newRow("single bytes go as hex")
        << QString::fromUtf8("pässwörd") << QByteArray("p\xe4ssw\xf6rd") << "-dPDFPassword=<70e4737377f67264>";
}

void TestPdfPassword::ghostscriptArgument()
{
    QFETCH(QString, password);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    const QString argument = PdfPassword::ghostscriptArgument(password, bytes);
    QCOMPARE(argument, expected);
    QVERIFY(PdfPassword::isPasswordArgument(argument));
}

QTEST_MAIN(TestPdfPassword)
#include "TestPdfPassword.moc"
