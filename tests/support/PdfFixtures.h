#pragma once

#include "support/TestPdf.h"

#include <QString>

/** The awkward documents that inspection and unlocking must cope with, made on the spot. */
namespace PdfFixtures {
    using Cipher = TestPdf::Cipher;

    /** A small valid document of pageCount text pages. */
    bool writeTextDocument(const QString& path, int pageCount);
    using TestPdf::writeEncryptedCopy;
    /** An encrypted copy whose security handler nobody knows, which qpdf refuses as unsupported. */
    bool writeUnknownSecurityHandlerCopy(const QString& source, const QString& target);
    /** A copy whose cross-reference offsets are all wrong; qpdf repairs it silently. */
    bool writeBrokenXrefCopy(const QString& source, const QString& target);
    /** Writes bytes to path as they are (a text file, an empty file). */
    bool writeBytes(const QString& path, const QByteArray& bytes);
} // namespace PdfFixtures
