#pragma once

#include <QString>

/**
 * Turns a fatal signal (SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT) or an uncaught exception on any
 * thread into a crash dump, the log lines "Soft is Crash!..." and "write log success..." (or
 * "write log failed..."), and a critical message that tells the user where the dump lies; then the
 * process ends by the signal.
 *
 * Inside a signal handler almost nothing is safe, so everything the handler needs (folder, helper
 * path, translated texts) is prepared beforehand, the dump is written with plain system calls, and
 * the message is shown by a small helper program that the handler starts and waits for.
 */
class CrashHandler final
{
public:
    /**
     * Installs the handler with dumps in QCoreApplication::applicationDirPath() + "/Log" and the
     * message helper that ships with the application. Call once, right after the application object
     * exists and before any other thread starts.
     */
    static void install();

    /**
     * Installs the handler with dumps in dumpFolder (never created by the handler) and the message
     * shown by the program at helperPath, started with the title, the text and the OK button's text.
     * An empty helperPath shows no message.
     */
    static void install(const QString& dumpFolder, const QString& helperPath);

    /**
     * Gives the calling thread an alternate signal stack of its own, so that a stack overflow on it is
     * reported too (install() does this for its own thread). Call it at the start of work on threads
     * the application does not start itself, such as the thread pool's; a second call on the same
     * thread does nothing, and the stack goes with the thread.
     */
    static void prepareThread();

    /** The installed message helper: beside the executable, else in the application's helper folder. */
    static QString defaultHelperPath();

    CrashHandler() = delete;
};
