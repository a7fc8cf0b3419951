#pragma once

#include <QString>

/**
 * Writes the documents that the Debian manuals do not cover, reproducibly (fixed seeds): scans of
 * colour photos, of grey and of black-and-white pages, a vector drawing and a text-only document with
 * bookmarks and links. Images go in as scanners store them (JPEG for colour and grey, 1 bit for
 * black and white); drawings and text come from Qt's PDF writer.
 */
namespace GeneratedDocuments {
    /** Full-page colour photographs, JPEG at the given resolution, one per page. */
    bool writeColourPhotoScan(const QString& path, int pages, int dpi, quint32 seed);
    /**
     * Full-page photographs as cameras store them: JPEG of quality 95 at the given resolution, below
     * what the middle settings aim for, so only encoding them again makes them smaller.
     */
    bool writeCameraPhotos(const QString& path, int pages, int dpi, quint32 seed);
    /**
     * Slides as presentation packages draw them: on every page a fading background and title bar, a
     * column of ball-shaped bullets and fading bars, all colour shadings of the page's own tints, and text.
     */
    bool writeSlides(const QString& path, int pages);
    /** Printed pages scanned in grey at 300 dpi: paper tone, noise, a slight skew, JPEG. */
    bool writeGreyScan(const QString& path, int pages);
    /** Printed pages scanned in black and white at 300 dpi, 1 bit per pixel with speckles. */
    bool writeMonoScan(const QString& path, int pages);
    /** Technical drawings: thousands of curves, polygons, grid lines and labels, all vector. */
    bool writeVectorDrawing(const QString& path, int pages);
    /** Body text in an embedded font, with a linked table of contents, web links and bookmarks. */
    bool writeTextDocument(const QString& path, int pages);
} // namespace GeneratedDocuments
