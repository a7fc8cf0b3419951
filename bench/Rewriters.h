#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

/** The outcome of making one smaller copy of a document, by the application or by another tool. */
struct Rewrite
{
    bool succeeded = false;
    QString path; // the file produced
    qint64 bytes = 0;
    double seconds = 0.0;
    double cpuSeconds = 0.0; // processor time, user and system, child processes included
    QString failure; // why not, when it failed
    bool sourceDelivered = false; // the application handed back the source byte for byte
    // The application's own account of its choice, read from its log:
    QString
        delivery; // which copy went out: "rewritten", "rewritten and repacked", "source repacked", "source unchanged"
    qint64 formerBytes
        = 0; // what the engine delivered before the repack: the plain rewrite if smaller, else the source
    double choosingSeconds = 0.0; // the repacks and checks that choose among the candidates
    QList<QPair<QString, double>> stepCpuSeconds; // the engine's processor time per step, as it accounts for it
};

/** The ways a document is made smaller in the benchmarks, each timed the same way. */
namespace Rewriters {
    /** GSCompressor::compress with the given mode and level into an emptied outputFolder. */
    Rewrite application(const QString& source, const QString& outputFolder, qint32 mode, int level);

    /**
     * The interpreter's argument list that the application builds for a Custom level, with the staged
     * paths replaced by source and output; the first entry is the program-name slot "gs".
     */
    QStringList applicationArguments(int level, const QString& source, const QString& output);

    /** The gs command with arguments (without the program-name slot); output must be named in them. */
    Rewrite ghostscriptCommand(const QStringList& arguments, const QString& output);
    /** Ghostscript's own preset, such as "/ebook". */
    Rewrite ghostscriptPreset(const QString& source, const QString& output, const QString& preset);
    /** libgs run in this process with argv, nothing else around it. */
    Rewrite ghostscriptInProcess(const QStringList& argv, const QString& output);
    /** qpdf --optimize-images --recompress-flate --object-streams=generate. */
    Rewrite qpdfOptimize(const QString& source, const QString& output);
    /** The lossless pass alone: qpdf --recompress-flate --compression-level=9 --object-streams=generate. */
    Rewrite qpdfLossless(const QString& source, const QString& output);

    /**
     * ocrmypdf's strongest optimisation (-O3) without recognising any text: what a user who reaches for
     * that tool gets. Needs ocrmypdf on PATH.
     */
    Rewrite ocrmypdfOptimize(const QString& source, const QString& output);
    /** mutool clean -gggz: unused objects dropped, duplicates merged, streams compressed. Needs mutool. */
    Rewrite mutoolClean(const QString& source, const QString& output);

    /** Whether two files have the same bytes. */
    bool sameContents(const QString& a, const QString& b);
} // namespace Rewriters
