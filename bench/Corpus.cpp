#include "Corpus.h"

#include "GeneratedDocuments.h"
#include "engine/PdfCheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <algorithm>
#include <unistd.h>

namespace {
    CorpusDocument describe(const QString& path, const QString& origin)
    {
        CorpusDocument document;
        document.name = QFileInfo(path).fileName();
        document.path = path;
        document.origin = origin;
        document.pages = PdfCheck::inspect(path).pageCount;
        document.bytes = QFileInfo(path).size();
        return document;
    }
} // namespace

Corpus::Corpus(const QString& folder, const QString& debianList, bool quick)
    : m_folder(QDir(folder).absolutePath() + (quick ? QStringLiteral("/quick") : QStringLiteral("/full")))
    , m_debianList(debianList)
    , m_quick(quick)
{
    QDir().mkpath(m_folder);
}

QList<CorpusDocument> Corpus::debianDocuments()
{
    QList<CorpusDocument> found;
    m_missing.clear();
    QFile list(m_debianList);
    if (!list.open(QIODevice::ReadOnly | QIODevice::Text)) {
        m_missing << QStringLiteral("the list %1 itself").arg(m_debianList);
        return found;
    }
    QTextStream lines(&list);
    while (!lines.atEnd()) {
        const QString line = lines.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        const QStringList fields = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (fields.size() < 2 || !QFileInfo(fields.at(1)).isFile()) {
            m_missing << line;
            continue;
        }
        found << describe(fields.at(1), QStringLiteral("Debian package `%1`").arg(fields.at(0)));
    }
    if (m_quick && !found.isEmpty()) {
        const auto smallest = std::min_element(found.cbegin(), found.cend(),
            [](const CorpusDocument& a, const CorpusDocument& b) { return a.bytes < b.bytes; });
        return { *smallest };
    }
    return found;
}

CorpusDocument Corpus::generated(
    const QString& fileName, const QString& origin, const std::function<bool(const QString&)>& writer)
{
    const QString path = m_folder + QLatin1Char('/') + fileName;
    if (!QFileInfo(path).isFile()) {
        const QString partial = path + QStringLiteral(".part");
        if (!writer(partial) || !QFile::rename(partial, path)) {
            QFile::remove(partial);
            qWarning("Could not generate %s", qPrintable(path));
            return {};
        }
    }
    return describe(path, origin);
}

QList<CorpusDocument> Corpus::documents()
{
    if (!m_documents.isEmpty()) {
        return m_documents;
    }
    const int scale = m_quick ? 1 : 0; // quick documents have one page or a few
    QList<CorpusDocument> all = debianDocuments();
    all << generated(QStringLiteral("colour-photo-scan.pdf"),
        QStringLiteral("generated: full-page colour photographs, JPEG 200 dpi"),
        [scale](
            const QString& path) { return GeneratedDocuments::writeColourPhotoScan(path, scale ? 1 : 6, 200, 100); })
        << generated(QStringLiteral("camera-photos.pdf"),
               QStringLiteral("generated: full-page camera photographs, JPEG quality 95 at 150 dpi"),
               [scale](const QString& path) {
                   return GeneratedDocuments::writeCameraPhotos(path, scale ? 1 : 5, 150, 300);
               })
        << generated(QStringLiteral("slides.pdf"),
               QStringLiteral("generated: slides of colour shadings (fading backgrounds, bars, ball bullets) and text"),
               [scale](const QString& path) { return GeneratedDocuments::writeSlides(path, scale ? 2 : 30); })
        << generated(QStringLiteral("grey-scan.pdf"),
               QStringLiteral("generated: printed pages scanned in grey, JPEG 300 dpi"),
               [scale](const QString& path) { return GeneratedDocuments::writeGreyScan(path, scale ? 1 : 4); })
        << generated(QStringLiteral("mono-scan.pdf"),
               QStringLiteral("generated: printed pages scanned in black and white, 1 bit 300 dpi"),
               [scale](const QString& path) { return GeneratedDocuments::writeMonoScan(path, scale ? 1 : 4); })
        << generated(QStringLiteral("vector-drawing.pdf"),
               QStringLiteral("generated: A3 drawings, thousands of curves and polygons"),
               [scale](const QString& path) { return GeneratedDocuments::writeVectorDrawing(path, scale ? 1 : 3); })
        << generated(QStringLiteral("text-only.pdf"),
               QStringLiteral("generated: text only, with linked contents, web links and bookmarks"),
               [scale](const QString& path) { return GeneratedDocuments::writeTextDocument(path, scale ? 6 : 40); });
    all.erase(
        std::remove_if(all.begin(), all.end(), [](const CorpusDocument& document) { return document.path.isEmpty(); }),
        all.end());
    m_documents = all;
    return m_documents;
}

CorpusDocument Corpus::largeDocument()
{
    const int pages = m_quick ? 10 : 300;
    return generated(QStringLiteral("photo-book-%1-pages.pdf").arg(pages),
        QStringLiteral("generated: %1 pages, each a full-page colour photograph, JPEG 150 dpi").arg(pages),
        [pages](const QString& path) { return GeneratedDocuments::writeColourPhotoScan(path, pages, 150, 5000); });
}

QStringList Corpus::batchDocuments(int count)
{
    QStringList paths;
    for (int index = 0; index < count; ++index) {
        const CorpusDocument document = generated(
            QStringLiteral("batch/batch-%1.pdf").arg(index + 1, 2, 10, QLatin1Char('0')), QString(),
            [index](const QString& path) {
                QDir().mkpath(QFileInfo(path).absolutePath());
                return GeneratedDocuments::writeColourPhotoScan(path, 2, 200, 9000 + static_cast<quint32>(index) * 2);
            });
        if (!document.path.isEmpty()) {
            paths << document.path;
        }
    }
    return paths;
}

qint64 Corpus::copyInto(const QStringList& documents, const QString& folder)
{
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    qint64 totalBytes = 0;
    for (const QString& path : documents) {
        QFile::copy(path, folder + QLatin1Char('/') + QFileInfo(path).fileName());
        totalBytes += QFileInfo(path).size();
    }
    return totalBytes;
}

QStringList Corpus::manyDocumentPaths(
    int count, const QString& name, const std::function<bool(const CorpusDocument&)>& include)
{
    QList<CorpusDocument> sources = documents();
    if (include) {
        sources.erase(std::remove_if(sources.begin(), sources.end(),
                          [&include](const CorpusDocument& document) { return !include(document); }),
            sources.end());
    }
    QStringList paths;
    if (sources.isEmpty()) {
        return paths;
    }
    const QString folder = m_folder + QLatin1Char('/') + name;
    QDir().mkpath(folder);
    // One copy of each source on this file system, then hard links to it: they cost no disk space,
    // yet every path is a document of its own to the list.
    QStringList originals;
    QDir().mkpath(m_folder + QStringLiteral("/originals"));
    for (const CorpusDocument& source : sources) {
        const QString original = m_folder + QStringLiteral("/originals/") + source.name;
        if (QFileInfo::exists(original) || QFile::copy(source.path, original)) {
            originals << original;
        }
    }
    for (int index = 0; index < count && !originals.isEmpty(); ++index) {
        const QString& original = originals.at(index % originals.size());
        const QString path = QStringLiteral("%1/%2-%3")
                                 .arg(folder)
                                 .arg(index + 1, 4, 10, QLatin1Char('0'))
                                 .arg(QFileInfo(original).fileName());
        if (QFileInfo::exists(path)
            || ::link(QFile::encodeName(original).constData(), QFile::encodeName(path).constData()) == 0
            || QFile::copy(original, path)) {
            paths << path;
        }
    }
    return paths;
}
