#include "engine/ResultTable.h"

#include "engine/FitSearch.h"
#include "engine/GSCompressor.h"
#include "foundation/ProductConstants.h"

#include <QDir>
#include <algorithm>
#include <array>

namespace {
    using Detail = ResultTable::Detail;

    // The interpreter's own error numbers have no row each: they all read as this one.
    const ResultTable::Row interpreterError
        = { 0, "interpreter-error", QT_TRANSLATE_NOOP("ResultTable", "Ghostscript failed with error %1"),
              QT_TRANSLATE_NOOP("ResultTable", "The PDF interpreter reported error %1."), Detail::Code };

    const std::array<ResultTable::Row, 24> rows = { {
        { GSCompressor::StagingFailed, "staging-failed",
            QT_TRANSLATE_NOOP("ResultTable", "it could not be copied into the Temp folder"),
            QT_TRANSLATE_NOOP("ResultTable", "The document could not be read."), Detail::None },
        { GSCompressor::DeliveryFailed, "delivery-failed",
            QT_TRANSLATE_NOOP("ResultTable", "the result could not be moved into the output folder"),
            QT_TRANSLATE_NOOP("ResultTable", "The compressed file could not be moved into the output folder."),
            Detail::None },
        { GSCompressor::UnsoundDocument, "unsound-document",
            QT_TRANSLATE_NOOP("ResultTable", "the document or its rewrite is incomplete or unreadable"),
            QT_TRANSLATE_NOOP(
                "ResultTable", "The document is damaged or incomplete, or its rewrite came out incomplete."),
            Detail::None },
        { GSCompressor::PasswordRejected, "password-rejected",
            QT_TRANSLATE_NOOP("ResultTable", "the password was refused"),
            QT_TRANSLATE_NOOP("ResultTable", "The document's password is missing or wrong."), Detail::None },
        { GSCompressor::OutputFolderUnavailable, "output-folder-unavailable",
            QT_TRANSLATE_NOOP("ResultTable", "the output folder cannot be written"),
            QT_TRANSLATE_NOOP("ResultTable", "The output folder cannot be created or written to."), Detail::None },
        { GSCompressor::InterpreterCrashed, "interpreter-crashed",
            QT_TRANSLATE_NOOP("ResultTable", "Ghostscript crashed on it"),
            QT_TRANSLATE_NOOP("ResultTable", "The PDF interpreter crashed on this document."), Detail::None },
        { GSCompressor::TimedOut, "timed-out",
            QT_TRANSLATE_NOOP("ResultTable", "Ghostscript took too long and was ended"),
            QT_TRANSLATE_NOOP("ResultTable", "The compression took too long and was ended."), Detail::None },
        { GSCompressor::Stopped, "stopped", QT_TRANSLATE_NOOP("ResultTable", "stopped"),
            QT_TRANSLATE_NOOP("ResultTable", "The compression was stopped."), Detail::None },
        { GSCompressor::WorkerUnavailable, "worker-unavailable",
            QT_TRANSLATE_NOOP(
                "ResultTable", "the compression worker could not be started; the installation may be damaged"),
            QT_TRANSLATE_NOOP(
                "ResultTable", "The compression worker could not be started; the installation may be damaged."),
            Detail::None },
        { GSCompressor::TempFolderFull, "temp-folder-full",
            QT_TRANSLATE_NOOP("ResultTable", "the disk of the Temp folder %1 is full"),
            QT_TRANSLATE_NOOP("ResultTable", "The disk that holds the Temp folder %1 is full."), Detail::TempFolder },
        { GSCompressor::NameTooLong, "name-too-long",
            QT_TRANSLATE_NOOP("ResultTable", "name too long for a numbered variant in the output folder"),
            QT_TRANSLATE_NOOP("ResultTable", "The file name is too long for a numbered variant in the output folder."),
            Detail::None },
        { FitSearch::DoesNotFit, "does-not-fit",
            QT_TRANSLATE_NOOP("ResultTable", "even its smallest copy is larger than the size asked for"),
            QT_TRANSLATE_NOOP("ResultTable", "Even the smallest copy is larger than the size asked for."),
            Detail::None },
        { ResultTable::NotFound, "not-found", QT_TRANSLATE_NOOP("ResultTable", "no such file or folder"),
            QT_TRANSLATE_NOOP("ResultTable", "The document is no longer where it was."), Detail::None },
        { ResultTable::NotPdfName, "not-a-pdf",
            QT_TRANSLATE_NOOP("ResultTable", "not a PDF file (its name does not end in .pdf)"),
            QT_TRANSLATE_NOOP("ResultTable", "The file's name does not end in .pdf."), Detail::None },
        { ResultTable::NotPdf, "not-a-pdf", QT_TRANSLATE_NOOP("ResultTable", "not a PDF file"),
            QT_TRANSLATE_NOOP("ResultTable", "The file is not a PDF document."), Detail::None },
        { ResultTable::Damaged, "damaged", QT_TRANSLATE_NOOP("ResultTable", "damaged, qpdf cannot open it"),
            QT_TRANSLATE_NOOP("ResultTable", "The document is damaged and cannot be opened."), Detail::None },
        { ResultTable::Locked, "locked",
            QT_TRANSLATE_NOOP("ResultTable", "locked with an open password (give passwords with --password-file)"),
            QT_TRANSLATE_NOOP("ResultTable", "The document is locked with an open password."), Detail::None },
        { ResultTable::PasswordsRejected, "password-rejected",
            QT_TRANSLATE_NOOP("ResultTable", "locked, and no password of the password file opens it"),
            QT_TRANSLATE_NOOP("ResultTable", "None of the passwords given opens the document."), Detail::None },
        { ResultTable::NotRegularFile, "not-a-regular-file", QT_TRANSLATE_NOOP("ResultTable", "not a regular file"),
            QT_TRANSLATE_NOOP("ResultTable", "This is not a regular file."), Detail::None },
        { ResultTable::PermissionDenied, "permission-denied", QT_TRANSLATE_NOOP("ResultTable", "permission denied"),
            QT_TRANSLATE_NOOP("ResultTable", "You may not read this file."), Detail::None },
        { ResultTable::Unreadable, "unreadable", QT_TRANSLATE_NOOP("ResultTable", "it cannot be read"),
            QT_TRANSLATE_NOOP("ResultTable", "The file cannot be read."), Detail::None },
        { ResultTable::NameNotRepresentable, "name-not-representable",
            QT_TRANSLATE_NOOP(
                "ResultTable", "its name is not valid UTF-8 text, so it cannot be opened; rename it to compress it"),
            QT_TRANSLATE_NOOP("ResultTable",
                "The file's name is not valid UTF-8 text, so it cannot be opened. Rename it to compress it."),
            Detail::None },
        { ResultTable::InputTooLarge, "too-large",
            QT_TRANSLATE_NOOP("ResultTable", "standard input holds more than 2 GB"),
            QT_TRANSLATE_NOOP("ResultTable", "The document is larger than 2 GB."), Detail::None },
        { ResultTable::WouldReplaceSource, "would-replace-source",
            QT_TRANSLATE_NOOP("ResultTable", "its output would replace a document of this run"),
            QT_TRANSLATE_NOOP("ResultTable", "Its output would replace another document of this run."), Detail::None },
    } };
} // namespace

const ResultTable::Row& ResultTable::rowOf(qint32 code)
{
    const auto row = std::find_if(rows.cbegin(), rows.cend(), [code](const Row& each) { return each.code == code; });
    return row != rows.cend() ? *row : interpreterError;
}

QString ResultTable::key(qint32 code) { return QString::fromLatin1(rowOf(code).key); }

QString ResultTable::commandText(qint32 code)
{
    const Row& row = rowOf(code);
    return withDetail(tr(row.commandText), row, code);
}

QString ResultTable::windowText(qint32 code)
{
    const Row& row = rowOf(code);
    return withDetail(tr(row.windowText), row, code);
}

QString ResultTable::withDetail(const QString& text, const Row& row, qint32 code)
{
    switch (row.detail) {
    case Detail::None:
        break;
    case Detail::Code:
        return text.arg(code);
    case Detail::TempFolder:
        return text.arg(QDir::toNativeSeparators(QDir::cleanPath(Product::tempFolder())));
    }
    return text;
}
