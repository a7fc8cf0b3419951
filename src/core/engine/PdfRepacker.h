#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

/**
 * Rewrites a PDF losslessly and more tightly with qpdf: objects packed into object streams, every
 * stream compressed again at a strong level and stored that way where that is smaller, Flate data that
 * zlib stored at its strongest copied as it is. Pages, metadata, links, bookmarks and form fields come
 * through as they are, so are the fonts and images: nothing is decoded to something else, nothing is
 * dropped.
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
        CannotWin, // the repack could not have come out below the Limits' bound: nothing was written
        Cancelled, // Limits::cancelled said so while it was written: nothing is left
    };

    /** Asked now and then while a repack is written; true ends it at once. Called on the repacking thread. */
    using CancelCheck = std::function<bool()>;

    /** What a repack may cost: nothing at all when it cannot win, no more once it is no longer wanted. */
    struct Limits
    {
        // The size the repack has to come out below to be of any use; -1 for no bound. Checked on the
        // open document before anything is written.
        qint64 mustBeBelow = -1;
        // Asked between streams while they are compressed again: the size the repack must now come below,
        // should another copy have lowered it meanwhile; -1 for no bound. Unset: mustBeBelow alone.
        std::function<qint64()> mustNowBeBelow;
        // Whether the input's Flate streams were written at full strength (as Ghostscript writes them), so
        // that the pass takes at most flateRecompressionBound off those without a predictor; otherwise only
        // image codecs and data copied as stored count.
        bool flateFullyCompressed = false;
        CancelCheck cancelled;
    };

    struct Result
    {
        Outcome outcome = Outcome::Unreadable;
        qint64 size = 0; // bytes written, when Written
        QString message; // what went wrong otherwise
        // When Written: qpdf read and wrote the input without a single complaint, so the copy holds the
        // very objects the input holds. A complaint means something was read in a way of qpdf's own (a
        // token it did not know taken for a string, data it could not decode copied as stored).
        bool readCleanly = false;
    };

    /**
     * Writes the repacked input to output. The output is protected exactly like protectedLike: with
     * its cipher, permissions and passwords when it is encrypted, not at all when it is not. An empty
     * protectedLike.path means the input's own protection. Nothing is left at output unless Written.
     */
    static Result repack(const Document& input, const QString& output, const Document& protectedLike = {});
    /** The same within limits: nothing written when it cannot win, nothing left when it is cancelled. */
    static Result repack(
        const Document& input, const QString& output, const Document& protectedLike, const Limits& limits);

    /**
     * The fewest bytes a repack of the document can take: the streams it reaches that are held in an
     * image codec (JPEG, JPEG 2000, JBIG2, CCITT), which the pass copies as they are. -1 when unreadable.
     */
    static qint64 smallestPossibleSize(const Document& document);

    /**
     * The most the pass may take off Flate streams without a predictor that a writer compressed in full
     * already, as a share of their bytes. Over the benchmark's documents rewritten by Ghostscript, the
     * pass took at most 4.3 % off them (vector-drawing.pdf); the bound leaves more than twice that, so
     * that a repack that might still win is never skipped. Predicted pictures are not bounded: with the
     * predictor undone, Ghostscript's came out 25 % smaller in the Debian Edu manual.
     */
    static constexpr double flateRecompressionBound = 0.10;
};
