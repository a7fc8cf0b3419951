#include "support/MainWindowDriver.h"

#include "documents/FileItem.h"
#include "documents/FileItemList.h"
#include "engine/CompressSetting.h"
#include "engine/FitSearch.h"
#include "foundation/SettingsStore.h"
#include "support/TestHome.h"
#include "support/TestPdf.h"
#include "support/UrlRecorder.h"
#include "ui/CRotateLabel.h"
#include "ui/ModalDialogs.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QToolButton>

using namespace MainWindowDriver;

/** Compression runs from the main window, with the real Ghostscript and qpdf. */
class TestCompressionRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void compressAsksForTheOutputFolder();
    void runShowsEveryResult();
    void controlsAreDisabledDuringTheRun();
    void failingDocumentShowsTheFailureMark();
    void compressingFinishedRowsAgainIsAsked();
    void lockedRowsAreCountedInTheSummary();
    void settingsDismissAResultOnlyWhenChanged_data();
    void settingsDismissAResultOnlyWhenChanged();
    void settingsDuringARunKeepTheRunsResults();
    void applyToAllResetsDoneRows();
    void fitUnderShowsTheSizeAndWhenItIsMissed();
    void unlockedDocumentIsCompressed();
    void unlockDuringARunKeepsCompressDisabled();

private:
    void compressAndWait();
    static bool controlsEnabled(bool enabled);

    QTemporaryDir m_documents;
    std::unique_ptr<QTemporaryDir> m_output;
    std::unique_ptr<TestHome> m_home;
    UrlRecorder m_urls;
};

void TestCompressionRun::initTestCase()
{
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus");
    QVERIFY(loadStyleSheet());
    QVERIFY(TestPdf::writeImageDocument(m_documents.filePath("photos.pdf"), 3));
    QVERIFY(TestPdf::writeImageDocument(m_documents.filePath("scan.pdf"), 1));
    QVERIFY(TestPdf::writeTinyDocument(m_documents.filePath("tiny.pdf")));
    QVERIFY(TestPdf::writeEncryptedCopy(
        m_documents.filePath("scan.pdf"), m_documents.filePath("locked.pdf"), "secret", "owner"));
}

void TestCompressionRun::init()
{
    m_home = std::make_unique<TestHome>();
    m_output = std::make_unique<QTemporaryDir>();
    m_urls.opened.clear();
    MainWindow::instance()->show();
    QVERIFY(QTest::qWaitForWindowExposed(MainWindow::instance()));
}

void TestCompressionRun::cleanup()
{
    ModalDialogs::resetAnswers();
    MainWindow::destroyInstance();
    CompressSetting::setApplyToAll(false);
    m_home.reset();
}

void TestCompressionRun::compressAndWait()
{
    click("btn_compress");
    QTRY_VERIFY_WITH_TIMEOUT(MainWindow::instance()->isIdle(), 60000);
}

bool TestCompressionRun::controlsEnabled(bool enabled)
{
    for (const char* name :
        { "btn_add_file", "btn_clear", "btn_delete", "btn_open_folder", "btn_compress", "lineEdit_select_folder" }) {
        if (widget<QWidget>(name)->isEnabled() != enabled) {
            return false;
        }
    }
    return true;
}

void TestCompressionRun::compressAsksForTheOutputFolder()
{
    QVERIFY(addDocuments(m_documents.path(), { "tiny.pdf" }));
    int asked = 0;
    QString answer;
    ModalDialogs::setExistingDirectoryAnswer([&](QWidget*, const QString&, const QString&) {
        ++asked;
        return answer;
    });
    click("btn_compress");
    QCOMPARE(asked, 1);
    QVERIFY(MainWindow::instance()->isIdle());
    QCOMPARE(MainWindow::instance()->runningCount(), 0);
    QVERIFY(controlsEnabled(true));

    // Choosing a folder there starts the run at once and remembers the folder.
    answer = m_output->path();
    compressAndWait();
    QCOMPARE(asked, 2);
    QCOMPARE(SettingsStore::instance()->outputFolder(), m_output->path());
    QCOMPARE(widget<QLineEdit>("lineEdit_select_folder")->text(), m_output->path());
    QCOMPARE(filesIn(m_output->path()), QStringList { "tiny.pdf" });
}

void TestCompressionRun::runShowsEveryResult()
{
    QVERIFY(addDocuments(m_documents.path(), { "photos.pdf", "scan.pdf", "tiny.pdf" }));
    chooseOutputFolder(m_output->path());
    FileItemList* items = MainWindow::instance()->fileItemList();
    QList<std::shared_ptr<QSignalSpy>> started;
    for (int index = 0; index < items->count(); ++index) {
        started << std::make_shared<QSignalSpy>(items->at(index), &FileItem::processing);
    }

    click("btn_compress");
    // The first document is big enough for its busy indicator to be seen turning.
    QTRY_VERIFY(rowChild<CRotateLabel>(0, "label_waiting")->isRotating());
    QVERIFY(rowChild<QLabel>(0, "label_waiting")->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(MainWindow::instance()->isIdle(), 60000);

    QCOMPARE(filesIn(m_output->path()), (QStringList { "photos.pdf", "scan.pdf", "tiny.pdf" }));
    for (int index = 0; index < rowCount(); ++index) {
        QCOMPARE(started.at(index)->count(), 1);
        const QString name = items->at(index)->fileName();
        const QString delivered = m_output->filePath(name);
        auto* mark = rowChild<QPushButton>(index, "btn_convert_finished");
        QVERIFY(mark->isVisible());
        QVERIFY(mark->isEnabled());
        QVERIFY(!rowChild<QLabel>(index, "label_waiting")->isVisible());
        QCOMPARE(rowChild<QLabel>(index, "label_newName")->text(), name);
        QVERIFY(
            rowChild<QLabel>(index, "label_newSize")->text().startsWith(formatFileSize(QFileInfo(delivered).size())));
        QCOMPARE(row(index)->outputPath(), delivered);
        QVERIFY(!items->at(index)->isUnprocessed());
    }
    // The photos really shrank; the tiny document is delivered unchanged.
    QVERIFY(QFileInfo(m_output->filePath("photos.pdf")).size() < QFileInfo(m_documents.filePath("photos.pdf")).size());
    QCOMPARE(QFileInfo(m_output->filePath("tiny.pdf")).size(), QFileInfo(m_documents.filePath("tiny.pdf")).size());
    QCOMPARE(TestPdf::pageCount(m_output->filePath("photos.pdf")), 3);
    QVERIFY(controlsEnabled(true));

    // The success mark shows the file in the file browser (here: its folder, as no file manager answers).
    click(rowChild<QPushButton>(1, "btn_convert_finished"));
    QTRY_COMPARE(m_urls.opened, QList<QUrl> { QUrl::fromLocalFile(m_output->path()) });
    // The open-folder button opens the output folder.
    m_urls.opened.clear();
    click("btn_open_folder");
    QCOMPARE(m_urls.opened, QList<QUrl> { QUrl::fromLocalFile(m_output->path()) });
}

void TestCompressionRun::controlsAreDisabledDuringTheRun()
{
    QVERIFY(addDocuments(m_documents.path(), { "photos.pdf", "scan.pdf" }));
    chooseOutputFolder(m_output->path());
    int folderDialogs = 0;
    ModalDialogs::setExistingDirectoryAnswer([&](QWidget*, const QString&, const QString&) {
        ++folderDialogs;
        return QString();
    });
    click("btn_compress");
    QVERIFY(!MainWindow::instance()->isIdle());
    QCOMPARE(MainWindow::instance()->runningCount(), 2);
    // Everything waits but Compress, which is Stop for the length of the run.
    for (const char* name :
        { "btn_add_file", "btn_clear", "btn_delete", "btn_open_folder", "lineEdit_select_folder" }) {
        QVERIFY2(!widget<QWidget>(name)->isEnabled(), name);
    }
    QVERIFY(widget<QWidget>("btn_compress")->isEnabled());

    // Nothing changes the list while its documents are being compressed.
    list()->selectAll();
    QTest::keyClick(list(), Qt::Key_Delete);
    QTest::keyClick(list(), Qt::Key_Backspace);
    QVERIFY(!dragEnter({ m_documents.filePath("tiny.pdf") }, list()->viewport()));
    auto* field = widget<QLineEdit>("lineEdit_select_folder");
    QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, field->rect().center());
    QCOMPARE(rowCount(), 2);
    QCOMPARE(folderDialogs, 0);
    QCOMPARE(MainWindow::instance()->runningCount(), 2);
    // The rows still react.
    QVERIFY(rowChild<QPushButton>(1, "btn_compressSetting")->isEnabled());

    QTRY_VERIFY_WITH_TIMEOUT(MainWindow::instance()->isIdle(), 60000);
    QVERIFY(controlsEnabled(true));
    QCOMPARE(filesIn(m_output->path()), (QStringList { "photos.pdf", "scan.pdf" }));
    QVERIFY(dragEnter({ m_documents.filePath("tiny.pdf") }, list()->viewport()));
}

void TestCompressionRun::failingDocumentShowsTheFailureMark()
{
    const QString vanishing = m_output->filePath("vanishing.pdf");
    QVERIFY(QFile::copy(m_documents.filePath("scan.pdf"), vanishing));
    QVERIFY(addDocuments(m_documents.path(), { "tiny.pdf" }));
    MainWindow::instance()->addFileRows({ vanishing });
    QVERIFY(addDocuments(m_documents.path(), { "scan.pdf" }));
    // The document goes away after it was listed: its compression fails, the others go on.
    QVERIFY(QFile::remove(vanishing));
    QTemporaryDir target;
    chooseOutputFolder(target.path());
    compressAndWait();

    auto* failed = rowChild<QPushButton>(1, "btn_convert_finished");
    QVERIFY(failed->isVisible());
    QVERIFY(!failed->isEnabled());
    QVERIFY(rowChild<QLabel>(1, "label_newName")->text().isEmpty());
    QVERIFY(row(1)->item()->isUnprocessed());
    for (int index : { 0, 2 }) {
        QVERIFY(rowChild<QPushButton>(index, "btn_convert_finished")->isEnabled());
        QVERIFY(!row(index)->item()->isUnprocessed());
    }
    QCOMPARE(QDir(target.path()).entryList(QDir::Files, QDir::Name), (QStringList { "scan.pdf", "tiny.pdf" }));
    QVERIFY(controlsEnabled(true));
}

void TestCompressionRun::compressingFinishedRowsAgainIsAsked()
{
    QVERIFY(addDocuments(m_documents.path(), { "scan.pdf", "tiny.pdf" }));
    chooseOutputFolder(m_output->path());
    compressAndWait();
    QCOMPARE(filesIn(m_output->path()).size(), 2);

    // Every row is done: Compress says so and asks, instead of doing nothing without a word.
    QString question;
    bool answer = false;
    ModalDialogs::setQuestionAnswer([&](QWidget*, const QString&, const QString& text, const QString&) {
        question = text;
        return answer;
    });
    click("btn_compress");
    QVERIFY(question.contains(QDir::toNativeSeparators(m_output->path())));
    QVERIFY(MainWindow::instance()->isIdle());
    QCOMPARE(MainWindow::instance()->runningCount(), 0);
    QVERIFY(controlsEnabled(true));
    QCOMPARE(MainWindow::instance()->compressionPool()->activeThreadCount(), 0);
    QCOMPARE(filesIn(m_output->path()).size(), 2);
    QVERIFY(rowChild<QPushButton>(0, "btn_convert_finished")->isVisible());

    answer = true;
    compressAndWait();
    QCOMPARE(filesIn(m_output->path()).size(), 4);
}

// Rows skipped for their lock are named in the summary, not passed over in silence.
void TestCompressionRun::lockedRowsAreCountedInTheSummary()
{
    QVERIFY(addDocuments(m_documents.path(), { "tiny.pdf", "locked.pdf" }));
    chooseOutputFolder(m_output->path());
    compressAndWait();
    QCOMPARE(filesIn(m_output->path()), QStringList { "tiny.pdf" });
    QVERIFY(widget<QLabel>("label_runStatus")->text().contains("1 locked, not compressed"));
}

void TestCompressionRun::settingsDismissAResultOnlyWhenChanged_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<bool>("dismissed");
    QTest::newRow("cancelled") << "btn_low" << false << false;
    QTest::newRow("accepted unchanged") << "btn_high" << true << false;
    QTest::newRow("accepted another") << "btn_low" << true << true;
}

// Opening a row's settings to look at them, or to cancel, never costs the row its result.
void TestCompressionRun::settingsDismissAResultOnlyWhenChanged()
{
    QFETCH(QString, choice);
    QFETCH(bool, accept);
    QFETCH(bool, dismissed);
    QVERIFY(addDocuments(m_documents.path(), { "scan.pdf", "tiny.pdf" }));
    chooseOutputFolder(m_output->path());
    compressAndWait();
    const QString summary = widget<QLabel>("label_runStatus")->text();

    QString title;
    ModalDialogs::setExecAnswer([choice, accept, &title](QDialog* dialog) {
        title = dialog->windowTitle();
        click(dialog->findChild<QAbstractButton*>(choice));
        click(dialog->findChild<QPushButton*>(accept ? "btn_ok" : "btn_cancel"));
        return dialog->result();
    });
    click(rowChild<QPushButton>(1, "btn_compressSetting"));
    QCOMPARE(rowChild<QWidget>(1, "btn_convert_finished")->isVisible(), !dismissed);
    QCOMPARE(rowChild<QLabel>(1, "label_newName")->text().isEmpty(), dismissed);
    QCOMPARE(row(1)->item()->isUnprocessed(), dismissed);
    QVERIFY(!row(0)->item()->isUnprocessed());
    QCOMPARE(widget<QLabel>("label_runStatus")->text(), dismissed ? QString() : summary);
    QCOMPARE(title, QString("Compress Setting — tiny.pdf"));
    if (dismissed) {
        QCOMPARE(rowChild<QLabel>(1, "label_3")->text(), QString("Large File Size"));
    }

    ModalDialogs::setExecAnswer(nullptr);
    ModalDialogs::setQuestionAnswer([](QWidget*, const QString&, const QString&, const QString&) { return false; });
    compressAndWait();
    // A second copy only for the row whose setting changed; it gets a name of its own.
    QCOMPARE(filesIn(m_output->path()).size(), dismissed ? 3 : 2);
    QVERIFY(rowChild<QWidget>(1, "btn_convert_finished")->isVisible());
    QVERIFY(filesIn(m_output->path()).contains(rowChild<QLabel>(1, "label_newName")->text()));
}

// The dialog of a row in the run changes nothing of that run: the row still shows what it delivers.
void TestCompressionRun::settingsDuringARunKeepTheRunsResults()
{
    QVERIFY(addDocuments(m_documents.path(), { "photos.pdf", "scan.pdf" }));
    chooseOutputFolder(m_output->path());
    click("btn_compress");
    QVERIFY(!MainWindow::instance()->isIdle());
    ModalDialogs::setExecAnswer([](QDialog* dialog) {
        click(dialog->findChild<QPushButton*>("btn_cancel"));
        return dialog->result();
    });
    click(rowChild<QPushButton>(0, "btn_compressSetting"));
    click(rowChild<QPushButton>(1, "btn_compressSetting"));
    QTRY_VERIFY_WITH_TIMEOUT(MainWindow::instance()->isIdle(), 60000);
    for (int index = 0; index < rowCount(); ++index) {
        QVERIFY(rowChild<QWidget>(index, "btn_convert_finished")->isVisible());
        QVERIFY(!rowChild<QLabel>(index, "label_newName")->text().isEmpty());
        QVERIFY(!row(index)->item()->isUnprocessed());
    }
    ModalDialogs::setExecAnswer(nullptr);
    ModalDialogs::setQuestionAnswer([](QWidget*, const QString&, const QString&, const QString&) { return false; });
    click("btn_compress");
    QVERIFY(MainWindow::instance()->isIdle());
    QCOMPARE(filesIn(m_output->path()).size(), 2);
}

void TestCompressionRun::applyToAllResetsDoneRows()
{
    const QString vanishing = m_output->filePath("vanishing.pdf");
    QVERIFY(QFile::copy(m_documents.filePath("tiny.pdf"), vanishing));
    QVERIFY(addDocuments(m_documents.path(), { "scan.pdf", "tiny.pdf" }));
    MainWindow::instance()->addFileRows({ vanishing });
    QVERIFY(waitUntilAdded());
    QVERIFY(QFile::remove(vanishing));
    QTemporaryDir target;
    chooseOutputFolder(target.path());
    compressAndWait();
    QVERIFY(!rowChild<QWidget>(2, "btn_convert_finished")->isEnabled());

    QVERIFY(widget<QLabel>("label_runStatus")->isVisible());

    // "Apply to all" with another setting than the results were made with: every result goes, and
    // so does the summary that spoke of them.
    ModalDialogs::setExecAnswer([](QDialog* dialog) {
        click(dialog->findChild<QAbstractButton*>("btn_low"));
        dialog->findChild<QCheckBox*>("checkBoxApplyToAll")->setChecked(true);
        click(dialog->findChild<QPushButton*>("btn_ok"));
        return dialog->result();
    });
    click(rowChild<QPushButton>(0, "btn_compressSetting"));
    for (int index = 0; index < rowCount(); ++index) {
        QVERIFY(!rowChild<QWidget>(index, "btn_convert_finished")->isVisible());
        QVERIFY(rowChild<QLabel>(index, "label_newName")->text().isEmpty());
        QVERIFY(row(index)->item()->isUnprocessed());
    }
    QVERIFY(CompressSetting::applyToAll());
    QVERIFY(widget<QLabel>("label_runStatus")->isHidden());
}

// Rows say the size they fit under; one that cannot get there shows both sizes, counts as failed and
// still offers the smallest copy it delivered.
void TestCompressionRun::fitUnderShowsTheSizeAndWhenItIsMissed()
{
    QVERIFY(addDocuments(m_documents.path(), { "scan.pdf", "tiny.pdf" }));
    chooseOutputFolder(m_output->path());
    ModalDialogs::setExecAnswer([](QDialog* dialog) {
        click(dialog->findChild<QAbstractButton*>("btn_fit"));
        auto* size = dialog->findChild<QAbstractSpinBox*>("spinBox_targetSize");
        size->setFocus();
        QTest::keyClick(size, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(size, "10 KB");
        dialog->findChild<QCheckBox*>("checkBoxApplyToAll")->setChecked(true);
        click(dialog->findChild<QPushButton*>("btn_ok"));
        return dialog->result();
    });
    click(rowChild<QPushButton>(0, "btn_compressSetting"));
    for (int index = 0; index < rowCount(); ++index) {
        QCOMPARE(rowChild<QLabel>(index, "label_3")->text(), QString("Fit under 10 KB"));
    }

    ModalDialogs::setExecAnswer(nullptr);
    compressAndWait();
    const QString missed = rowChild<QLabel>(0, "label_3")->text() + rowChild<QLabel>(0, "label_3")->toolTip();
    QVERIFY2(missed.contains("Smallest possible: ") && missed.contains(", over 10 KB"), qPrintable(missed));
    QVERIFY(rowChild<QWidget>(0, "btn_convert_finished")->isEnabled());
    QCOMPARE(row(0)->item()->resultCode(), int(FitSearch::DoesNotFit));
    QVERIFY(QFileInfo(row(0)->item()->outputPath()).size() > 10 * 1024);
    // The tiny document fits as it is.
    QCOMPARE(row(1)->item()->resultCode(), int(GSCompressor::Success));
    QVERIFY(QFileInfo(row(1)->item()->outputPath()).size() <= 10 * 1024);
    QVERIFY(widget<QLabel>("label_runStatus")->text().contains("1 failed"));
    QCOMPARE(filesIn(m_output->path()), QStringList({ "scan.pdf", "tiny.pdf" }));
}

void TestCompressionRun::unlockedDocumentIsCompressed()
{
    QVERIFY(addDocuments(m_documents.path(), { "locked.pdf" }));
    chooseOutputFolder(m_output->path());
    click("btn_compress");
    QVERIFY(MainWindow::instance()->isIdle());
    QVERIFY(filesIn(m_output->path()).isEmpty());

    ModalDialogs::setExecAnswer([](QDialog* dialog) {
        QTest::keyClicks(dialog->findChild<QLineEdit*>("lineEdit_password"), "secret");
        click(dialog->findChild<QPushButton*>("btn_ok"));
        return dialog->result();
    });
    click(rowChild<QPushButton>(0, "btn_decrypt"));
    compressAndWait();
    QCOMPARE(filesIn(m_output->path()), QStringList { "locked.pdf" });
    QVERIFY(rowChild<QPushButton>(0, "btn_convert_finished")->isEnabled());
    QCOMPARE(TestPdf::pageCount(m_output->filePath("locked.pdf"), "secret"), 1);
}

void TestCompressionRun::unlockDuringARunKeepsCompressDisabled()
{
    QVERIFY(addDocuments(m_documents.path(), { "photos.pdf", "locked.pdf" }));
    chooseOutputFolder(m_output->path());
    click("btn_compress");
    QVERIFY(!MainWindow::instance()->isIdle());

    // The rows still react during a run, the lock button too; the button stays Stop until the end.
    ModalDialogs::setExecAnswer([](QDialog* dialog) {
        QTest::keyClicks(dialog->findChild<QLineEdit*>("lineEdit_password"), "secret");
        click(dialog->findChild<QPushButton*>("btn_ok"));
        return dialog->result();
    });
    click(rowChild<QPushButton>(1, "btn_decrypt"));
    QCOMPARE(widget<QPushButton>("btn_compress")->text(), QString("Stop"));

    QTRY_VERIFY_WITH_TIMEOUT(MainWindow::instance()->isIdle(), 60000);
    QVERIFY(controlsEnabled(true));
    compressAndWait();
    QCOMPARE(filesIn(m_output->path()), (QStringList { "locked.pdf", "photos.pdf" }));
}

QTEST_MAIN(TestCompressionRun)
#include "TestCompressionRun.moc"
