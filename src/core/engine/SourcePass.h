#pragma once

#include "engine/PdfCheck.h"
#include "engine/PdfRepacker.h"

#include <QString>
#include <atomic>
#include <chrono>
#include <thread>

class StopSignal;

/**
 * The lossless pass over the staged source and the check of what it wrote. It needs nothing but the
 * source, so it may run on a thread of its own while the interpreter rewrites the same source in its
 * worker, on the core the worker leaves idle. The copy is written beside the source, in the run's private
 * folder, private from the start. Whatever ends the compression ends the pass with it: a raised stop
 * signal or cancel() ends it within one stream's compression or a hundredth of the writing, and the destructor waits
 * for the thread and removes the copy, unless it was delivered meanwhile.
 */
class SourcePass final
{
public:
    struct Result
    {
        QString path; // the repacked copy; only there when repack.outcome is Written
        PdfRepacker::Result repack;
        PdfCheck::Result check; // the copy as qpdf reads it, pages and navigation, when it was written
        std::chrono::microseconds cpuTime { 0 }; // processor time of the pass and its check
    };

    /** How the pass is run: on a thread started at once, or on the thread that asks for its result. */
    enum class Start
    {
        Concurrently,
        WhenAsked,
    };

    /**
     * source describes stagedSource, opened with password. limits.cancelled is replaced: the stop signal and
     * cancel() end the pass.
     */
    SourcePass(const QString& stagedSource, const QString& password, const PdfCheck::Result& source,
        const StopSignal& stop, Start start, qint64 mustBeBelow = -1);
    ~SourcePass();
    SourcePass(const SourcePass&) = delete;
    SourcePass& operator=(const SourcePass&) = delete;

    /** Thread-safe: ends the pass as soon as it notices, leaving no copy behind. */
    void cancel() { m_cancelled.store(true); }
    /**
     * Thread-safe: another copy of that many bytes is sure to go out if nothing smaller does, so the pass
     * is of use only below it. Once what it has decided to write reaches that size, it ends as CannotWin.
     */
    void mustComeBelow(qint64 bytes);
    /** Thread-safe: whether the pass has begun its work, on its thread or on the one that asked. */
    bool hasBegun() const { return m_begun.load(); }
    /** Thread-safe: whether result() would return at once. */
    bool isFinished() const { return m_done.load(); }
    /** Waits for the pass to end, running it first when it has not run, and returns what it made. */
    const Result& result();

private:
    void run();
    bool isCancelled() const;
    /** Whether the copy, written so far, has reached the size it had to stay below. */
    bool hasOutgrownBound() const;

    const QString m_stagedSource;
    const QString m_password;
    const QByteArray m_passwordBytes;
    const StopSignal& m_stop;
    std::atomic<qint64> m_mustBeBelow;
    std::atomic<bool> m_cancelled { false };
    std::atomic<bool> m_begun { false };
    std::atomic<bool> m_done { false };
    bool m_finished = false;
    Result m_result;
    std::thread m_thread;
};
