// Renders the application's pictures from their SVG drawings.
//
// Usage: render_images <list> <svg folder> <output folder>
//
// Each line of the list is one output file (blank lines and lines starting with '#' are skipped):
//   png <output.png> <drawing.svg> <width> <height> [#from=#to ...]
//       writes <output.png> at width x height and <output@2x.png> at twice that size; the optional
//       colour pairs are replaced in the drawing first, so state variants share one drawing.
//   ico <output.ico> <drawing.svg>:<size>,<size>... [<drawing.svg>:<size>,...]
//       writes one icon file holding a square image per size, largest first, each drawn from the
//       drawing named before it (small sizes come from a simplified drawing).

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>
#include <QtEndian>

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

namespace {
    QTextStream& err()
    {
        static QTextStream stream(stderr);
        return stream;
    }

    QByteArray readDrawing(const QString& path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            err() << "cannot read " << path << Qt::endl;
            return {};
        }
        return file.readAll();
    }

    QImage render(const QByteArray& svg, const QSize& size)
    {
        QSvgRenderer renderer(svg);
        if (!renderer.isValid()) {
            return {};
        }
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
        painter.end();
        return image.convertToFormat(QImage::Format_ARGB32);
    }

    bool writePng(const QImage& image, const QString& path)
    {
        QImageWriter writer(path, "png");
        writer.setCompression(9);
        if (!writer.write(image)) {
            err() << "cannot write " << path << ": " << writer.errorString() << Qt::endl;
            return false;
        }
        return true;
    }

    bool renderPng(const QStringList& fields, const QString& sourceFolder, const QString& outputFolder)
    {
        if (fields.size() < 5) {
            err() << "png line needs output, drawing, width and height" << Qt::endl;
            return false;
        }
        QByteArray svg = readDrawing(sourceFolder + "/" + fields.at(2));
        for (int i = 5; i < fields.size(); ++i) {
            const QStringList pair = fields.at(i).split('=');
            if (pair.size() != 2) {
                err() << "bad colour pair " << fields.at(i) << Qt::endl;
                return false;
            }
            if (!svg.contains(pair.at(0).toLatin1())) {
                err() << fields.at(2) << " has no colour " << pair.at(0) << Qt::endl;
                return false;
            }
            svg.replace(pair.at(0).toLatin1(), pair.at(1).toLatin1());
        }
        const QSize size(fields.at(3).toInt(), fields.at(4).toInt());
        const QImage normal = render(svg, size);
        const QImage doubled = render(svg, size * 2);
        if (normal.isNull() || doubled.isNull()) {
            err() << "cannot render " << fields.at(2) << Qt::endl;
            return false;
        }
        QString name = fields.at(1);
        const QString doubledName = name.insert(name.lastIndexOf('.'), "@2x");
        return writePng(normal, outputFolder + "/" + fields.at(1))
            && writePng(doubled, outputFolder + "/" + doubledName);
    }

    // Qt writes one image per icon file; the entries of several such files are merged into one.
    bool renderIco(const QStringList& fields, const QString& sourceFolder, const QString& outputFolder)
    {
        std::vector<std::pair<int, QByteArray>> entries; // size, single-image icon file
        for (int i = 2; i < fields.size(); ++i) {
            const QStringList part = fields.at(i).split(':');
            if (part.size() != 2) {
                err() << "bad icon part " << fields.at(i) << Qt::endl;
                return false;
            }
            const QByteArray svg = readDrawing(sourceFolder + "/" + part.at(0));
            for (const QString& sizeText : part.at(1).split(',')) {
                const int size = sizeText.toInt();
                const QImage image = render(svg, QSize(size, size));
                QBuffer buffer;
                buffer.open(QIODevice::WriteOnly);
                QImageWriter writer(&buffer, "ico");
                if (image.isNull() || size < 1 || size > 256 || !writer.write(image)) {
                    err() << "cannot render " << part.at(0) << " at " << size << Qt::endl;
                    return false;
                }
                entries.emplace_back(size, buffer.data());
            }
        }
        std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.first > b.first; });

        const int headerSize = 6;
        const int entrySize = 16;
        QByteArray header(headerSize, '\0');
        qToLittleEndian<quint16>(1, header.data() + 2);
        qToLittleEndian<quint16>(quint16(entries.size()), header.data() + 4);
        QByteArray directory;
        QByteArray data;
        quint32 offset = quint32(headerSize + entrySize * int(entries.size()));
        for (const auto& entry : entries) {
            const QByteArray& single = entry.second;
            QByteArray record = single.mid(headerSize, entrySize);
            const QByteArray image = single.mid(qFromLittleEndian<quint32>(record.constData() + 12));
            qToLittleEndian<quint32>(offset, record.data() + 12);
            directory += record;
            data += image;
            offset += quint32(image.size());
        }
        QFile file(outputFolder + "/" + fields.at(1));
        if (!file.open(QIODevice::WriteOnly) || file.write(header + directory + data) < 0) {
            err() << "cannot write " << file.fileName() << Qt::endl;
            return false;
        }
        return true;
    }
} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 4) {
        err() << "usage: render_images <list> <svg folder> <output folder>" << Qt::endl;
        return 2;
    }
    QFile list(QString::fromLocal8Bit(argv[1]));
    if (!list.open(QIODevice::ReadOnly | QIODevice::Text)) {
        err() << "cannot read " << list.fileName() << Qt::endl;
        return 2;
    }
    const QString sourceFolder = QString::fromLocal8Bit(argv[2]);
    const QString outputFolder = QString::fromLocal8Bit(argv[3]);
    int failures = 0;
    int written = 0;
    QTextStream in(&list);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith('#')) {
            continue;
        }
        const QStringList fields = line.split(' ', Qt::SkipEmptyParts);
        bool ok = false;
        if (fields.first() == "png") {
            ok = renderPng(fields, sourceFolder, outputFolder);
        } else if (fields.first() == "ico") {
            ok = renderIco(fields, sourceFolder, outputFolder);
        } else {
            err() << "unknown kind " << fields.first() << Qt::endl;
        }
        ok ? ++written : ++failures;
    }
    err() << written << " files rendered, " << failures << " failed" << Qt::endl;
    return failures == 0 ? 0 : 1;
}
