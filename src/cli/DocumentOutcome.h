#pragma once

#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QtGlobal>

/** How one document of the command's run ended. */
struct DocumentOutcome
{
    enum class Status
    {
        Delivered,
        Failed,
        Stopped, // the run was interrupted before or while this document was compressed
        Skipped, // its output exists already and the user asked to keep it
    };

    /** Why a document was not delivered, before or inside the engine. */
    enum class Problem
    {
        None,
        NotFound,
        NotRegularFile, // a folder, FIFO, socket or device
        PermissionDenied, // the user may not read it
        Unreadable, // opening or reading it failed otherwise; detail says why
        NameNotRepresentable, // its name is not valid in the locale's encoding, so it cannot be opened by name
        InputTooLarge, // standard input held more than a document may
        WouldReplaceSource, // --overwrite would put the result over a document of the run
        NotPdfName, // named on the command line, but its suffix is not a PDF's
        NotPdf, // holds no PDF header
        Damaged, // qpdf cannot open it
        Locked, // needs an open password and no password file was given
        PasswordsRejected, // none of the password file's passwords opens it
        Engine, // the engine's result code says why
    };

    QString sourcePath;
    QString displayName;
    Status status = Status::Failed;
    Problem problem = Problem::None;
    bool engineRan = false; // code is the engine's result
    qint32 code = 0;
    qint64 sourceBytes = 0;
    QString detail; // the system's words for an Unreadable document
    QString outputPath; // where the document was delivered
    qint64 outputBytes = 0;
    QStringList steps; // what was done to it, in words, for --verbose
    bool replacedInPlace = false; // the source itself now holds the compressed copy
    bool keptAsItWas = false; // in place: no smaller sound copy, so the source was left untouched
};

Q_DECLARE_METATYPE(DocumentOutcome)
