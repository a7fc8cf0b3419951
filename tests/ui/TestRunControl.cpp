#include "support/MainWindowDriver.h"
#include "support/ProcessTable.h"

#include "documents/FileItem.h"
#include "documents/FileItemList.h"
#include "documents/PDFFileItem.h"
#include "engine/GSCompressor.h"
#include "engine/RunFolder.h"
#include "foundation/LanguageCode.h"
#include "foundation/ProductConstants.h"
#include "foundation/SettingsStore.h"
#include "foundation/SleepInhibitor.h"
#include "services/MultiLanguage.h"
#include "support/TestHome.h"
#include "support/TestPdf.h"
#include "ui/CustomWindowFrame.h"
#include "ui/EnterPassword.h"
#include "ui/ModalDialogs.h"
#include "ui/QAbout.h"

#include <QContextMenuEvent>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRunnable>
#include <QSemaphore>
#include <QSet>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QThreadPool>
#include <QTimer>

using namespace MainWindowDriver;

namespace {
    const char* const closeDuringRunSwitch = "--close-during-run";
    const char* const exitWithStuckCompressionSwitch = "--exit-with-stuck-compression";
    // Markup that a label would render: bold, an entity, a line break. A file name cannot hold a slash.
    const QString hostileName = QStringLiteral("<b>&amp; 'q'<br>1%.pdf");

    /** The longest time the GUI thread went without turning its event loop, while it is watched. */
    class StallWatch final : public QObject
    {
    public:
        StallWatch()
        {
            m_timer.setInterval(20);
            connect(
                &m_timer, &QTimer::timeout, this, [this] { m_longest = std::max(m_longest, m_sinceTick.restart()); });
            m_sinceTick.start();
            m_timer.start();
        }
        qint64 longestMs() const { return m_longest; }

    private:
        QTimer m_timer;
        QElapsedTimer m_sinceTick;
        qint64 m_longest = 0;
    };
} // namespace

/** A run the user can follow, stop and trust: the real window, real documents, the real Ghostscript. */
class TestRunControl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void windowAnswersDuringARun();
    void stopReturnsEveryRowToPending();
    void closingDuringARunEndsTheProcess();
    void closingDuringARunAsksFirst();
    void exitPastAStuckCompressionRemovesItsCopies();
    void keyboardAloneRunsTheJob();
    void rowSaysWhatStageItsDocumentIsIn();
    void runEndsWithASummaryAndEachRowsShare();
    void failedMarkNamesTheReason_data();
    void failedMarkNamesTheReason();
    void unwritableOutputFolderIsTheNamedReason();
    void namesAreShownLiterally();
    void addedRowsAreScrolledIntoView();

private:
    QTemporaryDir m_documents;
    std::unique_ptr<QTemporaryDir> m_output;
    std::unique_ptr<TestHome> m_home;
};

void TestRunControl::initTestCase()
{
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus");
    QVERIFY(loadStyleSheet());
    // The window icon as start-up sets it: Qt converts it on its global pool when a dialog first shows.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/resource/vantorel.ico")));
    // Big enough to keep the interpreter busy for seconds.
    QVERIFY(TestPdf::writeImageDocument(m_documents.filePath("long.pdf"), 4));
    QVERIFY(TestPdf::writeImageDocument(m_documents.filePath("scan.pdf"), 1));
    QVERIFY(TestPdf::writeTinyDocument(m_documents.filePath("tiny.pdf")));
    QVERIFY(TestPdf::writeEncryptedCopy(
        m_documents.filePath("scan.pdf"), m_documents.filePath("locked.pdf"), "secret", "owner"));
    QFile scan(m_documents.filePath("scan.pdf"));
    QVERIFY2(scan.copy(m_documents.filePath(hostileName)), qPrintable(scan.errorString()));
    MultiLanguage::instance()->setLanguage(English);
}

void TestRunControl::init()
{
    m_home = std::make_unique<TestHome>();
    m_output = std::make_unique<QTemporaryDir>();
    MainWindow::instance()->show();
    QVERIFY(QTest::qWaitForWindowExposed(MainWindow::instance()));
}

void TestRunControl::cleanup()
{
    ModalDialogs::resetAnswers();
    MainWindow::destroyInstance();
    m_home.reset();
}

void TestRunControl::windowAnswersDuringARun()
{
    QVERIFY(addDocuments(m_documents.path(), { "long.pdf", "locked.pdf" }));
    chooseOutputFolder(m_output->path());
    StallWatch watch;
    click("btn_compress");
    QTRY_VERIFY(rowChild<QWidget>(0, "label_waiting")->isVisible());

    // Dialogs opened for the first time while the interpreter works appear at once.
    QPointer<QAbout> about = new QAbout(MainWindow::instance());
    about->show();
    QVERIFY(QTest::qWaitForWindowExposed(about));
    auto* locked = qobject_cast<PDFFileItem*>(MainWindow::instance()->fileItemList()->at(1));
    QPointer<EnterPassword> password = new EnterPassword(locked, MainWindow::instance());
    password->show();
    QVERIFY(QTest::qWaitForWindowExposed(password));
    QVERIFY2(!MainWindow::instance()->isIdle(), "the run goes on while the dialogs are shown");

    // The bottom bar says which file is being worked on, and the row how far its document has got.
    QCOMPARE(widget<QLabel>("label_runStatus")->text(), QString("Compressing 1 of 1"));
    QTRY_VERIFY_WITH_TIMEOUT(rowChild<QLabel>(0, "label_3")->text().startsWith("Page "), 30000);
    delete about;
    delete password;

    QTRY_VERIFY_WITH_TIMEOUT(MainWindow::instance()->isIdle(), 120000);
    qInfo() << "The window's longest pause during the run:" << watch.longestMs() << "ms";
    QVERIFY2(watch.longestMs() < 1000, qPrintable(QString("the window stood still for %1 ms").arg(watch.longestMs())));
    // After the run the line names the setting the copy was made with.
    QCOMPARE(rowChild<QLabel>(0, "label_3")->text(), QString("Small File Size"));
}

void TestRunControl::stopReturnsEveryRowToPending()
{
    // One thread: the first document runs while the other two wait in the queue.
    QVERIFY(addDocuments(m_documents.path(), { "long.pdf", "scan.pdf", "tiny.pdf" }));
    chooseOutputFolder(m_output->path());
    MainWindow::instance()->compressionPool()->setMaxThreadCount(1);
    QVERIFY(!SleepInhibitor::instance()->isKeepingAwake());

    click("btn_compress");
    auto* button = widget<QPushButton>("btn_compress");
    QCOMPARE(button->text(), QString("Stop"));
    QVERIFY(button->isEnabled());
    QVERIFY(!widget<QWidget>("btn_add_file")->isEnabled());
    QVERIFY2(SleepInhibitor::instance()->isKeepingAwake(), "awake while working");
    QTRY_VERIFY(rowChild<QWidget>(0, "label_waiting")->isVisible());

    click(button);
    for (int index : { 1, 2 }) {
        QVERIFY(!rowChild<QWidget>(index, "label_waiting")->isVisible());
        QVERIFY(!rowChild<QWidget>(index, "btn_convert_finished")->isVisible());
    }
    QVERIFY(!button->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(MainWindow::instance()->isIdle(), 120000);

    QCOMPARE(button->text(), QString("Compress"));
    QCOMPARE(widget<QLabel>("label_runStatus")->text(), QString("Stopped"));
    QVERIFY(button->isEnabled());
    QVERIFY(widget<QWidget>("btn_add_file")->isEnabled());
    QVERIFY2(!SleepInhibitor::instance()->isKeepingAwake(), "released on Stop");
    for (int index : { 1, 2 }) {
        QVERIFY(row(index)->item()->isUnprocessed());
        QVERIFY(!rowChild<QWidget>(index, "btn_convert_finished")->isVisible());
    }
    // Neither the queued documents nor the stopped one delivered anything.
    QCOMPARE(filesIn(m_output->path()), QStringList());
    QVERIFY(row(0)->item()->isUnprocessed());
    QVERIFY(!rowChild<QWidget>(0, "btn_convert_finished")->isVisible());
    // The interrupted row says so; the rows that never started look as they did.
    QCOMPARE(rowChild<QLabel>(0, "label_3")->text(), QString("Stopped"));
    QCOMPARE(rowChild<QLabel>(1, "label_3")->text(), QString("Small File Size"));
    QTRY_COMPARE(QDir(Product::tempFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());

    // A later Compress runs the pending rows again.
    MainWindow::instance()->compressionPool()->setMaxThreadCount(2);
    click(button);
    QTRY_VERIFY_WITH_TIMEOUT(MainWindow::instance()->isIdle(), 120000);
    QCOMPARE(filesIn(m_output->path()), (QStringList { "long.pdf", "scan.pdf", "tiny.pdf" }));
    QVERIFY(!SleepInhibitor::instance()->isKeepingAwake());
}

namespace {
    /** Starts this test program again as a child with arguments and HOME at home; whether it started. */
    bool startChild(QProcess& child, const TestHome& home, const QStringList& arguments)
    {
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home.path());
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), arguments);
        return child.waitForStarted();
    }
} // namespace

// The real window in a child process: it starts a run, its frame is closed, and the process must end
// promptly without delivering anything afterwards.
void TestRunControl::closingDuringARunEndsTheProcess()
{
    const TestHome home;
    QProcess child;
    QVERIFY(startChild(child, home, { closeDuringRunSwitch, m_documents.filePath("long.pdf"), m_output->path() }));
    QByteArray output;
    QTRY_VERIFY2_WITH_TIMEOUT(
        (output += child.readAllStandardOutput()).contains("closing\n"), output.right(2000), 60000);
    QTRY_VERIFY2_WITH_TIMEOUT((output += child.readAllStandardOutput()).contains("asked\n"), output.right(2000), 60000);

    QElapsedTimer sinceClose;
    sinceClose.start();
    // With the worker stopped at once, the process may well have gone before the wait begins.
    QVERIFY(child.state() == QProcess::NotRunning || child.waitForFinished(15000));
    qInfo() << "The process ended" << sinceClose.elapsed() << "ms after its window closed";
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    // Once no process of that window is left, a worker included, nothing can deliver any more.
    QTRY_VERIFY_WITH_TIMEOUT(!ProcessTable::anyProcessHasHome(home.path()), 15000);
    QCOMPARE(filesIn(m_output->path()), QStringList());
}

// A compression that does not stop in time is left behind at exit, so that the process never goes on
// invisibly; the private copy it holds must not be left behind with it.
void TestRunControl::exitPastAStuckCompressionRemovesItsCopies()
{
    const TestHome home;
    QProcess child;
    QVERIFY(startChild(child, home, { exitWithStuckCompressionSwitch }));
    QByteArray output;
    QTRY_VERIFY2_WITH_TIMEOUT(
        (output += child.readAllStandardOutput()).contains("staged\n"), output.right(2000), 60000);
    QVERIFY(child.state() == QProcess::NotRunning || child.waitForFinished(60000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(QDir(Product::tempFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

// Closing during a run asks; declined, the window stays and the run goes on to its end.
void TestRunControl::closingDuringARunAsksFirst()
{
    QVERIFY(addDocuments(m_documents.path(), { "long.pdf" }));
    chooseOutputFolder(m_output->path());
    auto* frame = new CustomWindowFrame(MainWindow::instance(), nullptr);
    frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame));
    QStringList questions;
    ModalDialogs::setQuestionAnswer([&](QWidget*, const QString&, const QString& text, const QString&) {
        questions << text;
        return false;
    });
    QVERIFY(frame->close()); // idle: nothing to ask
    QVERIFY(questions.isEmpty());
    frame->show();

    click("btn_compress");
    QVERIFY(!MainWindow::instance()->isIdle());
    QVERIFY(!frame->close());
    QCOMPARE(questions, QStringList { "Documents are still being compressed. Stop the run and quit?" });
    QVERIFY(frame->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(MainWindow::instance()->isIdle(), 120000);
    QCOMPARE(filesIn(m_output->path()), QStringList { "long.pdf" });

    // The window goes back to the test before the frame is released.
    MainWindow::instance()->setParent(nullptr);
    delete frame;
}

// From adding to stopping, with the keyboard alone: every control is reached by Tab and shows it.
void TestRunControl::keyboardAloneRunsTheJob()
{
    MainWindow* window = MainWindow::instance();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    ModalDialogs::setOpenFileNamesAnswer([this](QWidget*, const QString&, const QString&, const QString&) {
        return QStringList { m_documents.filePath("long.pdf"), m_documents.filePath("scan.pdf"),
            m_documents.filePath("tiny.pdf") };
    });
    QTest::keyClick(window, Qt::Key_O, Qt::ControlModifier);
    QVERIFY(waitUntilAdded());
    QCOMPARE(rowCount(), 3);

    QSet<QString> reached;
    widget<QWidget>("btn_add_file")->setFocus();
    for (int step = 0; step < 12; ++step) {
        QWidget* focused = QApplication::focusWidget();
        QVERIFY(focused != nullptr);
        reached << focused->objectName();
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    for (const char* name : { "btn_add_file", "btn_delete", "btn_clear", "listWidget", "lineEdit_select_folder",
             "btn_open_folder", "btn_compress" }) {
        QVERIFY2(reached.contains(name), name);
        QVERIFY2(widget<QWidget>(name)->focusPolicy() & Qt::TabFocus, name);
    }

    // Space on the folder field chooses the folder.
    ModalDialogs::setExistingDirectoryAnswer(
        [this](QWidget*, const QString&, const QString&) { return m_output->path(); });
    widget<QWidget>("lineEdit_select_folder")->setFocus();
    QTest::keyClick(widget<QWidget>("lineEdit_select_folder"), Qt::Key_Space);
    QCOMPARE(widget<QLineEdit>("lineEdit_select_folder")->text(), m_output->path());

    // Enter on a row opens its settings.
    QStringList opened;
    ModalDialogs::setExecAnswer([&opened](QDialog* dialog) {
        opened << dialog->objectName();
        return int(QDialog::Rejected);
    });
    list()->setFocus();
    list()->setCurrentRow(1);
    QTest::keyClick(list(), Qt::Key_Return);
    QCOMPARE(opened, QStringList { "CompressSettingWidget" });

    // The Menu key offers everything the row's buttons do, for the current row.
    QStringList offered;
    ModalDialogs::setMenuAnswer([&offered](QMenu* menu) -> QAction* {
        for (QAction* action : menu->actions()) {
            offered << action->text();
        }
        return menu->actions().value(0);
    });
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(5, 5));
    QApplication::sendEvent(list(), &menuKey);
    QCOMPARE(offered, (QStringList { "Compression Settings…", "Open Document" }));
    QCOMPARE(opened.size(), 2);

    // Ctrl+Return starts the run; the button keeps the focus, so Space stops it.
    MainWindow::instance()->compressionPool()->setMaxThreadCount(1);
    QTest::keyClick(list(), Qt::Key_Return, Qt::ControlModifier);
    QVERIFY(!window->isIdle());
    auto* button = widget<QPushButton>("btn_compress");
    QCOMPARE(QApplication::focusWidget(), button);
    QCOMPARE(button->text(), QString("Stop"));
    QTest::keyClick(button, Qt::Key_Space);
    QTRY_VERIFY_WITH_TIMEOUT(window->isIdle(), 120000);
    QCOMPARE(QApplication::focusWidget(), button);
    QVERIFY(row(2)->item()->isUnprocessed());

    // Esc stops a run too.
    QTest::keyClick(button, Qt::Key_Space);
    QVERIFY(!window->isIdle());
    QTest::keyClick(window, Qt::Key_Escape);
    QTRY_VERIFY_WITH_TIMEOUT(window->isIdle(), 120000);
    QVERIFY(widget<QLabel>("label_runStatus")->text().contains("topped"));

    // Select all and Delete empty the list.
    QTest::keyClick(window, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(list()->selectedItems().size(), 3);
    QTest::keyClick(list(), Qt::Key_Delete);
    QCOMPARE(rowCount(), 0);
}

// The row's third line follows its document: the page being written, the final choice, a stop.
void TestRunControl::rowSaysWhatStageItsDocumentIsIn()
{
    QVERIFY(addDocuments(m_documents.path(), { "tiny.pdf" }));
    auto* pdf = qobject_cast<PDFFileItem*>(MainWindow::instance()->fileItemList()->at(0));
    auto* line = rowChild<QLabel>(0, "label_3");
    QCOMPARE(line->text(), QString("Small File Size"));
    emit pdf->processing();
    emit pdf->compressionProgress(2, 3);
    QCOMPARE(line->text(), QString("Page 2 of 3"));
    emit pdf->compressionProgress(3, 3);
    QCOMPARE(line->text(), QString("Choosing the smallest copy…"));
    pdf->fileProcessFinished(GSCompressor::Stopped);
    QCOMPARE(line->text(), QString("Stopped"));
    QVERIFY(pdf->isUnprocessed());
}

void TestRunControl::runEndsWithASummaryAndEachRowsShare()
{
    QVERIFY(addDocuments(m_documents.path(), { "scan.pdf", "tiny.pdf" }));
    chooseOutputFolder(m_output->path());
    click("btn_compress");
    QTRY_VERIFY_WITH_TIMEOUT(MainWindow::instance()->isIdle(), 120000);

    const qint64 before
        = QFileInfo(m_documents.filePath("scan.pdf")).size() + QFileInfo(m_documents.filePath("tiny.pdf")).size();
    const qint64 after
        = QFileInfo(m_output->filePath("scan.pdf")).size() + QFileInfo(m_output->filePath("tiny.pdf")).size();
    QVERIFY(after < before);
    const int percent = qRound(100.0 * (before - after) / before);
    QCOMPARE(widget<QLabel>("label_runStatus")->text(),
        QString("2 files · %1 → %2 · %3 % smaller").arg(formatFileSize(before), formatFileSize(after)).arg(percent));

    const qint64 scanBefore = QFileInfo(m_documents.filePath("scan.pdf")).size();
    const qint64 scanAfter = QFileInfo(m_output->filePath("scan.pdf")).size();
    QCOMPARE(rowChild<QLabel>(0, "label_newSize")->text(),
        QString("%1 · %2 % smaller")
            .arg(formatFileSize(scanAfter))
            .arg(qRound(100.0 * (scanBefore - scanAfter) / scanBefore)));
    // The tiny document cannot shrink: handed back as it was, and the row says so and why.
    QCOMPARE(rowChild<QLabel>(1, "label_newSize")->text(),
        QString("%1 · unchanged").arg(formatFileSize(QFileInfo(m_output->filePath("tiny.pdf")).size())));
    QVERIFY(rowChild<QWidget>(1, "btn_convert_finished")->toolTip().contains("could not be made smaller"));
    QVERIFY(!rowChild<QWidget>(0, "btn_convert_finished")->toolTip().contains("unchanged"));
    QCOMPARE(rowChild<QLabel>(0, "label_pages")->text(), QString("1 Page"));

    // The summary stays until the list changes.
    QVERIFY(addDocuments(m_documents.path(), { "long.pdf" }));
    QVERIFY(!widget<QLabel>("label_runStatus")->isVisible());
    QCOMPARE(rowChild<QLabel>(2, "label_pages")->text(), QString("4 Pages"));
}

void TestRunControl::failedMarkNamesTheReason_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("reason");
    QTest::newRow("staging") << int(GSCompressor::StagingFailed) << "The document could not be read.";
    QTest::newRow("delivery") << int(GSCompressor::DeliveryFailed)
                              << "The compressed file could not be moved into the output folder.";
    QTest::newRow("unsound") << int(GSCompressor::UnsoundDocument)
                             << "The document is damaged or incomplete, or its rewrite came out incomplete.";
    QTest::newRow("password") << int(GSCompressor::PasswordRejected) << "The document's password is missing or wrong.";
    QTest::newRow("folder") << int(GSCompressor::OutputFolderUnavailable)
                            << "The output folder cannot be created or written to.";
    QTest::newRow("crashed") << int(GSCompressor::InterpreterCrashed)
                             << "The PDF interpreter crashed on this document.";
    QTest::newRow("timed out") << int(GSCompressor::TimedOut) << "The compression took too long and was ended.";
    QTest::newRow("interpreter") << -100 << "The PDF interpreter reported error -100.";
}

// Each code reaches the row the way a task's result does, through the item.
void TestRunControl::failedMarkNamesTheReason()
{
    QFETCH(int, code);
    QFETCH(QString, reason);
    QVERIFY(addDocuments(m_documents.path(), { "tiny.pdf" }));
    row(0)->item()->fileProcessFinished(code);
    auto* mark = rowChild<QPushButton>(0, "btn_convert_finished");
    QVERIFY(mark->isVisible());
    QVERIFY(!mark->isEnabled());
    QCOMPARE(mark->toolTip(), reason);
    // The reason is on the row itself, cut to its column when long, whole in the tooltip.
    auto* line = rowChild<QLabel>(0, "label_3");
    QVERIFY(!line->text().isEmpty());
    QVERIFY(line->text() == reason || line->toolTip().contains(reason.toHtmlEscaped()));
    QVERIFY(line->text() == reason || line->text().endsWith(QChar(0x2026)));

    // Every reason is said in the user's language.
    MultiLanguage::instance()->setLanguage(German);
    const QString german = mark->toolTip();
    MultiLanguage::instance()->setLanguage(English);
    QVERIFY(!german.isEmpty());
    QVERIFY2(german != reason, qPrintable(german));
    QCOMPARE(mark->toolTip(), reason);
}

// A file where the output folder should be: the real run fails, and the mark says why.
void TestRunControl::unwritableOutputFolderIsTheNamedReason()
{
    const QString blocked = m_output->filePath("blocked");
    QVERIFY(TestPdf::writeBytes(blocked, "not a folder"));
    QVERIFY(addDocuments(m_documents.path(), { "tiny.pdf" }));
    chooseOutputFolder(blocked + "/inside");
    click("btn_compress");
    QTRY_VERIFY_WITH_TIMEOUT(MainWindow::instance()->isIdle(), 60000);
    QCOMPARE(rowChild<QPushButton>(0, "btn_convert_finished")->toolTip(),
        QString("The output folder cannot be created or written to."));
    QCOMPARE(widget<QLabel>("label_runStatus")->text(), QString("1 failed"));
}

void TestRunControl::namesAreShownLiterally()
{
    QVERIFY(addDocuments(m_documents.path(), { hostileName }));
    chooseOutputFolder(m_output->path());
    auto* name = rowChild<QLabel>(0, "label_name");
    QCOMPARE(name->textFormat(), Qt::PlainText);
    QCOMPARE(name->text(), hostileName);
    click("btn_compress");
    QTRY_VERIFY_WITH_TIMEOUT(MainWindow::instance()->isIdle(), 60000);

    auto* newName = rowChild<QLabel>(0, "label_newName");
    QCOMPARE(newName->textFormat(), Qt::PlainText);
    QCOMPARE(newName->text(), hostileName);
    QCOMPARE(filesIn(m_output->path()), QStringList { hostileName });
    // Tooltips are rich text; what the user reads of them is the name itself.
    for (QLabel* label : { name, newName }) {
        QTextDocument shown;
        shown.setHtml(label->toolTip());
        QCOMPARE(shown.toPlainText(), hostileName);
    }
}

void TestRunControl::addedRowsAreScrolledIntoView()
{
    QStringList first;
    for (int index = 0; index < 12; ++index) {
        first << m_documents.filePath(QString("copy %1.pdf").arg(index));
        QVERIFY(QFile::exists(first.last()) || QFile::copy(m_documents.filePath("tiny.pdf"), first.last()));
    }
    MainWindow::instance()->addFileRows(first.mid(0, 10));
    MainWindow::instance()->addFileRows(first.mid(10));
    QVERIFY(waitUntilAdded());
    QCOMPARE(rowCount(), 12);
    QVERIFY(list()->viewport()->rect().contains(list()->visualItemRect(list()->item(11))));
}

namespace {
    // The child's side of closingDuringARunEndsTheProcess: the application as start-up builds it.
    int closeDuringRun(int argc, char* argv[])
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus");
        QApplication application(argc, argv);
        const QString document = QString::fromLocal8Bit(argv[2]);
        SettingsStore::instance()->setOutputFolder(QString::fromLocal8Bit(argv[3]));
        MainWindow* window = MainWindow::instance();
        auto* frame = new CustomWindowFrame(window, nullptr);
        frame->show();
        window->addFileRows({ document });
        // The user is asked, and answers: stop and quit.
        ModalDialogs::setQuestionAnswer([](QWidget*, const QString&, const QString&, const QString&) {
            fputs("asked\n", stdout);
            fflush(stdout);
            return true;
        });
        QObject::connect(window->fileItemList()->at(0), &FileItem::processing, frame, [frame] {
            // The interpreter has the document; the user closes the window.
            QTimer::singleShot(300, frame, [frame] {
                fputs("closing\n", stdout);
                fflush(stdout);
                frame->findChild<QPushButton*>("btn_close")->click();
            });
        });
        waitUntilAdded();
        QTimer::singleShot(0, window, [] { click("btn_compress"); });
        return MainWindow::finishBeforeExit(application.exec());
    }

    // The child's side of exitPastAStuckCompressionRemovesItsCopies: a compression that never ends
    // holds a private copy in its folder when the application ends.
    int exitWithStuckCompression(int argc, char* argv[])
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus");
        QApplication application(argc, argv);
        QSemaphore staged;
        QSemaphore never;
        MainWindow::instance()->compressionPool()->start(QRunnable::create([&staged, &never] {
            const RunFolder folder;
            RunFolder::createPrivateFile(folder.newFilePath(QStringLiteral("_input.pdf")));
            staged.release();
            never.acquire();
        }));
        staged.acquire();
        fputs("staged\n", stdout);
        fflush(stdout);
        return MainWindow::finishBeforeExit(0);
    }
} // namespace

int main(int argc, char* argv[])
{
    if (argc == 4 && qstrcmp(argv[1], closeDuringRunSwitch) == 0) {
        return closeDuringRun(argc, argv);
    }
    if (argc == 2 && qstrcmp(argv[1], exitWithStuckCompressionSwitch) == 0) {
        return exitWithStuckCompression(argc, argv);
    }
    QApplication application(argc, argv);
    TestRunControl test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestRunControl.moc"
