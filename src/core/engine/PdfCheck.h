#pragma once

#include <QByteArray>
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
    };

    /** Tries the password in each of its byte forms (PdfPassword) until one opens the document. */
    Result inspect(const QString& path, const QString& password = QString(), Detail detail = Detail::Pages);

} // namespace PdfCheck
