#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

/**
 * The byte strings that one typed password may stand for. AES-256 documents take the password as
 * UTF-8; the older RC4 and AES-128 documents take one byte per character, which their writers encode
 * in PDFDocEncoding or in the Windows code page. A password with letters beyond ASCII (an umlaut, an
 * accent, the euro sign) therefore has to be tried in each of those forms.
 */
namespace PdfPassword {
    /** UTF-8 first, then each single-byte form that differs from it; nothing for an empty password. */
    QList<QByteArray> encodings(const QString& password);

    /**
     * The interpreter argument that hands exactly these bytes to Ghostscript: the plain string form for
     * the UTF-8 of the typed text, a hexadecimal string otherwise, since the interpreter reads its
     * plain string arguments as UTF-8 and would re-encode single bytes beyond ASCII.
     */
    QString ghostscriptArgument(const QString& password, const QByteArray& bytes);

    /** Whether an interpreter argument carries a password, so that it never reaches the log. */
    bool isPasswordArgument(const QString& argument);
} // namespace PdfPassword
