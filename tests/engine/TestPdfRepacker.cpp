#include "engine/PdfRepacker.h"
#include "support/TestPdf.h"

#include <QBuffer>
#include <QImage>
#include <QtTest>
#include <qpdf/Pl_Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>
#include <qpdf/QUtil.hh>

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

    Substance substanceOf(const QString& path, const QByteArray& password = QByteArray())
    {
        Substance substance;
        QPDF pdf;
        pdf.processFile(QFile::encodeName(path).constData(), password.isEmpty() ? nullptr : password.constData());
        for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(pdf).getAllPages()) {
            Pl_Buffer buffer("contents");
            page.pipeContents(&buffer);
            buffer.finish();
            const std::unique_ptr<Buffer> bytes(buffer.getBuffer());
            substance.pageContents << QByteArray(
                reinterpret_cast<const char*>(bytes->getBuffer()), static_cast<int>(bytes->getSize()));
        }
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
} // namespace

Q_DECLARE_METATYPE(TestPdf::Cipher)

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
}

// Whatever the bound, a repack that comes out below the size to beat is written: skipping it would
// hand the user a larger copy.
void TestPdfRepacker::boundNeverSkipsAWinner()
{
    QFETCH(QString, document);
    QFETCH(bool, flateFullyCompressed);
    writeJpegDocument(path("jpeg.pdf"));
    QVERIFY(TestPdf::writeSlowToRepackDocument(path("stored.pdf"), 1));

    const PdfRepacker::Result unbounded = PdfRepacker::repack({ path(document), {} }, path("unbounded.pdf"));
    QCOMPARE(unbounded.outcome, PdfRepacker::Outcome::Written);
    PdfRepacker::Limits limits;
    limits.flateFullyCompressed = flateFullyCompressed;
    limits.mustBeBelow = unbounded.size + 1;
    const PdfRepacker::Result bounded = PdfRepacker::repack({ path(document), {} }, path("bounded.pdf"), {}, limits);
    QCOMPARE(bounded.outcome, PdfRepacker::Outcome::Written);
    QCOMPARE(bounded.size, unbounded.size);
}

void TestPdfRepacker::skipsWhatCannotWin()
{
    const qint64 shownJpeg = writeJpegDocument(path("jpeg.pdf"));
    QFile::remove(path("skipped.pdf"));
    PdfRepacker::Limits limits;
    // The pass copies the JPEG's bytes as they are: it cannot come out below them.
    limits.mustBeBelow = shownJpeg;
    const PdfRepacker::Result result = PdfRepacker::repack({ path("jpeg.pdf"), {} }, path("skipped.pdf"), {}, limits);
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
