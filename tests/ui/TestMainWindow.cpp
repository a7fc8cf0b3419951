#include "support/MainWindowDriver.h"

#include "documents/FileItem.h"
#include "documents/FileItemList.h"
#include "documents/PDFFileItem.h"
#include "documents/SignalTransferStation.h"
#include "foundation/LanguageCode.h"
#include "foundation/SettingsStore.h"
#include "services/MultiLanguage.h"
#include "support/TestHome.h"
#include "support/TestPdf.h"
#include "support/UrlRecorder.h"
#include "ui/CompressSettingWidget.h"
#include "ui/CustomWindowFrame.h"
#include "ui/EnterPassword.h"
#include "ui/ModalDialogs.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QThread>
#include <QThreadPool>
#include <QToolButton>

using namespace MainWindowDriver;

/** The main window without compression runs: adding, unlocking, deleting, the output folder, languages. */
class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startsOnTheEmptyPage();
    void addsFilesFromTheDialog();
    void cancelledDialogChangesNothing();
    void dropAddsOnlyPdfs_data();
    void dropAddsOnlyPdfs();
    void dropLandsAnywhereOnTheWindow();
    void refusedFilesKeepTheEmptyPage();
    void rowShowsTheDocument();
    void documentIconOpensTheDocument();
    void longNameIsCutInTheMiddle();
    void lockedRowDisablesCompressUntilUnlocked();
    void cancelledPasswordLeavesTheRowLocked();
    void deleteKeepsRowsAndItemsAligned_data();
    void deleteKeepsRowsAndItemsAligned();
    void deletingEveryRowShowsTheEmptyPage();
    void clearEmptiesTheList();
    void removedRowLeavesTheRelay();
    void outputFolderIsChosenAndRemembered();
    void switchesLanguage();
    void bottomBarKeepsItsSpacing_data();
    void bottomBarKeepsItsSpacing();
    void everyControlHasAnAccessibleName_data();
    void everyControlHasAnAccessibleName();
    void rowsReadAsTheyLook();
    void sizesFollowTheLanguage();

private:
    void addByDialog(const QStringList& paths);
    QString document(const QString& name) const { return m_documents.filePath(name); }

    QTemporaryDir m_documents;
    std::unique_ptr<TestHome> m_home;
    UrlRecorder m_urls;
};

void TestMainWindow::initTestCase()
{
    // No desktop services leave the test: file URLs are swallowed, D-Bus is unreachable.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus");
    QVERIFY(loadStyleSheet());
    // The English catalogue gives the page counts their singular and plural, as start-up loads it.
    MultiLanguage::instance()->setLanguage(English);
    QVERIFY(TestPdf::writeImageDocument(document("report.pdf"), 2));
    QVERIFY(TestPdf::writeTinyDocument(document("tiny.pdf")));
    QVERIFY(TestPdf::writeTinyDocument(document("scan.PDF")));
    QVERIFY(TestPdf::writeTinyDocument(document("minutes.2024.final.pdf")));
    QVERIFY(TestPdf::writeTinyDocument(document("a really long file name that cannot fit into its row.pdf")));
    QVERIFY(TestPdf::writeEncryptedCopy(document("report.pdf"), document("locked.pdf"), "secret", "owner"));
    QVERIFY(TestPdf::writeTruncatedCopy(document("tiny.pdf"), document("damaged.pdf"), 120));
    QFile notes(document("notes.txt"));
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.write("not a document");
}

void TestMainWindow::init()
{
    m_home = std::make_unique<TestHome>();
    MainWindow::instance()->show();
    QVERIFY(QTest::qWaitForWindowExposed(MainWindow::instance()));
}

void TestMainWindow::cleanup()
{
    ModalDialogs::resetAnswers();
    MainWindow::destroyInstance();
    m_home.reset();
}

void TestMainWindow::addByDialog(const QStringList& paths)
{
    ModalDialogs::setOpenFileNamesAnswer(
        [paths](QWidget*, const QString&, const QString&, const QString&) { return paths; });
    click("btn_add_file");
    QVERIFY(waitUntilAdded());
}

void TestMainWindow::startsOnTheEmptyPage()
{
    QCOMPARE(currentPage(), QString("page_1"));
    QCOMPARE(widget<QLabel>("noteText_2")->text(),
        QString("To get started, please drag and drop files here or add them by clicking + button."));
    QVERIFY(!widget<QWidget>("frame_bottom")->isVisible());
    QVERIFY(MainWindow::instance()->isIdle());
    // Without a setting of its own, every core compresses, in a pool of the window's own; Qt's global pool
    // keeps its defaults for Qt's own work.
    QCOMPARE(MainWindow::instance()->compressionPool()->maxThreadCount(), qMax(1, QThread::idealThreadCount()));
    QVERIFY(MainWindow::instance()->compressionPool() != QThreadPool::globalInstance());
    QCOMPARE(QThreadPool::globalInstance()->maxThreadCount(), QThread::idealThreadCount());

    // An empty list offers nothing to remove, and asks nothing.
    QSignalSpy emptied(MainWindow::instance(), &MainWindow::listEmpty);
    QVERIFY(!widget<QWidget>("btn_delete")->isEnabled());
    QVERIFY(!widget<QWidget>("btn_clear")->isEnabled());
    int asked = 0;
    ModalDialogs::setQuestionAnswer([&asked](QWidget*, const QString&, const QString&, const QString&) {
        ++asked;
        return true;
    });
    QTest::keyClick(MainWindow::instance(), Qt::Key_Delete);
    MainWindow::instance()->btn_clear_clicked();
    QCOMPARE(currentPage(), QString("page_1"));
    QCOMPARE(emptied.count(), 0);
    QCOMPARE(asked, 0);
}

void TestMainWindow::addsFilesFromTheDialog()
{
    QString caption;
    QString startFolder;
    QString filter;
    const QStringList picked { document("report.pdf"), document("tiny.pdf"), document("report.pdf"),
        document("notes.txt"), document("damaged.pdf") };
    ModalDialogs::setOpenFileNamesAnswer([&](QWidget* parent, const QString& c, const QString& f, const QString& fl) {
        if (parent != MainWindow::instance()) {
            return QStringList();
        }
        caption = c;
        startFolder = f;
        filter = fl;
        return picked;
    });
    click("btn_add_file");
    QVERIFY(waitUntilAdded());

    QCOMPARE(caption, QString("Select Files"));
    // Nothing was opened yet: the dialog starts at home, not at the root of the disk.
    QCOMPARE(startFolder, QDir::homePath());
    QCOMPARE(filter, QString("*.pdf"));
    QCOMPARE(currentPage(), QString("page_5"));
    QCOMPARE(rowCount(), 2);
    QCOMPARE(MainWindow::instance()->fileItemList()->count(), 2);
    QCOMPARE(row(0)->item()->filePath(), document("report.pdf"));
    QCOMPARE(row(1)->item()->filePath(), document("tiny.pdf"));
    QCOMPARE(list()->item(0)->sizeHint().height(), 72);
    QVERIFY(widget<QPushButton>("btn_compress")->isEnabled());
    QCOMPARE(SettingsStore::instance()->lastOpenDir(), m_documents.path());

    // The next dialog starts in the folder of the last pick; adding the same file again adds nothing.
    addByDialog({ document("tiny.pdf"), document("minutes.2024.final.pdf") });
    QCOMPARE(rowCount(), 3);
    QCOMPARE(row(2)->item()->filePath(), document("minutes.2024.final.pdf"));
    ModalDialogs::setOpenFileNamesAnswer([&](QWidget*, const QString&, const QString& f, const QString&) {
        startFolder = f;
        return QStringList();
    });
    click("btn_add_file");
    QCOMPARE(startFolder, m_documents.path());
}

void TestMainWindow::cancelledDialogChangesNothing()
{
    addByDialog({});
    QCOMPARE(currentPage(), QString("page_1"));
    QCOMPARE(SettingsStore::instance()->lastOpenDir(), QString("/"));
}

void TestMainWindow::dropAddsOnlyPdfs_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("pdf and text") << QStringList { "notes.txt", "tiny.pdf" } << true << QStringList { "tiny.pdf" };
    QTest::newRow("text only") << QStringList { "notes.txt" } << false << QStringList {};
    QTest::newRow("capital suffix") << QStringList { "scan.PDF" } << true << QStringList { "scan.PDF" };
    QTest::newRow("several dots") << QStringList { "minutes.2024.final.pdf" } << true
                                  << QStringList { "minutes.2024.final.pdf" };
    QTest::newRow("same file twice") << QStringList { "tiny.pdf", "tiny.pdf" } << true << QStringList { "tiny.pdf" };
    QTest::newRow("damaged") << QStringList { "damaged.pdf", "report.pdf" } << true << QStringList { "report.pdf" };
}

void TestMainWindow::dropAddsOnlyPdfs()
{
    QFETCH(QStringList, files);
    QFETCH(bool, accepted);
    QFETCH(QStringList, rows);

    QStringList paths;
    for (const QString& name : files) {
        paths << document(name);
    }
    QCOMPARE(dragAndDrop(paths, widget<QWidget>("page_1")), accepted);
    QVERIFY(waitUntilAdded());
    QCOMPARE(rowCount(), rows.size());
    for (int index = 0; index < rows.size(); ++index) {
        QCOMPARE(row(index)->item()->fileName(), rows.at(index));
    }
    QCOMPARE(currentPage(), QString(rows.isEmpty() ? "page_1" : "page_5"));
}

void TestMainWindow::dropLandsAnywhereOnTheWindow()
{
    QVERIFY(dragAndDrop({ document("tiny.pdf") }, widget<QLabel>("noteText_2")));
    QCOMPARE(currentPage(), QString("page_5"));

    // Over the list, its rows and both bars the window itself takes the drop; rows go to the end.
    QVERIFY(dragAndDrop({ document("report.pdf") }, list()->viewport()));
    QVERIFY(dragAndDrop({ document("scan.PDF") }, row(0)));
    QVERIFY(dragAndDrop({ document("minutes.2024.final.pdf") }, widget<QWidget>("lineEdit_select_folder")));
    // While documents hover over the window, the list is outlined as the place they will land.
    auto* pages = widget<QWidget>("stackedWidget");
    QVERIFY(pages->styleSheet().isEmpty());
    QVERIFY(dragEnter({ document("tiny.pdf") }, widget<QWidget>("frame_top")));
    QVERIFY(pages->styleSheet().contains("dashed"));
    QDragLeaveEvent leave;
    QApplication::sendEvent(MainWindow::instance(), &leave);
    QVERIFY(pages->styleSheet().isEmpty());
    QCOMPARE(rowCount(), 4);
    QCOMPARE(row(3)->item()->fileName(), QString("minutes.2024.final.pdf"));
}

void TestMainWindow::refusedFilesKeepTheEmptyPage()
{
    addByDialog({ document("damaged.pdf"), document("notes.txt") });
    QCOMPARE(currentPage(), QString("page_1"));
    QCOMPARE(rowCount(), 0);

    addByDialog({ document("tiny.pdf") });
    const bool compressEnabled = widget<QPushButton>("btn_compress")->isEnabled();
    addByDialog({ document("damaged.pdf"), document("tiny.pdf") });
    QCOMPARE(rowCount(), 1);
    QCOMPARE(widget<QPushButton>("btn_compress")->isEnabled(), compressEnabled);
}

void TestMainWindow::rowShowsTheDocument()
{
    addByDialog({ document("report.pdf"), document("scan.PDF") });
    FileItem* report = row(0)->item();
    QCOMPARE(rowChild<QLabel>(0, "label_name")->text(), QString("report.pdf"));
    QCOMPARE(rowChild<QLabel>(0, "label_size")->text(), report->sizeText());
    QCOMPARE(rowChild<QLabel>(0, "label_pages")->text(), QString("2 Pages"));
    QVERIFY(rowChild<QLabel>(0, "label_pages")->isVisible());
    QVERIFY(rowChild<QPushButton>(0, "btn_compressSetting")->isVisible());
    QVERIFY(!rowChild<QPushButton>(0, "btn_decrypt")->isVisible());
    QVERIFY(!rowChild<QWidget>(0, "btn_convert_finished")->isVisible());
    QVERIFY(!rowChild<QWidget>(0, "label_waiting")->isVisible());
    QVERIFY(rowChild<QLabel>(0, "label_newName")->text().isEmpty());
    QVERIFY(rowChild<QPushButton>(0, "btn_icon")->styleSheet().contains(":/resource/PDF-3x.png"));
    QVERIFY(rowChild<QPushButton>(0, "btn_icon")->styleSheet().contains(":/resource/Pressed-PDF-3x.png"));
    // A capital suffix still shows its page count.
    QVERIFY(rowChild<QLabel>(1, "label_pages")->isVisible());
    QCOMPARE(rowChild<QLabel>(1, "label_pages")->text(), QString("1 Page"));
}

void TestMainWindow::documentIconOpensTheDocument()
{
    addByDialog({ document("report.pdf") });
    m_urls.opened.clear();
    click(rowChild<QPushButton>(0, "btn_icon"));
    QCOMPARE(m_urls.opened, QList<QUrl> { QUrl::fromLocalFile(document("report.pdf")) });
}

void TestMainWindow::longNameIsCutInTheMiddle()
{
    const QString name("a really long file name that cannot fit into its row.pdf");
    addByDialog({ document(name) });
    QLabel* label = rowChild<QLabel>(0, "label_name");
    const QString shown = label->text();
    QVERIFY2(shown.contains(QChar(0x2026)), qPrintable(shown));
    QVERIFY(shown.startsWith("a really"));
    QVERIFY(shown.endsWith("row.pdf"));
    QVERIFY(label->fontMetrics().horizontalAdvance(shown) <= label->width());
    // The name has the room the row can give it, not a fixed stub of it.
    QVERIFY2(label->width() >= 190, qPrintable(QString::number(label->width())));
    QTextDocument tip;
    tip.setHtml(label->toolTip());
    QCOMPARE(tip.toPlainText(), name);
}

void TestMainWindow::lockedRowDisablesCompressUntilUnlocked()
{
    addByDialog({ document("locked.pdf") });
    QVERIFY(!widget<QPushButton>("btn_compress")->isEnabled());
    QVERIFY(rowChild<QPushButton>(0, "btn_decrypt")->isVisible());
    QVERIFY(!rowChild<QPushButton>(0, "btn_compressSetting")->isVisible());
    QVERIFY(rowChild<QPushButton>(0, "btn_icon")->styleSheet().contains(":/resource/PDFLock-3x.png"));
    // Its pages cannot be counted before it is unlocked.
    QCOMPARE(rowChild<QLabel>(0, "label_pages")->text(), QString("Locked"));

    // The user first types a wrong password, sees the message, then types the right one.
    bool wrongPasswordShown = false;
    ModalDialogs::setExecAnswer([&](QDialog* dialog) {
        auto* field = dialog->findChild<QLineEdit*>("lineEdit_password");
        auto* ok = dialog->findChild<QPushButton*>("btn_ok");
        if (field == nullptr || ok == nullptr) {
            return int(QDialog::Rejected);
        }
        QTest::keyClicks(field, "wrong");
        click(ok);
        wrongPasswordShown = !dialog->findChild<QLabel*>("label_incorrect_pwd")->isHidden();
        field->clear();
        QTest::keyClicks(field, "secret");
        click(ok);
        return dialog->result();
    });
    QSignalSpy unlocked(row(0), &FileItemWidget::decryptionSuccess);
    click(rowChild<QPushButton>(0, "btn_decrypt"));

    QVERIFY(wrongPasswordShown);
    QCOMPARE(unlocked.count(), 1);
    QVERIFY(!row(0)->item()->isLocked());
    QVERIFY(widget<QPushButton>("btn_compress")->isEnabled());
    QVERIFY(!rowChild<QPushButton>(0, "btn_decrypt")->isVisible());
    QVERIFY(rowChild<QPushButton>(0, "btn_compressSetting")->isVisible());
    QVERIFY(rowChild<QPushButton>(0, "btn_icon")->styleSheet().contains(":/resource/PDF-3x.png"));
    QVERIFY(rowChild<QPushButton>(0, "btn_icon")->styleSheet().contains(":/resource/Pressed-PDF-3x.png"));
    // The true page count shows at once.
    QCOMPARE(rowChild<QLabel>(0, "label_pages")->text(), QString("2 Pages"));
}

void TestMainWindow::cancelledPasswordLeavesTheRowLocked()
{
    addByDialog({ document("locked.pdf"), document("tiny.pdf") });
    QVERIFY(widget<QPushButton>("btn_compress")->isEnabled());
    int openings = 0;
    ModalDialogs::setExecAnswer([&](QDialog* dialog) {
        ++openings;
        click(dialog->findChild<QPushButton*>("btn_cancel"));
        return dialog->result();
    });
    // The document icon of a locked row asks for the password too.
    click(rowChild<QPushButton>(0, "btn_icon"));
    click(rowChild<QPushButton>(0, "btn_decrypt"));
    QCOMPARE(openings, 2);
    QVERIFY(row(0)->item()->isLocked());
    QVERIFY(rowChild<QPushButton>(0, "btn_decrypt")->isVisible());
    QVERIFY(rowChild<QPushButton>(0, "btn_icon")->styleSheet().contains(":/resource/PDFLock-3x.png"));
}

void TestMainWindow::deleteKeepsRowsAndItemsAligned_data()
{
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("one by button") << QList<int> { 1 } << "button"
                                   << QStringList { "report.pdf", "scan.PDF", "minutes.2024.final.pdf" };
    QTest::newRow("two by delete key") << QList<int> { 3, 1 } << "delete" << QStringList { "report.pdf", "scan.PDF" };
    QTest::newRow("first and last by backspace")
        << QList<int> { 0, 3 } << "backspace" << QStringList { "tiny.pdf", "scan.PDF" };
    QTest::newRow("three in reverse") << QList<int> { 2, 1, 0 } << "delete" << QStringList { "minutes.2024.final.pdf" };
}

void TestMainWindow::deleteKeepsRowsAndItemsAligned()
{
    QFETCH(QList<int>, selected);
    QFETCH(QString, how);
    QFETCH(QStringList, left);

    addByDialog(
        { document("report.pdf"), document("tiny.pdf"), document("scan.PDF"), document("minutes.2024.final.pdf") });
    // Ctrl-clicks, as a user picks several rows.
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, Qt::NoModifier,
        list()->visualItemRect(list()->item(selected.first())).center());
    for (int index : selected.mid(1)) {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, Qt::ControlModifier,
            list()->visualItemRect(list()->item(index)).center());
    }
    QCOMPARE(list()->selectedItems().size(), selected.size());

    if (how == "button") {
        click("btn_delete");
    } else {
        QTest::keyClick(list(), how == "delete" ? Qt::Key_Delete : Qt::Key_Backspace);
    }

    FileItemList* items = MainWindow::instance()->fileItemList();
    QCOMPARE(rowCount(), left.size());
    QCOMPARE(items->count(), left.size());
    for (int index = 0; index < left.size(); ++index) {
        QCOMPARE(row(index)->item(), items->at(index));
        QCOMPARE(items->at(index)->fileName(), left.at(index));
        QCOMPARE(rowChild<QLabel>(index, "label_name")->text(), left.at(index));
    }
    QCOMPARE(currentPage(), QString("page_5"));
}

void TestMainWindow::deletingEveryRowShowsTheEmptyPage()
{
    addByDialog({ document("report.pdf"), document("tiny.pdf") });
    QSignalSpy emptied(MainWindow::instance(), &MainWindow::listEmpty);
    list()->selectAll();
    click("btn_delete");
    QCOMPARE(emptied.count(), 1);
    QCOMPARE(currentPage(), QString("page_1"));
    QVERIFY(MainWindow::instance()->fileItemList()->isEmpty());

    // A document removed can be added again.
    addByDialog({ document("tiny.pdf") });
    QCOMPARE(rowCount(), 1);
}

void TestMainWindow::clearEmptiesTheList()
{
    addByDialog({ document("report.pdf"), document("tiny.pdf") });
    QPointer<QWidget> dialog = row(0)->settingDialog();
    QSignalSpy emptied(MainWindow::instance(), &MainWindow::listEmpty);
    // Clear asks first; declined, the list stays as it was.
    QString question;
    bool answer = false;
    ModalDialogs::setQuestionAnswer([&](QWidget*, const QString&, const QString& text, const QString&) {
        question = text;
        return answer;
    });
    click("btn_clear");
    QCOMPARE(rowCount(), 2);
    QVERIFY(question.contains("2 documents"));
    QVERIFY(dialog);
    answer = true;
    click("btn_clear");
    QCOMPARE(rowCount(), 0);
    QVERIFY(!widget<QWidget>("btn_clear")->isEnabled());
    QVERIFY(!widget<QWidget>("btn_delete")->isEnabled());
    QVERIFY(MainWindow::instance()->fileItemList()->isEmpty());
    QCOMPARE(currentPage(), QString("page_1"));
    QCOMPARE(emptied.count(), 0);
    // A removed row releases its settings dialog with it.
    QVERIFY(dialog.isNull());
}

void TestMainWindow::removedRowLeavesTheRelay()
{
    addByDialog({ document("report.pdf"), document("tiny.pdf") });
    QPointer<FileItemWidget> removed = row(0);
    QPointer<QWidget> removedDialog = removed->settingDialog();
    QVERIFY(removedDialog);
    list()->setCurrentRow(0);
    click("btn_delete");
    // Gone at once, not at the next turn of the event loop.
    QVERIFY(removed.isNull());
    QVERIFY(removedDialog.isNull());

    // The relay reaches the remaining row, and nothing else.
    emit SignalTransferStation::instance()->changeProcessedState();
    QVERIFY(row(0) != nullptr);
    QCOMPARE(row(0)->item()->fileName(), QString("tiny.pdf"));
}

void TestMainWindow::outputFolderIsChosenAndRemembered()
{
    addByDialog({ document("tiny.pdf") });
    auto* field = widget<QLineEdit>("lineEdit_select_folder");
    QVERIFY(field->text().isEmpty());
    QVERIFY(field->isReadOnly());
    QCOMPARE(field->focusPolicy(), Qt::StrongFocus);

    QString caption;
    QString answer;
    ModalDialogs::setExistingDirectoryAnswer([&](QWidget* parent, const QString& c, const QString&) {
        caption = parent == MainWindow::instance() ? c : QString();
        return answer;
    });
    // A click into the field opens the folder dialog; cancelling it keeps the field empty.
    QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, field->rect().center());
    QCOMPARE(caption, QString("Select output folder"));
    QVERIFY(field->text().isEmpty());

    answer = m_documents.path();
    QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, field->rect().center());
    QCOMPARE(field->text(), m_documents.path());
    QCOMPARE(SettingsStore::instance()->outputFolder(), m_documents.path());
    // A right click does nothing.
    caption.clear();
    QTest::mouseClick(field, Qt::RightButton, Qt::NoModifier, field->rect().center());
    QVERIFY(caption.isEmpty());

    // The next start shows the remembered folder.
    MainWindow::destroyInstance();
    QCOMPARE(widget<QLineEdit>("lineEdit_select_folder")->text(), m_documents.path());
}

void TestMainWindow::switchesLanguage()
{
    addByDialog({ document("report.pdf") });
    MultiLanguage::instance()->setLanguage(7);
    QCOMPARE(widget<QPushButton>("btn_compress")->text(), QString::fromUtf8("圧縮"));
    QCOMPARE(widget<QToolButton>("btn_add_file")->text(), QString::fromUtf8("ファイルを追加"));
    QCOMPARE(rowChild<QLabel>(0, "label_pages")->text(), QString::fromUtf8("2 ページ"));

    MultiLanguage::instance()->setLanguage(5);
    QCOMPARE(widget<QLabel>("label")->text(), QString("Zielordner"));
    QCOMPARE(rowChild<QLabel>(0, "label_pages")->text(), QString("2 Seiten"));

    MultiLanguage::instance()->setLanguage(1);
    QCOMPARE(widget<QPushButton>("btn_compress")->text(), QString("Compress"));
    QCOMPARE(rowChild<QLabel>(0, "label_pages")->text(), QString("2 Pages"));
}

void TestMainWindow::bottomBarKeepsItsSpacing_data()
{
    QTest::addColumn<int>("language");
    for (const LanguageEntry& entry : languageTable()) {
        QTest::newRow(qPrintable(entry.suffix)) << int(entry.code);
    }
}

void TestMainWindow::bottomBarKeepsItsSpacing()
{
    QFETCH(int, language);
    addByDialog({ document("report.pdf") });
    MultiLanguage::instance()->setLanguage(language);
    auto* bar = widget<QWidget>("frame_bottom");
    bar->layout()->activate();

    // The label's whole text, then a clear gap before the field, as in English, however long the text.
    auto* label = widget<QLabel>("label");
    const int textWidth = label->fontMetrics().horizontalAdvance(label->text());
    QVERIFY2(textWidth <= label->contentsRect().width(), qPrintable(label->text()));
    const int textEnd = label->x() + label->contentsRect().left() + textWidth;
    const int gap = widget<QLineEdit>("lineEdit_select_folder")->x() - textEnd;
    QVERIFY2(gap >= 6, qPrintable(QStringLiteral("%1: %2 px before the field").arg(label->text()).arg(gap)));

    auto* openFolder = widget<QPushButton>("btn_open_folder");
    auto* compress = widget<QPushButton>("btn_compress");
    QVERIFY(openFolder->geometry().right() < compress->x());
    QVERIFY(compress->geometry().right() < bar->width());
    QVERIFY(compress->fontMetrics().horizontalAdvance(compress->text()) + 6 <= compress->width());
    MultiLanguage::instance()->setLanguage(English);
}

void TestMainWindow::everyControlHasAnAccessibleName_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("name");
    for (const char* name : { "btn_add_file", "btn_delete", "btn_clear", "listWidget", "lineEdit_select_folder",
             "btn_open_folder", "btn_compress" }) {
        QTest::newRow(name) << "window" << name;
    }
    for (const char* name : { "btn_icon", "btn_compressSetting", "btn_decrypt" }) {
        QTest::newRow(name) << "row" << name;
    }
    for (const char* name : { "btn_menu", "btn_minimize", "btn_close" }) {
        QTest::newRow(name) << "frame" << name;
    }
    QTest::newRow("notice close") << "notice"
                                  << "btn_notice_close";
    QTest::newRow("password field") << "password"
                                    << "lineEdit_password";
    QTest::newRow("level slider") << "settings"
                                  << "customSlider";
}

// Screen readers name every control, in the user's language; a picture or a symbol is no name.
void TestMainWindow::everyControlHasAnAccessibleName()
{
    QFETCH(QString, where);
    QFETCH(QString, name);
    addByDialog({ document("locked.pdf"), document("tiny.pdf") });
    std::unique_ptr<CustomWindowFrame> frame;
    std::unique_ptr<EnterPassword> password;
    QWidget* scope = MainWindow::instance();
    if (where == "row") {
        scope = row(name == "btn_decrypt" ? 0 : 1);
    } else if (where == "frame") {
        frame = std::make_unique<CustomWindowFrame>(nullptr, nullptr);
        scope = frame.get();
    } else if (where == "password") {
        password = std::make_unique<EnterPassword>(
            qobject_cast<PDFFileItem*>(MainWindow::instance()->fileItemList()->at(0)), nullptr);
        scope = password.get();
    } else if (where == "settings") {
        scope = row(1)->settingDialog();
    }
    auto* control = scope->findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    const auto spoken = [control]() {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        return accessible != nullptr ? accessible->text(QAccessible::Name) : QString();
    };
    const QString english = spoken();
    QVERIFY2(!english.trimmed().isEmpty(), qPrintable(name));
    QVERIFY2(english != QString::fromUtf8("✕"), qPrintable(english));
    MultiLanguage::instance()->setLanguage(German);
    const QString german = spoken();
    MultiLanguage::instance()->setLanguage(English);
    QVERIFY2(!german.trimmed().isEmpty(), qPrintable(name));
}

// Sizes are written with the decimal separator of the interface's language.
void TestMainWindow::sizesFollowTheLanguage()
{
    addByDialog({ document("report.pdf") });
    QLabel* size = rowChild<QLabel>(0, "label_size");
    const QString english = size->text();
    QVERIFY2(english.contains(QRegularExpression("^\\d+\\.\\d+ [KMG]B$")), qPrintable(english));
    MultiLanguage::instance()->setLanguage(German);
    const QString german = size->text();
    MultiLanguage::instance()->setLanguage(French);
    const QString french = size->text();
    MultiLanguage::instance()->setLanguage(English);
    QCOMPARE(german, QString(english).replace('.', ','));
    QCOMPARE(french, german);
    QCOMPARE(size->text(), english);
}

// A row reads as name, pages, setting or state, and result; the list's entry reads the same.
void TestMainWindow::rowsReadAsTheyLook()
{
    addByDialog({ document("locked.pdf"), document("tiny.pdf") });
    QCOMPARE(row(0)->accessibleName(), QString("locked.pdf, Locked"));
    QCOMPARE(row(1)->accessibleName(), QString("tiny.pdf, 1 Page, Small File Size"));
    QCOMPARE(list()->item(1)->data(Qt::AccessibleTextRole).toString(), row(1)->accessibleName());
    MultiLanguage::instance()->setLanguage(German);
    const QString german = row(0)->accessibleName();
    MultiLanguage::instance()->setLanguage(English);
    QCOMPARE(german, QString("locked.pdf, Gesperrt"));
}

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
