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

    QStringList arguments; // the interpreter's argument list, program-name slot first
    QString sourcePath; // the staged source, for the comparison of what the pages show
    QString rewritePath; // the staged rewrite
    QString passwordArgument; // the interpreter's password argument for the source; empty when it needs none

    QByteArray encode() const;
    /** False when bytes are not one whole request. */
    static bool decode(const QByteArray& bytes, WorkerRequest& request);
};
