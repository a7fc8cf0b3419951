#include "support/TestMain.h"
#include "support/TestPdf.h"
#include "ui/FolderProblemNotice.h"
#include "ui/ModalDialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>

/** The window's start-up says once, with the folder and the reason, when the home cannot hold its folders. */
class TestFolderProblemNotice : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void saysWhichFolderAndWhy();
    void saysNothingWhenTheFoldersCanBeMade();
};

void TestFolderProblemNotice::cleanup() { ModalDialogs::resetAnswers(); }

void TestFolderProblemNotice::saysWhichFolderAndWhy()
{
    QTemporaryDir work;
    const QString home = work.filePath("home");
    QVERIFY(TestPdf::writeBytes(home, "a file where the home folder should be\n"));
    const TestHome unusableHome(home);
    QStringList shown;
    ModalDialogs::setExecAnswer([&shown](QDialog* dialog) {
        shown << static_cast<QMessageBox*>(dialog)->text();
        return int(QMessageBox::Ok);
    });
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot create the folder"));

    QVERIFY(!FolderProblemNotice::check(nullptr));

    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown.constFirst().contains(home), qPrintable(shown.constFirst()));
    QVERIFY2(shown.constFirst().contains("Not a directory"), qPrintable(shown.constFirst()));
}

void TestFolderProblemNotice::saysNothingWhenTheFoldersCanBeMade()
{
    int shown = 0;
    ModalDialogs::setExecAnswer([&shown](QDialog*) { return ++shown; });

    QVERIFY(FolderProblemNotice::check(nullptr));

    QCOMPARE(shown, 0);
    QVERIFY(QFileInfo(QDir::homePath() + "/AppData/Roaming/Vantorel/Kompresto/Temp").isDir());
}

int main(int argc, char* argv[]) { return runTestWithPrivateHome<QApplication, TestFolderProblemNotice>(argc, argv); }
#include "TestFolderProblemNotice.moc"
