#include "engine/StopSignal.h"
#include "engine/WorkerProcess.h"
#include "engine/WorkerRequest.h"
#include "support/TestPdf.h"

#include <QTemporaryDir>
#include <QtTest>

/** The worker's comparison of what each page of a copy shows with what the same page of its source shows. */
class TestInkComparison : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void findsTheFirstEmptiedPage_data();
    void findsTheFirstEmptiedPage();

private:
    QString path(const QString& name) const { return m_folder.filePath(name); }

    QTemporaryDir m_folder;
};

void TestInkComparison::initTestCase()
{
    // The text stands at 20,20: a page whose box starts beyond it shows nothing.
    const QByteArray shown = "/MediaBox [0 0 200 200]";
    const QByteArray blank = "/MediaBox [100 100 200 200]";
    QVERIFY(TestPdf::writePagesDocument(path("three.pdf"), { shown, shown, shown }));
    QVERIFY(TestPdf::writePagesDocument(path("two.pdf"), { shown, shown }));
    QVERIFY(TestPdf::writePagesDocument(path("blank-second.pdf"), { shown, blank, shown }));
}

void TestInkComparison::findsTheFirstEmptiedPage_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("copy");
    QTest::addColumn<int>("emptiedPage"); // 0 when the copy keeps everything
    QTest::newRow("every page kept") << "three.pdf"
                                     << "three.pdf" << 0;
    QTest::newRow("the source's last page missing") << "three.pdf"
                                                    << "two.pdf" << 3;
    QTest::newRow("a page emptied") << "three.pdf"
                                    << "blank-second.pdf" << 2;
    QTest::newRow("a blank page left blank") << "blank-second.pdf"
                                             << "blank-second.pdf" << 0;
    QTest::newRow("a page shown that was blank") << "blank-second.pdf"
                                                 << "three.pdf" << 0;
}

void TestInkComparison::findsTheFirstEmptiedPage()
{
    QFETCH(QString, source);
    QFETCH(QString, copy);
    QFETCH(int, emptiedPage);
    WorkerRequest request;
    request.job = WorkerRequest::Job::CompareInk;
    request.sourcePath = path(source);
    request.rewritePath = path(copy);
    request.temporaryFolder = m_folder.path();
    StopSignal stop;
    const WorkerProcess::Outcome outcome = WorkerProcess::run(
        WorkerProcess::executablePath(), request.encode(), std::chrono::minutes(2), stop, [](const QByteArray&) {});

    QCOMPARE(outcome.ending, WorkerProcess::Ending::Exited);
    QCOMPARE(outcome.exitStatus == 0, emptiedPage == 0);
    const QByteArray expected = emptiedPage == 0
        ? QByteArray()
        : "Page " + QByteArray::number(emptiedPage) + " shows content in the source but nothing in the copy.";
    QCOMPARE(outcome.diagnostics.trimmed(), expected);
}

QTEST_MAIN(TestInkComparison)
#include "TestInkComparison.moc"
