#include "engine/PdfCheck.h"
#include "engine/SourcePass.h"
#include "engine/StopSignal.h"
#include "support/TestPdf.h"

#include <QtTest>
#include <sys/stat.h>

namespace {
    QStringList entriesOf(const QString& folder)
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

} // namespace

Q_DECLARE_METATYPE(PdfRepacker::Outcome)

class TestSourcePass : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void concurrentPassMatchesOneMadeWhenAsked();
    void endsWithNothingLeft_data();
    void endsWithNothingLeft();
    void copyIsPrivate();

private:
    QString staged() const { return m_work->filePath("staged.pdf"); }

    QTemporaryDir m_fixtures;
    std::unique_ptr<QTemporaryDir> m_work;
};

void TestSourcePass::initTestCase()
{
    QVERIFY(TestPdf::writeSlowToRepackDocument(m_fixtures.filePath("slow.pdf"), 16));
    QVERIFY(TestPdf::writeLinkedTextDocument(m_fixtures.filePath("linked.pdf"), 4));
}

void TestSourcePass::init()
{
    m_work = std::make_unique<QTemporaryDir>();
    QVERIFY(QFile::copy(m_fixtures.filePath("linked.pdf"), staged()));
}

void TestSourcePass::cleanup()
{
    // Only the staged source is left: every pass removed what it wrote.
    QCOMPARE(entriesOf(m_work->path()), QStringList { "staged.pdf" });
    m_work.reset();
}

void TestSourcePass::concurrentPassMatchesOneMadeWhenAsked()
{
    const PdfCheck::Result source = PdfCheck::inspect(staged(), QString(), PdfCheck::Detail::PagesAndNavigation);
    QVERIFY(source.linkCount > 0);
    StopSignal stop;
    qint64 sizes[2] = {};
    int index = 0;
    for (const SourcePass::Start start : { SourcePass::Start::Concurrently, SourcePass::Start::WhenAsked }) {
        SourcePass pass(staged(), QString(), source, stop, start);
        const SourcePass::Result& made = pass.result();
        QCOMPARE(made.repack.outcome, PdfRepacker::Outcome::Written);
        QCOMPARE(QFileInfo(made.path).size(), made.repack.size);
        // The copy comes checked: the same pages, links and bookmarks as the source.
        QCOMPARE(made.check.outcome, PdfCheck::Outcome::Readable);
        QCOMPARE(PdfCheck::unlikeSource(source, made.check), QString());
        QCOMPARE(made.check.linkCount, source.linkCount);
        QCOMPARE(made.check.outlineCount, source.outlineCount);
        QVERIFY(made.cpuTime.count() > 0);
        sizes[index++] = made.repack.size;
    }
    QCOMPARE(sizes[0], sizes[1]);
}

void TestSourcePass::endsWithNothingLeft_data()
{
    QTest::addColumn<QString>("ending");
    QTest::addColumn<PdfRepacker::Outcome>("outcome");
    QTest::newRow("stop raised before it starts") << "stop first" << PdfRepacker::Outcome::Cancelled;
    QTest::newRow("stop raised while it writes") << "stop" << PdfRepacker::Outcome::Cancelled;
    QTest::newRow("cancelled while it writes") << "cancel" << PdfRepacker::Outcome::Cancelled;
    QTest::newRow("destroyed while it writes") << "destroy" << PdfRepacker::Outcome::Cancelled;
    // Another copy of one byte is sure to go out: what is written already is larger.
    QTest::newRow("outgrows the size to beat") << "bound" << PdfRepacker::Outcome::CannotWin;
}

// A compression that ends while its pass writes a long copy waits for the pass's thread, which stops
// within a moment and takes its copy with it, whatever ended it.
void TestSourcePass::endsWithNothingLeft()
{
    QFETCH(QString, ending);
    QFETCH(PdfRepacker::Outcome, outcome);
    QFile::remove(staged());
    QVERIFY(QFile::copy(m_fixtures.filePath("slow.pdf"), staged()));
    const PdfCheck::Result source = PdfCheck::inspect(staged());
    StopSignal stop;
    if (ending == "stop first") {
        stop.raise();
    }
    auto pass = std::make_unique<SourcePass>(staged(), QString(), source, stop, SourcePass::Start::Concurrently);
    if (ending == "destroy") {
        QTRY_VERIFY_WITH_TIMEOUT(pass->hasBegun(), 60000);
        pass.reset();
        return;
    }
    if (ending != "stop first") {
        QTRY_VERIFY_WITH_TIMEOUT(pass->hasBegun(), 60000);
        if (ending == "stop") {
            stop.raise();
        } else if (ending == "cancel") {
            pass->cancel();
        } else {
            pass->mustComeBelow(1);
        }
    }
    const SourcePass::Result& made = pass->result();
    QCOMPARE(made.repack.outcome, outcome);
    QVERIFY(!QFileInfo::exists(made.path));
}

void TestSourcePass::copyIsPrivate()
{
    const PdfCheck::Result source = PdfCheck::inspect(staged());
    StopSignal stop;
    SourcePass pass(staged(), QString(), source, stop, SourcePass::Start::Concurrently);
    const SourcePass::Result& made = pass.result();
    QCOMPARE(made.repack.outcome, PdfRepacker::Outcome::Written);
    struct stat status = {};
    QCOMPARE(::stat(QFile::encodeName(made.path).constData(), &status), 0);
    QCOMPARE(status.st_mode & 0777, mode_t(0600));
}

QTEST_MAIN(TestSourcePass)
#include "TestSourcePass.moc"
