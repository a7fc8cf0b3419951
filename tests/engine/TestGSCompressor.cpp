#include "engine/CompressSetting.h"
#include "engine/GSCompressor.h"
#include "engine/GreyRewriteCheck.h"
#include "foundation/ProductConstants.h"
#include "support/LogCapture.h"
#include "support/SmallVolume.h"
#include "support/TestHome.h"
#include "support/TestPdf.h"

#include <QtConcurrent/QtConcurrentRun>
#include <QtTest>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
    QByteArray contentsOf(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QStringList entriesOf(const QString& folder)
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    /** The size the compression logged for one of its candidates, -1 when it considered none such. */
    qint64 loggedCandidateSize(const LogCapture& log, const QString& candidate)
    {
        const QRegularExpression line("Candidate " + candidate + " (\\d+) bytes");
        for (const QString& message : log.messages()) {
            const QRegularExpressionMatch match = line.match(message);
            if (match.hasMatch()) {
                return match.captured(1).toLongLong();
            }
        }
        return -1;
    }

    /** The width of every page of the document in points, as qpdf reads its media box. */
    QList<double> pageWidths(const QString& path)
    {
        QList<double> widths;
        QPDF pdf;
        pdf.processFile(QFile::encodeName(path).constData());
        for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(pdf).getAllPages()) {
            QPDFObjectHandle box = page.getMediaBox();
            widths << box.getArrayItem(2).getNumericValue() - box.getArrayItem(0).getNumericValue();
        }
        return widths;
    }

    /**
     * A PostScript program that, run by the interpreter, copies a file of folder into another one there
     * and paints small pages of its own, followed by the PDF at pdfPath: readers find its header within
     * the first kilobyte and take the whole for that PDF.
     */
    QByteArray postScriptBefore(const QString& pdfPath, const QString& folder, int pageCount)
    {
        const QByteArray secret = QFile::encodeName(folder + "/secret.txt");
        const QByteArray leaked = QFile::encodeName(folder + "/leaked.txt");
        const QByteArray program = "%!PS-Adobe-3.0\n"
                                   "/secret 64 string def\n"
                                   "{ ("
            + secret
            + ") (r) file secret readstring pop /secret exch def } stopped pop\n"
              "{ ("
            + leaked
            + ") (w) file dup secret writestring closefile } stopped pop\n"
              "<< /PageSize [200 200] >> setpagedevice\n"
              "/Helvetica findfont 12 scalefont setfont\n"
            + QByteArray("10 100 moveto secret show showpage\n").repeated(pageCount) + "quit\n";
        return program + contentsOf(pdfPath);
    }

    bool anyLineHasAll(const QStringList& lines, const QStringList& parts)
    {
        return std::any_of(lines.cbegin(), lines.cend(), [&](const QString& line) {
            return std::all_of(parts.cbegin(), parts.cend(), [&](const QString& part) { return line.contains(part); });
        });
    }

    /** Every entry below folder with its permission bits, folders ending in a slash. */
    QMap<QString, int> permissionsBelow(const QString& folder)
    {
        QMap<QString, int> found;
        QDirIterator entries(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
            QDirIterator::Subdirectories);
        while (entries.hasNext()) {
            const QString path = entries.next();
            struct stat status = {};
            if (::lstat(QFile::encodeName(path).constData(), &status) == 0) {
                const QString name = path.mid(folder.size()) + (S_ISDIR(status.st_mode) ? "/" : "");
                found.insert(name, int(status.st_mode & 07777));
            }
        }
        return found;
    }

    // What the Temp folder held while the compression chose among its candidates.
    QMap<QString, int> tempWhileChoosing;

    void recordTempWhileChoosing(QtMsgType, const QMessageLogContext&, const QString& message)
    {
        if (message.contains(QLatin1String("Delivering"))) {
            tempWhileChoosing = permissionsBelow(Product::tempFolder());
        }
    }

    // The name a test makes another program take while the interpreter runs.
    QString clashingPath;

    void takeNameWhileInterpreterRuns(QtMsgType, const QMessageLogContext&, const QString& message)
    {
        if (message.startsWith(QLatin1String("Arg 0 ")) && !clashingPath.isEmpty()) {
            TestPdf::writeBytes(clashingPath, "written by someone else");
        }
    }
} // namespace

Q_DECLARE_METATYPE(TestPdf::Cipher)
Q_DECLARE_METATYPE(Delivery)

class TestGSCompressor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void argumentList_data();
    void argumentList();
    void uniqueFileName_data();
    void uniqueFileName();
    void compressesImageDocument_data();
    void compressesImageDocument();
    void reencodesCameraPhotos_data();
    void reencodesCameraPhotos();
    void smallNeverAboveMedium();
    void halvesPaletteMapsAtMedium();
    void deliversUnshrinkableSourceUnchanged();
    void keepsLinksAndBookmarks();
    void compressesDocumentWithCircularOutline();
    void refusesRewriteOfUnopenedFile();
    void neverDeliversCopyThatLosesInk();
    void comparesInkOnlyOfRewriteThatMayGoOut();
    void neverDeliversPagesEmptied_data();
    void neverDeliversPagesEmptied();
    void deliversSmallestSoundCandidate_data();
    void deliversSmallestSoundCandidate();
    void deliversRepairedSourceAsItIs();
    void keepsProtection_data();
    void keepsProtection();
    void compressesEncryptedDocument_data();
    void compressesEncryptedDocument();
    void passwordNeverReachesTheLog();
    void compressesDocumentWithAccentedPassword_data();
    void compressesDocumentWithAccentedPassword();
    void rejectsBadInput_data();
    void rejectsBadInput();
    void interpreterRunsOnlyThePdf();
    void copiesArePrivateWhateverTheUmask_data();
    void copiesArePrivateWhateverTheUmask();
    void deliveredCopyTakesSourcePermissions_data();
    void deliveredCopyTakesSourcePermissions();
    void reportsUnusableOutputFolder();
    void reportsNameTooLongForAVariant();
    void reportsWorkerThatCannotStart();
    void worksUnderUnusualHomePath();
    void concurrentSameNamedSourcesGetDistinctNames();
    void deliveryIsAllOrNothing_data();
    void deliveryIsAllOrNothing();
    void retryTakesNextFreeNameOfTheSource();
    void fullTempFolderFailsTheRun_data();
    void fullTempFolderFailsTheRun();
    void logsWhatQpdfRepaired();

private:
    QString outputFolder() const { return m_work->path() + "/out"; }
    QString imageDocument() const { return m_fixtures.path() + "/report.pdf"; }

    QTemporaryDir m_fixtures;
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<QTemporaryDir> m_work;
};

void TestGSCompressor::initTestCase()
{
    QVERIFY(TestPdf::writeImageDocument(imageDocument(), 3));
    QCOMPARE(TestPdf::pageCount(imageDocument()), 3);
}

void TestGSCompressor::init()
{
    m_home = std::make_unique<TestHome>();
    m_work = std::make_unique<QTemporaryDir>();
}

void TestGSCompressor::cleanup()
{
    // Whatever happened, a compression leaves nothing staged behind.
    QCOMPARE(entriesOf(Product::tempFolder()), QStringList());
    m_work.reset();
    m_home.reset();
}

void TestGSCompressor::argumentList_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QStringList>("imageOptions");
    QTest::addColumn<QString>("threshold");
    QTest::addColumn<QString>("passThrough");
    QTest::addColumn<QString>("jpegDictionary");

    const auto options = [](const char* filter, const char* colours, int dpi, int monoDpi) {
        return QStringList { QStringLiteral("-dColorImageDownsampleType=%1").arg(filter),
            QStringLiteral("-dGrayImageDownsampleType=%1").arg(filter),
            QStringLiteral("-sColorConversionStrategy=%1").arg(colours),
            QStringLiteral("-dColorImageResolution=%1").arg(dpi), QStringLiteral("-dGrayImageResolution=%1").arg(dpi),
            QStringLiteral("-dMonoImageResolution=%1").arg(monoDpi) };
    };
    // The lower levels encode every picture again, camera JPEGs too; the best levels keep what needs no
    // resampling and encode the rest finely.
    const QString compact = "<< /QFactor 0.90 /Blend 1 /HSamples [2 1 1 2] /VSamples [2 1 1 2] >>";
    const QString fine = "<< /QFactor 0.40 /Blend 1 /HSamples [1 1 1 1] /VSamples [1 1 1 1] >>";
    QTest::newRow("high ignores level") << 0 << 9 << QString() << options("/Subsample", "Gray", 72, 150) << "1.0"
                                        << "false" << compact;
    QTest::newRow("medium") << 1 << 9 << QString() << options("/Bicubic", "RGB", 150, 400) << "1.0"
                            << "false" << compact;
    QTest::newRow("low") << 2 << 1 << QString() << options("/Bicubic", "LeaveColorUnchanged", 288, 900) << "1.5"
                         << "true" << fine;
    QTest::newRow("custom 3") << 3 << 3 << QString() << options("/Subsample", "Gray", 120, 250) << "1.0"
                              << "false" << compact;
    QTest::newRow("custom 7") << 3 << 7 << QString() << options("/Bicubic", "RGB", 216, 600) << "1.0"
                              << "false" << compact;
    QTest::newRow("custom 8 with password")
        << 3 << 8 << "s3cret" << options("/Bicubic", "LeaveColorUnchanged", 240, 700) << "1.5"
        << "true" << fine;
    QTest::newRow("custom 12 clamps") << 3 << 12 << "x" << options("/Bicubic", "LeaveColorUnchanged", 288, 900) << "1.5"
                                      << "true" << fine;
}

void TestGSCompressor::argumentList()
{
    QFETCH(int, mode);
    QFETCH(int, level);
    QFETCH(QString, password);
    QFETCH(QStringList, imageOptions);
    QFETCH(QString, threshold);
    QFETCH(QString, passThrough);
    QFETCH(QString, jpegDictionary);

    GSCompressor compressor;
    compressor.setMode(mode);
    const QStringList arguments = compressor.generateGhostscriptArgs(level, imageDocument(), password);
    QCOMPARE(compressor.tempFiles().size(), 1);
    const auto [stagedInput, stagedOutput] = compressor.tempFiles().first();
    QVERIFY(QFileInfo(stagedInput).fileName().endsWith("_input.pdf"));
    QVERIFY(QFileInfo(stagedOutput).fileName().endsWith("_output.pdf"));
    QCOMPARE(QFileInfo(stagedInput).fileName().size(), 36 + int(strlen("_input.pdf")));
    QCOMPARE(contentsOf(stagedInput), contentsOf(imageDocument()));

    QStringList expected = { "gs", "-sDEVICE=pdfwrite", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-dQUIET" };
    if (!password.isEmpty()) {
        expected << "-sPDFPassword=" + password;
    }
    expected << imageOptions.mid(0, 3)
             << QStringList { "-dColorImageFilter=/DCTEncode", "-dGrayImageFilter=/DCTEncode",
                    "-dMonoImageFilter=/CCITTFaxEncode", "-dDownsampleColorImages=true", "-dDownsampleGrayImages=true",
                    "-dDownsampleMonoImages=true", "-dAutoFilterColorImages=false", "-dAutoFilterGrayImages=false",
                    "-dColorImageDownsampleThreshold=" + threshold, "-dGrayImageDownsampleThreshold=" + threshold,
                    "-dMonoImageDownsampleThreshold=1.0" }
             << imageOptions.mid(3) << "-dPassThroughJPEGImages=" + passThrough << "-sOutputFile=" + stagedOutput
             << "-c"
             << "<< /ColorImageDict " + jpegDictionary + " /GrayImageDict " + jpegDictionary + " >> setdistillerparams"
             << "-f" << stagedInput;
    QCOMPARE(arguments, expected);

    compressor.removeTempFiles();
    QVERIFY(compressor.tempFiles().isEmpty());
}

void TestGSCompressor::uniqueFileName_data()
{
    QTest::addColumn<QStringList>("existingFiles");
    QTest::addColumn<QStringList>("existingFolders");
    QTest::addColumn<QString>("requested");
    QTest::addColumn<QString>("expected");
    QTest::newRow("free") << QStringList() << QStringList() << "report.pdf"
                          << "report.pdf";
    QTest::newRow("two taken") << QStringList { "report.pdf", "report_1.pdf" } << QStringList() << "report.pdf"
                               << "report_2.pdf";
    QTest::newRow("gap is reused") << QStringList { "report.pdf", "report_2.pdf" } << QStringList() << "report.pdf"
                                   << "report_1.pdf";
    QTest::newRow("dotted name") << QStringList { "report.final.pdf" } << QStringList() << "report.final.pdf"
                                 << "report.final_1.pdf";
    QTest::newRow("folder takes the name") << QStringList() << QStringList { "report.pdf" } << "report.pdf"
                                           << "report_1.pdf";
    QTest::newRow("case differs") << QStringList { "Report.pdf" } << QStringList() << "report.pdf"
                                  << "report.pdf";
}

void TestGSCompressor::uniqueFileName()
{
    QFETCH(QStringList, existingFiles);
    QFETCH(QStringList, existingFolders);
    QFETCH(QString, requested);
    QFETCH(QString, expected);

    const QString folder = outputFolder() + "/nested/deeper";
    QVERIFY(QDir().mkpath(folder));
    for (const QString& name : existingFiles) {
        QFile file(folder + "/" + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    for (const QString& name : existingFolders) {
        QVERIFY(QDir(folder).mkdir(name));
    }
    QString fileName = requested;
    GSCompressor::makeUniqueFileName(folder, fileName, 0);
    QCOMPARE(fileName, expected);
}

void TestGSCompressor::compressesImageDocument_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("grey");
    QTest::newRow("level 1") << 1 << true;
    QTest::newRow("level 5") << 5 << false;
    QTest::newRow("level 10") << 10 << false;
}

void TestGSCompressor::compressesImageDocument()
{
    QFETCH(int, level);
    QFETCH(bool, grey);

    GSCompressor compressor;
    compressor.setMode(Custom);
    compressor.setLevel(level);
    const QString folder = outputFolder() + "/made/for/this"; // missing folders are created
    QCOMPARE(compressor.compress(imageDocument(), folder, QString()), 0);

    QCOMPARE(compressor.fileName(), QStringLiteral("report.pdf"));
    const QString delivered = folder + "/report.pdf";
    QCOMPARE(compressor.compressedSize(), QFileInfo(delivered).size());
    QVERIFY2(compressor.compressedSize() < QFileInfo(imageDocument()).size(),
        qPrintable(QString::number(compressor.compressedSize())));
    QCOMPARE(TestPdf::pageCount(delivered), 3);
    QCOMPARE(TestPdf::hasOnlyGreyImages(delivered), grey);
    QVERIFY(compressor.delivery() == Delivery::Rewritten || compressor.delivery() == Delivery::RewrittenAndRepacked);
    QCOMPARE(entriesOf(folder), QStringList { "report.pdf" });
}

void TestGSCompressor::reencodesCameraPhotos_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<double>("largestShare");
    QTest::addColumn<bool>("picturesKept");
    // The photographs are of 150 dpi, below Medium's target: nothing needs resampling there, yet the
    // camera's JPEG quality is far more than the level asks for.
    QTest::newRow("small") << int(High) << 0.2 << false;
    QTest::newRow("medium") << int(Medium) << 0.5 << false;
    // The best images keep the camera's own bytes.
    QTest::newRow("large") << int(Low) << 1.0 << true;
}

void TestGSCompressor::reencodesCameraPhotos()
{
    QFETCH(int, mode);
    QFETCH(double, largestShare);
    QFETCH(bool, picturesKept);

    const QString source = m_work->path() + "/holiday.pdf";
    QVERIFY(TestPdf::writeCameraPhotoDocument(source, 3, 150));
    GSCompressor compressor;
    compressor.setMode(mode);
    QCOMPARE(compressor.compress(source, outputFolder(), QString()), 0);

    const QString delivered = outputFolder() + "/holiday.pdf";
    const double share = double(QFileInfo(delivered).size()) / double(QFileInfo(source).size());
    QVERIFY2(share <= largestShare, qPrintable(QString::number(share)));
    QCOMPARE(TestPdf::pageCount(delivered), 3);
    QList<QByteArray> sourcePictures = TestPdf::pictureData(source);
    QList<QByteArray> deliveredPictures = TestPdf::pictureData(delivered);
    QCOMPARE(sourcePictures.size(), 3);
    std::sort(sourcePictures.begin(), sourcePictures.end());
    std::sort(deliveredPictures.begin(), deliveredPictures.end());
    QCOMPARE(deliveredPictures == sourcePictures, picturesKept);
}

void TestGSCompressor::smallNeverAboveMedium()
{
    // In grey the interpreter paints each colour shading as a picture, which makes these slides larger
    // at Small than at Medium; Small keeps the shadings as drawings instead.
    const QString source = m_work->path() + "/slides.pdf";
    QVERIFY(TestPdf::writeShadingDocument(source, 4));
    QMap<int, qint64> delivered;
    for (const int mode : { int(High), int(Medium) }) {
        const QString folder = outputFolder() + "/" + QString::number(mode);
        GSCompressor compressor;
        compressor.setMode(mode);
        QCOMPARE(compressor.compress(source, folder, QString()), 0);
        QCOMPARE(TestPdf::pageCount(folder + "/slides.pdf"), 4);
        QCOMPARE(GreyRewriteCheck::imageCount(folder + "/slides.pdf"), GreyRewriteCheck::imageCount(source));
        delivered[mode] = compressor.compressedSize();
    }
    QVERIFY2(delivered.value(High) <= delivered.value(Medium),
        qPrintable(QStringLiteral("Small %1, Medium %2").arg(delivered.value(High)).arg(delivered.value(Medium))));
    QVERIFY(delivered.value(Medium) < QFileInfo(source).size() / 4);
}

void TestGSCompressor::halvesPaletteMapsAtMedium()
{
    // A palette picture shrinks by whole factors only: 249 dpi against a target above 166 rounds to
    // a factor of one, and the map would go out as large as it came.
    const QString source = m_work->path() + "/atlas.pdf";
    QVERIFY(TestPdf::writePaletteMapDocument(source));
    GSCompressor compressor;
    compressor.setMode(Medium);
    QCOMPARE(compressor.compress(source, outputFolder(), QString()), 0);
    QCOMPARE(TestPdf::pictureWidths(outputFolder() + "/atlas.pdf"), QList<int> { 500 });
    QVERIFY(compressor.compressedSize() < QFileInfo(source).size() / 2);
}

void TestGSCompressor::deliversUnshrinkableSourceUnchanged()
{
    const QString source = m_work->path() + "/tiny.pdf";
    QVERIFY(TestPdf::writeTinyDocument(source));
    GSCompressor compressor;
    compressor.setMode(Low);
    QCOMPARE(compressor.compress(source, outputFolder(), QString()), 0);
    QCOMPARE(contentsOf(outputFolder() + "/tiny.pdf"), contentsOf(source));
    QCOMPARE(compressor.compressedSize(), QFileInfo(source).size());
    QCOMPARE(compressor.delivery(), Delivery::SourceUnchanged);
}

void TestGSCompressor::keepsLinksAndBookmarks()
{
    // The interpreter drops links and bookmarks to named destinations without a word; a rewrite
    // without them must not replace the source, however much smaller it is. The source goes out,
    // repacked when that makes it smaller.
    const QString source = m_work->path() + "/linked.pdf";
    QVERIFY(TestPdf::writeNamedDestinationCopy(imageDocument(), source));
    const LogCapture log;
    GSCompressor compressor;
    compressor.setMode(High);
    QCOMPARE(compressor.compress(source, outputFolder(), QString()), 0);
    QVERIFY(log.contains("Rewrite loses links or bookmarks of"));
    QVERIFY(compressor.keptSourceForNavigation());
    const QString delivered = outputFolder() + "/linked.pdf";
    QCOMPARE(TestPdf::navigationOf(delivered), qMakePair(1, 1));
    QCOMPARE(TestPdf::pageCount(delivered), 3);
    QVERIFY(!TestPdf::hasOnlyGreyImages(delivered)); // the source's colour images, not the grey rewrite's
    if (compressor.delivery() == Delivery::SourceRepacked) {
        QVERIFY(compressor.compressedSize() < QFileInfo(source).size());
    } else {
        QCOMPARE(compressor.delivery(), Delivery::SourceUnchanged);
        QCOMPARE(contentsOf(delivered), contentsOf(source));
    }
}

void TestGSCompressor::deliversSmallestSoundCandidate_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<Delivery>("expected");
    // Ghostscript writes no object streams and compresses less tightly: the repack shrinks its rewrite further.
    QTest::newRow("vector drawing") << "vector" << Delivery::RewrittenAndRepacked;
    // The rewrite embeds the fonts again and grows, while the source alone packs tighter.
    QTest::newRow("linked text") << "text" << Delivery::SourceRepacked;
}

void TestGSCompressor::deliversSmallestSoundCandidate()
{
    QFETCH(QString, kind);
    QFETCH(Delivery, expected);

    const QString source = m_work->path() + "/drawing.pdf";
    QVERIFY(kind == "vector" ? TestPdf::writeVectorDocument(source, 2) : TestPdf::writeLinkedTextDocument(source, 8));
    const QPair<int, int> navigation = TestPdf::navigationOf(source);
    const LogCapture log;
    GSCompressor compressor;
    compressor.setMode(Medium);
    QCOMPARE(compressor.compress(source, outputFolder(), QString()), 0);
    QVERIFY2(compressor.delivery() == expected, qPrintable(log.messages().filter("CandidatePicker").join('\n')));
    QVERIFY(!compressor.keptSourceForNavigation());

    const QString delivered = outputFolder() + "/drawing.pdf";
    const qint64 sourceSize = QFileInfo(source).size();
    const qint64 rewriteSize = loggedCandidateSize(log, "rewritten");
    QCOMPARE(compressor.compressedSize(), QFileInfo(delivered).size());
    QVERIFY2(compressor.compressedSize() < qMin(sourceSize, rewriteSize),
        qPrintable(
            QStringLiteral("%1 of %2, rewrite %3").arg(compressor.compressedSize()).arg(sourceSize).arg(rewriteSize)));
    if (expected == Delivery::SourceRepacked) {
        QVERIFY(rewriteSize > sourceSize);
    }
    QCOMPARE(TestPdf::pageCount(delivered), TestPdf::pageCount(source));
    QCOMPARE(TestPdf::navigationOf(delivered), navigation);
    QCOMPARE(entriesOf(outputFolder()), QStringList { "drawing.pdf" });
}

void TestGSCompressor::deliversRepairedSourceAsItIs()
{
    // qpdf repairs the cross-reference table when it reads this source; its repaired copy is not the
    // user's document, so the source goes out byte for byte or not at all.
    const QString intact = m_work->path() + "/intact.pdf";
    QVERIFY(TestPdf::writeLinkedTextDocument(intact, 8));
    const QString source = m_work->path() + "/repaired.pdf";
    QVERIFY(TestPdf::writeBrokenXrefCopy(intact, source));
    const LogCapture log;
    GSCompressor compressor;
    compressor.setMode(Medium);
    QCOMPARE(compressor.compress(source, outputFolder(), QString()), 0);
    QVERIFY(log.contains("Candidate source unchanged"));
    QVERIFY(!log.contains("Candidate source repacked"));
    QVERIFY(compressor.delivery() != Delivery::SourceRepacked);
    if (compressor.delivery() == Delivery::SourceUnchanged) {
        QCOMPARE(contentsOf(outputFolder() + "/repaired.pdf"), contentsOf(source));
    }
}

void TestGSCompressor::keepsProtection_data()
{
    QTest::addColumn<TestPdf::Cipher>("cipher");
    QTest::addColumn<QString>("userPassword");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<Delivery>("expected");
    QTest::newRow("AES-256 user password, rewrite") << TestPdf::Cipher::Aes256 << "user-pw"
                                                    << "image" << Delivery::RewrittenAndRepacked;
    QTest::newRow("RC4 owner only, rewrite") << TestPdf::Cipher::Rc4_128 << ""
                                             << "image" << Delivery::RewrittenAndRepacked;
    QTest::newRow("AES-256 user password, source repacked") << TestPdf::Cipher::Aes256 << "user-pw"
                                                            << "text" << Delivery::SourceRepacked;
    QTest::newRow("RC4 owner only, source repacked") << TestPdf::Cipher::Rc4_128 << ""
                                                     << "text" << Delivery::SourceRepacked;
}

// Ghostscript writes its rewrite unencrypted; what goes out must be protected exactly like the source.
void TestGSCompressor::keepsProtection()
{
    QFETCH(TestPdf::Cipher, cipher);
    QFETCH(QString, userPassword);
    QFETCH(QString, kind);
    QFETCH(Delivery, expected);

    const QString plain = m_work->path() + "/plain.pdf";
    QVERIFY(kind == "image" ? QFile::copy(imageDocument(), plain) : TestPdf::writeLinkedTextDocument(plain, 8));
    const QString source = m_work->path() + "/locked.pdf";
    QVERIFY(TestPdf::writeEncryptedCopy(plain, source, userPassword, "owner-pw", cipher));
    GSCompressor compressor;
    compressor.setMode(Medium);
    const LogCapture log;
    QCOMPARE(compressor.compress(source, outputFolder(), userPassword), 0);
    QVERIFY2(compressor.delivery() == expected, qPrintable(log.messages().filter("CandidatePicker").join('\n')));

    const QString delivered = outputFolder() + "/locked.pdf";
    QVERIFY(compressor.compressedSize() < QFileInfo(source).size());
    for (const QString& tried : { userPassword, QStringLiteral("owner-pw"), QString(), QStringLiteral("wrong") }) {
        QVERIFY2(TestPdf::protectionOf(delivered, tried, cipher) == TestPdf::protectionOf(source, tried, cipher),
            qPrintable(tried));
    }
    QVERIFY(TestPdf::protectionOf(delivered, userPassword, cipher).encrypted);
    QCOMPARE(TestPdf::protectionOf(delivered, QString(), cipher).opens, userPassword.isEmpty());
    QCOMPARE(TestPdf::pageCount(delivered, userPassword), TestPdf::pageCount(plain));
}

// Bookmarks that point back at each other once hung the navigation count before every compression.
void TestGSCompressor::compressesDocumentWithCircularOutline()
{
    const QString source = m_work->path() + "/tangled.pdf";
    QVERIFY(TestPdf::writeTangledNavigationCopy(imageDocument(), source));
    GSCompressor compressor;
    QCOMPARE(compressor.compress(source, outputFolder(), QString()), 0);
    QCOMPARE(TestPdf::pageCount(outputFolder() + "/tangled.pdf"), 3);
}

// qpdf repairs the file; the interpreter cannot open it and writes one empty page of its own size.
void TestGSCompressor::refusesRewriteOfUnopenedFile()
{
    const QString source = m_work->path() + "/unopened.pdf";
    QVERIFY(TestPdf::writeUnopenableByInterpreterDocument(source));
    QCOMPARE(TestPdf::pageCount(source), 1);

    const LogCapture log;
    GSCompressor compressor;
    compressor.setMode(Medium);
    QCOMPARE(compressor.compress(source, outputFolder(), QString()), qint32(GSCompressor::UnsoundDocument));
    QVERIFY2(anyLineHasAll(log.warnings(), { "Incomplete rewrite of", source, "Couldn't initialise file" }),
        qPrintable(log.warnings().join('\n')));
    QCOMPARE(entriesOf(outputFolder()), QStringList());
}

// The interpreter warns about the picture's /Decode, so every copy is compared with the source page by page.
void TestGSCompressor::neverDeliversCopyThatLosesInk()
{
    const QString source = m_work->path() + "/misread.pdf";
    QVERIFY(TestPdf::writeMisreadDecodeDocument(source));

    const LogCapture log;
    GSCompressor compressor;
    compressor.setMode(Medium);
    QCOMPARE(compressor.compress(source, outputFolder(), QString()), 0);
    const QString candidates = log.messages().filter("CandidatePicker").join('\n');
    QVERIFY2(log.contains("Candidate source repacked is unsound: a page that shows something in the source shows "
                          "nothing in it"),
        qPrintable(candidates));
    QVERIFY(loggedCandidateSize(log, "source repacked") < 0);
    QVERIFY2(compressor.delivery() != Delivery::SourceRepacked, qPrintable(candidates));
    QCOMPARE(TestPdf::pageCount(outputFolder() + "/misread.pdf"), 2);
}

// Comparing what the pages show costs about as much as the rewrite itself: a rewrite already refused for
// the links it lost is not compared, and the source goes out, although the rewrite emptied its pages.
// Nor is a repack of the source that qpdf read without a complaint: it holds the source's very objects,
// the damaged picture's data included, and shows what the source shows.
void TestGSCompressor::comparesInkOnlyOfRewriteThatMayGoOut()
{
    const QString damaged = m_work->path() + "/damaged.pdf";
    QVERIFY(TestPdf::writeDamagedImageDocument(damaged, 2));
    const QString source = m_work->path() + "/linked.pdf";
    QVERIFY(TestPdf::writeNamedDestinationCopy(damaged, source));

    const LogCapture log;
    GSCompressor compressor;
    compressor.setMode(High);
    QCOMPARE(compressor.compress(source, outputFolder(), QString()), 0);
    QVERIFY2(log.contains("recoverable image error"), qPrintable(log.messages().join('\n')));
    QVERIFY(compressor.keptSourceForNavigation());
    QVERIFY(!log.contains("shows content in the source but nothing in the copy"));
    QVERIFY(compressor.delivery() == Delivery::SourceUnchanged || compressor.delivery() == Delivery::SourceRepacked);
    const bool compared = std::any_of(compressor.stepCosts().steps().cbegin(), compressor.stepCosts().steps().cend(),
        [](const QPair<QString, StepCosts::Duration>& step) { return step.first == "ink checks"; });
    QVERIFY(!compared);
    const QString delivered = outputFolder() + "/linked.pdf";
    QCOMPARE(TestPdf::navigationOf(delivered), qMakePair(1, 1));
    QCOMPARE(TestPdf::pageCount(delivered), 2);
}

void TestGSCompressor::neverDeliversPagesEmptied_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("expected");
    QTest::newRow("small file size drops the picture") << int(High) << int(GSCompressor::UnsoundDocument);
    QTest::newRow("medium file size keeps what can be read") << int(Medium) << 0;
}

// A picture the interpreter cannot decode completely: in the source it still shows, up to the damage.
void TestGSCompressor::neverDeliversPagesEmptied()
{
    QFETCH(int, mode);
    QFETCH(int, expected);
    const QString source = m_work->path() + "/damaged.pdf";
    QVERIFY(TestPdf::writeDamagedImageDocument(source));

    const LogCapture log;
    GSCompressor compressor;
    compressor.setMode(mode);
    QCOMPARE(compressor.compress(source, outputFolder(), QString()), qint32(expected));
    QVERIFY2(log.contains("recoverable image error"), qPrintable(log.messages().join('\n')));
    if (expected != 0) {
        QVERIFY(log.contains("Incomplete rewrite of"));
        QVERIFY(log.contains("Page 1 shows content in the source but nothing in the copy."));
        QCOMPARE(entriesOf(outputFolder()), QStringList());
    } else {
        QCOMPARE(entriesOf(outputFolder()), QStringList { "damaged.pdf" });
    }
}

void TestGSCompressor::compressesEncryptedDocument_data()
{
    QTest::addColumn<TestPdf::Cipher>("cipher");
    QTest::addColumn<QString>("password");
    QTest::newRow("AES-256 user password") << TestPdf::Cipher::Aes256 << "user-pw";
    QTest::newRow("AES-256 owner password") << TestPdf::Cipher::Aes256 << "owner-pw";
    QTest::newRow("AES-128 user password") << TestPdf::Cipher::Aes128 << "user-pw";
    QTest::newRow("AES-128 owner password") << TestPdf::Cipher::Aes128 << "owner-pw";
}

void TestGSCompressor::compressesEncryptedDocument()
{
    QFETCH(TestPdf::Cipher, cipher);
    QFETCH(QString, password);

    const QString source = m_work->path() + "/locked.pdf";
    QVERIFY(TestPdf::writeEncryptedCopy(imageDocument(), source, "user-pw", "owner-pw", cipher));
    GSCompressor compressor;
    compressor.setMode(Medium);
    QCOMPARE(compressor.compress(source, outputFolder(), password), 0);
    // The copy stays locked like its source: the password that opened the source opens it.
    QCOMPARE(TestPdf::pageCount(outputFolder() + "/locked.pdf", password), 3);
    QCOMPARE(TestPdf::pageCount(outputFolder() + "/locked.pdf"), -1);
}

void TestGSCompressor::passwordNeverReachesTheLog()
{
    const QString source = m_work->path() + "/locked.pdf";
    QVERIFY(TestPdf::writeEncryptedCopy(imageDocument(), source, "hunter2-secret", "owner-pw"));
    const LogCapture log;
    GSCompressor compressor;
    QCOMPARE(compressor.compress(source, outputFolder(), "hunter2-secret"), 0);
    QVERIFY(log.contains("-sPDFPassword=***"));
    QVERIFY(!log.contains("hunter2-secret"));
}

void TestGSCompressor::compressesDocumentWithAccentedPassword_data()
{
    QTest::addColumn<TestPdf::Cipher>("cipher");
    QTest::newRow("AES-256") << TestPdf::Cipher::Aes256;
    QTest::newRow("AES-128") << TestPdf::Cipher::Aes128;
    QTest::newRow("RC4-128") << TestPdf::Cipher::Rc4_128;
}

// The older ciphers store such a password one byte per letter; the interpreter must get those bytes.
void TestGSCompressor::compressesDocumentWithAccentedPassword()
{
    QFETCH(TestPdf::Cipher, cipher);
    const QString password = QString::fromUtf8("Grüße-€-été");
    const QString source = m_work->path() + "/locked.pdf";
    QVERIFY(TestPdf::writeEncryptedCopy(imageDocument(), source, password, "owner-pw", cipher));

    const LogCapture log;
    GSCompressor compressor;
    compressor.setMode(Medium);
    QCOMPARE(compressor.compress(source, outputFolder(), password), 0);
    QCOMPARE(TestPdf::pageCount(outputFolder() + "/locked.pdf", password), 3);
    QVERIFY(log.contains("PDFPassword=***"));
    QVERIFY(!log.contains(password));
    QVERIFY(!log.contains("<47"));
}

void TestGSCompressor::rejectsBadInput_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("warning");
    QTest::newRow("vanished") << "vanished" << QString() << int(GSCompressor::StagingFailed)
                              << "Failed to copy input file to temp dir: ";
    QTest::newRow("empty") << "empty" << QString() << int(GSCompressor::UnsoundDocument) << "Not a readable PDF:";
    QTest::newRow("not a pdf") << "postscript" << QString() << int(GSCompressor::UnsoundDocument)
                               << "Not a readable PDF:";
    // Readers look for the header in the first kilobyte only; qpdf reads on without it, the interpreter would run the
    // program.
    QTest::newRow("program, then a PDF after the first kilobyte")
        << "late header" << QString() << int(GSCompressor::UnsoundDocument) << "no PDF header in its first kilobyte";
    QTest::newRow("truncated") << "truncated" << QString() << int(GSCompressor::UnsoundDocument) << "report.pdf";
    QTest::newRow("missing password") << "locked" << QString() << int(GSCompressor::PasswordRejected)
                                      << "Password missing or wrong for";
    // Ghostscript crashes the whole process on a wrong AES-256 password of three or more characters.
    QTest::newRow("wrong AES-256 password")
        << "locked"
        << "wrong-password" << int(GSCompressor::PasswordRejected) << "Password missing or wrong for";
}

void TestGSCompressor::rejectsBadInput()
{
    QFETCH(QString, kind);
    QFETCH(QString, password);
    QFETCH(int, expected);
    QFETCH(QString, warning);

    const QString source = m_work->path() + "/report.pdf";
    if (kind == "empty") {
        QFile file(source);
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else if (kind == "postscript") {
        QFile file(source);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("%!PS\n/Helvetica findfont 12 scalefont setfont 72 72 moveto (Hi) show showpage\n");
    } else if (kind == "late header") {
        QByteArray program = "%!PS\n" + QByteArray(1100, ' ') + "\nshowpage quit\n";
        QVERIFY(TestPdf::writeBytes(source, program + contentsOf(imageDocument())));
        QCOMPARE(TestPdf::pageCount(source), 3);
    } else if (kind == "truncated") {
        QVERIFY(TestPdf::writeTruncatedCopy(imageDocument(), source, QFileInfo(imageDocument()).size() / 2));
    } else if (kind == "locked") {
        QVERIFY(TestPdf::writeEncryptedCopy(imageDocument(), source, "user-pw", "owner-pw", TestPdf::Cipher::Aes256));
    }
    const QByteArray before = contentsOf(source);

    const LogCapture log;
    GSCompressor compressor;
    QCOMPARE(compressor.compress(source, outputFolder(), password), expected);
    QVERIFY2(log.contains(warning), qPrintable(log.messages().join('\n')));
    QVERIFY(log.contains(source));
    // The warning itself names the document, not only the debug lines around it.
    QVERIFY2(anyLineHasAll(log.warnings(), { warning, source }), qPrintable(log.warnings().join('\n')));
    QCOMPARE(entriesOf(outputFolder()), QStringList());
    QCOMPARE(contentsOf(source), before);
    QCOMPARE(compressor.compressedSize(), 0);
}

// A PostScript program before the header makes a file that qpdf reads as the PDF after it. The
// interpreter must never run that program: not to paint the delivered pages, nor to touch a file.
void TestGSCompressor::interpreterRunsOnlyThePdf()
{
    QTemporaryDir temporary;
    const QByteArray previousTemporary = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(temporary.path()));
    QVERIFY(TestPdf::writeBytes(temporary.filePath("secret.txt"), "the neighbour's secret"));
    const QString source = m_work->path() + "/report.pdf";
    const QByteArray bytes = postScriptBefore(imageDocument(), temporary.path(), 3);
    QVERIFY(bytes.indexOf("%PDF-") < 1024);
    QVERIFY(TestPdf::writeBytes(source, bytes));
    QCOMPARE(TestPdf::pageCount(source), 3);

    GSCompressor compressor;
    const qint32 result = compressor.compress(source, outputFolder(), QString());
    qputenv("TMPDIR", previousTemporary);

    QCOMPARE(result, 0);
    QVERIFY(!QFile::exists(temporary.filePath("leaked.txt")));
    const QString delivered = outputFolder() + "/report.pdf";
    QCOMPARE(pageWidths(delivered), pageWidths(imageDocument()));
    QVERIFY(!contentsOf(delivered).contains("%!PS"));
}

void TestGSCompressor::copiesArePrivateWhateverTheUmask_data()
{
    QTest::addColumn<int>("mask");
    QTest::newRow("umask 022") << 022;
    QTest::newRow("umask 000") << 0;
}

// Staged source, the interpreter's decrypted rewrite and scratch files, the repacks: nobody else may read them.
void TestGSCompressor::copiesArePrivateWhateverTheUmask()
{
    QFETCH(int, mask);
    const QString source = m_work->path() + "/locked.pdf";
    QVERIFY(TestPdf::writeEncryptedCopy(imageDocument(), source, "user-pw", "owner-pw", TestPdf::Cipher::Aes128));
    const mode_t previousMask = ::umask(static_cast<mode_t>(mask));

    QMap<QString, int> whileRunning;
    GSCompressor compressor;
    compressor.setMode(Medium);
    compressor.setProgressHandler([&whileRunning](int page, int) {
        if (page == 2) {
            whileRunning = permissionsBelow(Product::tempFolder());
        }
    });
    tempWhileChoosing.clear();
    const QtMessageHandler previousHandler = qInstallMessageHandler(recordTempWhileChoosing);
    const qint32 result = compressor.compress(source, outputFolder(), "user-pw");
    qInstallMessageHandler(previousHandler);
    ::umask(previousMask);
    QCOMPARE(result, 0);

    const QStringList suffixes = { "_input.pdf", "_output.pdf", "gs_", "_repacked.pdf" };
    QStringList seen;
    for (const auto* snapshot : { &whileRunning, &tempWhileChoosing }) {
        QVERIFY(!snapshot->isEmpty());
        for (auto entry = snapshot->cbegin(); entry != snapshot->cend(); ++entry) {
            const bool folder = entry.key().endsWith('/');
            QVERIFY2(entry.key().startsWith("run-"), qPrintable(entry.key())); // all in the run's own folder
            QCOMPARE(entry.value(), folder ? 0700 : 0600);
            for (const QString& suffix : suffixes) {
                if (entry.key().contains(suffix) && !seen.contains(suffix)) {
                    seen << suffix;
                }
            }
        }
    }
    seen.sort();
    QStringList expected = suffixes;
    expected.sort();
    QCOMPARE(seen, expected);
    QVERIFY(permissionsBelow(Product::tempFolder()).isEmpty());
    struct stat temp = {};
    QCOMPARE(::stat(QFile::encodeName(Product::tempFolder()).constData(), &temp), 0);
    QCOMPARE(int(temp.st_mode & 07777), 0700);
}

void TestGSCompressor::deliveredCopyTakesSourcePermissions_data()
{
    QTest::addColumn<bool>("shrinks");
    QTest::addColumn<int>("sourceMode");
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("expected");
    QTest::newRow("private source") << true << 0600 << 022 << 0600;
    QTest::newRow("readable source") << true << 0644 << 022 << 0644;
    QTest::newRow("group-writable under umask 002") << true << 0664 << 002 << 0664;
    QTest::newRow("umask takes bits away") << true << 0666 << 077 << 0600;
    QTest::newRow("source delivered unchanged") << false << 0640 << 022 << 0640;
}

// As cp makes a copy: the source's permission bits, as far as the umask lets them through.
void TestGSCompressor::deliveredCopyTakesSourcePermissions()
{
    QFETCH(bool, shrinks);
    QFETCH(int, sourceMode);
    QFETCH(int, mask);
    QFETCH(int, expected);
    const QString source = m_work->path() + "/report.pdf";
    QVERIFY(shrinks ? QFile::copy(imageDocument(), source) : TestPdf::writeTinyDocument(source));
    QCOMPARE(::chmod(QFile::encodeName(source).constData(), static_cast<mode_t>(sourceMode)), 0);

    const mode_t previousMask = ::umask(static_cast<mode_t>(mask));
    GSCompressor compressor;
    const qint32 result = compressor.compress(source, outputFolder(), QString());
    ::umask(previousMask);
    QCOMPARE(result, 0);
    QCOMPARE(compressor.delivery() == Delivery::SourceUnchanged, !shrinks);
    struct stat delivered = {};
    QCOMPARE(::stat(QFile::encodeName(outputFolder() + "/report.pdf").constData(), &delivered), 0);
    QCOMPARE(int(delivered.st_mode & 07777), expected);
}

void TestGSCompressor::reportsUnusableOutputFolder()
{
    // Root ignores permissions; a folder below a regular file can never be created.
    const QString blocker = m_work->path() + "/blocker";
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    const LogCapture log;
    GSCompressor compressor;
    QCOMPARE(compressor.compress(imageDocument(), blocker + "/out", QString()),
        qint32(GSCompressor::OutputFolderUnavailable));
    QVERIFY(log.contains(blocker + "/out"));
}

void TestGSCompressor::reportsNameTooLongForAVariant()
{
    // The longest name the file system takes is free in the source's folder, but taken in the output folder.
    const QString name = QString(251, 'n') + ".pdf";
    const QString source = m_work->path() + "/" + name;
    QVERIFY(QFile::copy(imageDocument(), source));
    QVERIFY(QDir().mkpath(outputFolder()));
    QVERIFY(TestPdf::writeBytes(outputFolder() + "/" + name, "an earlier copy"));

    const LogCapture log;
    GSCompressor compressor;
    QCOMPARE(compressor.compress(source, outputFolder(), QString()), qint32(GSCompressor::NameTooLong));
    QVERIFY2(anyLineHasAll(log.warnings(), { source, "File name too long" }), qPrintable(log.warnings().join('\n')));
    QCOMPARE(entriesOf(outputFolder()), QStringList { name });
}

// As when the installation is damaged: the worker cannot be started, here for want of descriptors for
// its pipes. Not the document's fault, and not the Temp folder's.
void TestGSCompressor::reportsWorkerThatCannotStart()
{
    const QString source = m_work->path() + "/tiny.pdf";
    QVERIFY(TestPdf::writeTinyDocument(source));
    rlimit before {};
    QCOMPARE(::getrlimit(RLIMIT_NOFILE, &before), 0);
    // Room for the staging copy and qpdf's look at the document, not for the worker's three pipes: new
    // descriptors take the lowest free numbers, and the limit leaves four of them.
    QSet<int> open;
    for (const QString& entry : QDir("/proc/self/fd").entryList(QDir::Files | QDir::System)) {
        open.insert(entry.toInt());
    }
    int limit = 0;
    for (int free = 0; free < 4; ++limit) {
        free += open.contains(limit) ? 0 : 1;
    }
    rlimit scarce = before;
    scarce.rlim_cur = static_cast<rlim_t>(limit);

    const LogCapture log;
    GSCompressor compressor;
    QCOMPARE(::setrlimit(RLIMIT_NOFILE, &scarce), 0);
    const qint32 result = compressor.compress(source, outputFolder(), QString());
    QCOMPARE(::setrlimit(RLIMIT_NOFILE, &before), 0);

    QCOMPARE(result, qint32(GSCompressor::WorkerUnavailable));
    QVERIFY2(log.contains("Compression worker could not be started:"), qPrintable(log.warnings().join('\n')));
    QCOMPARE(entriesOf(outputFolder()), QStringList());
}

void TestGSCompressor::worksUnderUnusualHomePath()
{
    // The staged paths live below HOME: non-ASCII characters and '%' must reach the interpreter intact.
    const QString home = m_work->path() + QStringLiteral("/Jürgen 100% 東京");
    QVERIFY(QDir().mkpath(home));
    const TestHome unusualHome(home);
    GSCompressor compressor;
    QCOMPARE(compressor.compress(imageDocument(), outputFolder(), QString()), 0);
    QCOMPARE(TestPdf::pageCount(outputFolder() + "/report.pdf"), 3);
    QCOMPARE(entriesOf(Product::tempFolder()), QStringList());
}

void TestGSCompressor::concurrentSameNamedSourcesGetDistinctNames()
{
    QVERIFY(QDir().mkpath(m_work->path() + "/a"));
    QVERIFY(QDir().mkpath(m_work->path() + "/b"));
    const QString first = m_work->path() + "/a/report.pdf";
    const QString second = m_work->path() + "/b/report.pdf";
    QVERIFY(QFile::copy(imageDocument(), first));
    QVERIFY(QFile::copy(imageDocument(), second));

    const auto compress = [this](const QString& source) {
        GSCompressor compressor;
        compressor.setMode(Medium);
        const qint32 result = compressor.compress(source, outputFolder(), QString());
        return result == 0 ? compressor.fileName() : QString::number(result);
    };
    QFuture<QString> one = QtConcurrent::run(compress, first);
    QFuture<QString> two = QtConcurrent::run(compress, second);
    QStringList names = { one.result(), two.result() };
    names.sort();
    QCOMPARE(names, (QStringList { "report.pdf", "report_1.pdf" }));
    QCOMPARE(TestPdf::pageCount(outputFolder() + "/report.pdf"), 3);
    QCOMPARE(TestPdf::pageCount(outputFolder() + "/report_1.pdf"), 3);
}

void TestGSCompressor::deliveryIsAllOrNothing_data()
{
    QTest::addColumn<int>("roomInPercent"); // of the file to deliver; 0 fills the volume up first
    QTest::addColumn<bool>("delivered");
    QTest::newRow("no room left") << 0 << false;
    QTest::newRow("room for half the file") << 50 << false;
    QTest::newRow("room enough") << 400 << true;
}

// The output folder is on a volume of its own, so the file is copied there from the Temp folder.
void TestGSCompressor::deliveryIsAllOrNothing()
{
    QFETCH(int, roomInPercent);
    QFETCH(bool, delivered);

    // The size of what this document delivers, learnt on the ordinary disk.
    GSCompressor reference;
    reference.setMode(Low);
    QCOMPARE(reference.compress(imageDocument(), m_work->path() + "/reference", QString()), 0);
    const qint64 deliveredSize = reference.compressedSize();
    QVERIFY(deliveredSize > 64 * 1024);

    const QString folder = m_work->path() + "/volume";
    const SmallVolume volume(folder, qMax<qint64>(64 * 1024, deliveredSize * qMax(roomInPercent, 50) / 100));
    if (!volume.isMounted()) {
        QSKIP("Mounting a small tmpfs needs root and a system that permits mount; the full-disk case is not run");
    }
    if (roomInPercent == 0) {
        QVERIFY(volume.fillUp());
    }
    const QStringList before = entriesOf(folder);

    const LogCapture log;
    GSCompressor compressor;
    compressor.setMode(Low);
    const qint32 result = compressor.compress(imageDocument(), folder, QString());
    if (delivered) {
        QCOMPARE(result, 0);
        QCOMPARE(entriesOf(folder), before + QStringList { "report.pdf" });
        QCOMPARE(compressor.compressedSize(), QFileInfo(folder + "/report.pdf").size());
        QCOMPARE(TestPdf::pageCount(folder + "/report.pdf"), 3);
    } else {
        QCOMPARE(result, qint32(GSCompressor::DeliveryFailed));
        // No empty, partial or hidden file under any name.
        QCOMPARE(entriesOf(folder), before);
        QCOMPARE(compressor.compressedSize(), 0);
        QVERIFY2(anyLineHasAll(
                     log.warnings(), { "Failed to move output file from temp dir", folder, "No space left on device" }),
            qPrintable(log.warnings().join('\n')));
    }
}

void TestGSCompressor::retryTakesNextFreeNameOfTheSource()
{
    QVERIFY(QDir().mkpath(outputFolder()));
    QVERIFY(TestPdf::writeBytes(outputFolder() + "/report.pdf", "an earlier report"));
    // The run chooses report_1.pdf; someone takes that name before the run ends.
    clashingPath = outputFolder() + "/report_1.pdf";
    const QtMessageHandler previous = qInstallMessageHandler(takeNameWhileInterpreterRuns);
    GSCompressor compressor;
    const qint32 result = compressor.compress(imageDocument(), outputFolder(), QString());
    qInstallMessageHandler(previous);
    clashingPath.clear();

    QCOMPARE(result, 0);
    QCOMPARE(compressor.fileName(), QStringLiteral("report_2.pdf"));
    QCOMPARE(contentsOf(outputFolder() + "/report_1.pdf"), QByteArray("written by someone else"));
    QCOMPARE(TestPdf::pageCount(outputFolder() + "/report_2.pdf"), 3);
    QCOMPARE(entriesOf(outputFolder()), (QStringList { "report.pdf", "report_1.pdf", "report_2.pdf" }));
}

void TestGSCompressor::fullTempFolderFailsTheRun_data()
{
    QTest::addColumn<QString>("room"); // what the Temp folder's disk has room for
    QTest::newRow("nothing") << "nothing";
    QTest::newRow("the staged source only") << "source";
    // The repacked rewrite would win; without room for it the larger rewrite must not go out instead.
    QTest::newRow("all but the repacked rewrite") << "rewrite";
}

// The Temp folder is a volume of its own, too small for what the compression writes there.
void TestGSCompressor::fullTempFolderFailsTheRun()
{
    QFETCH(QString, room);
    const QString source = m_work->path() + "/drawing.pdf";
    QVERIFY(TestPdf::writeVectorDocument(source, 2));
    const qint64 sourceSize = QFileInfo(source).size();

    // The sizes of what this document writes into the Temp folder, learnt on the ordinary disk.
    qint64 rewriteSize = 0;
    qint64 repackSize = 0;
    {
        const LogCapture log;
        GSCompressor reference;
        reference.setMode(Medium);
        QCOMPARE(reference.compress(source, m_work->path() + "/reference", QString()), 0);
        QCOMPARE(reference.delivery(), Delivery::RewrittenAndRepacked);
        rewriteSize = loggedCandidateSize(log, "rewritten");
        repackSize = loggedCandidateSize(log, "rewritten and repacked");
    }
    constexpr qint64 slack = 16 * 1024; // whole pages per file
    qint64 volumeSize = 64 * 1024;
    if (room == "source") {
        volumeSize = sourceSize + slack;
    } else if (room == "rewrite") {
        volumeSize = sourceSize + rewriteSize + repackSize / 2 + 2 * slack;
    }
    const SmallVolume volume(Product::tempFolder(), volumeSize);
    if (!volume.isMounted()) {
        QSKIP("Mounting a small tmpfs needs root and a system that permits mount; the full-disk case is not run");
    }
    if (room == "nothing") {
        QVERIFY(volume.fillUp());
    }

    const LogCapture log;
    GSCompressor compressor;
    compressor.setMode(Medium);
    QCOMPARE(compressor.compress(source, outputFolder(), QString()), qint32(GSCompressor::TempFolderFull));
    QVERIFY2(anyLineHasAll(log.warnings(), { "The disk of the Temp folder is full:", Product::tempFolder(), source }),
        qPrintable(log.warnings().join('\n')));
    QCOMPARE(entriesOf(outputFolder()), QStringList());
    QCOMPARE(compressor.delivery(), Delivery::None);
    QDir(Product::tempFolder()).remove("filler");
}

void TestGSCompressor::logsWhatQpdfRepaired()
{
    const QString source = m_work->path() + "/broken.pdf";
    QVERIFY(TestPdf::writeBrokenXrefCopy(imageDocument(), source));
    const LogCapture log;
    GSCompressor compressor;
    QCOMPARE(compressor.compress(source, outputFolder(), QString()), 0);
    QVERIFY2(anyLineHasAll(log.messages(), { "qpdf warning for", source }), qPrintable(log.messages().join('\n')));
    QVERIFY(!anyLineHasAll(log.warnings(), { "qpdf warning for" }));
}

QTEST_MAIN(TestGSCompressor)
#include "TestGSCompressor.moc"
