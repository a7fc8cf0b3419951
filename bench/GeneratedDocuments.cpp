#include "GeneratedDocuments.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QRandomGenerator>
#include <QTemporaryFile>
#include <cmath>
#include <exception>
#include <functional>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>
#include <string>

namespace {
    // A4 in points, and in pixels at the resolution of a typical office scanner.
    constexpr int pageWidthPoints = 595;
    constexpr int pageHeightPoints = 842;
    constexpr int scanDpi = 300;
    constexpr int jpegQuality = 85;

    int pixelsAt(int points, int dpi) { return points * dpi / 72; }

    /** One page image, encoded the way it goes into the file. */
    struct PageImage
    {
        QByteArray data;
        QByteArray filter; // "/DCTDecode", or empty for raw samples that the writer deflates
        QByteArray colorSpace;
        int bitsPerComponent = 8;
        int width = 0;
        int height = 0;
    };

    /** Writes one full-page image per page; makeImage is called for each page in turn. */
    bool writeImagePages(const QString& path, int pages, const std::function<PageImage(int)>& makeImage)
    {
        try {
            QPDF pdf;
            pdf.emptyPDF();
            QPDFPageDocumentHelper document(pdf);
            for (int page = 0; page < pages; ++page) {
                const PageImage image = makeImage(page);
                QPDFObjectHandle stream = QPDFObjectHandle::newStream(&pdf, image.data.toStdString());
                QPDFObjectHandle dictionary = stream.getDict();
                dictionary.replaceKey("/Type", QPDFObjectHandle::newName("/XObject"));
                dictionary.replaceKey("/Subtype", QPDFObjectHandle::newName("/Image"));
                dictionary.replaceKey("/Width", QPDFObjectHandle::newInteger(image.width));
                dictionary.replaceKey("/Height", QPDFObjectHandle::newInteger(image.height));
                dictionary.replaceKey("/ColorSpace", QPDFObjectHandle::newName(image.colorSpace.toStdString()));
                dictionary.replaceKey("/BitsPerComponent", QPDFObjectHandle::newInteger(image.bitsPerComponent));
                if (!image.filter.isEmpty()) {
                    dictionary.replaceKey("/Filter", QPDFObjectHandle::newName(image.filter.toStdString()));
                }
                const std::string drawing = QStringLiteral("q %1 0 0 %2 0 0 cm /Im0 Do Q")
                                                .arg(pageWidthPoints)
                                                .arg(pageHeightPoints)
                                                .toStdString();
                QPDFObjectHandle resources = QPDFObjectHandle::parse("<< /XObject << >> >>");
                resources.getKey("/XObject").replaceKey("/Im0", stream);
                QPDFObjectHandle pageObject = pdf.makeIndirectObject(
                    QPDFObjectHandle::parse(QStringLiteral("<< /Type /Page /MediaBox [0 0 %1 %2] >>")
                                                .arg(pageWidthPoints)
                                                .arg(pageHeightPoints)
                                                .toStdString()));
                pageObject.replaceKey("/Contents", QPDFObjectHandle::newStream(&pdf, drawing));
                pageObject.replaceKey("/Resources", resources);
                document.addPage(QPDFPageObjectHelper(pageObject), false);
            }
            QPDFWriter writer(pdf, QFile::encodeName(path).constData());
            writer.setCompressStreams(true);
            writer.write();
            return true;
        } catch (const std::exception&) {
            return false;
        }
    }

    QByteArray jpegOf(const QImage& image, int quality = jpegQuality)
    {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPG", quality);
        return bytes;
    }

    /** A shading that fades in RGB from one colour to another, as PDF source. */
    std::string fading(int type, const char* coords, const QString& from, const QString& to)
    {
        return QStringLiteral("<< /ShadingType %1 /ColorSpace /DeviceRGB /Coords [%2] /Extend [true true] "
                              "/Function << /FunctionType 2 /Domain [0 1] /N 1 /C0 [%3] /C1 [%4] >> >>")
            .arg(type)
            .arg(QLatin1String(coords), from, to)
            .toStdString();
    }

    int clampToByte(int value) { return qBound(0, value, 255); }

    /** Random colours on a coarse grid, blown up smoothly: the broad light and colour of a photograph. */
    QImage smoothField(int width, int height, int cellsAcross, QRandomGenerator& random)
    {
        const int cellsDown = qMax(2, cellsAcross * height / width);
        QImage coarse(cellsAcross, cellsDown, QImage::Format_RGB32);
        const QRgb palette[] = { qRgb(70, 110, 160), qRgb(200, 170, 120), qRgb(60, 120, 60), qRgb(220, 210, 200),
            qRgb(120, 80, 50), qRgb(160, 190, 220) };
        for (int y = 0; y < cellsDown; ++y) {
            for (int x = 0; x < cellsAcross; ++x) {
                const QRgb base = palette[random.bounded(6)];
                const int shift = static_cast<int>(random.bounded(61)) - 30;
                coarse.setPixel(x, y,
                    qRgb(clampToByte(qRed(base) + shift), clampToByte(qGreen(base) + shift),
                        clampToByte(qBlue(base) + shift)));
            }
        }
        return coarse.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }

    QImage photograph(int width, int height, quint32 seed)
    {
        QRandomGenerator random(seed);
        QImage image = smoothField(width, height, 6, random);
        const QImage detail = smoothField(width, height, 40, random);
        {
            QPainter painter(&image);
            painter.setOpacity(0.35);
            painter.drawImage(0, 0, detail);
            painter.setOpacity(1.0);
            painter.setRenderHint(QPainter::Antialiasing);
            // Objects with hard edges, as in any photograph: leaves, stones, windows.
            for (int shape = 0; shape < 60; ++shape) {
                const QColor colour = QColor::fromHsv(static_cast<int>(random.bounded(360)),
                    60 + static_cast<int>(random.bounded(150)), 60 + static_cast<int>(random.bounded(180)));
                const int size = width / 40 + static_cast<int>(random.bounded(width / 6));
                const QRectF bounds(
                    random.bounded(width), random.bounded(height), size, size * (0.5 + random.generateDouble()));
                QRadialGradient gradient(bounds.center(), size / 1.5);
                gradient.setColorAt(0, colour.lighter(130));
                gradient.setColorAt(1, colour.darker(140));
                painter.setBrush(gradient);
                painter.setPen(Qt::NoPen);
                if (shape % 3 == 0) {
                    painter.drawRect(bounds);
                } else {
                    painter.drawEllipse(bounds);
                }
            }
        }
        // Sensor grain.
        for (int y = 0; y < height; ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < width; ++x) {
                const int grain = static_cast<int>(random.bounded(17)) - 8;
                line[x] = qRgb(clampToByte(qRed(line[x]) + grain), clampToByte(qGreen(line[x]) + grain),
                    clampToByte(qBlue(line[x]) + grain));
            }
        }
        return image;
    }

    const QStringList& vocabulary()
    {
        static const QStringList words = QStringLiteral(
            "the compression of documents keeps every page readable while images lose resolution and "
            "colour depth scanner office invoice contract meeting minutes quarterly report figure table "
            "measurement result method sample analysis appendix reference chapter section paragraph "
            "delivery customer supplier payment order account balance total amount date signature "
            "engine interpreter device resolution bicubic subsample greyscale monochrome photograph")
                                             .split(QLatin1Char(' '));
        return words;
    }

    QString sentence(QRandomGenerator& random, int words)
    {
        QStringList parts;
        for (int word = 0; word < words; ++word) {
            parts << vocabulary().at(static_cast<int>(random.bounded(vocabulary().size())));
        }
        QString text = parts.join(QLatin1Char(' '));
        text[0] = text[0].toUpper();
        return text + QLatin1Char('.');
    }

    QString paragraph(QRandomGenerator& random)
    {
        QStringList sentences;
        const int count = 3 + static_cast<int>(random.bounded(5));
        for (int index = 0; index < count; ++index) {
            sentences << sentence(random, 6 + static_cast<int>(random.bounded(10)));
        }
        return sentences.join(QLatin1Char(' '));
    }

    /** A printed page at 300 dpi, black ink on white, slightly skewed as if fed by hand. */
    QImage printedPage(int page, QRandomGenerator& random)
    {
        const int width = pixelsAt(pageWidthPoints, scanDpi);
        const int height = pixelsAt(pageHeightPoints, scanDpi);
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.translate(width / 2.0, height / 2.0);
        painter.rotate(random.bounded(1.0) - 0.5);
        painter.translate(-width / 2.0, -height / 2.0);
        painter.setPen(Qt::black);

        const int margin = scanDpi;
        QFont heading(QStringLiteral("Liberation Serif"));
        heading.setPixelSize(scanDpi * 18 / 72);
        heading.setBold(true);
        painter.setFont(heading);
        painter.drawText(QRect(margin, margin, width - 2 * margin, scanDpi), Qt::AlignLeft | Qt::AlignVCenter,
            QStringLiteral("Scanned page %1").arg(page + 1));

        QFont body(QStringLiteral("Liberation Serif"));
        body.setPixelSize(scanDpi * 11 / 72);
        painter.setFont(body);
        int top = margin + scanDpi + scanDpi / 4;
        while (top < height - 2 * margin) {
            if (random.bounded(6) == 0) {
                // A small chart, as reports have.
                const QRect chart(margin, top, width / 2, scanDpi * 2);
                painter.drawRect(chart);
                for (int bar = 0; bar < 8; ++bar) {
                    const int barHeight = static_cast<int>(random.bounded(chart.height() - 20));
                    painter.fillRect(chart.left() + 20 + bar * (chart.width() - 40) / 8, chart.bottom() - barHeight,
                        (chart.width() - 40) / 10, barHeight, QColor(90, 90, 90));
                }
                top += chart.height() + scanDpi / 4;
                continue;
            }
            const QRect area(margin, top, width - 2 * margin, height - margin - top);
            QRect used;
            painter.drawText(area, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, paragraph(random), &used);
            top += used.height() + scanDpi / 6;
        }
        return image;
    }

    /** Grey samples of a printed page as a scanner sees it: off-white paper, uneven light, noise. */
    QImage scannedGrey(const QImage& printed, QRandomGenerator& random)
    {
        QImage grey(printed.width(), printed.height(), QImage::Format_Grayscale8);
        for (int y = 0; y < printed.height(); ++y) {
            const auto* source = reinterpret_cast<const QRgb*>(printed.constScanLine(y));
            uchar* target = grey.scanLine(y);
            for (int x = 0; x < printed.width(); ++x) {
                const int ink = 255 - qGray(source[x]);
                const int paper = 236 - 14 * x / printed.width() - 8 * y / printed.height();
                const int noise = static_cast<int>(random.bounded(13)) - 6;
                target[x] = static_cast<uchar>(clampToByte(paper - ink * (paper - 25) / 255 + noise));
            }
        }
        return grey;
    }

    /** One bit per pixel, 1 for white, rows padded to whole bytes, with the speckles of a dusty glass. */
    QByteArray scannedMonoBits(const QImage& printed, QRandomGenerator& random)
    {
        const int rowBytes = (printed.width() + 7) / 8;
        QByteArray bits(rowBytes * printed.height(), '\0');
        for (int y = 0; y < printed.height(); ++y) {
            const auto* source = reinterpret_cast<const QRgb*>(printed.constScanLine(y));
            char* row = bits.data() + y * rowBytes;
            for (int x = 0; x < printed.width(); ++x) {
                bool white = qGray(source[x]) > 140;
                if (random.bounded(4000) == 0) {
                    white = !white;
                }
                if (white) {
                    row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
                }
            }
        }
        return bits;
    }

    QPDFObjectHandle fitDestination(QPDFPageObjectHelper& page)
    {
        QPDFObjectHandle destination = QPDFObjectHandle::newArray();
        destination.appendItem(page.getObjectHandle());
        destination.appendItem(QPDFObjectHandle::newName("/Fit"));
        return destination;
    }

    QPDFObjectHandle rectangle(double left, double bottom, double right, double top)
    {
        QPDFObjectHandle array = QPDFObjectHandle::newArray();
        for (double value : { left, bottom, right, top }) {
            array.appendItem(QPDFObjectHandle::newReal(value, 2));
        }
        return array;
    }

    void addAnnotation(QPDF& pdf, QPDFPageObjectHelper& page, QPDFObjectHandle annotation)
    {
        QPDFObjectHandle pageObject = page.getObjectHandle();
        if (!pageObject.getKey("/Annots").isArray()) {
            pageObject.replaceKey("/Annots", QPDFObjectHandle::newArray());
        }
        pageObject.getKey("/Annots").appendItem(pdf.makeIndirectObject(annotation));
    }

    /** A chain of outline items under parent, each pointing at the page given for it. */
    void addOutlineLevel(QPDF& pdf, QPDFObjectHandle parent, const QList<QPair<QString, QPDFObjectHandle>>& entries)
    {
        QPDFObjectHandle previous;
        for (const auto& [title, destination] : entries) {
            QPDFObjectHandle item = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
            item.replaceKey("/Title", QPDFObjectHandle::newUnicodeString(title.toStdString()));
            item.replaceKey("/Parent", parent);
            item.replaceKey("/Dest", destination);
            if (previous.isInitialized()) {
                previous.replaceKey("/Next", item);
                item.replaceKey("/Prev", previous);
            } else {
                parent.replaceKey("/First", item);
            }
            previous = item;
        }
        if (previous.isInitialized()) {
            parent.replaceKey("/Last", previous);
            parent.replaceKey("/Count", QPDFObjectHandle::newInteger(entries.size()));
        }
    }
} // namespace

namespace GeneratedDocuments {
    bool writeColourPhotoScan(const QString& path, int pages, int dpi, quint32 seed)
    {
        return writeImagePages(path, pages, [dpi, seed](int page) {
            PageImage image;
            image.width = pixelsAt(pageWidthPoints, dpi);
            image.height = pixelsAt(pageHeightPoints, dpi);
            image.data = jpegOf(photograph(image.width, image.height, seed + static_cast<quint32>(page)));
            image.filter = "/DCTDecode";
            image.colorSpace = "/DeviceRGB";
            return image;
        });
    }

    bool writeCameraPhotos(const QString& path, int pages, int dpi, quint32 seed)
    {
        return writeImagePages(path, pages, [dpi, seed](int page) {
            PageImage image;
            image.width = pixelsAt(pageWidthPoints, dpi);
            image.height = pixelsAt(pageHeightPoints, dpi);
            image.data = jpegOf(photograph(image.width, image.height, seed + static_cast<quint32>(page)), 95);
            image.filter = "/DCTDecode";
            image.colorSpace = "/DeviceRGB";
            return image;
        });
    }

    bool writeSlides(const QString& path, int pages)
    {
        try {
            QPDF pdf;
            pdf.emptyPDF();
            QPDFPageDocumentHelper document(pdf);
            QByteArray drawing = "q 0 0 595 842 re W n /Background sh Q q 0 760 595 60 re W n /Bar sh Q\n"
                                 "BT /F1 28 Tf 40 780 Td (Slide title) Tj ET q 80 0 0 80 500 40 cm /Logo Do Q\n";
            for (int row = 0; row < 12; ++row) {
                const QByteArray top = QByteArray::number(700 - row * 52);
                drawing += "q 1 0 0 1 60 " + top + " cm /Ball sh Q q 1 0 0 1 100 " + top
                    + " cm 0 -8 440 16 re W n /Line sh Q\n";
                drawing += "BT /F1 14 Tf 100 " + QByteArray::number(700 - row * 52 + 12) + " Td (Point "
                    + QByteArray::number(row + 1) + ") Tj ET\n";
            }
            const QPDFObjectHandle font = pdf.makeIndirectObject(
                QPDFObjectHandle::parse("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>"));
            for (int page = 0; page < pages; ++page) {
                // Each frame has highlights of its own colours, so no two pages share their shadings.
                const QString tint = QString::number(0.3 + 0.6 * page / qMax(1, pages), 'f', 3);
                QPDFObjectHandle shadings = QPDFObjectHandle::newDictionary();
                shadings.replaceKey("/Background",
                    pdf.makeIndirectObject(QPDFObjectHandle::parse(
                        fading(2, "0 842 0 0", QStringLiteral("0.95 0.96 1"), tint + QStringLiteral(" 0.62 0.85")))));
                shadings.replaceKey("/Bar",
                    pdf.makeIndirectObject(QPDFObjectHandle::parse(
                        fading(2, "0 0 595 0", QStringLiteral("0.1 0.2 ") + tint, QStringLiteral("0.6 0.7 1")))));
                shadings.replaceKey("/Ball",
                    pdf.makeIndirectObject(QPDFObjectHandle::parse(fading(3, "-3 3 1 0 0 12",
                        QStringLiteral("0.8 0.85 1"), QStringLiteral("0.1 ") + tint + QStringLiteral(" 0.55")))));
                shadings.replaceKey("/Line",
                    pdf.makeIndirectObject(QPDFObjectHandle::parse(
                        fading(2, "0 0 440 0", tint + QStringLiteral(" 0.3 0.2"), QStringLiteral("0.2 0.6 0.3")))));
                QPDFObjectHandle resources = QPDFObjectHandle::parse("<< /Font << >> >>");
                resources.getKey("/Font").replaceKey("/F1", font);
                resources.replaceKey("/Shading", shadings);
                // The institute's photograph in a corner, with far more pixels than its place needs.
                QPDFObjectHandle logo = QPDFObjectHandle::newStream(
                    &pdf, jpegOf(photograph(500, 500, 700 + static_cast<quint32>(page)), 95).toStdString());
                logo.getDict().replaceKey("/Type", QPDFObjectHandle::newName("/XObject"));
                logo.getDict().replaceKey("/Subtype", QPDFObjectHandle::newName("/Image"));
                logo.getDict().replaceKey("/Width", QPDFObjectHandle::newInteger(500));
                logo.getDict().replaceKey("/Height", QPDFObjectHandle::newInteger(500));
                logo.getDict().replaceKey("/ColorSpace", QPDFObjectHandle::newName("/DeviceRGB"));
                logo.getDict().replaceKey("/BitsPerComponent", QPDFObjectHandle::newInteger(8));
                logo.getDict().replaceKey("/Filter", QPDFObjectHandle::newName("/DCTDecode"));
                resources.replaceKey("/XObject", QPDFObjectHandle::newDictionary());
                resources.getKey("/XObject").replaceKey("/Logo", logo);
                QPDFObjectHandle pageObject
                    = pdf.makeIndirectObject(QPDFObjectHandle::parse("<< /Type /Page /MediaBox [0 0 595 842] >>"));
                pageObject.replaceKey("/Contents", QPDFObjectHandle::newStream(&pdf, drawing.toStdString()));
                pageObject.replaceKey("/Resources", resources);
                document.addPage(QPDFPageObjectHelper(pageObject), false);
            }
            QPDFWriter writer(pdf, QFile::encodeName(path).constData());
            writer.setCompressStreams(true);
            writer.write();
            return true;
        } catch (const std::exception&) {
            return false;
        }
    }

    bool writeGreyScan(const QString& path, int pages)
    {
        QRandomGenerator random(7);
        return writeImagePages(path, pages, [&random](int page) {
            const QImage grey = scannedGrey(printedPage(page, random), random);
            PageImage image;
            image.width = grey.width();
            image.height = grey.height();
            image.data = jpegOf(grey);
            image.filter = "/DCTDecode";
            image.colorSpace = "/DeviceGray";
            return image;
        });
    }

    bool writeMonoScan(const QString& path, int pages)
    {
        QRandomGenerator random(11);
        return writeImagePages(path, pages, [&random](int page) {
            const QImage printed = printedPage(page, random);
            PageImage image;
            image.width = printed.width();
            image.height = printed.height();
            image.data = scannedMonoBits(printed, random);
            image.colorSpace = "/DeviceGray";
            image.bitsPerComponent = 1;
            return image;
        });
    }

    bool writeVectorDrawing(const QString& path, int pages)
    {
        QPdfWriter writer(path);
        writer.setResolution(600);
        writer.setPageSize(QPageSize(QPageSize::A3));
        writer.setPageOrientation(QPageLayout::Landscape);
        writer.setCreator(QStringLiteral("Kompresto benchmark"));
        QPainter painter;
        if (!painter.begin(&writer)) {
            return false;
        }
        QRandomGenerator random(3);
        const int width = writer.width();
        const int height = writer.height();
        for (int page = 0; page < pages; ++page) {
            if (page > 0) {
                writer.newPage();
            }
            painter.setRenderHint(QPainter::Antialiasing);
            // Grid of a drawing sheet, one line every 5 mm.
            painter.setPen(QPen(QColor(190, 200, 220), 1));
            const int step = 600 * 5 / 25;
            for (int x = 0; x < width; x += step) {
                painter.drawLine(x, 0, x, height);
            }
            for (int y = 0; y < height; y += step) {
                painter.drawLine(0, y, width, y);
            }
            // Parts: filled polygons with outlines.
            for (int part = 0; part < 400; ++part) {
                QPolygonF polygon;
                const QPointF centre(random.bounded(width), random.bounded(height));
                const int corners = 3 + static_cast<int>(random.bounded(6));
                const double radius = 40 + random.bounded(300.0);
                for (int corner = 0; corner < corners; ++corner) {
                    const double angle = corner * 2 * M_PI / corners + random.bounded(0.5);
                    polygon << centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
                }
                painter.setBrush(QColor::fromHsv(static_cast<int>(random.bounded(360)), 80, 230));
                painter.setPen(QPen(Qt::black, 3));
                painter.drawPolygon(polygon);
            }
            // Wiring and contours: long Bézier paths.
            painter.setBrush(Qt::NoBrush);
            for (int curve = 0; curve < 6000; ++curve) {
                QPointF point(random.bounded(width), random.bounded(height));
                QPainterPath wire(point);
                // Each wire wanders locally, a few centimetres, as contour lines and cables do.
                const auto near = [&random](const QPointF& from) {
                    return from + QPointF(random.bounded(800.0) - 400.0, random.bounded(800.0) - 400.0);
                };
                for (int segment = 0; segment < 4; ++segment) {
                    const QPointF first = near(point);
                    const QPointF second = near(point);
                    point = near(point);
                    wire.cubicTo(first, second, point);
                }
                const Qt::PenStyle style = curve % 5 == 0 ? Qt::DashLine : Qt::SolidLine;
                painter.setPen(QPen(QColor::fromHsv(static_cast<int>(random.bounded(360)), 200, 120), 2, style));
                painter.drawPath(wire);
            }
            // Dimension labels.
            QFont label(QStringLiteral("Liberation Sans"));
            label.setPixelSize(50);
            painter.setFont(label);
            painter.setPen(Qt::black);
            for (int text = 0; text < 200; ++text) {
                painter.drawText(QPointF(random.bounded(width), random.bounded(height)),
                    QStringLiteral("R%1 Ø%2").arg(random.bounded(900)).arg(random.bounded(90)));
            }
        }
        return painter.end();
    }

    bool writeTextDocument(const QString& path, int pages)
    {
        constexpr int pagesPerChapter = 5;
        constexpr int dpi = 300;
        const int chapters = (pages - 1 + pagesPerChapter - 1) / pagesPerChapter;
        QTemporaryFile draft(path + QStringLiteral(".XXXXXX"));
        if (!draft.open()) {
            return false;
        }
        draft.close();

        QList<QRectF> contentsLines; // in points, PDF coordinates, one per chapter
        {
            QPdfWriter writer(draft.fileName());
            writer.setResolution(dpi);
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setPageMargins(QMarginsF(0, 0, 0, 0));
            QPainter painter;
            if (!painter.begin(&writer)) {
                return false;
            }
            QRandomGenerator random(5);
            const int width = writer.width();
            const int height = writer.height();
            const int margin = dpi;
            QFont heading(QStringLiteral("Liberation Sans"));
            heading.setPixelSize(dpi * 16 / 72);
            heading.setBold(true);
            QFont body(QStringLiteral("Liberation Serif"));
            body.setPixelSize(dpi * 10 / 72);
            const double toPoints = 72.0 / dpi;

            painter.setFont(heading);
            painter.drawText(
                QRect(margin, margin, width - 2 * margin, dpi / 2), Qt::AlignLeft, QStringLiteral("Contents"));
            painter.setFont(body);
            for (int chapter = 0; chapter < chapters; ++chapter) {
                const QRect line(margin, margin + dpi + chapter * dpi / 4, width - 2 * margin, dpi / 5);
                painter.drawText(line, Qt::AlignLeft,
                    QStringLiteral("Chapter %1 ........ page %2").arg(chapter + 1).arg(2 + chapter * pagesPerChapter));
                contentsLines << QRectF(line.left() * toPoints, (height - line.bottom()) * toPoints,
                    line.width() * toPoints, line.height() * toPoints);
            }
            for (int page = 1; page < pages; ++page) {
                writer.newPage();
                int top = margin;
                if ((page - 1) % pagesPerChapter == 0) {
                    painter.setFont(heading);
                    painter.drawText(QRect(margin, top, width - 2 * margin, dpi / 2), Qt::AlignLeft,
                        QStringLiteral("Chapter %1").arg((page - 1) / pagesPerChapter + 1));
                    top += dpi * 3 / 4;
                }
                painter.setFont(body);
                while (true) {
                    const QString text = paragraph(random);
                    const QRect bounds
                        = painter.boundingRect(QRect(margin, top, width - 2 * margin, height), Qt::TextWordWrap, text);
                    if (bounds.bottom() > height - margin) {
                        break;
                    }
                    painter.drawText(bounds, Qt::TextWordWrap, text);
                    top = bounds.bottom() + dpi / 8;
                }
                painter.drawText(QRect(margin, height - margin / 2, width - 2 * margin, dpi / 4), Qt::AlignLeft,
                    QStringLiteral("https://www.debian.org/doc/"));
            }
            if (!painter.end()) {
                return false;
            }
        }

        try {
            QPDF pdf;
            pdf.processFile(QFile::encodeName(draft.fileName()).constData());
            std::vector<QPDFPageObjectHelper> allPages = QPDFPageDocumentHelper(pdf).getAllPages();
            QList<QPair<QString, QPDFObjectHandle>> chapterEntries;
            for (int chapter = 0; chapter < chapters; ++chapter) {
                QPDFPageObjectHelper& target = allPages.at(static_cast<size_t>(1 + chapter * pagesPerChapter));
                const QRectF& line = contentsLines.at(chapter);
                QPDFObjectHandle link = QPDFObjectHandle::newDictionary();
                link.replaceKey("/Type", QPDFObjectHandle::newName("/Annot"));
                link.replaceKey("/Subtype", QPDFObjectHandle::newName("/Link"));
                link.replaceKey("/Rect", rectangle(line.left(), line.top(), line.right(), line.bottom()));
                link.replaceKey("/Border", QPDFObjectHandle::parse("[0 0 0]"));
                link.replaceKey("/Dest", fitDestination(target));
                addAnnotation(pdf, allPages.front(), link);
                chapterEntries << qMakePair(QStringLiteral("Chapter %1").arg(chapter + 1), fitDestination(target));
            }
            for (size_t page = 1; page < allPages.size(); ++page) {
                QPDFObjectHandle link = QPDFObjectHandle::newDictionary();
                link.replaceKey("/Type", QPDFObjectHandle::newName("/Annot"));
                link.replaceKey("/Subtype", QPDFObjectHandle::newName("/Link"));
                link.replaceKey("/Rect", rectangle(72, 24, 300, 40));
                link.replaceKey("/Border", QPDFObjectHandle::parse("[0 0 0]"));
                link.replaceKey("/A", QPDFObjectHandle::parse("<< /S /URI /URI (https://www.debian.org/doc/) >>"));
                addAnnotation(pdf, allPages.at(page), link);
            }

            QPDFObjectHandle outlines = pdf.makeIndirectObject(QPDFObjectHandle::parse("<< /Type /Outlines >>"));
            addOutlineLevel(pdf, outlines, chapterEntries);
            // Two sections under every chapter, so that nested bookmarks are counted as well.
            QPDFObjectHandle chapterItem = outlines.getKey("/First");
            for (int chapter = 0; chapterItem.isDictionary(); ++chapter, chapterItem = chapterItem.getKey("/Next")) {
                const size_t first = static_cast<size_t>(1 + chapter * pagesPerChapter);
                const size_t second = qMin(first + 2, allPages.size() - 1);
                addOutlineLevel(pdf, chapterItem,
                    { qMakePair(QStringLiteral("Section %1.1").arg(chapter + 1), fitDestination(allPages.at(first))),
                        qMakePair(
                            QStringLiteral("Section %1.2").arg(chapter + 1), fitDestination(allPages.at(second))) });
            }
            pdf.getRoot().replaceKey("/Outlines", outlines);
            pdf.getRoot().replaceKey("/PageMode", QPDFObjectHandle::newName("/UseOutlines"));

            QPDFWriter writer(pdf, QFile::encodeName(path).constData());
            writer.setCompressStreams(true);
            writer.write();
            return true;
        } catch (const std::exception&) {
            return false;
        }
    }
} // namespace GeneratedDocuments
