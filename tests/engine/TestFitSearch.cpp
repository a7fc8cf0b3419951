#include "engine/CompressSetting.h"
#include "engine/FitSearch.h"
#include "engine/GSCompressor.h"
#include "foundation/ProductConstants.h"
#include "support/LogCapture.h"
#include "support/TestHome.h"
#include "support/TestPdf.h"

#include <QtTest>
#include <algorithm>
#include <array>
#include <memory>

namespace {
    using Sizes = std::array<qint64, 10>; // the copy of each level, 1 to 10
    // Two runs at one level differ by the few bytes of the document's dates and identifier.
    constexpr qint64 sameSize = 256;

    QStringList entriesOf(const QString& folder)
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    /** The search as run() drives it, over made-up sizes: the level it settles on (0 for none) and its tries. */
    QPair<int, int> simulate(const Sizes& sizes, qint64 sourceSize, qint64 target)
    {
        QMap<int, qint64> seen;
        int fitting = 0;
        int tooLarge = 11;
        int runs = 0;
        for (; runs < FitSearch::maximumRuns; ++runs) {
            const int level
                = FitSearch::nextLevel(fitting, tooLarge, seen, sourceSize, target, FitSearch::maximumRuns - runs);
            if (level == 0) {
                break;
            }
            if (level <= fitting || level >= tooLarge) {
                return { -1, runs }; // a level that is settled already: a wasted run
            }
            seen.insert(level, sizes[level - 1]);
            (sizes[level - 1] <= target ? fitting : tooLarge) = level;
        }
        if (FitSearch::nextLevel(fitting, tooLarge, seen, sourceSize, target, 1) != 0) {
            return { -2, runs }; // out of runs with levels still open
        }
        return { fitting, runs };
    }
} // namespace

class TestFitSearch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void searchSettlesEveryTarget_data();
    void searchSettlesEveryTarget();
    void fitsBetweenTwoLevelsWithTheHigherOnesCopy();
    void targetBelowTheSmallestCopyDeliversItAndSaysSo();
    void sourceThatFitsGoesOutAsItIs();
    void searchStoppedBeforeItStartsDeliversNothing();

private:
    QString document() const { return m_documents.filePath(QStringLiteral("scan.pdf")); }
    QString outputFolder() const { return m_work->path() + QStringLiteral("/out"); }
    /** The level whose copy is the larger of two neighbours with different sizes, from the middle up. */
    int levelBelowAStep() const;

    QTemporaryDir m_documents;
    Sizes m_levelSizes {};
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<QTemporaryDir> m_work;
};

void TestFitSearch::initTestCase()
{
    QVERIFY(TestPdf::writeImageDocument(document(), 2));
    // What each level makes of the document, as one compression at that level delivers it.
    TestHome home;
    QTemporaryDir out;
    for (int level = CompressSetting::minimumLevel; level <= CompressSetting::maximumLevel; ++level) {
        GSCompressor compressor;
        compressor.setMode(Custom);
        compressor.setLevel(level);
        QCOMPARE(compressor.compress(document(), out.path() + QStringLiteral("/%1").arg(level), QString()),
            qint32(GSCompressor::Success));
        m_levelSizes[level - 1] = compressor.compressedSize();
    }
    QVERIFY2(m_levelSizes[0] < m_levelSizes[9], "the levels must make copies of different sizes");
}

void TestFitSearch::init()
{
    m_home = std::make_unique<TestHome>();
    m_work = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir().mkpath(outputFolder()));
}

void TestFitSearch::cleanup()
{
    // However the search ended, its tries leave nothing in the Temp folder.
    QCOMPARE(entriesOf(Product::tempFolder()), QStringList());
    m_work.reset();
    m_home.reset();
}

int TestFitSearch::levelBelowAStep() const
{
    for (int level = 5; level >= 1; --level) {
        if (m_levelSizes[level - 1] < m_levelSizes[level]) {
            return level;
        }
    }
    return 0;
}

void TestFitSearch::searchSettlesEveryTarget_data()
{
    QTest::addColumn<QList<qint64>>("sizes");
    QTest::addColumn<qint64>("sourceSize");

    // Copies that grow with the square of the resolution, as images do.
    QTest::newRow("images") << QList<qint64> { 50, 90, 140, 200, 270, 350, 440, 540, 650, 770 } << qint64(3000);
    // Grey below level 4 makes the first three far smaller than the rest.
    QTest::newRow("grey step") << QList<qint64> { 10, 12, 14, 400, 450, 500, 550, 600, 650, 700 } << qint64(800);
    // Text documents hardly change with the level.
    QTest::newRow("flat") << QList<qint64> { 100, 100, 101, 101, 102, 102, 103, 103, 104, 104 } << qint64(120);
    // A source whose images are finer than any level: every copy is far below it.
    QTest::newRow("fine scan") << QList<qint64> { 5, 8, 12, 17, 23, 30, 38, 47, 57, 68 } << qint64(100000);
    // The rewrite never beats the source from level 6 on, so those copies are the source itself.
    QTest::newRow("capped") << QList<qint64> { 100, 200, 300, 400, 500, 600, 600, 600, 600, 600 } << qint64(600);
}

// Whatever the target, the search finds the highest level whose copy fits (what trying all ten would
// find), never tries a level twice and stays within its runs.
void TestFitSearch::searchSettlesEveryTarget()
{
    QFETCH(QList<qint64>, sizes);
    QFETCH(qint64, sourceSize);
    Sizes levels {};
    std::copy(sizes.cbegin(), sizes.cend(), levels.begin());

    QList<qint64> targets { 1, sizes.first() - 1 };
    for (const qint64 size : sizes) {
        targets << size << size + 1;
    }
    for (const qint64 target : targets) {
        int best = 0;
        for (int level = 1; level <= 10; ++level) {
            if (levels[level - 1] <= target) {
                best = level;
            }
        }
        const QPair<int, int> found = simulate(levels, sourceSize, target);
        QVERIFY2(found.first == best,
            qPrintable(QStringLiteral("target %1: level %2, not %3").arg(target).arg(found.first).arg(best)));
        QVERIFY(found.second <= FitSearch::maximumRuns);
    }
}

void TestFitSearch::fitsBetweenTwoLevelsWithTheHigherOnesCopy()
{
    const int level = levelBelowAStep();
    QVERIFY2(level > 0, "no two neighbouring levels make copies of different sizes");
    const qint64 target = (m_levelSizes[level - 1] + m_levelSizes[level]) / 2;

    LogCapture log;
    GSCompressor compressor;
    FitSearch search(compressor);
    QList<int> triedLevels;
    search.setTryHandler([&triedLevels](int number, int tried) {
        QCOMPARE(number, triedLevels.size() + 1);
        triedLevels << tried;
    });
    QCOMPARE(search.run(document(), outputFolder(), QString(), target), qint32(GSCompressor::Success));

    QVERIFY(search.fits());
    QCOMPARE(search.levelUsed(), level);
    QVERIFY(search.deliveredSize() <= target);
    QVERIFY(search.deliveredSize() >= m_levelSizes[level - 1] - sameSize);
    QVERIFY(search.tries().size() <= FitSearch::maximumRuns);
    QCOMPARE(triedLevels.size(), search.tries().size());
    const QString delivered = outputFolder() + QStringLiteral("/scan.pdf");
    QCOMPARE(QFileInfo(delivered).size(), search.deliveredSize());
    QCOMPARE(TestPdf::pageCount(delivered), 2);
    // Only the chosen copy reached the output folder.
    QCOMPARE(entriesOf(outputFolder()), QStringList { QStringLiteral("scan.pdf") });
    // The log names each try with its size.
    for (const FitSearch::Try& each : search.tries()) {
        const QString line = QStringLiteral("at level %1 : %2 bytes").arg(each.level).arg(each.size);
        QVERIFY2(std::any_of(log.messages().cbegin(), log.messages().cend(),
                     [&line](const QString& message) { return message.contains(line); }),
            qPrintable(line));
    }
}

void TestFitSearch::targetBelowTheSmallestCopyDeliversItAndSaysSo()
{
    const qint64 smallest = *std::min_element(m_levelSizes.cbegin(), m_levelSizes.cend());
    GSCompressor compressor;
    FitSearch search(compressor);
    QCOMPARE(search.run(document(), outputFolder(), QString(), smallest / 2), FitSearch::DoesNotFit);

    QVERIFY(!search.fits());
    QVERIFY(qAbs(search.deliveredSize() - smallest) < sameSize);
    QCOMPARE(search.levelUsed(), 1);
    QVERIFY(search.tries().size() <= FitSearch::maximumRuns);
    QCOMPARE(QFileInfo(outputFolder() + QStringLiteral("/scan.pdf")).size(), search.deliveredSize());
}

void TestFitSearch::sourceThatFitsGoesOutAsItIs()
{
    GSCompressor compressor;
    FitSearch search(compressor);
    const qint64 sourceSize = QFileInfo(document()).size();
    QCOMPARE(search.run(document(), outputFolder(), QString(), sourceSize), qint32(GSCompressor::Success));

    QVERIFY(search.fits());
    QCOMPARE(search.levelUsed(), FitSearch::sourceLevel);
    QVERIFY(search.tries().isEmpty());
    QFile source(document());
    QFile delivered(outputFolder() + QStringLiteral("/scan.pdf"));
    QVERIFY(source.open(QIODevice::ReadOnly) && delivered.open(QIODevice::ReadOnly));
    QCOMPARE(delivered.readAll(), source.readAll());
    QCOMPARE(compressor.delivery(), Delivery::SourceUnchanged);
    // The source itself stays where it was.
    QVERIFY(QFileInfo::exists(document()));
}

void TestFitSearch::searchStoppedBeforeItStartsDeliversNothing()
{
    GSCompressor compressor;
    compressor.stop();
    FitSearch search(compressor);
    QCOMPARE(search.run(document(), outputFolder(), QString(), 1000), qint32(GSCompressor::Stopped));
    QCOMPARE(entriesOf(outputFolder()), QStringList());
    QCOMPARE(search.tries().size(), 1);
}

QTEST_MAIN(TestFitSearch)
#include "TestFitSearch.moc"
