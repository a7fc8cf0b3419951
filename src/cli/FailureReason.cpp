#include "cli/FailureReason.h"

#include "engine/GSCompressor.h"

QString FailureReason::key(const DocumentOutcome& outcome)
{
    if (outcome.status == DocumentOutcome::Status::Stopped) {
        return QStringLiteral("stopped");
    }
    switch (outcome.problem) {
    case DocumentOutcome::Problem::None:
        return QString();
    case DocumentOutcome::Problem::NotFound:
        return QStringLiteral("not-found");
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
    switch (outcome.problem) {
    case DocumentOutcome::Problem::None:
        return QString();
    case DocumentOutcome::Problem::NotFound:
        return tr("no such file or folder");
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
    case GSCompressor::NameTooLong:
        return QStringLiteral("name-too-long");
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
    case GSCompressor::NameTooLong:
        return tr("name too long for a numbered variant in the output folder");
    default:
        return tr("Ghostscript failed with error %1").arg(code);
    }
}
