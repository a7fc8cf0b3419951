#include "engine/PdfRepacker.h"
#include "support/TestPdf.h"

#include <QBuffer>
#include <QImage>
#include <QtTest>
#include <algorithm>
#include <libdeflate.h>
#include <qpdf/Pl_Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>
#include <qpdf/QUtil.hh>
#include <zlib.h>

namespace {
    /** What a reader of the document sees, from each page's drawing to the document's fields. */
    struct Substance
    {
        QList<QByteArray> pageContents; // each page's content streams, decoded
        QByteArray title;
        int fields = 0;
        QPair<int, int> navigation;
        bool operator==(const Substance& other) const
        {
            return pageContents == other.pageContents && title == other.title && fields == other.fields
                && navigation == other.navigation;
        }
    };

    /** Opens path into pdf with password, none when empty. */
    void openDocument(QPDF& pdf, const QString& path, const QByteArray& password)
    {
        pdf.processFile(QFile::encodeName(path).constData(), password.isEmpty() ? nullptr : password.constData());
    }

    QList<QByteArray> pageContentsOf(QPDF& pdf)
    {
        QList<QByteArray> contents;
        for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(pdf).getAllPages()) {
            Pl_Buffer buffer("contents");
            page.pipeContents(&buffer);
            buffer.finish();
            const std::unique_ptr<Buffer> bytes(buffer.getBuffer());
            contents << QByteArray(
                reinterpret_cast<const char*>(bytes->getBuffer()), static_cast<int>(bytes->getSize()));
        }
        return contents;
    }

    QList<QByteArray> pageContentsOf(const QString& path, const QByteArray& password)
    {
        QPDF pdf;
        openDocument(pdf, path, password);
        return pageContentsOf(pdf);
    }

    Substance substanceOf(const QString& path, const QByteArray& password = QByteArray())
    {
        Substance substance;
        QPDF pdf;
        openDocument(pdf, path, password);
        substance.pageContents = pageContentsOf(pdf);
        QPDFObjectHandle title = pdf.getTrailer().getKey("/Info").getKey("/Title");
        substance.title = title.isString() ? QByteArray::fromStdString(title.getStringValue()) : QByteArray();
        QPDFObjectHandle fields = pdf.getRoot().getKey("/AcroForm").getKey("/Fields");
        substance.fields = fields.isArray() ? fields.getArrayNItems() : 0;
        substance.navigation = TestPdf::navigationOf(pdf);
        return substance;
    }

    // A title and a form field on top of the linked text, so that every kind of substance is there.
    bool addTitleAndField(const QString& source, const QString& target)
    {
        try {
            QPDF pdf;
            pdf.processFile(QFile::encodeName(source).constData());
            pdf.getTrailer().replaceKey(
                "/Info", pdf.makeIndirectObject(QPDFObjectHandle::parse("<< /Title (Annual report) >>")));
            QPDFPageObjectHelper first = QPDFPageDocumentHelper(pdf).getAllPages().front();
            QPDFObjectHandle field = pdf.makeIndirectObject(QPDFObjectHandle::parse(
                "<< /Type /Annot /Subtype /Widget /FT /Tx /T (name) /V (Ada) /Rect [72 700 300 720] >>"));
            field.replaceKey("/P", first.getObjectHandle());
            first.getObjectHandle().getKey("/Annots").appendItem(field);
            pdf.getRoot().replaceKey("/AcroForm", QPDFObjectHandle::parse("<< /Fields [] >>"));
            pdf.getRoot().getKey("/AcroForm").getKey("/Fields").appendItem(field);
            const QByteArray outputName = QFile::encodeName(target);
            QPDFWriter writer(pdf, outputName.constData());
            writer.setObjectStreamMode(qpdf_o_disable);
            writer.write();
            return true;
        } catch (const std::exception&) {
            return false;
        }
    }

    QByteArray jpegOf(int width, int height)
    {
        QImage image(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                image.setPixel(x, y, qRgb((x * 7 + y) % 256, (y * 5) % 256, (x ^ y) % 256));
            }
        }
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPEG", 90);
        return bytes;
    }

    /** One page showing a JPEG image, and a second JPEG that nothing refers to. Returns the shown JPEG's size. */
    qint64 writeJpegDocument(const QString& path)
    {
        QPDF pdf;
        pdf.emptyPDF();
        const QByteArray shown = jpegOf(300, 200);
        const auto imageStream = [&pdf](const QByteArray& jpeg, int width, int height) {
            QPDFObjectHandle image = QPDFObjectHandle::newStream(&pdf);
            image.replaceStreamData(
                jpeg.toStdString(), QPDFObjectHandle::newName("/DCTDecode"), QPDFObjectHandle::newNull());
            image.getDict().replaceKey("/Type", QPDFObjectHandle::newName("/XObject"));
            image.getDict().replaceKey("/Subtype", QPDFObjectHandle::newName("/Image"));
            image.getDict().replaceKey("/Width", QPDFObjectHandle::newInteger(width));
            image.getDict().replaceKey("/Height", QPDFObjectHandle::newInteger(height));
            image.getDict().replaceKey("/ColorSpace", QPDFObjectHandle::newName("/DeviceRGB"));
            image.getDict().replaceKey("/BitsPerComponent", QPDFObjectHandle::newInteger(8));
            return image;
        };
        QPDFObjectHandle image = imageStream(shown, 300, 200);
        pdf.makeIndirectObject(imageStream(jpegOf(400, 400), 400, 400)); // unreferenced: a writer drops it
        QPDFObjectHandle page = pdf.makeIndirectObject(
            QPDFObjectHandle::parse("<< /Type /Page /MediaBox [0 0 300 200] /Resources << /XObject << >> >> >>"));
        page.getKey("/Resources").getKey("/XObject").replaceKey("/Im0", image);
        page.replaceKey("/Contents", QPDFObjectHandle::newStream(&pdf, "q 300 0 0 200 0 0 cm /Im0 Do Q"));
        QPDFPageDocumentHelper(pdf).addPage(QPDFPageObjectHelper(page), false);
        const QByteArray outputName = QFile::encodeName(path);
        QPDFWriter writer(pdf, outputName.constData());
        writer.setPreserveUnreferencedObjects(true);
        writer.write();
        return shown.size();
    }

    /** A page's worth of strokes, different on every line so that a compressor has work to do. */
    QByteArray drawing(int lines)
    {
        QByteArray content;
        for (int line = 0; line < lines; ++line) {
            content += QByteArray::number(line % 97) + ' ' + QByteArray::number((line * 13) % 89) + " m "
                + QByteArray::number((line * 7) % 83) + " 700 l S\n";
        }
        return content;
    }

    /**
     * zlib's stream of data compressed at level, as a Flate filter holds it. Filtered data is what another
     * writer's strongest compression stores: its header says the strongest level, yet compressing it again
     * at that level comes out larger.
     */
    QByteArray zlibStream(const QByteArray& data, int level, int strategy = Z_DEFAULT_STRATEGY)
    {
        z_stream stream {};
        if (deflateInit2(&stream, level, Z_DEFLATED, MAX_WBITS, 8, strategy) != Z_OK) {
            return QByteArray();
        }
        QByteArray compressed(static_cast<int>(deflateBound(&stream, static_cast<uLong>(data.size()))), '\0');
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
        stream.avail_in = static_cast<uInt>(data.size());
        stream.next_out = reinterpret_cast<Bytef*>(compressed.data());
        stream.avail_out = static_cast<uInt>(compressed.size());
        const bool finished = deflate(&stream, Z_FINISH) == Z_STREAM_END;
        compressed.resize(finished ? static_cast<int>(stream.total_out) : 0);
        deflateEnd(&stream);
        return compressed;
    }

    /**
     * Text shown a glyph at a time from a handful of glyphs, as some writers draw it: so repetitive that
     * zlib's deeper search stores less than libdeflate.
     */
    QByteArray glyphRun(int glyphs)
    {
        QByteArray content;
        quint32 state = 1;
        for (int glyph = 0; glyph < glyphs; ++glyph) {
            state = state * 1103515245 + 12345;
            content += "/F1 1 Tf " + QByteArray::number(glyph % 20) + " 0 Td <00"
                + QByteArray::number(10 + (state >> 16) % 8) + "> Tj\n";
        }
        return content;
    }

    /** The size of data compressed by libdeflate at level. */
    int libdeflateSize(const QByteArray& data, int level)
    {
        libdeflate_compressor* compressor = libdeflate_alloc_compressor(level);
        QByteArray compressed(static_cast<int>(libdeflate_zlib_compress_bound(compressor, data.size())), '\0');
        const size_t size
            = libdeflate_zlib_compress(compressor, data.constData(), data.size(), compressed.data(), compressed.size());
        libdeflate_free_compressor(compressor);
        return static_cast<int>(size);
    }

    /** How a PNG predictor stores a stream's rows. */
    enum class Rows
    {
        Unpredicted, // no predictor at all
        Marked, // each row marked as not predicted: undone, the data compresses better without the marks
        Sub, // each byte as the difference from the one before: text compresses far better undone
        Up, // each row as the difference from the row above: a smooth picture compresses far worse undone
    };

    constexpr int rowLength = 64;

    /** data as a PNG predictor stores it in rows, one byte a sample. */
    QByteArray predictedRows(const QByteArray& data, Rows rows)
    {
        if (rows == Rows::Unpredicted) {
            return data;
        }
        const char tag = rows == Rows::Marked ? 0 : rows == Rows::Sub ? 1 : 2;
        QByteArray stored;
        QByteArray previous(rowLength, '\0');
        for (int start = 0; start < data.size(); start += rowLength) {
            const QByteArray row = data.mid(start, rowLength).leftJustified(rowLength, ' ');
            stored += tag;
            for (int index = 0; index < rowLength; ++index) {
                const char before = rows == Rows::Sub ? (index > 0 ? row.at(index - 1) : '\0') : previous.at(index);
                stored += rows == Rows::Marked ? row.at(index) : char(row.at(index) - before);
            }
            previous = row;
        }
        return stored;
    }

    QByteArray decodeParametersOf(Rows rows)
    {
        return rows == Rows::Unpredicted ? QByteArray()
                                         : "<< /Predictor 10 /Columns " + QByteArray::number(rowLength) + " >>";
    }

    /** A smooth picture: each row the one above, one shade lighter, over a pattern no compressor can predict. */
    QByteArray smoothPicture(int rowCount)
    {
        QByteArray pattern;
        quint32 state = 12345;
        for (int index = 0; index < rowLength; ++index) {
            state = state * 1103515245 + 12345;
            pattern += char(state >> 24);
        }
        QByteArray picture;
        for (int row = 0; row < rowCount; ++row) {
            for (const char sample : pattern) {
                picture += char(sample + row);
            }
        }
        return picture;
    }

    /** data compressed by libdeflate's strongest level, its header claiming zlib's default level. */
    QByteArray strongerThanItsHeaderSays(const QByteArray& data)
    {
        libdeflate_compressor* compressor = libdeflate_alloc_compressor(12);
        QByteArray compressed(static_cast<int>(libdeflate_zlib_compress_bound(compressor, data.size())), '\0');
        compressed.resize(static_cast<int>(
            libdeflate_zlib_compress(compressor, data.constData(), data.size(), compressed.data(), compressed.size())));
        libdeflate_free_compressor(compressor);
        // The level's two bits, then the check bits that make the header a multiple of 31.
        const unsigned method = static_cast<unsigned char>(compressed.at(0));
        unsigned flags = 2u << 6;
        flags += 31 - ((method << 8) | flags) % 31;
        compressed[1] = char(flags);
        return compressed;
    }

    /**
     * One page drawn by the given Flate streams, stored as they are given, in order, each with the
     * decoding parameters given (none when empty).
     */
    bool writeFlateDocument(
        const QString& path, const QList<QByteArray>& storedStreams, const QByteArray& decodeParameters = QByteArray())
    {
        try {
            QPDF pdf;
            pdf.emptyPDF();
            QPDFObjectHandle contents = QPDFObjectHandle::newArray();
            for (const QByteArray& stored : storedStreams) {
                QPDFObjectHandle stream = QPDFObjectHandle::newStream(&pdf);
                stream.replaceStreamData(stored.toStdString(), QPDFObjectHandle::newName("/FlateDecode"),
                    decodeParameters.isEmpty() ? QPDFObjectHandle::newNull()
                                               : QPDFObjectHandle::parse(decodeParameters.toStdString()));
                contents.appendItem(pdf.makeIndirectObject(stream));
            }
            QPDFObjectHandle page
                = pdf.makeIndirectObject(QPDFObjectHandle::parse("<< /Type /Page /MediaBox [0 0 612 792] >>"));
            page.replaceKey("/Contents", contents);
            QPDFPageDocumentHelper(pdf).addPage(QPDFPageObjectHelper(page), false);
            const QByteArray outputName = QFile::encodeName(path);
            QPDFWriter writer(pdf, outputName.constData());
            writer.setCompressStreams(false);
            writer.write();
            return true;
        } catch (const std::exception&) {
            return false;
        }
    }

    /** The first page's content streams as the file stores them, decrypted but not decoded. */
    QList<QByteArray> storedContents(const QString& path, const QByteArray& password = QByteArray())
    {
        QList<QByteArray> stored;
        QPDF pdf;
        openDocument(pdf, path, password);
        QPDFObjectHandle page = pdf.getAllPages().front();
        QPDFObjectHandle contents = page.getKey("/Contents");
        for (QPDFObjectHandle stream : contents.aitems()) {
            const std::shared_ptr<Buffer> raw = stream.getRawStreamData();
            stored << QByteArray(reinterpret_cast<const char*>(raw->getBuffer()), static_cast<int>(raw->getSize()));
        }
        return stored;
    }
} // namespace

Q_DECLARE_METATYPE(TestPdf::Cipher)
Q_DECLARE_METATYPE(Rows)

class TestPdfRepacker : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void keepsSubstanceAndShrinks();
    void keepsProtection_data();
    void keepsProtection();
    void refusesUnreadableInput_data();
    void refusesUnreadableInput();
    void smallestPossibleSizeCountsReachableImageCodecs();
    void boundNeverSkipsAWinner_data();
    void boundNeverSkipsAWinner();
    void keepsStrongestFlateAsStored_data();
    void keepsStrongestFlateAsStored();
    void compressesAsTightlyAsEitherCompressor_data();
    void compressesAsTightlyAsEitherCompressor();
    void skipsWhatCannotWin_data();
    void skipsWhatCannotWin();
    void cancelledRepackLeavesNothing();

private:
    QString path(const QString& name) const { return m_folder.filePath(name); }

    QTemporaryDir m_folder;
};

void TestPdfRepacker::initTestCase()
{
    QVERIFY(TestPdf::writeLinkedTextDocument(path("linked.pdf"), 6));
    QVERIFY(addTitleAndField(path("linked.pdf"), path("source.pdf")));
}

void TestPdfRepacker::keepsSubstanceAndShrinks()
{
    const PdfRepacker::Result result = PdfRepacker::repack({ path("source.pdf"), {} }, path("repacked.pdf"));
    QCOMPARE(result.outcome, PdfRepacker::Outcome::Written);
    QCOMPARE(result.size, QFileInfo(path("repacked.pdf")).size());
    QVERIFY2(result.size < QFileInfo(path("source.pdf")).size(), qPrintable(QString::number(result.size)));

    const Substance before = substanceOf(path("source.pdf"));
    QCOMPARE(before.pageContents.size(), 6);
    QCOMPARE(before.title, QByteArray("Annual report"));
    QCOMPARE(before.fields, 1);
    QCOMPARE(before.navigation, qMakePair(1, 1));
    QVERIFY(substanceOf(path("repacked.pdf")) == before);
    QVERIFY(!TestPdf::protectionOf(path("repacked.pdf"), QString()).encrypted);
}

void TestPdfRepacker::keepsProtection_data()
{
    QTest::addColumn<TestPdf::Cipher>("cipher");
    QTest::addColumn<QString>("userPassword");
    QTest::addColumn<QString>("openedWith");
    QTest::addColumn<bool>("likeAnotherDocument"); // the rewrite's case: an open input protected like the source
    QTest::newRow("AES-256 user password, own") << TestPdf::Cipher::Aes256 << "user-pw"
                                                << "user-pw" << false;
    QTest::newRow("AES-256 user password, like source") << TestPdf::Cipher::Aes256 << "user-pw"
                                                        << "user-pw" << true;
    QTest::newRow("AES-256 opened by owner, like source") << TestPdf::Cipher::Aes256 << "user-pw"
                                                          << "owner-pw" << true;
    QTest::newRow("AES-128 user password, like source") << TestPdf::Cipher::Aes128 << "user-pw"
                                                        << "user-pw" << true;
    QTest::newRow("RC4 owner only, own") << TestPdf::Cipher::Rc4_128 << ""
                                         << "" << false;
    QTest::newRow("RC4 owner only, like source") << TestPdf::Cipher::Rc4_128 << ""
                                                 << "" << true;
    QTest::newRow("RC4 accented user password, like source")
        << TestPdf::Cipher::Rc4_128 << QString::fromUtf8("Grüße") << QString::fromUtf8("Grüße") << true;
}

void TestPdfRepacker::keepsProtection()
{
    QFETCH(TestPdf::Cipher, cipher);
    QFETCH(QString, userPassword);
    QFETCH(QString, openedWith);
    QFETCH(bool, likeAnotherDocument);

    const QString locked = path("locked.pdf");
    QVERIFY(TestPdf::writeEncryptedCopy(path("source.pdf"), locked, userPassword, "owner-pw", cipher));
    const std::string utf8 = openedWith.toStdString();
    const QByteArray password = cipher == TestPdf::Cipher::Aes256
        ? QByteArray::fromStdString(utf8)
        : QByteArray::fromStdString(QUtil::utf8_to_pdf_doc(utf8));
    const PdfRepacker::Document source { locked, password };
    const QString output = path("repacked.pdf");
    const PdfRepacker::Result result = likeAnotherDocument
        ? PdfRepacker::repack({ path("source.pdf"), {} }, output, source)
        : PdfRepacker::repack(source, output);
    QCOMPARE(result.outcome, PdfRepacker::Outcome::Written);

    // The same cipher and permissions, opening with the same passwords, and not without one if the source does not.
    for (const QString& tried : { userPassword, QStringLiteral("owner-pw"), QString(), QStringLiteral("wrong") }) {
        QVERIFY2(TestPdf::protectionOf(output, tried, cipher) == TestPdf::protectionOf(locked, tried, cipher),
            qPrintable(tried));
    }
    QVERIFY(TestPdf::protectionOf(output, openedWith, cipher).encrypted);
    QCOMPARE(TestPdf::protectionOf(output, QString(), cipher).opens, userPassword.isEmpty());
    QVERIFY(substanceOf(output, password) == substanceOf(path("source.pdf")));
}

void TestPdfRepacker::refusesUnreadableInput_data()
{
    QTest::addColumn<bool>("brokenIsProtection");
    QTest::newRow("input") << false;
    QTest::newRow("the document to protect like") << true;
}

void TestPdfRepacker::refusesUnreadableInput()
{
    QFETCH(bool, brokenIsProtection);
    QVERIFY(TestPdf::writeTruncatedCopy(path("source.pdf"), path("broken.pdf"), 400));
    const QString output = path("repacked.pdf");
    QFile::remove(output);
    const PdfRepacker::Result result = brokenIsProtection
        ? PdfRepacker::repack({ path("source.pdf"), {} }, output, { path("broken.pdf"), {} })
        : PdfRepacker::repack({ path("broken.pdf"), {} }, output);
    QCOMPARE(result.outcome, PdfRepacker::Outcome::Unreadable);
    QVERIFY(!result.message.isEmpty());
    QVERIFY(!QFile::exists(output));
}

void TestPdfRepacker::smallestPossibleSizeCountsReachableImageCodecs()
{
    const QString document = path("jpeg.pdf");
    const qint64 shownJpeg = writeJpegDocument(document);
    const qint64 floor = PdfRepacker::smallestPossibleSize({ document, {} });
    QCOMPARE(floor, shownJpeg);

    // A repack keeps that many bytes at least: the floor is a true bound.
    QCOMPARE(PdfRepacker::repack({ document, {} }, path("jpeg-repacked.pdf")).outcome, PdfRepacker::Outcome::Written);
    QVERIFY(QFileInfo(path("jpeg-repacked.pdf")).size() > floor);
    QVERIFY(QFileInfo(path("jpeg-repacked.pdf")).size() < QFileInfo(document).size());
    QCOMPARE(PdfRepacker::smallestPossibleSize({ path("missing.pdf"), {} }), qint64(-1));
}

void TestPdfRepacker::boundNeverSkipsAWinner_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<bool>("flateFullyCompressed");
    QTest::newRow("text, links and bookmarks") << "source.pdf" << true;
    QTest::newRow("text, Flate not trusted") << "source.pdf" << false;
    QTest::newRow("JPEG image") << "jpeg.pdf" << true;
    QTest::newRow("content stored without compression") << "stored.pdf" << true;
    QTest::newRow("Flate at the strongest level and weaker") << "flate.pdf" << false;
    // Undoing a predictor may take off far more than recompressing plain Flate ever does.
    QTest::newRow("text behind a predictor") << "predicted.pdf" << true;
}

// Whatever the bound, a repack that comes out below the size to beat is written: skipping it would
// hand the user a larger copy.
void TestPdfRepacker::boundNeverSkipsAWinner()
{
    QFETCH(QString, document);
    QFETCH(bool, flateFullyCompressed);
    writeJpegDocument(path("jpeg.pdf"));
    QVERIFY(TestPdf::writeSlowToRepackDocument(path("stored.pdf"), 1));
    QVERIFY(writeFlateDocument(path("flate.pdf"), { zlibStream(drawing(4000), 9), zlibStream(drawing(3000), 1) }));
    QVERIFY(writeFlateDocument(path("predicted.pdf"), { zlibStream(predictedRows(drawing(4000), Rows::Sub), 6) },
        decodeParametersOf(Rows::Sub)));

    const PdfRepacker::Result unbounded = PdfRepacker::repack({ path(document), {} }, path("unbounded.pdf"));
    QCOMPARE(unbounded.outcome, PdfRepacker::Outcome::Written);
    PdfRepacker::Limits limits;
    limits.flateFullyCompressed = flateFullyCompressed;
    limits.mustBeBelow = unbounded.size + 1;
    const PdfRepacker::Result bounded = PdfRepacker::repack({ path(document), {} }, path("bounded.pdf"), {}, limits);
    QCOMPARE(bounded.outcome, PdfRepacker::Outcome::Written);
    QCOMPARE(bounded.size, unbounded.size);
}

void TestPdfRepacker::keepsStrongestFlateAsStored_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<bool>("keptAsStored");
    QTest::addColumn<bool>("encrypted");
    const QByteArray text = drawing(4000);
    QTest::newRow("strongest level") << zlibStream(text, 9) << Rows::Unpredicted << true << false;
    QTest::newRow("strongest level, another writer's")
        << zlibStream(text, 9, Z_FILTERED) << Rows::Unpredicted << true << false;
    QTest::newRow("strongest level, another writer's, AES-256")
        << zlibStream(text, 9, Z_FILTERED) << Rows::Unpredicted << true << true;
    QTest::newRow("default level") << zlibStream(text, 6) << Rows::Unpredicted << false << false;
    QTest::newRow("fastest level, AES-256") << zlibStream(text, 1) << Rows::Unpredicted << false << true;
    // Whatever its header says, data that cannot be compressed any smaller stays as it is.
    QTest::newRow("stronger than its header says")
        << strongerThanItsHeaderSays(text) << Rows::Unpredicted << true << false;
    // A predictor is undone where that makes the data smaller, and kept where it suits the picture.
    QTest::newRow("strongest level, rows marked")
        << zlibStream(predictedRows(text, Rows::Marked), 9) << Rows::Marked << false << false;
    QTest::newRow("default level, text predicted")
        << zlibStream(predictedRows(text, Rows::Sub), 6) << Rows::Sub << false << false;
    QTest::newRow("default level, smooth picture predicted")
        << zlibStream(predictedRows(smoothPicture(1000), Rows::Up), 6) << Rows::Up << true << false;
    QTest::newRow("default level, smooth picture predicted, AES-256")
        << zlibStream(predictedRows(smoothPicture(1000), Rows::Up), 6) << Rows::Up << true << true;
}

// Each stream goes out as the smaller of its stored data and that data compressed again, and compressing
// again what zlib compressed at its strongest, which gains nothing and costs as much as a rewrite, is
// not even tried.
void TestPdfRepacker::keepsStrongestFlateAsStored()
{
    QFETCH(QByteArray, stored);
    QFETCH(Rows, rows);
    QFETCH(bool, keptAsStored);
    QFETCH(bool, encrypted);
    QVERIFY(!stored.isEmpty());
    QVERIFY(writeFlateDocument(path("flate.pdf"), { stored }, decodeParametersOf(rows)));
    QString document = path("flate.pdf");
    const QByteArray password = encrypted ? QByteArrayLiteral("user-pw") : QByteArray();
    if (encrypted) {
        document = path("flate-locked.pdf");
        QVERIFY(
            TestPdf::writeEncryptedCopy(path("flate.pdf"), document, "user-pw", "owner-pw", TestPdf::Cipher::Aes256));
    }
    QCOMPARE(storedContents(document, password).first(), stored);

    const PdfRepacker::Result result = PdfRepacker::repack({ document, password }, path("flate-repacked.pdf"));
    QCOMPARE(result.outcome, PdfRepacker::Outcome::Written);
    const QList<QByteArray> repacked = storedContents(path("flate-repacked.pdf"), password);
    QCOMPARE(repacked.size(), 1);
    QCOMPARE(repacked.first() == stored, keptAsStored);
    QVERIFY2(repacked.first().size() <= stored.size(),
        qPrintable(QStringLiteral("%1 bytes stored as %2").arg(stored.size()).arg(repacked.first().size())));
    QCOMPARE(pageContentsOf(path("flate-repacked.pdf"), password), pageContentsOf(document, password));
    QCOMPARE(TestPdf::protectionOf(path("flate-repacked.pdf"), "user-pw").encrypted, encrypted);
}

void TestPdfRepacker::compressesAsTightlyAsEitherCompressor_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("strokes, where libdeflate stores less") << drawing(4000);
    QTest::newRow("glyphs one at a time, where zlib stores less") << glyphRun(6000);
}

// A stream the writer stored at its fastest comes out as small as the better of the two compressors makes it.
void TestPdfRepacker::compressesAsTightlyAsEitherCompressor()
{
    QFETCH(QByteArray, content);
    QVERIFY(writeFlateDocument(path("fast.pdf"), { zlibStream(content, 1) }));

    const PdfRepacker::Result result = PdfRepacker::repack({ path("fast.pdf"), {} }, path("fast-repacked.pdf"));
    QCOMPARE(result.outcome, PdfRepacker::Outcome::Written);
    const QList<QByteArray> repacked = storedContents(path("fast-repacked.pdf"));
    QCOMPARE(repacked.size(), 1);
    const int zlibStrongest = zlibStream(content, 9).size();
    const int libdeflateLevel9 = libdeflateSize(content, 9);
    QVERIFY2(repacked.first().size() <= std::min(zlibStrongest, libdeflateLevel9),
        qPrintable(QStringLiteral("%1 bytes, where zlib stores %2 and libdeflate %3")
                       .arg(repacked.first().size())
                       .arg(zlibStrongest)
                       .arg(libdeflateLevel9)));
    QCOMPARE(pageContentsOf(path("fast-repacked.pdf"), {}), pageContentsOf(path("fast.pdf"), {}));
}

void TestPdfRepacker::skipsWhatCannotWin_data()
{
    QTest::addColumn<QString>("document");
    QTest::newRow("JPEG image") << "jpeg.pdf";
    QTest::newRow("Flate at the strongest level") << "flate.pdf";
}

// The pass copies an image codec's bytes and Flate data at zlib's strongest level as they are stored:
// it cannot come out below them.
void TestPdfRepacker::skipsWhatCannotWin()
{
    QFETCH(QString, document);
    const qint64 shownJpeg = writeJpegDocument(path("jpeg.pdf"));
    const QByteArray strongest = zlibStream(drawing(4000), 9);
    QVERIFY(writeFlateDocument(path("flate.pdf"), { strongest }));
    QFile::remove(path("skipped.pdf"));
    PdfRepacker::Limits limits;
    limits.mustBeBelow = document == QLatin1String("jpeg.pdf") ? shownJpeg : strongest.size();
    const PdfRepacker::Result result = PdfRepacker::repack({ path(document), {} }, path("skipped.pdf"), {}, limits);
    QCOMPARE(result.outcome, PdfRepacker::Outcome::CannotWin);
    QVERIFY(!QFileInfo::exists(path("skipped.pdf")));
}

void TestPdfRepacker::cancelledRepackLeavesNothing()
{
    int asked = 0;
    PdfRepacker::Limits limits;
    limits.cancelled = [&asked] { return ++asked > 3; };
    const PdfRepacker::Result result
        = PdfRepacker::repack({ path("source.pdf"), {} }, path("cancelled.pdf"), {}, limits);
    QCOMPARE(result.outcome, PdfRepacker::Outcome::Cancelled);
    QCOMPARE(asked, 4);
    QVERIFY(!QFileInfo::exists(path("cancelled.pdf")));
}

QTEST_MAIN(TestPdfRepacker)
#include "TestPdfRepacker.moc"
