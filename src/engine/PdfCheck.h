#pragma once

#include <QByteArray>
#include <QString>

/** Opens a PDF with qpdf to learn whether it is readable, with which password, and how many pages it has. */
class PdfCheck final
{
public:
    enum class Outcome
    {
        Readable,
        PasswordRejected, // encrypted, and the password matches neither the user nor the owner password
        Unreadable,       // missing, empty, not a PDF, or damaged beyond what qpdf repairs
    };

    struct Result
    {
        Outcome outcome = Outcome::Unreadable;
        int pageCount = 0;
        int linkCount = 0;    // link annotations on all pages
        int outlineCount = 0; // bookmarks at every depth
        QString message; // what qpdf said when it failed
        QByteArray password; // the byte form of the password that opened it; empty when none was given
    };

    /** Tries the password in each of its byte forms (PdfPassword) until one opens the document. */
    static Result inspect(const QString& path, const QString& password = QString());

private:
    static Result inspectWith(const QByteArray& fileName, const QByteArray* password);
};
