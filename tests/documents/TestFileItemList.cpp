#include "documents/FileItemList.h"
#include "documents/PDFFileItem.h"
#include "support/Inspection.h"
#include "support/LogCapture.h"
#include "support/TestPdf.h"

#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

namespace {
    const QString password = QStringLiteral("secret");
} // namespace

class TestFileItemList : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void filtersPaths_data();
    void filtersPaths();
    void droppedDocumentIsNotRemembered();
    void reportsWhetherAnythingCanBeCompressed_data();
    void reportsWhetherAnythingCanBeCompressed();
    void removeAtKeepsItemsAndPathsInStep();
    void ignoresIndicesOutsideTheList_data();
    void ignoresIndicesOutsideTheList();
    void clearAndDestructionDeleteEveryItem();
    void listsAtOnceAndRefusesAfterInspection();
    void aDocumentReachedTwoWaysIsListedOnce();
    void removalDuringInspectionLosesNothing();

private:
    /** A valid document under the given name in this test's folder. */
    QString document(const QString& name) const;
    QString locked(const QString& name) const;
    QString damaged(const QString& name) const;

    QTemporaryDir m_fixtures;
    std::unique_ptr<QTemporaryDir> m_work;
    std::unique_ptr<LogCapture> m_log;
};

void TestFileItemList::initTestCase()
{
    QVERIFY(TestPdf::writeTextDocument(m_fixtures.filePath("plain.pdf"), 2));
    QVERIFY(TestPdf::writeEncryptedCopy(m_fixtures.filePath("plain.pdf"), m_fixtures.filePath("locked.pdf"), password,
        password + "-owner", TestPdf::Cipher::Aes256));
}

void TestFileItemList::init()
{
    m_work = std::make_unique<QTemporaryDir>();
    m_log = std::make_unique<LogCapture>();
}

void TestFileItemList::cleanup()
{
    m_log.reset();
    m_work.reset();
}

QString TestFileItemList::document(const QString& name) const
{
    const QString path = m_work->filePath(name);
    if (!QFileInfo::exists(path)) {
        QFile::copy(m_fixtures.filePath("plain.pdf"), path);
    }
    return path;
}

QString TestFileItemList::locked(const QString& name) const
{
    const QString path = m_work->filePath(name);
    QFile::copy(m_fixtures.filePath("locked.pdf"), path);
    return path;
}

QString TestFileItemList::damaged(const QString& name) const
{
    const QString path = m_work->filePath(name);
    TestPdf::writeHeaderOnlyFile(path);
    return path;
}

void TestFileItemList::filtersPaths_data()
{
    QTest::addColumn<QStringList>("firstCall");
    QTest::addColumn<QStringList>("secondCall");
    QTest::addColumn<QStringList>("listed");

    QTest::newRow("in order") << QStringList { "b.pdf", "a.pdf", "c.pdf" } << QStringList()
                              << QStringList { "b.pdf", "a.pdf", "c.pdf" };
    QTest::newRow("twice in one call") << QStringList { "a.pdf", "b.pdf", "a.pdf" } << QStringList()
                                       << QStringList { "a.pdf", "b.pdf" };
    QTest::newRow("twice in two calls") << QStringList { "a.pdf" } << QStringList { "b.pdf", "a.pdf" }
                                        << QStringList { "a.pdf", "b.pdf" };
    QTest::newRow("suffix in any case, or containing pdf") << QStringList { "report.PDF", "report.pdfa",
        "x.Pdf" } << QStringList() << QStringList { "report.PDF", "report.pdfa", "x.Pdf" };
    QTest::newRow("other suffixes skipped")
        << QStringList { "notes.txt", "a.pdf", "pdf", "scan.pd" } << QStringList() << QStringList { "a.pdf" };
    QTest::newRow("damaged and missing dropped") << QStringList { "DAMAGED:bad.pdf", "a.pdf", "MISSING:gone.pdf" }
                                                 << QStringList { "b.pdf" } << QStringList { "a.pdf", "b.pdf" };
    QTest::newRow("folder named like a document skipped")
        << QStringList { "FOLDER:x.pdf", "a.pdf" } << QStringList() << QStringList { "a.pdf" };
    QTest::newRow("locked listed") << QStringList { "LOCKED:l.pdf", "a.pdf" } << QStringList()
                                   << QStringList { "l.pdf", "a.pdf" };
}

void TestFileItemList::filtersPaths()
{
    QFETCH(QStringList, firstCall);
    QFETCH(QStringList, secondCall);
    QFETCH(QStringList, listed);

    // Every name becomes a real file in the work folder: a valid document unless its prefix says otherwise.
    const auto pathsOf = [this](const QStringList& names) {
        QStringList paths;
        for (const QString& entry : names) {
            const QString name = entry.section(':', -1);
            if (entry.startsWith("DAMAGED:")) {
                paths << damaged(name);
            } else if (entry.startsWith("LOCKED:")) {
                paths << locked(name);
            } else if (entry.startsWith("FOLDER:")) {
                QDir(m_work->path()).mkdir(name);
                paths << m_work->filePath(name);
            } else if (entry.startsWith("MISSING:")) {
                paths << m_work->filePath(name);
            } else {
                paths << document(name);
            }
        }
        return paths;
    };

    FileItemList list;
    list.addFiles(pathsOf(firstCall));
    list.addFiles(pathsOf(secondCall));
    QVERIFY(Inspection::waitFor(list));

    QCOMPARE(list.count(), listed.size());
    QCOMPARE(list.isEmpty(), listed.isEmpty());
    for (int index = 0; index < listed.size(); ++index) {
        QVERIFY(list.at(index));
        QCOMPARE(list.at(index)->filePath(), m_work->filePath(listed.at(index)));
    }
}

void TestFileItemList::droppedDocumentIsNotRemembered()
{
    const QString path = damaged("report.pdf");
    FileItemList list;
    list.addFiles({ path });
    QVERIFY(Inspection::waitFor(list));
    QCOMPARE(list.count(), 0);
    QVERIFY(m_log->contains("File open failed: "));

    // Repaired on disk: adding it again inspects it again.
    QVERIFY(QFile::remove(path));
    document("report.pdf");
    list.addFiles({ path });
    QVERIFY(Inspection::waitFor(list));
    QCOMPARE(list.count(), 1);
    QCOMPARE(list.at(0)->pageCount(), 2);
}

void TestFileItemList::reportsWhetherAnythingCanBeCompressed_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<bool>("hasUnlocked");

    QTest::newRow("empty") << QStringList() << true;
    QTest::newRow("only locked") << QStringList { "LOCKED:l1.pdf", "LOCKED:l2.pdf" } << false;
    QTest::newRow("one open among locked") << QStringList { "LOCKED:l1.pdf", "a.pdf", "LOCKED:l2.pdf" } << true;
}

void TestFileItemList::reportsWhetherAnythingCanBeCompressed()
{
    QFETCH(QStringList, names);
    QFETCH(bool, hasUnlocked);

    QStringList paths;
    for (const QString& name : qAsConst(names)) {
        paths << (name.startsWith("LOCKED:") ? locked(name.mid(7)) : document(name));
    }
    FileItemList list;
    list.addFiles(paths);
    QVERIFY(Inspection::waitFor(list));
    QCOMPARE(list.count(), names.size());
    QCOMPARE(list.hasUnlockedItem(), hasUnlocked);
}

void TestFileItemList::removeAtKeepsItemsAndPathsInStep()
{
    FileItemList list;
    list.addFiles({ document("a.pdf"), locked("l.pdf"), document("c.pdf") });
    QVERIFY(Inspection::waitFor(list));
    QPointer<FileItem> first = list.at(0);
    FileItem* const second = list.at(1);
    FileItem* const third = list.at(2);

    list.removeAt(0);
    QVERIFY(first.isNull());
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.at(0), second);
    QCOMPARE(list.at(1), third);
    QVERIFY(list.hasUnlockedItem());

    // The path left the list with its item: adding it again makes a new item at the end.
    list.addFiles({ m_work->filePath("a.pdf"), m_work->filePath("c.pdf") });
    QVERIFY(Inspection::waitFor(list));
    QCOMPARE(list.count(), 3);
    QCOMPARE(list.at(2)->filePath(), m_work->filePath("a.pdf"));

    list.removeAt(1);
    list.removeAt(1);
    QCOMPARE(list.count(), 1);
    QCOMPARE(list.at(0), second);
    QVERIFY(!list.hasUnlockedItem());
}

void TestFileItemList::ignoresIndicesOutsideTheList_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("-1") << -1;
    QTest::newRow("count") << 2;
    QTest::newRow("far beyond") << 1000;
}

void TestFileItemList::ignoresIndicesOutsideTheList()
{
    QFETCH(int, index);
    FileItemList list;
    list.addFiles({ document("a.pdf"), document("b.pdf") });
    list.removeAt(index);
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.at(index), nullptr);
}

void TestFileItemList::clearAndDestructionDeleteEveryItem()
{
    QList<QPointer<FileItem>> items;
    {
        FileItemList list;
        list.addFiles({ document("a.pdf"), document("b.pdf") });
        items << list.at(0) << list.at(1);
        list.clear();
        QVERIFY(list.isEmpty());
        QVERIFY(items.at(0).isNull() && items.at(1).isNull());

        list.addFiles({ document("a.pdf"), locked("l.pdf") });
        QCOMPARE(list.count(), 2);
        items = { list.at(0), list.at(1) };
    }
    QVERIFY(items.at(0).isNull() && items.at(1).isNull());
}

// Through a linked folder, a link to the file or a detour with "..": still the same document.
void TestFileItemList::aDocumentReachedTwoWaysIsListedOnce()
{
    const QString original = document("a.pdf");
    const QString folder = QFileInfo(original).absolutePath();
    const QString linkedFolder = m_work->filePath("linked");
    QVERIFY(QFile::link(folder, linkedFolder));
    QVERIFY(QFile::link(original, m_work->filePath("link.pdf")));
    FileItemList list;
    QSignalSpy refused(&list, &FileItemList::fileRefused);
    list.addFiles({ original, linkedFolder + "/a.pdf", m_work->filePath("link.pdf"),
        folder + "/../" + QFileInfo(folder).fileName() + "/a.pdf" });
    QCOMPARE(list.count(), 1);
    QCOMPARE(refused.count(), 3);
    QCOMPARE(refused.at(0).at(1).toString(), linkedFolder + "/a.pdf");
    // Once it is gone, it can be added again by any of its paths.
    list.removeAt(0);
    list.addFiles({ linkedFolder + "/a.pdf" });
    QCOMPARE(list.count(), 1);
    QVERIFY(Inspection::waitFor(list));
}

void TestFileItemList::listsAtOnceAndRefusesAfterInspection()
{
    FileItemList list;
    QSignalSpy refused(&list, &FileItemList::filesRefused);
    QSignalSpy leaving(&list, &FileItemList::itemAboutToBeRemoved);
    QSignalSpy finished(&list, &FileItemList::inspectionFinished);
    // The list must still hold the damaged item when it announces its removal.
    connect(&list, &FileItemList::itemAboutToBeRemoved, this,
        [&list](qint32 index) { QCOMPARE(list.at(index)->fileName(), QString("bad.pdf")); });

    list.addFiles(
        { document("a.pdf"), damaged("bad.pdf"), m_work->filePath("notes.txt"), document("a.pdf"), locked("l.pdf") });

    // Listed before anything was opened: the names are refused at once, the contents only later.
    QCOMPARE(list.count(), 3);
    QCOMPARE(list.checkingCount(), 3);
    QVERIFY(list.at(0)->isChecking() && list.at(2)->isChecking());
    QVERIFY(!list.at(2)->isLocked());
    QCOMPARE(refused.count(), 2);
    QCOMPARE(refused.at(0).at(0).value<FileItemList::Refusal>(), FileItemList::Refusal::NotPdf);
    QCOMPARE(refused.at(1).at(0).value<FileItemList::Refusal>(), FileItemList::Refusal::AlreadyListed);
    QVERIFY(leaving.isEmpty());

    QVERIFY(Inspection::waitFor(list));
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.at(0)->fileName(), QString("a.pdf"));
    QCOMPARE(list.at(0)->pageCount(), 2);
    QCOMPARE(list.at(1)->fileName(), QString("l.pdf"));
    QVERIFY(list.at(1)->isLocked());
    QVERIFY(!list.at(0)->isChecking() && !list.at(1)->isChecking());
    QCOMPARE(leaving.count(), 1);
    QCOMPARE(leaving.at(0).at(0).toInt(), 1);
    QCOMPARE(refused.count(), 3);
    QCOMPARE(refused.at(2).at(0).value<FileItemList::Refusal>(), FileItemList::Refusal::Damaged);
    QCOMPARE(refused.at(2).at(1).toInt(), 1);
    QCOMPARE(finished.count(), 1);
}

void TestFileItemList::removalDuringInspectionLosesNothing()
{
    QStringList paths;
    for (int index = 0; index < 120; ++index) {
        paths << document(QStringLiteral("doc%1.pdf").arg(index));
    }
    auto list = std::make_unique<FileItemList>();
    QSignalSpy finished(list.get(), &FileItemList::inspectionFinished);
    list->addFiles(paths);
    // Every other one goes while the inspections run; their results must find nothing to change.
    for (int index = list->count() - 1; index >= 0; index -= 2) {
        list->removeAt(index);
    }
    QCOMPARE(list->checkingCount(), 60);
    QVERIFY(Inspection::waitFor(*list));
    QCOMPARE(list->count(), 60);
    for (int index = 0; index < list->count(); ++index) {
        QCOMPARE(list->at(index)->fileName(), QStringLiteral("doc%1.pdf").arg(index * 2));
        QCOMPARE(list->at(index)->pageCount(), 2);
    }
    QCOMPARE(finished.count(), 1);

    // Cleared, and destroyed with inspections still running: nothing reports to a list that is gone.
    list->addFiles(paths.mid(1, 40));
    list->clear();
    QCOMPARE(list->checkingCount(), 0);
    QCOMPARE(finished.count(), 2);
    list->addFiles(paths.mid(41, 40));
    list.reset();
    // Any report still posted is delivered now; none may reach the list that is gone.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

QTEST_MAIN(TestFileItemList)
#include "TestFileItemList.moc"
