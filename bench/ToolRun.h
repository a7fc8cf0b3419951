#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

/** One finished run of an external program: how it ended, how long it took, what it printed. */
struct ToolResult
{
    bool started = false;
    int exitCode = -1;
    double seconds = 0.0;
    double cpuSeconds = 0.0; // processor time of the program and its children, user and system
    qint64 peakKiB = -1; // highest resident set size of the program, when it was asked for
    QByteArray standardOutput;
    QByteArray standardError;

    bool succeeded() const { return started && exitCode == 0; }
};

/** Runs external programs (gs, qpdf, pdftoppm, pdftotext, this program itself) synchronously. */
namespace ToolRun {
    /**
     * Runs program with arguments and waits for it. With measurePeakMemory the program runs under
     * /usr/bin/time, which reports its peak resident set size; the wall time then includes that
     * wrapper's start, a millisecond or so.
     */
    ToolResult run(const QString& program, const QStringList& arguments, bool measurePeakMemory = false);

    /** Whether program can be found on PATH. */
    bool available(const QString& program);

    /** The first line a program prints for its version option, or "not installed". */
    QString versionLine(const QString& program, const QStringList& arguments);

    /** The key=value pairs, separated by spaces, of the last line of text that has any. */
    QMap<QString, QString> keyValues(const QByteArray& text);
} // namespace ToolRun
