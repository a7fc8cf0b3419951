#pragma once

#include <QString>

/** The awkward documents that inspection and unlocking must cope with, made on the spot. */
namespace PdfFixtures {
    enum class Cipher
    {
        Aes256, // R6
        Rc4_128, // R3
    };

    /** A small valid document of pageCount text pages. */
    bool writeTextDocument(const QString& path, int pageCount);
    /** An encrypted copy of source; an empty user password gives a document protected by its owner password only. */
    bool writeEncryptedCopy(const QString& source, const QString& target, const QString& userPassword,
        const QString& ownerPassword, Cipher cipher);
    /** An encrypted copy whose security handler nobody knows, which qpdf refuses as unsupported. */
    bool writeUnknownSecurityHandlerCopy(const QString& source, const QString& target);
    /** A copy whose cross-reference offsets are all wrong; qpdf repairs it silently. */
    bool writeBrokenXrefCopy(const QString& source, const QString& target);
    /** Writes bytes to path as they are (a text file, an empty file). */
    bool writeBytes(const QString& path, const QByteArray& bytes);
} // namespace PdfFixtures
