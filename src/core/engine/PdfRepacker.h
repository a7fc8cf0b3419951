#pragma once

#include <QByteArray>
#include <QString>

/**
 * Rewrites a PDF losslessly and more tightly with qpdf: objects packed into object streams, every
 * stream compressed, Flate data recompressed at the strongest level. Pages, metadata, links,
 * bookmarks and form fields come through as they are, so are the fonts and images: nothing is
 * decoded to something else, nothing is dropped.
 */
class PdfRepacker final
{
public:
    /** A document on disk and the bytes of the password that opens it (empty for none). */
    struct Document
    {
        QString path;
        QByteArray password;
    };

    enum class Outcome
    {
        Written,
        Unreadable, // qpdf could not read the input, or could not write the output
        ProtectionFailed, // the output could not be given the protection it must carry
    };

    struct Result
    {
        Outcome outcome = Outcome::Unreadable;
        qint64 size = 0; // bytes written, when Written
        QString message; // what went wrong otherwise
    };

    /**
     * Writes the repacked input to output. The output is protected exactly like protectedLike: with
     * its cipher, permissions and passwords when it is encrypted, not at all when it is not. An empty
     * protectedLike.path means the input's own protection. Nothing is left at output unless Written.
     */
    static Result repack(const Document& input, const QString& output, const Document& protectedLike = {});

    /**
     * The fewest bytes a repack of the document can take: the streams it reaches that are held in an
     * image codec (JPEG, JPEG 2000, JBIG2, CCITT), which the pass copies as they are. -1 when unreadable.
     */
    static qint64 smallestPossibleSize(const Document& document);
};
