#pragma once

#include "engine/GSCompressor.h"

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

    QString sourcePath;
    QString displayName;
    Status status = Status::Failed;
    // Why a document was not delivered: the engine's result when it ran, else a ResultTable::DocumentProblem.
    qint32 code = 0;
    bool engineRan = false; // code is the engine's result

    /** The row of ResultTable that tells why the document was not delivered. */
    qint32 reasonCode() const { return status == Status::Stopped ? qint32(GSCompressor::Stopped) : code; }
    qint64 sourceBytes = 0;
    QString detail; // the system's words for an Unreadable document
    QString outputPath; // where the document was delivered
    qint64 outputBytes = 0;
    QStringList steps; // what was done to it, in words, for --verbose
    bool replacedInPlace = false; // the source itself now holds the compressed copy
    bool keptAsItWas = false; // in place: no smaller sound copy, so the source was left untouched
    // With --target-size: the size asked for, whether the delivered copy fits under it, the level whose
    // copy went out (FitSearch::sourceLevel for the source as it is) and the interpreter runs it took.
    qint64 targetBytes = 0;
    bool fits = false;
    int fitLevel = -1;
    int interpreterRuns = 0;
    /** A copy was delivered although it is larger than the size asked for. */
    bool deliveredOverTarget() const { return status == Status::Failed && targetBytes > 0 && !outputPath.isEmpty(); }
};

Q_DECLARE_METATYPE(DocumentOutcome)
