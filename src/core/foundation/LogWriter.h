#pragma once

#include <QDateTime>
#include <QString>
#include <QtGlobal>
#include <functional>

class QMutex;

/**
 * Makes logMessageHandler the process's Qt message handler, writing into QDir::homePath() + folder,
 * creates that folder with its parents when missing and deletes the files that sort first by name
 * until at most maximumFiles remain.
 */
void installLogHandler(const QString& folder, int maximumFiles);

/**
 * Appends the message, time-stamped and classed by its type, to the HTML log file of the current
 * hour, and copies the plain line to standard error. Safe to call from any thread.
 */
void logMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message);

/** The pieces of the log writer that the crash handler and the tests reach. */
namespace LogWriter {
    using Clock = std::function<QDateTime()>;

    /** Replaces the clock that dates each message (for tests); an empty clock restores the system's. */
    void setClock(Clock clock);

    /** The absolute Log folder the writer uses, empty before installLogHandler. */
    QString logFolder();

    /** The page written once at the top of every new log file. */
    const QString& headerPage();

    /** The class letter of a message type in the page: d, w, c, f or i. */
    QChar typeClass(QtMsgType type);

    /**
     * Appends a debug entry with text to the current hour's log file and copies the plain line to
     * standard error without taking the writer's lock and without allocating, so that a signal
     * handler can log even when the faulting thread holds the lock. Does nothing to the file before
     * installLogHandler has run.
     */
    void writeDebugLineWithoutLock(const char* text);

    /**
     * Whether each message is also copied to standard error (on by default). A command whose standard
     * error is the user's terminal keeps its diagnostics in the log file only.
     */
    void setStandardErrorCopy(bool enabled);

    /** The lock around the current file (for tests that must hold it while something else logs). */
    QMutex& fileLock();
} // namespace LogWriter
