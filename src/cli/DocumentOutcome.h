#pragma once

#include <QMetaType>
#include <QString>
#include <QtGlobal>

/** How one document of the command's run ended. */
struct DocumentOutcome
{
    enum class Status
    {
        Delivered,
        Failed,
        Stopped, // the run was interrupted before or while this document was compressed
    };

    /** Why a document was not delivered, before or inside the engine. */
    enum class Problem
    {
        None,
        NotFound,
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
    QString outputPath; // where the document was delivered
    qint64 outputBytes = 0;
};

Q_DECLARE_METATYPE(DocumentOutcome)
