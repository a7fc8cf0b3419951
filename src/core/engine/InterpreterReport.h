#pragma once

#include <QByteArray>

/** Reads what the interpreter printed during a run: its page lines and its summary of problems. */
class InterpreterReport final
{
public:
    /** N for an interpreter line "Page N", 0 for any other line. */
    static int pageNumberOf(const QByteArray& line);
    /** Whether the interpreter reported errors or warnings, which it does for content it repaired or dropped. */
    static bool reportsProblems(const QByteArray& report);
    /** The report without its page lines and empty lines: the banner, the notes and the problems. */
    static QByteArray withoutPageLines(const QByteArray& report);
};
