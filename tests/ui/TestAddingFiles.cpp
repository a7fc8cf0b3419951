#include "support/MainWindowDriver.h"

#include "documents/FileItem.h"
#include "documents/FileItemList.h"
#include "engine/CompressSetting.h"
#include "foundation/LanguageCode.h"
#include "foundation/SettingsStore.h"
#include "services/MultiLanguage.h"
#include "support/ByteSafeTemporaryDir.h"
#include "support/TestHome.h"
#include "support/TestPdf.h"
#include "ui/CompressSettingWidget.h"
#include "ui/ModalDialogs.h"
#include "ui/RefusedFilesNotice.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <fcntl.h>
#include <unistd.h>

using namespace MainWindowDriver;

namespace {
    QStringList repeated(int times, const QString& text)
    {
        QStringList texts;
        for (int index = 0; index < times; ++index) {
            texts << text;
        }
        return texts;
    }
} // namespace

/** Adding documents to the window: rows at once, inspection beside the window, refusals counted. */
class TestAddingFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void rowsAppearBeforeInspectionEnds();
    void refusedFilesAreCountedInANotice_data();
    void refusedFilesAreCountedInANotice();
    void unreadableNamesAreNamedInTheNotice_data();
    void unreadableNamesAreNamedInTheNotice();
    void compressWaitsForRowsBeingChecked();
    void rowsBuildTheirSettingsDialogWhenFirstOpened();
    void onlyRowsInViewHaveWidgets();

private:
    /** count copies of the small document, named doc0.pdf, doc1.pdf... */
    QStringList copies(int count);
    QString damaged(const QString& name) const;
    /** The page counts of the rows that have a widget now, without scrolling. */
    static QStringList pagesInView();
    static int rowWidgetCount() { return MainWindow::instance()->findChildren<FileItemWidget*>().size(); }
    static FileItemList* items() { return MainWindow::instance()->fileItemList(); }

    QTemporaryDir m_fixtures;
    std::unique_ptr<ByteSafeTemporaryDir> m_work; // may hold names that are no valid text
    std::unique_ptr<TestHome> m_home;
};

void TestAddingFiles::initTestCase()
{
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus");
    // The interface language as start-up sets it; English carries the plural forms of the counts.
    MultiLanguage::instance()->setLanguage(English);
    QVERIFY(TestPdf::writeTextDocument(m_fixtures.filePath("small.pdf"), 2));
    QVERIFY(TestPdf::writeLyingPageCountCopy(m_fixtures.filePath("small.pdf"), m_fixtures.filePath("liar.pdf"), 9));
}

void TestAddingFiles::init()
{
    m_home = std::make_unique<TestHome>();
    m_work = std::make_unique<ByteSafeTemporaryDir>();
    MainWindow::instance()->show();
    QVERIFY(QTest::qWaitForWindowExposed(MainWindow::instance()));
}

void TestAddingFiles::cleanup()
{
    ModalDialogs::resetAnswers();
    MainWindow::destroyInstance();
    CompressSetting::setApplyToAll(false);
    m_work.reset();
    m_home.reset();
}

QStringList TestAddingFiles::copies(int count)
{
    QStringList paths;
    for (int index = 0; index < count; ++index) {
        const QString path = m_work->filePath(QStringLiteral("doc%1.pdf").arg(index));
        QFile::copy(m_fixtures.filePath("small.pdf"), path);
        paths << path;
    }
    return paths;
}

QString TestAddingFiles::damaged(const QString& name) const
{
    const QString path = m_work->filePath(name);
    TestPdf::writeHeaderOnlyFile(path);
    return path;
}

QStringList TestAddingFiles::pagesInView()
{
    QStringList texts;
    for (int index = 0; index < rowCount(); ++index) {
        if (FileItemWidget* shown = MainWindow::instance()->rowWidget(index)) {
            texts << shown->findChild<QLabel*>(QStringLiteral("label_pages"))->text();
        }
    }
    return texts;
}

void TestAddingFiles::rowsAppearBeforeInspectionEnds()
{
    constexpr int documents = 300;
    constexpr int rebuilt = 2;
    constexpr int given = documents + 2 + rebuilt;
    QStringList paths = copies(documents);
    paths.insert(100, damaged("broken.pdf"));
    paths.insert(200, damaged("torn.pdf"));
    // Last in the queue, documents whose cross-reference table qpdf must rebuild from every line: inspection
    // outlasts several ticks of the timer below however fast the machine reads the others.
    for (int index = 0; index < rebuilt; ++index) {
        paths << m_work->filePath(QStringLiteral("rebuilt%1.pdf").arg(index));
        QVERIFY(TestPdf::writeManyObjectsDocument(paths.last(), 250000));
    }

    // The GUI thread's timer notes, each time it fires, how many rows were shown and how many still checked.
    QList<QPair<int, int>> ticks;
    QTimer ticker;
    ticker.setInterval(10);
    connect(&ticker, &QTimer::timeout, this, [&ticks]() { ticks << qMakePair(rowCount(), items()->checkingCount()); });
    ticker.start();

    MainWindow::instance()->addFileRows(paths);
    // Rows are shown before a single document has been inspected, and say so.
    QVERIFY(rowCount() > 0);
    QCOMPARE(items()->count(), given);
    QCOMPARE(items()->checkingCount(), given);
    QVERIFY(!pagesInView().isEmpty());
    QCOMPARE(pagesInView(), repeated(pagesInView().size(), QStringLiteral("Checking…")));
    QVERIFY(!rowChild<QPushButton>(0, "btn_compressSetting")->isVisible());
    QVERIFY(!rowChild<QPushButton>(0, "btn_decrypt")->isVisible());

    QVERIFY(waitUntilAdded());
    ticker.stop();
    // The window kept turning while the rows were being added, not only before and after.
    QVERIFY2(std::any_of(ticks.cbegin(), ticks.cend(),
                 [](const QPair<int, int>& tick) {
                     return (tick.first > 0 && tick.first < documents) || (tick.second > 0 && tick.second < given);
                 }),
        qPrintable(QStringLiteral("ticks: %1").arg(ticks.size())));

    // The two damaged documents left with their rows; rows and items stay in step.
    QCOMPARE(rowCount(), documents + rebuilt);
    QCOMPARE(items()->count(), documents + rebuilt);
    for (int index = 0; index < documents; ++index) {
        QCOMPARE(items()->at(index)->fileName(), QStringLiteral("doc%1.pdf").arg(index));
        QCOMPARE(items()->at(index)->pageCount(), 2);
    }
    for (int index : { 0, 99, 100, 198, 199, documents - 1 }) {
        QCOMPARE(row(index)->item(), items()->at(index));
        QCOMPARE(rowChild<QLabel>(index, "label_pages")->text(), QString("2 Pages"));
    }
    QCOMPARE(rowChild<QLabel>(documents + rebuilt - 1, "label_pages")->text(), QString("1 Page"));
    QVERIFY(rowChild<QPushButton>(0, "btn_compressSetting")->isVisible());
    QVERIFY(widget<QPushButton>("btn_compress")->isEnabled());
    QCOMPARE(widget<QPushButton>("btn_compress")->text(), QString("Compress"));
}

void TestAddingFiles::refusedFilesAreCountedInANotice_data()
{
    QTest::addColumn<QStringList>("firstAdding");
    QTest::addColumn<QStringList>("secondAdding");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("named");

    QTest::newRow("every reason")
        << QStringList { "doc0.pdf", "DAMAGED:bad.pdf", "notes.txt" } << QStringList { "doc0.pdf", "DAMAGED:worse.pdf" }
        << "Files not added: 4 (not a PDF: 1, damaged or unreadable: 2, already in the list: 1)"
        << "page_5"
        << QStringList { "notes.txt: not a PDF", "doc0.pdf: already in the list", "bad.pdf: damaged or unreadable",
               "worse.pdf: damaged or unreadable" };
    QTest::newRow("only damaged: back to the empty page")
        << QStringList { "DAMAGED:bad.pdf" } << QStringList() << "Files not added: 1 (damaged or unreadable: 1)"
        << "page_1" << QStringList { "bad.pdf: damaged or unreadable" };
    QTest::newRow("nothing refused") << QStringList { "doc0.pdf", "doc1.pdf" } << QStringList() << QString() << "page_5"
                                     << QStringList();
}

void TestAddingFiles::refusedFilesAreCountedInANotice()
{
    QFETCH(QStringList, firstAdding);
    QFETCH(QStringList, secondAdding);
    QFETCH(QString, notice);
    QFETCH(QString, page);
    QFETCH(QStringList, named);

    copies(2);
    const auto pathsOf = [this](const QStringList& names) {
        QStringList paths;
        for (const QString& name : names) {
            paths << (name.startsWith("DAMAGED:") ? damaged(name.mid(8)) : m_work->filePath(name));
        }
        return paths;
    };
    RefusedFilesNotice* shown = MainWindow::instance()->refusedFilesNotice();
    auto* list = widget<QWidget>("listWidget");
    const int listTop = list->mapTo(MainWindow::instance(), QPoint(0, 0)).y();
    // The window is never blocked by a modal question about refused files.
    ModalDialogs::setOpenFileNamesAnswer(
        [&](QWidget*, const QString&, const QString&, const QString&) { return pathsOf(firstAdding); });
    click("btn_add_file");
    MainWindow::instance()->addFileRows(pathsOf(secondAdding));
    QVERIFY(waitUntilAdded());

    QCOMPARE(currentPage(), page);
    if (notice.isEmpty()) {
        QVERIFY(!shown->isVisible());
        return;
    }
    QVERIFY(shown->isVisible());
    QCOMPARE(shown->text(), notice);
    // The list stays where it was under the pointer.
    QCoreApplication::processEvents();
    QCOMPARE(list->mapTo(MainWindow::instance(), QPoint(0, 0)).y(), listTop);
    // Each refused file is named with its reason.
    QStringList details;
    ModalDialogs::setInformationAnswer([&](QWidget*, const QString&, const QString& text, const QString& names) {
        details << text << names.split('\n');
    });
    click(shown->findChild<QAbstractButton*>("btn_notice_details"));
    QCOMPARE(details.value(0), notice);
    QStringList names;
    for (const QString& line : details.mid(1)) {
        names << QFileInfo(line.section(": ", 0, 0)).fileName() + ": " + line.section(": ", 1);
    }
    std::sort(names.begin(), names.end());
    std::sort(named.begin(), named.end());
    QCOMPARE(names, named);
    // It stays until it is closed, whatever the event loop had waiting, and the next refusal starts
    // counting afresh.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QVERIFY(shown->isVisible());
    click(shown->findChild<QAbstractButton*>("btn_notice_close"));
    QVERIFY(!shown->isVisible());
    MainWindow::instance()->addFileRows({ m_work->filePath("notes.txt") });
    QVERIFY(shown->isVisible());
    QCOMPARE(shown->text(), QString("Files not added: 1 (not a PDF: 1)"));
}

void TestAddingFiles::unreadableNamesAreNamedInTheNotice_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("folder") << "folder";
    QTest::newRow("dropped") << "dropped";
    QTest::newRow("file dialog") << "file dialog";
}

void TestAddingFiles::unreadableNamesAreNamedInTheNotice()
{
    QFETCH(QString, way);
    // A Latin-1 name: its bytes are no valid UTF-8, so Qt cannot carry it and must not pretend to.
    const QByteArray latin1Name = QFile::encodeName(m_work->path()) + "/lat\xe9in.pdf";
    QFile source(m_fixtures.filePath("small.pdf"));
    QVERIFY(source.open(QIODevice::ReadOnly));
    const QByteArray content = source.readAll();
    const int descriptor = ::open(latin1Name.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    QVERIFY(descriptor >= 0);
    QCOMPARE(::write(descriptor, content.constData(), static_cast<size_t>(content.size())), ssize_t(content.size()));
    ::close(descriptor);
    const QString good = copies(1).first();

    if (way == "folder") {
        MainWindow::instance()->addPaths({ m_work->path() });
    } else if (way == "dropped") {
        QMimeData data;
        data.setUrls({ QUrl::fromLocalFile(good), QUrl::fromEncoded("file://" + latin1Name.toPercentEncoding("/")) });
        QVERIFY(dragEnter({ good }, widget<QWidget>("listWidget")));
        drop(&data, widget<QWidget>("listWidget"));
    } else {
        MainWindow::instance()->addFileRows({ good, QFile::decodeName(latin1Name) });
    }
    QVERIFY(waitUntilAdded());

    QCOMPARE(rowCount(), 1);
    RefusedFilesNotice* shown = MainWindow::instance()->refusedFilesNotice();
    QVERIFY(shown->isVisible());
    QCOMPARE(shown->text(), QString("Files not added: 1 (unreadable name: 1)"));
    const QString named = way == "file dialog" ? QStringLiteral("lat\uFFFDin.pdf") : QStringLiteral("lat\\xe9in.pdf");
    QCOMPARE(QFileInfo(shown->details().section(": ", 0, 0)).fileName(), named);
    QCOMPARE(shown->details().section(": ", 1), QString("its name is not valid text and cannot be opened"));
}

void TestAddingFiles::compressWaitsForRowsBeingChecked()
{
    QTemporaryDir output;
    SettingsStore::instance()->setOutputFolder(output.path());
    MainWindow::destroyInstance();
    MainWindow::instance()->show();

    QStringList paths = copies(8);
    const QString liar = m_work->filePath("liar.pdf");
    QVERIFY(QFile::copy(m_fixtures.filePath("liar.pdf"), liar));
    paths.prepend(liar);
    MainWindow::instance()->addFileRows(paths);

    auto* compress = widget<QPushButton>("btn_compress");
    QVERIFY(!compress->isEnabled());
    QCOMPARE(compress->text(), QString("Checking…"));
    // Even asked directly, a run leaves the rows still being checked alone.
    MainWindow::instance()->btn_compress_clicked();
    QVERIFY(MainWindow::instance()->isIdle());
    QCOMPARE(MainWindow::instance()->runningCount(), 0);

    QVERIFY(waitUntilAdded());
    QVERIFY(compress->isEnabled());
    QCOMPARE(compress->text(), QString("Compress"));
    // Inspection believes what the document declares...
    QCOMPARE(rowChild<QLabel>(0, "label_pages")->text(), QString("9 Pages"));

    click(compress);
    QTRY_VERIFY_WITH_TIMEOUT(MainWindow::instance()->isIdle(), 120000);
    QCOMPARE(QDir(output.path()).entryList(QDir::Files).size(), 9);
    // ...the compression walks its pages and the row shows what it found.
    QCOMPARE(rowChild<QLabel>(0, "label_pages")->text(), QString("2 Pages"));
    QCOMPARE(items()->at(0)->pageCount(), 2);
    QVERIFY(rowChild<QPushButton>(0, "btn_convert_finished")->isEnabled());
}

void TestAddingFiles::rowsBuildTheirSettingsDialogWhenFirstOpened()
{
    SettingsStore::instance()->setCompressMode(Low);
    MainWindow::instance()->addFileRows(copies(3));
    QVERIFY(waitUntilAdded());
    QVERIFY(MainWindow::instance()->findChildren<CompressSettingWidget*>().isEmpty());

    // Another row's choice changes the stored setting: rows made before keep the one they were made with.
    ModalDialogs::setExecAnswer([](QDialog* dialog) {
        dialog->findChild<QAbstractButton*>("btn_custom")->click();
        dialog->findChild<QAbstractButton*>("btn_ok")->click();
        return QDialog::Accepted;
    });
    click(rowChild<QPushButton>(1, "btn_compressSetting"));
    QCOMPARE(MainWindow::instance()->findChildren<CompressSettingWidget*>().size(), 1);
    QCOMPARE(SettingsStore::instance()->compressMode(), int(Custom));
    QCOMPARE(row(0)->compressSetting().mode, int(Low));
    QCOMPARE(row(1)->compressSetting().mode, int(Custom));
    MainWindow::instance()->addFileRows({ m_work->filePath("doc0.pdf"), copies(4).last() });
    QVERIFY(waitUntilAdded());
    QCOMPARE(row(3)->compressSetting().mode, int(Custom));

    // Opened later, the first row's dialog shows the row's own setting, not the stored one.
    CompressSettingWidget* dialog = row(0)->settingDialog();
    dialog->loadSetting();
    QVERIFY(dialog->findChild<QAbstractButton*>("btn_low")->isChecked());
}

// Thousands of row widgets would take seconds to build and hundreds of megabytes to keep: only the rows in
// view have one, and a row built again shows what its document holds, not a fresh row's defaults.
void TestAddingFiles::onlyRowsInViewHaveWidgets()
{
    constexpr int documents = 200;
    const int storedWhenAdded = SettingsStore::instance()->compressMode();
    MainWindow::instance()->addFileRows(copies(documents));
    QVERIFY(waitUntilAdded());
    QTRY_VERIFY(rowWidgetCount() > 0);
    QVERIFY2(rowWidgetCount() < 40, qPrintable(QString::number(rowWidgetCount())));

    // The first row takes its own setting; it leaves the view and its widget goes with it.
    ModalDialogs::setExecAnswer([](QDialog* dialog) {
        dialog->findChild<QAbstractButton*>("btn_custom")->click();
        dialog->findChild<QAbstractButton*>("btn_ok")->click();
        return QDialog::Accepted;
    });
    click(rowChild<QPushButton>(0, "btn_compressSetting"));
    QPointer<FileItemWidget> first = row(0);
    QCOMPARE(first->item()->rowSetting().mode, int(Custom));

    // Scrolling as a user does, by the scroll bar: the rows that come into view get widgets.
    QScrollBar* bar = list()->verticalScrollBar();
    bar->setValue(bar->maximum());
    QTRY_VERIFY(MainWindow::instance()->rowWidget(documents - 1) != nullptr);
    QVERIFY(first.isNull());
    QVERIFY2(rowWidgetCount() < 40, qPrintable(QString::number(rowWidgetCount())));
    QCOMPARE(rowChild<QLabel>(documents - 1, "label_name")->text(), QStringLiteral("doc%1.pdf").arg(documents - 1));
    QCOMPARE(rowChild<QLabel>(documents - 1, "label_pages")->text(), QString("2 Pages"));

    // Back at the top, the first row is built again with its document's setting and page count.
    bar->setValue(0);
    QTRY_VERIFY(MainWindow::instance()->rowWidget(0) != nullptr);
    QCOMPARE(row(0)->compressSetting().mode, int(Custom));
    QCOMPARE(row(1)->compressSetting().mode, storedWhenAdded);
    CompressSettingWidget* dialog = row(0)->settingDialog();
    dialog->loadSetting();
    QVERIFY(dialog->findChild<QAbstractButton*>("btn_custom")->isChecked());
    QCOMPARE(rowChild<QLabel>(0, "label_pages")->text(), QString("2 Pages"));
    QVERIFY(rowChild<QPushButton>(0, "btn_compressSetting")->isVisible());
}

QTEST_MAIN(TestAddingFiles)
#include "TestAddingFiles.moc"
