#pragma once

#include <QString>
#include <QtGlobal>

/**
 * Copies a source document into the Temp folder for the interpreter, starting at its "%PDF-" header.
 * Readers accept a header anywhere in the first kilobyte and count every offset from it, so the copy
 * reads exactly as the source does; whatever stood before the header (a PostScript program, say) never
 * reaches the interpreter, which would run it. The copy is readable by its owner only.
 */
class PdfStaging final
{
public:
    enum class Outcome
    {
        Staged,
        NoPdfHeader, // no "%PDF-" in the first kilobyte: not a PDF
        Failed, // the source could not be read or the copy could not be written
    };

    struct Result
    {
        Outcome outcome = Outcome::Failed;
        qint64 headerOffset = 0; // where the copy starts in the source
        QString failureReason; // in the system's words, when Failed
    };

    /** How far into a file readers look for the header. */
    static constexpr qint64 headerSearchBytes = 1024;

    /** Writes the source from its header on to target, which must not exist yet. Nothing is left at target unless
     * Staged. */
    static Result stage(const QString& source, const QString& target);
};
