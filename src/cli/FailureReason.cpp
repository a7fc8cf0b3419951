#include "cli/FailureReason.h"

#include "cli/DocumentJob.h"
#include "documents/FileItem.h"
#include "engine/GSCompressor.h"

QString FailureReason::key(const DocumentOutcome& outcome)
{
    if (outcome.status == DocumentOutcome::Status::Stopped) {
        return QStringLiteral("stopped");
    }
    if (outcome.status == DocumentOutcome::Status::Skipped) {
        return QStringLiteral("output-exists");
    }
    switch (outcome.problem) {
    case DocumentOutcome::Problem::None:
        return QString();
    case DocumentOutcome::Problem::NotFound:
        return QStringLiteral("not-found");
    case DocumentOutcome::Problem::NotRegularFile:
        return QStringLiteral("not-a-regular-file");
    case DocumentOutcome::Problem::PermissionDenied:
        return QStringLiteral("permission-denied");
    case DocumentOutcome::Problem::Unreadable:
        return QStringLiteral("unreadable");
    case DocumentOutcome::Problem::NameNotRepresentable:
        return QStringLiteral("name-not-representable");
    case DocumentOutcome::Problem::InputTooLarge:
        return QStringLiteral("too-large");
    case DocumentOutcome::Problem::WouldReplaceSource:
        return QStringLiteral("would-replace-source");
    case DocumentOutcome::Problem::NotPdfName:
    case DocumentOutcome::Problem::NotPdf:
        return QStringLiteral("not-a-pdf");
    case DocumentOutcome::Problem::Damaged:
        return QStringLiteral("damaged");
    case DocumentOutcome::Problem::Locked:
        return QStringLiteral("locked");
    case DocumentOutcome::Problem::PasswordsRejected:
        return QStringLiteral("password-rejected");
    case DocumentOutcome::Problem::Engine:
        break;
    }
    return engineKey(outcome.code);
}

QString FailureReason::text(const DocumentOutcome& outcome)
{
    if (outcome.status == DocumentOutcome::Status::Stopped) {
        return tr("stopped");
    }
    if (outcome.status == DocumentOutcome::Status::Skipped) {
        return tr("skipped, %1 exists").arg(outcome.outputPath);
    }
    switch (outcome.problem) {
    case DocumentOutcome::Problem::None:
        return QString();
    case DocumentOutcome::Problem::NotFound:
        return tr("no such file or folder");
    case DocumentOutcome::Problem::NotRegularFile:
        return tr("not a regular file");
    case DocumentOutcome::Problem::PermissionDenied:
        return tr("permission denied");
    case DocumentOutcome::Problem::Unreadable:
        return tr("cannot be read: %1").arg(outcome.detail);
    case DocumentOutcome::Problem::NameNotRepresentable:
        return tr("its name is not valid UTF-8 text, so it cannot be opened; rename it to compress it");
    case DocumentOutcome::Problem::InputTooLarge:
        return tr("standard input holds more than %1").arg(formatFileSize(DocumentJob::standardInputLimit));
    case DocumentOutcome::Problem::WouldReplaceSource:
        return tr("its output %1 would replace a document of this run").arg(outcome.outputPath);
    case DocumentOutcome::Problem::NotPdfName:
        return tr("not a PDF file (its name does not end in .pdf)");
    case DocumentOutcome::Problem::NotPdf:
        return tr("not a PDF file");
    case DocumentOutcome::Problem::Damaged:
        return tr("damaged, qpdf cannot open it");
    case DocumentOutcome::Problem::Locked:
        return tr("locked with an open password (give passwords with --password-file)");
    case DocumentOutcome::Problem::PasswordsRejected:
        return tr("locked, and no password of the password file opens it");
    case DocumentOutcome::Problem::Engine:
        break;
    }
    return engineText(outcome.code);
}

QString FailureReason::engineKey(qint32 code)
{
    switch (code) {
    case GSCompressor::StagingFailed:
        return QStringLiteral("staging-failed");
    case GSCompressor::DeliveryFailed:
        return QStringLiteral("delivery-failed");
    case GSCompressor::UnsoundDocument:
        return QStringLiteral("unsound-document");
    case GSCompressor::PasswordRejected:
        return QStringLiteral("password-rejected");
    case GSCompressor::OutputFolderUnavailable:
        return QStringLiteral("output-folder-unavailable");
    case GSCompressor::InterpreterCrashed:
        return QStringLiteral("interpreter-crashed");
    case GSCompressor::TimedOut:
        return QStringLiteral("timed-out");
    case GSCompressor::Stopped:
        return QStringLiteral("stopped");
    default:
        return QStringLiteral("interpreter-error");
    }
}

QString FailureReason::engineText(qint32 code)
{
    switch (code) {
    case GSCompressor::StagingFailed:
        return tr("it could not be copied into the Temp folder");
    case GSCompressor::DeliveryFailed:
        return tr("the result could not be moved into the output folder");
    case GSCompressor::UnsoundDocument:
        return tr("the document or its rewrite is incomplete or unreadable");
    case GSCompressor::PasswordRejected:
        return tr("the password was refused");
    case GSCompressor::OutputFolderUnavailable:
        return tr("the output folder cannot be written");
    case GSCompressor::InterpreterCrashed:
        return tr("Ghostscript crashed on it");
    case GSCompressor::TimedOut:
        return tr("Ghostscript took too long and was ended");
    case GSCompressor::Stopped:
        return tr("stopped");
    default:
        return tr("Ghostscript failed with error %1").arg(code);
    }
}
