#pragma once

#include "engine/GSCompressor.h"

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

    QString sourcePath;
    QString displayName;
    Status status = Status::Failed;
    // Why a document was not delivered: the engine's result when it ran, else a ResultTable::DocumentProblem.
    qint32 code = 0;
    bool engineRan = false; // code is the engine's result

    /** The row of ResultTable that tells why the document was not delivered. */
    qint32 reasonCode() const { return status == Status::Stopped ? qint32(GSCompressor::Stopped) : code; }
    qint64 sourceBytes = 0;
    QString outputPath; // where the document was delivered
    qint64 outputBytes = 0;
};

Q_DECLARE_METATYPE(DocumentOutcome)
