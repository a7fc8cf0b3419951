#pragma once

#include "engine/CompressInterface.h"
#include "engine/Delivery.h"
#include "engine/PdfCheck.h"
#include "engine/PdfStaging.h"
#include "engine/RunFolder.h"
#include "engine/StepCosts.h"
#include "engine/StopSignal.h"
#include "engine/WorkerProcess.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <memory>

/**
 * Rewrites one PDF with Ghostscript's pdfwrite device and delivers the smallest sound copy among the
 * rewrite, the source and their lossless repacks into the output folder, under a name that clashes with
 * nothing there. A protected source only ever yields a copy protected like it. The interpreter runs in
 * a worker process, so that a crash, a hang or a stop ends this compression only, and it only ever
 * sees staged copies in the Temp folder, never the user's own paths.
 */
class GSCompressor final : public CompressInterface
{
public:
    /**
     * Failures of our own; any other non-zero result is the interpreter's error code. ResultTable holds
     * what each one is called and says.
     */
    enum Result : qint32
    {
        Success = 0,
        StagingFailed = -1, // the source could not be copied into the Temp folder
        DeliveryFailed = -2, // the result could not be moved into the output folder
        UnsoundDocument = -3, // the source or the rewrite is not a complete PDF
        PasswordRejected = -4, // the document needs a password that was missing or wrong
        OutputFolderUnavailable = -5, // the output folder cannot be created or written
        InterpreterCrashed = -6, // the worker died from a signal
        TimedOut = -7, // the run outlived its time limit and was killed
        Stopped = -8, // stop() was called
        WorkerUnavailable = -9, // the worker program could not be started: the installation is damaged
        TempFolderFull = -10, // the disk that holds the Temp folder has no room for the copies
        NameTooLong = -11, // the free name for the output is longer than the output folder allows
    };

    /** How long the interpreter may run: a fixed part plus a part per page of the source. */
    struct TimeLimit
    {
        std::chrono::milliseconds fixed;
        std::chrono::milliseconds perPage;
    };

    /** Called on the compressing thread for each page the interpreter reports. */
    using ProgressHandler = std::function<void(int page, int pageCount)>;

    /** Where compress() puts its result. */
    enum class Placement
    {
        FreeName, // a name that clashes with nothing in the output folder (the default)
        Replace, // over the file at the target path, or under that name when it is free, in one step
        ReplaceWhenSmaller, // over the target, keeping its mode, owner and times, only when a smaller sound copy exists
    };

    GSCompressor() = default;
    ~GSCompressor() override;

    /**
     * Sets where the following compressions deliver; target is the full path for the Replace
     * placements (its folder must exist). For FreeName a target's name, when given, stands in for
     * the source's own name, and outputDir is the folder as before. With ReplaceWhenSmaller, a
     * compression that finds no smaller copy succeeds with delivery() SourceUnchanged and touches nothing.
     */
    void setPlacement(Placement placement, const QString& target = QString());

    qint32 compress(const QString& inputPath, const QString& outputDir, const QString& password) override;

    /**
     * Stages inputPath into the Temp folder, records the staged pair in tempFiles() and returns the
     * interpreter's argument list for the effective level of mode() and level. Empty when staging failed.
     */
    QStringList generateGhostscriptArgs(int level, const QString& inputPath, const QString& password);

    /**
     * Turns fileName into the first of name.ext, name_1.ext, name_2.ext... that no entry of folder has
     * and no running compression has chosen in it. Creates folder when it is missing. Call with depth 0.
     */
    static void makeUniqueFileName(const QString& folder, QString& fileName, int depth);

    /** Deletes the staged files of every recorded pair and forgets them, and the run's private folder with whatever
     * else it holds. */
    void removeTempFiles();

    const QList<QPair<QString, QString>>& tempFiles() const { return m_tempFiles; }

    /**
     * Thread-safe, callable at any time. A running compress() kills the worker and returns Stopped,
     * delivering nothing; a compress() that has not started yet returns Stopped at once, touching nothing.
     */
    void stop();
    /** Lets the next compress() run after a stop. Call only while no compression runs. */
    void resetStop();
    void setProgressHandler(ProgressHandler handler);

    /** Well above the slowest run measured (bench/README.md, "Engine overhead"). */
    static TimeLimit defaultTimeLimit();
    void setTimeLimit(TimeLimit limit) { m_timeLimit = limit; }

    Delivery delivery() const { return m_delivery; }
    /** The copies the last compression weighed, the chosen one among them; empty when it chose none. */
    const QList<WeighedCopy>& weighedCopies() const { return m_weighedCopies; }
    /** Whether the rewrite was refused for dropping links or bookmarks, so the source went out instead. */
    bool keptSourceForNavigation() const { return m_keptSourceForNavigation; }
    /** The processor time each step of the last compression took. */
    const StepCosts& stepCosts() const { return m_stepCosts; }

    Placement placement() const { return m_placement; }
    QString target() const { return m_target; }
    /** Whether stop() was called and not undone by resetStop(). */
    bool isStopped() const { return m_stop.isRaised(); }

    /**
     * Delivers copy, a finished copy of inputPath made earlier (by compress() into a private folder), as
     * compress() would have delivered it: placement, free name and the source's permissions alike. With
     * ReplaceWhenSmaller and SourceUnchanged the source is left as it is. copy may be moved away.
     */
    qint32 deliverCopy(const QString& copy, Delivery delivery, const QString& inputPath, const QString& outputDir);

private:
    qint32 rewriteAndDeliver(const QStringList& arguments, const QString& inputPath, const QString& outputDir,
        const QString& destinationPath, const QString& password, const PdfCheck::Result& source);
    /**
     * When the grey rewrite painted shadings as pictures, rewrites the document again in colour and keeps
     * whichever rewrite is smaller at the staged rewrite's path, with the interpreter output that belongs
     * to it.
     */
    qint32 preferColourWhenGreyGrows(const QStringList& arguments, const QString& inputPath,
        const PdfCheck::Result& source, QByteArray& interpreterOutput);
    qint32 runInterpreter(const QStringList& arguments, const QString& inputPath, const PdfCheck::Result& source,
        QByteArray& interpreterOutput);
    static qint32 resultOf(
        const WorkerProcess::Outcome& outcome, const QString& inputPath, std::chrono::milliseconds timeLimit);
    static qint32 resultOfExit(int exitStatus, const QString& inputPath);
    /** Copies the source into the run folder from its PDF header on; false, logged, when that fails. */
    bool stage(const QString& inputPath, const QString& stagedInput);
    static void logInterpreterReport(const WorkerProcess::Outcome& outcome);
    /** Has the worker compare what the pages of copy show with the staged source's, page by page. */
    WorkerProcess::Outcome compareInk(
        const QString& copy, const QString& passwordArgument, const QString& copyPasswordArgument, int pageCount);
    /** How long one worker job on a document of pageCount pages may take. */
    std::chrono::milliseconds timeLimitFor(int pageCount) const;
    /** Whether every page of copy that shows something in the staged source shows something in copy too. */
    bool copyKeepsInk(const QString& copy, const QString& passwordArgument, int pageCount);
    /** Success when every page of the rewrite shows something where the source does; else why not, logged. */
    qint32 rewriteKeepsInk(const QString& passwordArgument, const QString& inputPath, int pageCount);
    static QString passwordArgumentOf(const QStringList& arguments);
    /** Whether code says the interpreter ran to an end of its own, as opposed to being ended or never started. */
    static bool isInterpreterFailure(qint32 code);
    /** TempFolderFull, logged with the folder, when the Temp folder's disk has no room for the source; else result. */
    static qint32 blameFullTempFolder(qint32 result, const QString& inputPath);
    qint32 checkStagedSource(const QString& inputPath, const QString& password, PdfCheck::Result& source);
    /** Why the rewrite cannot stand in for the source, for the log; empty when it can. */
    static QString faultOfRewrite(
        const PdfCheck::Result& source, const PdfCheck::Result& rewrite, const QByteArray& interpreterOutput);
    static bool keepsNavigation(const PdfCheck::Result& source, const PdfCheck::Result& rewrite);
    qint32 deliver(const QString& outputDir, const QString& destinationPath, const QString& fileToDeliver);
    qint32 deliverOverTarget(const QString& fileToDeliver);

    QList<QPair<QString, QString>> m_tempFiles;
    std::unique_ptr<RunFolder> m_runFolder; // the staged files and the interpreter's scratch files live here
    PdfStaging::Outcome m_staging = PdfStaging::Outcome::Failed;
    // Started before the source is staged and checked, and handed the interpreter's request once it is ready.
    std::unique_ptr<WorkerProcess> m_startedWorker;
    StopSignal m_stop;
    ProgressHandler m_progressHandler;
    TimeLimit m_timeLimit = defaultTimeLimit();
    Delivery m_delivery = Delivery::None;
    QList<WeighedCopy> m_weighedCopies;
    bool m_keptSourceForNavigation = false;
    StepCosts m_stepCosts; // where the last compression spent processor time, step by step
    qint32 m_deliveredPermissions = -1; // the source's, masked by the umask; -1 when unknown
    QString m_requestedFileName; // the source's own name, which every retried delivery starts from again
    Placement m_placement = Placement::FreeName;
    QString m_target;
};
