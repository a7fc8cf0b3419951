#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

/**
 * What the application asks of the compression worker, and how the worker answers. The request
 * travels through the worker's standard input, never its command line, because the command line of
 * every process is readable by every local user and the arguments may carry the open password.
 */
class WorkerRequest final
{
public:
    /** The worker's exit status: 0 when the rewrite is done, the interpreter's error code negated, or one of these. */
    enum ExitStatus : int
    {
        RewriteLosesContent = 200, // a page that shows something in the source is empty in the rewrite
        UnreadableRequest = 201, // the request did not arrive whole
    };

    /** What the worker is asked to do. */
    enum class Job : quint8
    {
        Rewrite, // run the interpreter with arguments, then compare the rewrite's pages with the source's
        CompareInk, // only compare the pages of the copy at rewritePath with the source's
    };

    Job job = Job::Rewrite;
    QStringList arguments; // the interpreter's argument list, program-name slot first; empty for CompareInk
    QString sourcePath; // the staged source, for the comparison of what the pages show
    QString rewritePath; // the staged rewrite, or the copy to compare
    // The interpreter's password argument for the source, and for a compared copy, which is protected like
    // it; empty when it needs none.
    QString passwordArgument;

    QByteArray encode() const;
    /** False when bytes are not one whole request. */
    static bool decode(const QByteArray& bytes, WorkerRequest& request);
};
