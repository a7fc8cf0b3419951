#include "engine/PredictedFlateDecoder.h"

#include <QtTest>
#include <cstdlib>
#include <memory>
#include <qpdf/Buffer.hh>
#include <qpdf/Pl_Buffer.hh>
#include <qpdf/QPDF.hh>
#include <zlib.h>

namespace {
    /** A picture's shape as its decoding parameters give it. */
    struct Shape
    {
        int columns = 1;
        int colors = 1;
        int bits = 8;
        int rows = 1;

        int rowBytes() const { return (columns * colors * bits + 7) / 8; }
        int pixelBytes() const { return (colors * bits + 7) / 8; }
    };

    /** Samples no predictor makes trivial: a gradient under noise. */
    QByteArray pictureOf(const Shape& shape)
    {
        QByteArray picture;
        quint32 state = 4321;
        for (int row = 0; row < shape.rows; ++row) {
            for (int index = 0; index < shape.rowBytes(); ++index) {
                state = state * 1103515245 + 12345;
                picture += char(row * 3 + index + static_cast<int>((state >> 24) % 9));
            }
        }
        return picture;
    }

    int paeth(int left, int up, int upperLeft)
    {
        const int estimate = left + up - upperLeft;
        const int toLeft = std::abs(estimate - left);
        const int toUp = std::abs(estimate - up);
        const int toUpperLeft = std::abs(estimate - upperLeft);
        return toLeft <= toUp && toLeft <= toUpperLeft ? left : toUp <= toUpperLeft ? up : upperLeft;
    }

    /** The picture as a PNG predictor stores it, row r of type types[r % types.size()]. */
    QByteArray predicted(const QByteArray& picture, const Shape& shape, const QList<int>& types)
    {
        const int length = shape.rowBytes();
        const int pixel = shape.pixelBytes();
        QByteArray stored;
        for (int row = 0; row < shape.rows; ++row) {
            const int type = types.at(row % types.size());
            stored += char(type);
            const auto sample = [&](int r, int index) {
                return r < 0 || index < 0 ? 0 : static_cast<unsigned char>(picture.at(r * length + index));
            };
            for (int index = 0; index < length; ++index) {
                const int left = sample(row, index - pixel);
                const int up = sample(row - 1, index);
                const int upperLeft = sample(row - 1, index - pixel);
                const int predictions[] = { 0, left, up, (left + up) / 2, paeth(left, up, upperLeft) };
                stored += char(sample(row, index) - (type < 5 ? predictions[type] : 0));
            }
        }
        return stored;
    }

    QByteArray zlibOf(const QByteArray& data)
    {
        uLongf length = compressBound(static_cast<uLong>(data.size()));
        QByteArray compressed(static_cast<int>(length), '\0');
        compress2(reinterpret_cast<Bytef*>(compressed.data()), &length,
            reinterpret_cast<const Bytef*>(data.constData()), static_cast<uLong>(data.size()), 6);
        compressed.resize(static_cast<int>(length));
        return compressed;
    }

    /** An image stream of pdf holding stored as Flate behind a PNG predictor, with the given shape. */
    QPDFObjectHandle imageOf(QPDF& pdf, const QByteArray& stored, const Shape& shape, int height, int predictor = 15)
    {
        QPDFObjectHandle image = QPDFObjectHandle::newStream(&pdf);
        const std::string parameters = "<< /Predictor " + std::to_string(predictor) + " /Columns "
            + std::to_string(shape.columns) + " /Colors " + std::to_string(shape.colors) + " /BitsPerComponent "
            + std::to_string(shape.bits) + " >>";
        image.replaceStreamData(
            stored.toStdString(), QPDFObjectHandle::newName("/FlateDecode"), QPDFObjectHandle::parse(parameters));
        image.getDict().replaceKey("/Type", QPDFObjectHandle::newName("/XObject"));
        image.getDict().replaceKey("/Subtype", QPDFObjectHandle::newName("/Image"));
        image.getDict().replaceKey("/Width", QPDFObjectHandle::newInteger(shape.columns));
        image.getDict().replaceKey("/Height", QPDFObjectHandle::newInteger(height));
        return image;
    }

    QByteArray decodedByQpdf(QPDFObjectHandle stream)
    {
        Pl_Buffer buffer("decoded");
        if (!stream.pipeStreamData(&buffer, nullptr, 0, qpdf_dl_generalized, true, false)) {
            return QByteArray();
        }
        const std::unique_ptr<Buffer> bytes(buffer.getBuffer());
        return QByteArray(reinterpret_cast<const char*>(bytes->getBuffer()), static_cast<int>(bytes->getSize()));
    }

    /** What the decoder makes of image's stored data; a null array when it declines. */
    QByteArray decodedByDecoder(QPDFObjectHandle image, qint64 limit = 1 << 24)
    {
        const PredictedFlateDecoder::Layout layout = PredictedFlateDecoder::layoutOf(image, limit);
        const std::shared_ptr<Buffer> raw = image.getRawStreamData();
        const std::string stored(reinterpret_cast<const char*>(raw->getBuffer()), raw->getSize());
        std::string decoded;
        if (!PredictedFlateDecoder().decode(stored, layout, decoded)) {
            return QByteArray();
        }
        return QByteArray::fromStdString(decoded);
    }
} // namespace

Q_DECLARE_METATYPE(Shape)

class TestPredictedFlateDecoder : public QObject
{
    Q_OBJECT

private slots:
    void decodesWhatQpdfDecodes_data();
    void decodesWhatQpdfDecodes();
    void declinesWhatItCannotDecodeExactly_data();
    void declinesWhatItCannotDecodeExactly();
    void declinesPicturesBeyondTheLimit();
};

void TestPredictedFlateDecoder::decodesWhatQpdfDecodes_data()
{
    QTest::addColumn<Shape>("shape");
    QTest::addColumn<QList<int>>("types");
    const Shape rgb { 40, 3, 8, 30 };
    QTest::newRow("RGB, rows not predicted") << rgb << QList<int> { 0 };
    QTest::newRow("RGB, Sub") << rgb << QList<int> { 1 };
    QTest::newRow("RGB, Up") << rgb << QList<int> { 2 };
    QTest::newRow("RGB, Average") << rgb << QList<int> { 3 };
    QTest::newRow("RGB, Paeth") << rgb << QList<int> { 4 };
    QTest::newRow("grey, every type in turn") << Shape { 57, 1, 8, 25 } << QList<int> { 0, 1, 2, 3, 4 };
    QTest::newRow("16-bit RGB, Paeth and Average") << Shape { 21, 3, 16, 12 } << QList<int> { 4, 3 };
    QTest::newRow("1-bit, a row not a whole number of bytes") << Shape { 61, 1, 1, 20 } << QList<int> { 1, 4, 2 };
    QTest::newRow("4-bit RGB, a pixel in two bytes") << Shape { 33, 3, 4, 17 } << QList<int> { 1, 4, 3 };
    QTest::newRow("CMYK, one row") << Shape { 9, 4, 8, 1 } << QList<int> { 4 };
}

// Every row type and layout comes out as the picture it was made from, and as qpdf decodes it.
void TestPredictedFlateDecoder::decodesWhatQpdfDecodes()
{
    QFETCH(Shape, shape);
    QFETCH(QList<int>, types);
    const QByteArray picture = pictureOf(shape);
    QPDF pdf;
    pdf.emptyPDF();
    QPDFObjectHandle image = imageOf(pdf, zlibOf(predicted(picture, shape, types)), shape, shape.rows);

    QCOMPARE(decodedByQpdf(image), picture);
    QCOMPARE(decodedByDecoder(image), picture);
}

void TestPredictedFlateDecoder::declinesWhatItCannotDecodeExactly_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("fewer rows than the picture's height") << "short";
    QTest::newRow("more rows than the picture's height") << "long";
    QTest::newRow("a row type PNG does not define") << "type";
    QTest::newRow("damaged data") << "damaged";
    QTest::newRow("a TIFF predictor") << "tiff";
    QTest::newRow("not a picture") << "no image";
}

// qpdf has its own way with such data; the decoder leaves it to qpdf rather than decode it differently.
void TestPredictedFlateDecoder::declinesWhatItCannotDecodeExactly()
{
    QFETCH(QString, fault);
    const Shape shape { 30, 3, 8, 10 };
    const QByteArray picture = pictureOf(shape);
    QByteArray rows = predicted(picture, shape, { 2 });
    int height = shape.rows;
    int predictor = 15;
    if (fault == QLatin1String("short")) {
        height += 1;
    } else if (fault == QLatin1String("long")) {
        height -= 1;
    } else if (fault == QLatin1String("type")) {
        rows[(shape.rowBytes() + 1) * 4] = char(7);
    } else if (fault == QLatin1String("tiff")) {
        predictor = 2;
    }
    QByteArray stored = zlibOf(rows);
    if (fault == QLatin1String("damaged")) {
        stored[stored.size() - 2] = char(stored.at(stored.size() - 2) ^ 0x5a);
    }
    QPDF pdf;
    pdf.emptyPDF();
    pdf.setSuppressWarnings(true);
    QPDFObjectHandle image = imageOf(pdf, stored, shape, height, predictor);
    if (fault == QLatin1String("no image")) {
        image.getDict().removeKey("/Subtype");
    }

    QVERIFY(decodedByDecoder(image).isNull());
}

// A height that would need more than the limit is declined before anything is allocated.
void TestPredictedFlateDecoder::declinesPicturesBeyondTheLimit()
{
    const Shape shape { 1000, 3, 8, 2 };
    QPDF pdf;
    pdf.emptyPDF();
    QPDFObjectHandle image = imageOf(pdf, zlibOf(predicted(pictureOf(shape), shape, { 0 })), shape, 2000000000);
    QCOMPARE(PredictedFlateDecoder::layoutOf(image, 1 << 26).rows, size_t { 0 });
    QCOMPARE(PredictedFlateDecoder::layoutOf(image, std::numeric_limits<qint64>::max()).rows, size_t { 2000000000 });
}

QTEST_GUILESS_MAIN(TestPredictedFlateDecoder)
#include "TestPredictedFlateDecoder.moc"
