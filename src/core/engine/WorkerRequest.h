#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

/**
 * What the application asks of the compression worker, and how the worker answers: both directions of
 * their protocol, encoded and decoded here only. The request travels through the worker's standard
 * input, never its command line, because the command line of every process is readable by every local
 * user and the arguments may carry the open password. The answer is the worker's exit status.
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

    /** What an exit status of the worker says. */
    struct Answer
    {
        enum class Kind
        {
            Done, // the rewrite is written
            InterpreterFailed, // interpreterCode is the interpreter's (negative) error code
            RewriteLosesContent,
            RequestRefused, // the worker could not read the request, or ended in a way it never answers
        };
        Kind kind = Kind::RequestRefused;
        int interpreterCode = 0;
    };

    /** A request is never larger than this, so the worker reads no more. */
    static constexpr int maximumBytes = 1 << 20;
    /** Nor has it more arguments than this. */
    static constexpr int maximumArguments = 64;

    /** What the worker is asked to do. */
    enum class Job : quint8
    {
        Rewrite, // run the interpreter with arguments
        CompareInk, // compare the pages of the copy at rewritePath with the source's
    };

    Job job = Job::Rewrite;
    QStringList arguments; // the interpreter's argument list, program-name slot first; empty for CompareInk
    QString sourcePath; // the staged source, for the comparison of what the pages show
    QString rewritePath; // the staged rewrite, or the copy to compare
    QString passwordArgument; // the interpreter's password argument for the source; empty when it needs none
    // The one for the compared copy: a repack is protected like the source, the rewrite is not.
    QString copyPasswordArgument;
    QString temporaryFolder; // the run's private folder, the worker's temporary folder

    QByteArray encode() const;
    /** False when bytes are not one whole request of this build, within the bounds above. */
    static bool decode(const QByteArray& bytes, WorkerRequest& request);

    /** The worker's exit status for the interpreter's result code (0 or negative). */
    static int exitStatusOf(int interpreterCode);
    /** What the worker's exit status says. */
    static Answer answerOf(int exitStatus);

    bool operator==(const WorkerRequest& other) const;
};
