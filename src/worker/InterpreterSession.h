#pragma once

#include <QStringList>
#include <functional>

/**
 * One run of the Ghostscript interpreter library: a fresh instance, the whole job given as its argument
 * list (UTF-8), everything it prints handed to a callback, the instance ended and released afterwards.
 */
class InterpreterSession final
{
public:
    using OutputHandler = std::function<void(const char* text, int length)>;

    /** Returns 0 when the job ran to its end, otherwise the interpreter's (negative) error code. */
    static int run(const QStringList& arguments, const OutputHandler& onOutput);
};
