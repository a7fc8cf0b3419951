#include "support/TestPdf.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <exception>
#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFOutlineDocumentHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>
#include <qpdf/QUtil.hh>

namespace {
    QByteArray contentsOf(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    /** Paints pageCount pages with QPdfWriter at the given resolution, one call of paintPage per page. */
    template <typename PaintPage>
    bool writePaintedDocument(const QString& path, int resolution, int pageCount, PaintPage paintPage)
    {
        QPdfWriter writer(path);
        writer.setResolution(resolution);
        writer.setPageSize(QPageSize(QPageSize::A4));
        QPainter painter;
        if (!painter.begin(&writer)) {
            return false;
        }
        for (int page = 0; page < pageCount; ++page) {
            if (page > 0) {
                writer.newPage();
            }
            paintPage(painter, page);
        }
        return painter.end();
    }

    // Smooth gradients with some grain: large when stored losslessly, yet JPEG-friendly.
    QImage photoLikeImage(int width, int height, quint32 seed)
    {
        QImage image(width, height, QImage::Format_RGB32);
        QRandomGenerator random(seed);
        for (int y = 0; y < height; ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < width; ++x) {
                const int grain = static_cast<int>(random.bounded(24));
                line[x] = qRgb((x * 255 / width + grain) % 256, (y * 255 / height + grain) % 256,
                    ((x + y) * 127 / (width + height) + 64 + grain) % 256);
            }
        }
        return image;
    }

    /** A whole PDF file of the given objects, numbered from 1, the first one the catalogue. */
    QByteArray pdfOf(const QList<QByteArray>& objects)
    {
        QByteArray file = "%PDF-1.4\n";
        QList<int> offsets;
        for (int index = 0; index < objects.size(); ++index) {
            offsets << file.size();
            file += QByteArray::number(index + 1) + " 0 obj\n" + objects.at(index) + "\nendobj\n";
        }
        const int xref = file.size();
        file += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
        for (const int offset : offsets) {
            file += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
        }
        file += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) + " /Root 1 0 R >>\nstartxref\n"
            + QByteArray::number(xref) + "\n%%EOF\n";
        return file;
    }

    QByteArray streamObject(const QByteArray& dictionaryEntries, const QByteArray& data)
    {
        return "<< " + dictionaryEntries + " /Length " + QByteArray::number(data.size()) + " >>\nstream\n" + data
            + "\nendstream";
    }

    QByteArray flateCompressed(const QByteArray& data)
    {
        // qCompress writes zlib's format behind a four-byte length of its own.
        return qCompress(data, 9).mid(4);
    }

    /** Pages of one picture each, objects numbered from 3 after the catalogue and the page tree. */
    QByteArray pagesOfPictures(const QList<QByteArray>& pictures, const QByteArray& drawing)
    {
        QByteArray kids;
        QList<QByteArray> objects = { "<< /Type /Catalog /Pages 2 0 R >>", QByteArray(), streamObject("", drawing) };
        for (const QByteArray& picture : pictures) {
            kids += QByteArray::number(objects.size() + 1) + " 0 R ";
            objects << "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Contents 3 0 R"
                       " /Resources << /XObject << /Im1 "
                    + QByteArray::number(objects.size() + 2) + " 0 R >> >> >>";
            objects << picture;
        }
        objects[1] = "<< /Type /Pages /Kids [" + kids + "] /Count " + QByteArray::number(pictures.size()) + " >>";
        return pdfOf(objects);
    }

    /**
     * What a camera stores: broad light and colour, fine texture everywhere and sensor noise, kept at a
     * high JPEG quality. Such pictures lose a lot of bytes and hardly any detail when encoded again.
     */
    QByteArray cameraJpeg(int width, int height, quint32 seed)
    {
        QImage image(width, height, QImage::Format_RGB32);
        QRandomGenerator random(seed);
        const double phase = random.bounded(6.28);
        for (int y = 0; y < height; ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < width; ++x) {
                const double light = 0.5 + 0.35 * std::sin(x * 0.011 + phase) * std::cos(y * 0.017 - phase);
                const double texture = 18.0 * std::sin(x * 0.9 + std::sin(y * 0.21) * 3.0);
                const int noise = static_cast<int>(random.bounded(21)) - 10;
                const int base = static_cast<int>(light * 220.0 + texture) + noise;
                line[x] = qRgb(qBound(0, base + 30, 255), qBound(0, base + (x * 40 / width), 255),
                    qBound(0, base - 20 + (y * 50 / height), 255));
            }
        }
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPG", 95);
        return bytes;
    }
} // namespace

namespace TestPdf {
    bool writeImageDocument(const QString& path, int pageCount)
    {
        return writePaintedDocument(path, 300, pageCount, [](QPainter& painter, int page) {
            const QImage image = photoLikeImage(1200, 900, static_cast<quint32>(page + 1));
            painter.drawImage(QRect(100, 300, 2200, 1650), image);
            painter.setFont(QFont(QStringLiteral("Arial"), 14));
            painter.drawText(QPoint(100, 200), QStringLiteral("Page %1").arg(page + 1));
        });
    }

    bool writeTextDocument(const QString& path, int pageCount)
    {
        return writePaintedDocument(path, 72, pageCount, [](QPainter& painter, int page) {
            painter.drawText(QPoint(72, 72), QStringLiteral("Page %1").arg(page + 1));
        });
    }

    bool writeTinyDocument(const QString& path)
    {
        try {
            QPDF pdf;
            pdf.emptyPDF();
            QPDFObjectHandle font = pdf.makeIndirectObject(
                QPDFObjectHandle::parse("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>"));
            QPDFObjectHandle contents = QPDFObjectHandle::newStream(&pdf, "BT /F1 12 Tf 72 720 Td (Hi) Tj ET");
            QPDFObjectHandle resources = QPDFObjectHandle::parse("<< /Font << >> >>");
            resources.getKey("/Font").replaceKey("/F1", font);
            QPDFObjectHandle page
                = pdf.makeIndirectObject(QPDFObjectHandle::parse("<< /Type /Page /MediaBox [0 0 612 792] >>"));
            page.replaceKey("/Contents", contents);
            page.replaceKey("/Resources", resources);
            QPDFPageDocumentHelper(pdf).addPage(QPDFPageObjectHelper(page), false);
            // The writer keeps the name's pointer (it seeds the document ID), so the bytes must outlive it.
            const QByteArray outputName = QFile::encodeName(path);
            QPDFWriter writer(pdf, outputName.constData());
            writer.setObjectStreamMode(qpdf_o_generate);
            writer.setCompressStreams(true);
            writer.write();
            return true;
        } catch (const std::exception&) {
            return false;
        }
    }

    bool writeEncryptedCopy(const QString& source, const QString& target, const QString& userPassword,
        const QString& ownerPassword, Cipher cipher)
    {
        try {
            QPDF pdf;
            pdf.processFile(QFile::encodeName(source).constData());
            // The writer keeps the name's pointer (it seeds the document ID), so the bytes must outlive it.
            const QByteArray outputName = QFile::encodeName(target);
            QPDFWriter writer(pdf, outputName.constData());
            // AES-256 takes passwords as UTF-8; the older ciphers one byte per character, which PDF
            // writers encode in PDFDocEncoding.
            const auto encode = [cipher](const QString& password) {
                const QByteArray utf8 = password.toUtf8();
                return cipher == Cipher::Aes256 ? utf8
                                                : QByteArray::fromStdString(QUtil::utf8_to_pdf_doc(utf8.toStdString()));
            };
            const QByteArray user = encode(userPassword);
            const QByteArray owner = encode(ownerPassword);
            switch (cipher) {
            case Cipher::Aes256:
                writer.setR6EncryptionParameters(
                    user.constData(), owner.constData(), true, true, true, true, true, true, qpdf_r3p_full, true);
                break;
            case Cipher::Aes128:
                writer.setR4EncryptionParametersInsecure(
                    user.constData(), owner.constData(), true, true, true, true, true, true, qpdf_r3p_full, true, true);
                break;
            case Cipher::Rc4_128:
                writer.setR3EncryptionParametersInsecure(
                    user.constData(), owner.constData(), true, true, true, true, true, true, qpdf_r3p_full);
                break;
            }
            writer.write();
            return true;
        } catch (const std::exception&) {
            return false;
        }
    }

    bool writeNamedDestinationCopy(const QString& source, const QString& target)
    {
        try {
            QPDF pdf;
            pdf.processFile(QFile::encodeName(source).constData());
            std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(pdf).getAllPages();
            if (pages.size() < 2) {
                return false;
            }
            QPDFObjectHandle root = pdf.getRoot();
            QPDFObjectHandle destination = QPDFObjectHandle::parse("[null /Fit]");
            destination.setArrayItem(0, pages[1].getObjectHandle());
            QPDFObjectHandle dests = pdf.makeIndirectObject(
                QPDFObjectHandle::parse("<< /Limits [(second) (second)] /Names [(second) null] >>"));
            dests.getKey("/Names").setArrayItem(1, destination);
            root.replaceKey("/Names", QPDFObjectHandle::parse("<< >>"));
            root.getKey("/Names").replaceKey("/Dests", dests);

            const char* const jump = "<< /S /GoTo /D (second) >>";
            QPDFObjectHandle outlines
                = pdf.makeIndirectObject(QPDFObjectHandle::parse("<< /Type /Outlines /Count 1 >>"));
            QPDFObjectHandle bookmark = pdf.makeIndirectObject(QPDFObjectHandle::parse("<< /Title (Second page) >>"));
            bookmark.replaceKey("/Parent", outlines);
            bookmark.replaceKey("/A", QPDFObjectHandle::parse(jump));
            outlines.replaceKey("/First", bookmark);
            outlines.replaceKey("/Last", bookmark);
            root.replaceKey("/Outlines", outlines);

            QPDFObjectHandle link = pdf.makeIndirectObject(
                QPDFObjectHandle::parse("<< /Type /Annot /Subtype /Link /Rect [72 72 300 120] /Border [0 0 0] >>"));
            link.replaceKey("/A", QPDFObjectHandle::parse(jump));
            pages[0].getObjectHandle().replaceKey("/Annots", QPDFObjectHandle::newArray({ link }));

            const QByteArray outputName = QFile::encodeName(target);
            QPDFWriter writer(pdf, outputName.constData());
            writer.write();
            return true;
        } catch (const std::exception&) {
            return false;
        }
    }

    bool writeTangledNavigationCopy(const QString& source, const QString& target)
    {
        try {
            QPDF pdf;
            pdf.processFile(QFile::encodeName(source).constData());
            std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(pdf).getAllPages();
            if (pages.size() < 2) {
                return false;
            }
            QPDFObjectHandle destination = QPDFObjectHandle::parse("[null /Fit]");
            destination.setArrayItem(0, pages[1].getObjectHandle());
            const auto bookmark = [&](const char* title) {
                QPDFObjectHandle item = pdf.makeIndirectObject(QPDFObjectHandle::parse("<< >>"));
                item.replaceKey("/Title", QPDFObjectHandle::newString(title));
                item.replaceKey("/Dest", destination);
                return item;
            };
            QPDFObjectHandle outlines = pdf.makeIndirectObject(QPDFObjectHandle::parse("<< /Type /Outlines >>"));
            QPDFObjectHandle a = bookmark("A");
            QPDFObjectHandle b = bookmark("B");
            QPDFObjectHandle c = bookmark("C");
            QPDFObjectHandle d = bookmark("D");
            outlines.replaceKey("/First", a);
            outlines.replaceKey("/Last", c);
            for (QPDFObjectHandle item : { a, b, c }) {
                item.replaceKey("/Parent", outlines);
            }
            d.replaceKey("/Parent", a);
            a.replaceKey("/First", d); // a genuine child
            a.replaceKey("/Next", b);
            b.replaceKey("/Next", c);
            b.replaceKey("/First", a); // back to an ancestor's level
            c.replaceKey("/Next", a); // the siblings go round
            c.replaceKey("/First", c); // its own child
            pdf.getRoot().replaceKey("/Outlines", outlines);

            QPDFObjectHandle link = pdf.makeIndirectObject(
                QPDFObjectHandle::parse("<< /Type /Annot /Subtype /Link /Rect [72 72 300 120] /Border [0 0 0] >>"));
            link.replaceKey("/Dest", destination);
            pages[0].getObjectHandle().replaceKey("/Annots",
                QPDFObjectHandle::newArray({ link, QPDFObjectHandle::newNull(), link, QPDFObjectHandle::newInteger(7),
                    QPDFObjectHandle::parse("<< /Subtype /Text /Rect [0 0 10 10] >>") }));

            const QByteArray outputName = QFile::encodeName(target);
            QPDFWriter writer(pdf, outputName.constData());
            writer.write();
            return true;
        } catch (const std::exception&) {
            return false;
        }
    }

    int pageCount(const QString& path, const QString& password)
    {
        // As written by writeEncryptedCopy: UTF-8 for AES-256, PDFDocEncoding for the older ciphers.
        const std::string utf8 = password.toStdString();
        for (const std::string& bytes : { utf8, QUtil::utf8_to_pdf_doc(utf8) }) {
            try {
                QPDF pdf;
                pdf.setSuppressWarnings(true);
                pdf.processFile(QFile::encodeName(path).constData(), password.isEmpty() ? nullptr : bytes.c_str());
                return static_cast<int>(pdf.getAllPages().size());
            } catch (const std::exception&) {
            }
        }
        return -1;
    }

    bool writeTruncatedCopy(const QString& source, const QString& target, qint64 keep)
    {
        QFile in(source);
        QFile out(target);
        if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly)) {
            return false;
        }
        return out.write(in.read(keep)) == keep;
    }

    bool hasOnlyGreyImages(const QString& path)
    {
        try {
            QPDF pdf;
            pdf.processFile(QFile::encodeName(path).constData());
            int images = 0;
            for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(pdf).getAllPages()) {
                for (auto& [name, image] : page.getImages()) {
                    Q_UNUSED(name)
                    ++images;
                    QPDFObjectHandle colorSpace = image.getDict().getKey("/ColorSpace");
                    if (!colorSpace.isName() || colorSpace.getName() != "/DeviceGray") {
                        return false;
                    }
                }
            }
            return images > 0;
        } catch (const std::exception&) {
            return false;
        }
    }

    bool writeVectorDocument(const QString& path, int pageCount)
    {
        return writePaintedDocument(path, 300, pageCount, [](QPainter& painter, int page) {
            QRandomGenerator random(static_cast<quint32>(page + 7));
            const int width = painter.device()->width();
            const int height = painter.device()->height();
            for (int part = 0; part < 150; ++part) {
                const QPointF centre(random.bounded(width), random.bounded(height));
                QPolygonF polygon;
                for (int corner = 0; corner < 5; ++corner) {
                    polygon << centre + QPointF(random.bounded(200.0) - 100.0, random.bounded(200.0) - 100.0);
                }
                painter.setBrush(QColor::fromHsv(static_cast<int>(random.bounded(360)), 80, 230));
                painter.setPen(QPen(Qt::black, 2));
                painter.drawPolygon(polygon);
            }
            painter.setBrush(Qt::NoBrush);
            for (int curve = 0; curve < 1500; ++curve) {
                QPointF point(random.bounded(width), random.bounded(height));
                QPainterPath wire(point);
                for (int segment = 0; segment < 3; ++segment) {
                    const QPointF step(random.bounded(300.0) - 150.0, random.bounded(300.0) - 150.0);
                    wire.cubicTo(point + step / 3, point + step * 2 / 3, point + step);
                    point += step;
                }
                painter.setPen(QPen(QColor::fromHsv(static_cast<int>(random.bounded(360)), 200, 120), 2));
                painter.drawPath(wire);
            }
        });
    }

    bool writeLinkedTextDocument(const QString& path, int pageCount)
    {
        const QString draft = path + QStringLiteral(".draft");
        const bool painted = writePaintedDocument(draft, 300, pageCount, [](QPainter& painter, int page) {
            static const QStringList words = { "the", "document", "compression", "of", "pages", "reader", "and",
                "quick", "manual", "with", "chapter", "section", "index", "printer", "links", "figure" };
            QRandomGenerator random(static_cast<quint32>(page + 11));
            QFont body(QStringLiteral("Liberation Serif"));
            body.setPixelSize(40);
            painter.setFont(body);
            const int width = painter.device()->width();
            const int height = painter.device()->height();
            for (int top = 300; top < height - 600;) {
                QStringList paragraph;
                for (int word = 0; word < 90; ++word) {
                    paragraph << words.at(static_cast<int>(random.bounded(words.size())));
                }
                const QRect bounds = painter.boundingRect(
                    QRect(250, top, width - 500, height), Qt::TextWordWrap, paragraph.join(QLatin1Char(' ')));
                painter.drawText(bounds, Qt::TextWordWrap, paragraph.join(QLatin1Char(' ')));
                top = bounds.bottom() + 40;
            }
        });
        if (!painted) {
            return false;
        }
        try {
            QPDF pdf;
            pdf.processFile(QFile::encodeName(draft).constData());
            std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(pdf).getAllPages();
            QPDFObjectHandle destination = QPDFObjectHandle::parse("[null /Fit]");
            destination.setArrayItem(0, pages.back().getObjectHandle());

            QPDFObjectHandle outlines
                = pdf.makeIndirectObject(QPDFObjectHandle::parse("<< /Type /Outlines /Count 1 >>"));
            QPDFObjectHandle bookmark = pdf.makeIndirectObject(QPDFObjectHandle::parse("<< /Title (Last page) >>"));
            bookmark.replaceKey("/Parent", outlines);
            bookmark.replaceKey("/Dest", destination);
            outlines.replaceKey("/First", bookmark);
            outlines.replaceKey("/Last", bookmark);
            pdf.getRoot().replaceKey("/Outlines", outlines);

            QPDFObjectHandle link = pdf.makeIndirectObject(
                QPDFObjectHandle::parse("<< /Type /Annot /Subtype /Link /Rect [72 72 300 120] /Border [0 0 0] >>"));
            link.replaceKey("/Dest", destination);
            pages.front().getObjectHandle().replaceKey("/Annots", QPDFObjectHandle::newArray({ link }));

            const QByteArray outputName = QFile::encodeName(path);
            QPDFWriter writer(pdf, outputName.constData());
            writer.setObjectStreamMode(qpdf_o_disable);
            writer.write();
        } catch (const std::exception&) {
            QFile::remove(draft);
            return false;
        }
        return QFile::remove(draft);
    }

    bool Protection::operator==(const Protection& other) const
    {
        return opens == other.opens && encrypted == other.encrypted && revision == other.revision
            && permissions == other.permissions && version == other.version && streamMethod == other.streamMethod
            && ownerPasswordMatched == other.ownerPasswordMatched;
    }

    Protection protectionOf(const QString& path, const QString& password, Cipher cipher)
    {
        const std::string utf8 = password.toStdString();
        const std::string bytes = cipher == Cipher::Aes256 ? utf8 : QUtil::utf8_to_pdf_doc(utf8);
        Protection protection;
        try {
            QPDF pdf;
            pdf.setSuppressWarnings(true);
            pdf.processFile(QFile::encodeName(path).constData(), password.isEmpty() ? nullptr : bytes.c_str());
            QPDF::encryption_method_e streams = QPDF::e_none;
            QPDF::encryption_method_e strings = QPDF::e_none;
            QPDF::encryption_method_e files = QPDF::e_none;
            protection.encrypted = pdf.isEncrypted(
                protection.revision, protection.permissions, protection.version, streams, strings, files);
            protection.streamMethod = streams;
            protection.ownerPasswordMatched = pdf.ownerPasswordMatched();
            protection.opens = true;
        } catch (const std::exception&) {
        }
        return protection;
    }

    QPair<int, int> navigationOf(const QString& path, const QString& password)
    {
        try {
            QPDF pdf;
            pdf.setSuppressWarnings(true);
            const QByteArray bytes = password.toUtf8();
            pdf.processFile(QFile::encodeName(path).constData(), password.isEmpty() ? nullptr : bytes.constData());
            return navigationOf(pdf);
        } catch (const std::exception&) {
            return { -1, -1 };
        }
    }

    QPair<int, int> navigationOf(QPDF& pdf)
    {
        try {
            int links = 0;
            for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(pdf).getAllPages()) {
                links += static_cast<int>(page.getAnnotations("/Link").size());
            }
            int bookmarks = 0;
            std::vector<QPDFOutlineObjectHelper> pending = QPDFOutlineDocumentHelper(pdf).getTopLevelOutlines();
            while (!pending.empty()) {
                QPDFOutlineObjectHelper outline = pending.back();
                pending.pop_back();
                ++bookmarks;
                for (QPDFOutlineObjectHelper& kid : outline.getKids()) {
                    pending.push_back(kid);
                }
            }
            return { links, bookmarks };
        } catch (const std::exception&) {
            return { -1, -1 };
        }
    }

    QString dataPath(const QString& name) { return QStringLiteral(KOMPRESTO_TEST_DATA_DIR "/") + name; }

    bool writeUnknownSecurityHandlerCopy(const QString& source, const QString& target)
    {
        if (!writeEncryptedCopy(source, target, QStringLiteral("user"), QStringLiteral("owner"), Cipher::Rc4_128)) {
            return false;
        }
        // Same length, so every offset in the file stays right.
        QByteArray bytes = contentsOf(target);
        const QByteArray standard = QByteArrayLiteral("/Filter /Standard");
        if (!bytes.contains(standard)) {
            return false;
        }
        bytes.replace(standard, QByteArrayLiteral("/Filter /Standerd"));
        return writeBytes(target, bytes);
    }

    bool writeBrokenXrefCopy(const QString& source, const QString& target)
    {
        const QByteArray bytes = contentsOf(source);
        const int xref = bytes.lastIndexOf("\nxref");
        if (xref < 0) {
            return false;
        }
        // Every in-use entry now points at offset 1, inside the header.
        QString text = QString::fromLatin1(bytes.mid(xref));
        text.replace(QRegularExpression(QStringLiteral("\\d{10} (\\d{5}) n")), QStringLiteral("0000000001 \\1 n"));
        return writeBytes(target, bytes.left(xref) + text.toLatin1());
    }

    bool writeHeaderOnlyFile(const QString& path) { return writeBytes(path, "%PDF-1.4\nnothing follows\n"); }

    bool writeManyObjectsDocument(const QString& path, int objectCount)
    {
        QByteArray bytes("%PDF-1.4\n"
                         "1 0 obj << /Type /Catalog /Pages 2 0 R >> endobj\n"
                         "2 0 obj << /Type /Pages /Kids [3 0 R] /Count 1 >> endobj\n"
                         "3 0 obj << /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] >> endobj\n");
        for (int number = 4; number < objectCount; ++number) {
            bytes += QByteArray::number(number) + " 0 obj null endobj\n";
        }
        // The end of file points past the end, so there is no table to read.
        bytes += "trailer << /Root 1 0 R /Size " + QByteArray::number(std::max(objectCount, 4))
            + " >>\nstartxref\n999999999\n%%EOF\n";
        return writeBytes(path, bytes);
    }

    bool writeLyingPageCountCopy(const QString& source, const QString& target, int claimedPages)
    {
        // Byte for byte: the file holds NUL bytes, where QString::fromLatin1(QByteArray) would stop.
        const QByteArray bytes = contentsOf(source);
        QString text = QString::fromLatin1(bytes.constData(), bytes.size());
        const QRegularExpression count(QStringLiteral("/Count (\\d+)"));
        const QRegularExpressionMatch match = count.match(text);
        const QString claimed = QString::number(claimedPages);
        if (!match.hasMatch() || match.captured(1).size() != claimed.size()) {
            return false;
        }
        text.replace(match.capturedStart(1), match.capturedLength(1), claimed);
        return writeBytes(target, text.toLatin1());
    }

    bool writeDeeplyNestedDocument(const QString& path, int depth)
    {
        const QByteArray nested = QByteArray(depth, '[') + QByteArray(depth, ']');
        return writeBytes(path,
            pdfOf({ "<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 200] /Contents 4 0 R"
                " /Resources << /Font << /F1 5 0 R >> /Deep "
                    + nested + " >> >>",
                streamObject("", "BT /F1 24 Tf 20 100 Td (Hello) Tj ET"),
                "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>" }));
    }

    bool writeSlowDocument(const QString& path, int pageCount, int shapesPerPage)
    {
        // Every page draws the same content stream, which compresses to almost nothing.
        QByteArray content;
        for (int shape = 0; shape < shapesPerPage; ++shape) {
            content += "10 10 m 13 11 l 11 14 l h f\n";
        }
        QByteArray kids;
        QList<QByteArray> pages;
        for (int page = 0; page < pageCount; ++page) {
            kids += QByteArray::number(4 + page) + " 0 R ";
            pages << "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 200] /Contents 3 0 R /Resources << >> >>";
        }
        return writeBytes(path,
            pdfOf(QList<QByteArray> { "<< /Type /Catalog /Pages 2 0 R >>",
                      "<< /Type /Pages /Kids [" + kids + "] /Count " + QByteArray::number(pageCount) + " >>",
                      streamObject("/Filter /FlateDecode", flateCompressed(content)) }
                + pages));
    }

    bool writePaletteMapDocument(const QString& path)
    {
        constexpr int side = 1000;
        QRandomGenerator random(249);
        QByteArray palette;
        for (int entry = 0; entry < 64 * 3; ++entry) {
            palette += char(random.bounded(256));
        }
        QByteArray samples;
        samples.reserve(side * side);
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                samples += char((x / 7 + y / 9 + x * y / 5000) % 64);
            }
        }
        const QByteArray size = QByteArray::number(side * 72.0 / 249.0, 'f', 2);
        const QByteArray image
            = streamObject("/Type /XObject /Subtype /Image /Width 1000 /Height 1000 /BitsPerComponent 8"
                           " /ColorSpace [/Indexed /DeviceRGB 63 <"
                    + palette.toHex() + ">] /Filter /FlateDecode",
                flateCompressed(samples));
        return writeBytes(path,
            pdfOf({ "<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Contents 4 0 R"
                " /Resources << /XObject << /Im1 5 0 R >> >> >>",
                streamObject("", "q " + size + " 0 0 " + size + " 40 300 cm /Im1 Do Q"), image }));
    }

    QList<int> pictureWidths(const QString& path)
    {
        QList<int> widths;
        try {
            QPDF pdf;
            pdf.processFile(QFile::encodeName(path).constData());
            for (QPDFObjectHandle& object : pdf.getAllObjects()) {
                if (object.isStream() && object.getDict().getKey("/Subtype").isNameAndEquals("/Image")) {
                    widths << object.getDict().getKey("/Width").getIntValueAsInt();
                }
            }
        } catch (const std::exception&) {
            widths.clear();
        }
        return widths;
    }

    QList<QByteArray> pictureData(const QString& path)
    {
        QList<QByteArray> pictures;
        try {
            QPDF pdf;
            pdf.processFile(QFile::encodeName(path).constData());
            for (QPDFObjectHandle& object : pdf.getAllObjects()) {
                if (object.isStream() && object.getDict().getKey("/Subtype").isNameAndEquals("/Image")) {
                    const std::shared_ptr<Buffer> data = object.getRawStreamData();
                    pictures << QByteArray(reinterpret_cast<const char*>(data->getBuffer()), int(data->getSize()));
                }
            }
        } catch (const std::exception&) {
            pictures.clear();
        }
        return pictures;
    }

    bool writeCameraPhotoDocument(const QString& path, int pageCount, int dpi)
    {
        // Each picture spans 7 by 5 inches of its page, so its pixels give it the resolution asked for.
        const int width = 7 * dpi;
        const int height = 5 * dpi;
        QList<QByteArray> pictures;
        for (int page = 0; page < pageCount; ++page) {
            pictures << streamObject(QByteArrayLiteral("/Type /XObject /Subtype /Image /Width ")
                    + QByteArray::number(width) + " /Height " + QByteArray::number(height)
                    + " /ColorSpace /DeviceRGB /BitsPerComponent 8 /Filter /DCTDecode",
                cameraJpeg(width, height, static_cast<quint32>(page + 31)));
        }
        return writeBytes(path, pagesOfPictures(pictures, "q 504 0 0 360 45 400 cm /Im1 Do Q"));
    }

    bool writeShadingDocument(const QString& path, int pageCount)
    {
        // Each slide has shadings of its own colours, as each frame of a talk has its own highlights: a
        // background fading from top to bottom, a title bar fading across, a column of ball-shaped
        // bullets with fading bars beside them, and a small photograph of far more pixels than it needs.
        QByteArray drawing = "q 0 0 595 842 re W n /Background sh Q\n"
                             "q 0 760 595 60 re W n /Bar sh Q\n"
                             "q 80 0 0 80 500 40 cm /Logo Do Q\n";
        for (int row = 0; row < 12; ++row) {
            const QByteArray top = QByteArray::number(700 - row * 52);
            drawing += "q 1 0 0 1 60 " + top + " cm /Ball sh Q\n";
            drawing += "q 1 0 0 1 100 " + top + " cm 0 -8 440 16 re W n /Line sh Q\n";
        }
        QByteArray kids;
        QList<QByteArray> objects = { "<< /Type /Catalog /Pages 2 0 R >>", QByteArray(), streamObject("", drawing) };
        for (int page = 0; page < pageCount; ++page) {
            const QByteArray tint = QByteArray::number(0.3 + 0.6 * page / qMax(1, pageCount), 'f', 3);
            const auto shading = [&tint](const QByteArray& type, const QByteArray& coords, const QByteArray& from,
                                     const QByteArray& to) {
                return "<< /ShadingType " + type + " /ColorSpace /DeviceRGB /Coords [" + coords
                    + "] /Function << /FunctionType 2 /Domain [0 1] /N 1 /C0 [" + from + "] /C1 [" + to
                    + "] >> /Extend [true true] >>";
            };
            const int first = objects.size() + 1;
            kids += QByteArray::number(first) + " 0 R ";
            objects << "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Contents 3 0 R /Resources << /Shading"
                       " << /Background "
                    + QByteArray::number(first + 1) + " 0 R /Bar " + QByteArray::number(first + 2) + " 0 R /Ball "
                    + QByteArray::number(first + 3) + " 0 R /Line " + QByteArray::number(first + 4)
                    + " 0 R >> /XObject << /Logo " + QByteArray::number(first + 5) + " 0 R >> >> >>";
            objects << shading("2", "0 842 0 0", "0.95 0.96 1", tint + " 0.62 0.85")
                    << shading("2", "0 0 595 0", "0.1 0.2 " + tint, "0.6 0.7 1")
                    << shading("3", "-3 3 1 0 0 12", "0.8 0.85 1", "0.1 " + tint + " 0.55")
                    << shading("2", "0 0 440 0", tint + " 0.3 0.2", "0.2 0.6 0.3")
                    << streamObject("/Type /XObject /Subtype /Image /Width 500 /Height 500 /ColorSpace /DeviceRGB"
                                    " /BitsPerComponent 8 /Filter /DCTDecode",
                           cameraJpeg(500, 500, static_cast<quint32>(page + 71)));
        }
        objects[1] = "<< /Type /Pages /Kids [" + kids + "] /Count " + QByteArray::number(pageCount) + " >>";
        return writeBytes(path, pdfOf(objects));
    }

    bool writeSlowToRepackDocument(const QString& path, int megabytes)
    {
        // Short repeats everywhere and no long ones: the strongest compression level searches hardest on
        // that. Half a megabyte a page, so that the pass writes many streams, one after another.
        QRandomGenerator random(25);
        const char letters[] = "ACGT";
        const int pageCount = std::max(1, megabytes * 2);
        QList<QByteArray> objects = { "<< /Type /Catalog /Pages 2 0 R >>", QByteArray() };
        QByteArray kids;
        for (int page = 0; page < pageCount; ++page) {
            QByteArray content;
            while (content.size() < 512 * 1024) {
                content += '%';
                for (int letter = 0; letter < 100; ++letter) {
                    content += letters[random.bounded(4)];
                }
                content += '\n';
            }
            const int pageObject = objects.size() + 1;
            kids += QByteArray::number(pageObject) + " 0 R ";
            objects << "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 200] /Contents "
                    + QByteArray::number(pageObject + 1) + " 0 R /Resources << >> >>";
            objects << streamObject(QByteArray(), content + "0 0 m 10 10 l S\n");
        }
        objects[1] = "<< /Type /Pages /Kids [" + kids + "] /Count " + QByteArray::number(pageCount) + " >>";
        return writeBytes(path, pdfOf(objects));
    }

    bool writeDamagedImageDocument(const QString& path, int pageCount)
    {
        constexpr int side = 200;
        QByteArray samples;
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                samples += char((x + y) % 256);
                samples += char((x * 2) % 256);
                samples += char((y * 3) % 256);
            }
        }
        QByteArray data = flateCompressed(samples);
        for (int index = data.size() / 3; index < data.size() / 3 + 40; ++index) {
            data[index] = char(data.at(index) ^ 0x5a);
        }
        const QByteArray image = streamObject("/Type /XObject /Subtype /Image /Width 200 /Height 200"
                                              " /ColorSpace /DeviceRGB /BitsPerComponent 8 /Filter /FlateDecode",
            data);
        // Every page shows the same picture: objects 3, 6, 7... are the pages, 4 their content, 5 the picture.
        const QByteArray page = "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 600 800] /Contents 4 0 R"
                                " /Resources << /XObject << /Im1 5 0 R >> >> >>";
        QByteArray kids = "3 0 R";
        QList<QByteArray> furtherPages;
        for (int number = 6; number < 5 + pageCount; ++number) {
            kids += ' ' + QByteArray::number(number) + " 0 R";
            furtherPages << page;
        }
        return writeBytes(path,
            pdfOf(QList<QByteArray> { "<< /Type /Catalog /Pages 2 0 R >>",
                      "<< /Type /Pages /Kids [" + kids + "] /Count " + QByteArray::number(pageCount) + " >>", page,
                      streamObject("", "q 400 0 0 400 100 200 cm /Im1 Do Q"), image }
                + furtherPages));
    }

    bool writeDeepAnnotationDocument(const QString& path, int depth)
    {
        const QByteArray nested = QByteArray(depth, '[') + QByteArray(depth, ']');
        return writeBytes(path,
            pdfOf({ "<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 477 164] /Contents 4 0 R"
                " /Resources << /Font << /F1 5 0 R >> >> /Annots ["
                    + nested + "] >>",
                streamObject("", "BT /F1 24 Tf 20 100 Td (Hello) Tj ET"),
                "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>" }));
    }

    bool writePagesDocument(const QString& path, const QList<QByteArray>& pageEntries, const QByteArray& treeEntries)
    {
        QByteArray kids;
        QList<QByteArray> objects = { "<< /Type /Catalog /Pages 2 0 R >>", QByteArray(),
            "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>",
            streamObject("", "BT /F1 12 Tf 20 20 Td (A page) Tj ET") };
        for (const QByteArray& entries : pageEntries) {
            kids += QByteArray::number(objects.size() + 1) + " 0 R ";
            objects << "<< /Type /Page /Parent 2 0 R /Contents 4 0 R /Resources << /Font << /F1 3 0 R >> >> " + entries
                    + " >>";
        }
        objects[1] = "<< /Type /Pages " + treeEntries + " /Kids [" + kids + "] /Count "
            + QByteArray::number(pageEntries.size()) + " >>";
        return writeBytes(path, pdfOf(objects));
    }

    bool writeNullPageDocument(const QString& path)
    {
        // Plenty of uncompressed text, so that a lossless repack comes out far smaller than the source.
        QByteArray content;
        for (int line = 0; line < 2000; ++line) {
            content += "BT /F1 10 Tf 20 " + QByteArray::number(20 + line % 70 * 10) + " Td (Line "
                + QByteArray::number(line) + " of a page that compresses well) Tj ET\n";
        }
        return writeBytes(path,
            pdfOf({ "<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R 5 0 R] /Count 2 >>",
                "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Contents 4 0 R"
                " /Resources << /Font << /F1 6 0 R >> >> >>",
                streamObject("", content), "null", "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>" }));
    }

    bool writeUnopenableByInterpreterDocument(const QString& path)
    {
        QByteArray bytes = pdfOf({ "<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
            "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 477 164] /Contents 4 0 R"
            " /Resources << /Font << /F1 5 0 R >> >> >>",
            streamObject("", "BT /F1 24 Tf 20 100 Td (Hello) Tj ET"),
            "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>" });
        // Same length, so every offset of the cross-reference table stays right.
        bytes.replace("/Type /Catalog", "/Type /Cataxog");
        return writeBytes(path, bytes);
    }

    bool writeMisreadDecodeDocument(const QString& path)
    {
        constexpr int side = 32;
        QByteArray samples;
        for (int index = 0; index < side * side; ++index) {
            samples += char(index % 3 == 0 ? 255 : 40);
        }
        const QByteArray image = streamObject("/Type /XObject /Subtype /Image /Width 32 /Height 32"
                                              " /ColorSpace /DeviceGray /BitsPerComponent 8 /Filter /FlateDecode"
                                              " /Decode [0 1e30]",
            flateCompressed(samples));
        QByteArray emptySteps;
        for (int step = 0; step < 4000; ++step) {
            emptySteps += "q Q\n";
        }
        return writeBytes(path,
            pdfOf({ "<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R 4 0 R] /Count 2 >>",
                "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 600 800] /Contents 5 0 R"
                " /Resources << /Font << /F1 7 0 R >> >> >>",
                "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 600 800] /Contents 6 0 R"
                " /Resources << /XObject << /Im1 8 0 R >> >> >>",
                streamObject("", emptySteps + "BT /F1 24 Tf 72 700 Td (A picture follows) Tj ET"),
                streamObject("", emptySteps + "q 400 0 0 400 100 200 cm /Im1 Do Q"),
                "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>", image }));
    }

    bool writeRootlessEncryptedCopy(const QString& source, const QString& target, const QString& userPassword)
    {
        const QString encrypted = target + QStringLiteral(".encrypted");
        if (!writeEncryptedCopy(source, encrypted, userPassword, QStringLiteral("owner-pw"), Cipher::Aes256)) {
            return false;
        }
        QByteArray bytes = contentsOf(encrypted);
        QFile::remove(encrypted);
        // The trailer's keys are never encrypted; a name of the same length keeps every offset right.
        const int removed = bytes.count("/Root");
        bytes.replace("/Root", "/Roox");
        return removed > 0 && writeBytes(target, bytes);
    }

    bool writeBytes(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
    }
} // namespace TestPdf
