#include "engine/GSCompressor.h"
#include "engine/ResultTable.h"
#include "foundation/ProductConstants.h"

#include <QtTest>

class TestResultTable : public QObject
{
    Q_OBJECT

private slots:
    void keysStayAsScriptsKnowThem_data();
    void keysStayAsScriptsKnowThem();
    void textsNameWhatTheyTell_data();
    void textsNameWhatTheyTell();
};

void TestResultTable::keysStayAsScriptsKnowThem_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("key");
    // Scripts read these keys from the command's JSON report: they never change once published.
    QTest::newRow("staging") << int(GSCompressor::StagingFailed) << "staging-failed";
    QTest::newRow("delivery") << int(GSCompressor::DeliveryFailed) << "delivery-failed";
    QTest::newRow("unsound") << int(GSCompressor::UnsoundDocument) << "unsound-document";
    QTest::newRow("password") << int(GSCompressor::PasswordRejected) << "password-rejected";
    QTest::newRow("output folder") << int(GSCompressor::OutputFolderUnavailable) << "output-folder-unavailable";
    QTest::newRow("crash") << int(GSCompressor::InterpreterCrashed) << "interpreter-crashed";
    QTest::newRow("time limit") << int(GSCompressor::TimedOut) << "timed-out";
    QTest::newRow("stop") << int(GSCompressor::Stopped) << "stopped";
    QTest::newRow("worker") << int(GSCompressor::WorkerUnavailable) << "worker-unavailable";
    QTest::newRow("full Temp folder") << int(GSCompressor::TempFolderFull) << "temp-folder-full";
    QTest::newRow("interpreter's own error") << -100 << "interpreter-error";
    QTest::newRow("not found") << int(ResultTable::NotFound) << "not-found";
    QTest::newRow("not named a PDF") << int(ResultTable::NotPdfName) << "not-a-pdf";
    QTest::newRow("not a PDF") << int(ResultTable::NotPdf) << "not-a-pdf";
    QTest::newRow("damaged") << int(ResultTable::Damaged) << "damaged";
    QTest::newRow("locked") << int(ResultTable::Locked) << "locked";
    QTest::newRow("passwords rejected") << int(ResultTable::PasswordsRejected) << "password-rejected";
}

void TestResultTable::keysStayAsScriptsKnowThem()
{
    QFETCH(int, code);
    QFETCH(QString, key);
    QCOMPARE(ResultTable::key(code), key);
    // Every result has words of its own for the command and for the window.
    QVERIFY(!ResultTable::commandText(code).isEmpty());
    QVERIFY(ResultTable::windowText(code).endsWith('.'));
    QVERIFY(!ResultTable::commandText(code).endsWith('.'));
}

void TestResultTable::textsNameWhatTheyTell_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("named");
    QTest::newRow("the interpreter's error number") << -100 << "100";
    QTest::newRow("the Temp folder") << int(GSCompressor::TempFolderFull) << "/AppData/Roaming/Vantorel/Kompresto/Temp";
    QTest::newRow("a damaged installation") << int(GSCompressor::WorkerUnavailable) << "installation may be damaged";
}

void TestResultTable::textsNameWhatTheyTell()
{
    QFETCH(int, code);
    QFETCH(QString, named);
    QVERIFY2(ResultTable::commandText(code).contains(named), qPrintable(ResultTable::commandText(code)));
    QVERIFY2(ResultTable::windowText(code).contains(named), qPrintable(ResultTable::windowText(code)));
    QVERIFY(!ResultTable::windowText(code).contains("%1"));
}

QTEST_MAIN(TestResultTable)
#include "TestResultTable.moc"
