#pragma once

#include <QByteArray>
#include <QList>
#include <QSizeF>
#include <QString>
#include <QStringList>

/**
 * Opens a PDF with qpdf and closes it again at once, to learn whether it is readable, with which
 * password, and what it holds. The one place where the application opens documents with qpdf.
 */
namespace PdfCheck {
    enum class Outcome
    {
        Readable,
        PasswordRejected, // encrypted, and the password matches neither the user nor the owner password
        Unreadable, // missing, empty, not a PDF, or damaged beyond what qpdf repairs
    };

    enum class Detail
    {
        Pages, // walks the whole page tree: the count the interpreter will meet
        DeclaredPages, // reads the page tree's /Count, walking the tree only when /Count is unusable
        PagesAndNavigation, // also counts links and bookmarks, which means reading every page's annotations
    };

    struct Result
    {
        Outcome outcome = Outcome::Unreadable;
        int errorCode = 0; // qpdf's error code when qpdf refused the document; 0 when the file could not be read
        bool encrypted = false;
        bool userPasswordMatched = false;
        int pageCount = 0;
        int linkCount = 0; // link annotations on all pages (with Detail::PagesAndNavigation)
        int outlineCount = 0; // bookmarks at every depth (with Detail::PagesAndNavigation)
        QString message; // what qpdf said when it failed
        QStringList warnings; // the damage qpdf repaired on the way
        QByteArray password; // the byte form of the password that opened it; empty when none was given
        // Each page's sheet in points, UserUnit applied; an empty size for a page that is no page dictionary
        // or has no usable MediaBox. Filled whenever the page tree is walked (not with Detail::DeclaredPages).
        QList<QSizeF> pageSizes;
        int firstNonPage = 0; // the first page (from 1) that is no dictionary at all; 0 when every page is one
    };

    /** Tries the password in each of its byte forms (PdfPassword) until one opens the document. */
    Result inspect(const QString& path, const QString& password = QString(), Detail detail = Detail::Pages);

    /**
     * Why copy cannot stand in for source, in a few words for the log; empty when it can: it opens, has as
     * many pages, each page a page dictionary with a usable MediaBox, and every page that has a size in the
     * source the same one in the copy, however turned. Nothing stands in for a source with a page that is no
     * dictionary. Both must have been inspected with their pages walked.
     */
    QString unlikeSource(const Result& source, const Result& copy);

} // namespace PdfCheck
