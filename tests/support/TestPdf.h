#pragma once

#include <QByteArray>
#include <QPair>
#include <QString>

class QPDF;

/**
 * Makes the PDF documents the tests work on, with Qt's PDF writer and qpdf: ordinary ones, and the
 * awkward ones that inspection, unlocking and compression must cope with.
 */
namespace TestPdf {
    /** A document of pageCount pages, each filled with a large photo-like colour image. */
    bool writeImageDocument(const QString& path, int pageCount);
    /** A tiny valid one-page document with a line of text; nothing in it can shrink. */
    bool writeTinyDocument(const QString& path);
    enum class Cipher
    {
        Aes256, // R6
        Aes128, // R4
        Rc4_128, // R3
    };

    /**
     * Rewrites source as an encrypted copy; an empty user password protects it by the owner password only.
     * The passwords are stored as PDF writers store them: UTF-8 for AES-256, PDFDocEncoding for the others.
     */
    bool writeEncryptedCopy(const QString& source, const QString& target, const QString& userPassword,
        const QString& ownerPassword, Cipher cipher = Cipher::Aes256);
    /**
     * A copy of source (two pages or more) with a bookmark and a link on the first page that both jump
     * to the second page through a named destination, the way LaTeX documents link.
     */
    bool writeNamedDestinationCopy(const QString& source, const QString& target);
    /**
     * A copy of source (two pages or more) with four bookmarks whose /Next and /First entries point back at
     * each other (qpdf's outline helper never returns on it), and on the first page one link to the second
     * page that the page lists twice, between entries that are no annotations at all.
     */
    bool writeTangledNavigationCopy(const QString& source, const QString& target);
    /** A few pages of vector drawing: thousands of short curves and filled polygons, no images. */
    bool writeVectorDocument(const QString& path, int pageCount);
    /**
     * Text pages in an embedded font, stored the plain way (one object per entry, no object streams),
     * with a link and a bookmark on the first page that jump to the last page directly.
     */
    bool writeLinkedTextDocument(const QString& path, int pageCount);

    /** What qpdf tells about a document's protection when opened with password. */
    struct Protection
    {
        bool opens = false; // qpdf opens it with the password given
        bool encrypted = false;
        int revision = 0;
        int permissions = 0;
        int version = 0;
        int streamMethod = 0; // encryption_method_e
        bool ownerPasswordMatched = false;
        bool operator==(const Protection& other) const;
    };
    /** password is tried as given in UTF-8, as writeEncryptedCopy stores it for the chosen cipher. */
    Protection protectionOf(const QString& path, const QString& password, Cipher cipher = Cipher::Aes256);
    /** Link annotations and bookmarks, or -1 each when qpdf cannot open the file. */
    QPair<int, int> navigationOf(const QString& path, const QString& password = QString());
    QPair<int, int> navigationOf(QPDF& pdf);

    /** Number of pages qpdf finds, or -1 when qpdf cannot open the file. */
    int pageCount(const QString& path, const QString& password = QString());
    /** Writes the first `keep` bytes of source to target. */
    bool writeTruncatedCopy(const QString& source, const QString& target, qint64 keep);
    /**
     * One page of map tiles: a palette picture of 1000 x 1000 pixels drawn at 249 dpi, as atlases store
     * their scans. Palette pictures can only shrink by whole factors.
     */
    bool writePaletteMapDocument(const QString& path);
    /** The widths in pixels of every picture of the document, in the order of the file. */
    QList<int> pictureWidths(const QString& path);
    /** The stored bytes of every picture of the document, filters still applied, in the order of the file. */
    QList<QByteArray> pictureData(const QString& path);
    /** Whether every image of the document is in a grey colour space. */
    bool hasOnlyGreyImages(const QString& path);
    /** A small valid document of pageCount text pages. */
    bool writeTextDocument(const QString& path, int pageCount);
    /** An encrypted copy whose security handler nobody knows, which qpdf refuses as unsupported. */
    bool writeUnknownSecurityHandlerCopy(const QString& source, const QString& target);
    /** A copy whose cross-reference offsets are all wrong; qpdf repairs it silently. */
    bool writeBrokenXrefCopy(const QString& source, const QString& target);
    /**
     * A one-page document of objectCount empty objects whose cross-reference table cannot be found: qpdf
     * rebuilds it by reading every line, which makes it slow to open however fast the machine.
     */
    bool writeManyObjectsDocument(const QString& path, int objectCount);
    /**
     * A copy whose page tree declares claimedPages (a number with as many digits as the true count, so
     * every offset stays right) while it holds the pages of source.
     */
    bool writeLyingPageCountCopy(const QString& source, const QString& target, int claimedPages);
    /**
     * A one-page document whose page resources hold arrays nested depth levels deep. qpdf reads it (with
     * warnings); the interpreter recurses once per level and overflows its stack at a few hundred thousand.
     */
    bool writeDeeplyNestedDocument(const QString& path, int depth);
    /**
     * A document that the interpreter rewrites in a moment but whose lossless pass takes long: its pages'
     * content streams, half a megabyte each, megabytes in all, are comment lines over a four-letter
     * alphabet, stored without compression, which the pass compresses at the strongest level.
     */
    bool writeSlowToRepackDocument(const QString& path, int megabytes);
    /** A small file that takes the interpreter long: pageCount pages that each fill thousands of tiny shapes. */
    bool writeSlowDocument(const QString& path, int pageCount, int shapesPerPage);
    /**
     * Photographs as cameras store them (JPEG of high quality, fine grain), one per page, each at dpi
     * pixels per inch of the page.
     */
    bool writeCameraPhotoDocument(const QString& path, int pageCount, int dpi);
    /**
     * Slides the way presentation packages draw them, in vectors only: a fading background, a fading
     * title bar, ball-shaped bullets and fading bars, all axial and radial shadings.
     */
    bool writeShadingDocument(const QString& path, int pageCount);
    /**
     * A document whose pages' only content is a colour picture with a stretch of its compressed data
     * garbled. Rendered, the picture shows up to the damage; rewritten at 72 dpi in grey, the interpreter
     * drops it, leaving the pages blank, and says so only in its summary of warnings.
     */
    bool writeDamagedImageDocument(const QString& path, int pageCount = 1);
    /**
     * A one-page document of 477 x 164 pt whose page lists an annotation array nested depth levels deep. qpdf
     * gives up on the page object and reads it as null, so its lossless repack holds a null page.
     */
    bool writeDeepAnnotationDocument(const QString& path, int depth);
    /**
     * A document of one text line per page, the pages' dictionaries holding the given entries besides
     * their /Type, /Parent, /Contents and /Resources: "/MediaBox [0 0 477 164] /Rotate 90", say. The page
     * tree's dictionary holds treeEntries besides its own, for what pages inherit.
     */
    bool writePagesDocument(
        const QString& path, const QList<QByteArray>& pageEntries, const QByteArray& treeEntries = QByteArray());
    /** A document whose page tree lists, after one large text page, an object that is null. */
    bool writeNullPageDocument(const QString& path);
    /**
     * A one-page document of 477 x 164 pt whose catalogue has a misspelt /Type: qpdf reads the page, the
     * interpreter cannot open the file and writes one empty page of its default size.
     */
    bool writeUnopenableByInterpreterDocument(const QString& path);
    /**
     * Two pages: a line of text in a font the document does not embed, and a grey picture whose /Decode
     * holds a number written "1e30". The interpreter reads the number (with a warning) and paints the
     * picture dark; qpdf reads it as a string, so its lossless repack shows nothing on the second page.
     * A long run of empty drawing steps makes the repack far smaller than the document.
     */
    bool writeMisreadDecodeDocument(const QString& path);
    /** An encrypted copy of source whose trailer has lost its /Root: the password opens it, the rest is damaged. */
    bool writeRootlessEncryptedCopy(const QString& source, const QString& target, const QString& userPassword);
    /** A file that starts as a PDF does and holds nothing more: qpdf refuses it as damaged. */
    bool writeHeaderOnlyFile(const QString& path);
    /** Writes bytes to path as they are (a text file, an empty file). */
    bool writeBytes(const QString& path, const QByteArray& bytes);
    /** A path under the fixture folder tests/data. */
    QString dataPath(const QString& name);
} // namespace TestPdf
