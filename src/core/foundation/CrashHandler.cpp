#include "foundation/CrashHandler.h"

#include "foundation/GLanguage.h"
#include "foundation/LogWriter.h"
#include "foundation/ProductConstants.h"
#include "foundation/SignalSafe.h"

#include <QCoreApplication>
#include <QDebug>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cxxabi.h>
#include <exception>
#include <execinfo.h>
#include <fcntl.h>
#include <memory>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <typeinfo>
#include <ucontext.h>
#include <unistd.h>

#ifndef KOMPRESTO_CRASH_HELPER_NAME
#define KOMPRESTO_CRASH_HELPER_NAME "VantorelKompresto-crash-helper"
#endif
#ifndef KOMPRESTO_CRASH_HELPER_DIR_FROM_BIN
#define KOMPRESTO_CRASH_HELPER_DIR_FROM_BIN "../libexec/vantorel-kompresto"
#endif

namespace {
    constexpr std::size_t pathCapacity = 4096;
    constexpr int handledSignals[] = { SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT };
    // Room for the handler's own buffers even when the thread's stack is what overflowed.
    constexpr std::size_t alternateStackSize = 256 * 1024;
    constexpr int maximumFrames = 128;

    char dumpFolder[pathCapacity] = {};
    char helperPath[pathCapacity] = {};
    char terminateReason[1024] = {};
    char reportTitle[256] = {};
    pid_t mainThreadId = 0;
    // The thread that is reporting a crash; any other thread that faults meanwhile waits for the end.
    std::atomic<pid_t> reportingThread { 0 };

    // The translated texts, ready for the moment they are needed. A language change fills the spare
    // copy and then switches to it, so a crash never reads a half-written text.
    struct MessageTexts
    {
        char title[1024] = {};
        char textTemplate[2048] = {};
        char okButton[128] = {};
    };
    MessageTexts messageTexts[2];
    std::atomic<int> currentTexts { 0 };

    void copyInto(char* target, std::size_t capacity, const QByteArray& bytes)
    {
        const std::size_t length = std::min(capacity - 1, static_cast<std::size_t>(bytes.size()));
        std::copy(bytes.constData(), bytes.constData() + length, target);
        target[length] = '\0';
    }

    void refreshMessageTexts()
    {
        const int spare = 1 - currentTexts.load();
        MessageTexts& texts = messageTexts[spare];
        copyInto(texts.title, sizeof texts.title, GLanguage::messageText(GLanguage::MsgProgramCrashed).toUtf8());
        copyInto(texts.textTemplate, sizeof texts.textTemplate,
            GLanguage::messageText(GLanguage::MsgSendCrashReport).toUtf8());
        // Qt's own catalogue names the standard button; the helper cannot know the language itself. The
        // context goes through a variable so that our catalogues do not take Qt's text for one of ours.
        const char* const qtButtonContext = "QPlatformTheme";
        copyInto(texts.okButton, sizeof texts.okButton, QCoreApplication::translate(qtButtonContext, "OK").toUtf8());
        currentTexts.store(spare);
    }

    /** Follows the interface language: loading a catalogue posts a LanguageChange to the application. */
    class LanguageFollower final : public QObject
    {
    public:
        using QObject::QObject;

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::LanguageChange && watched == QCoreApplication::instance()) {
                refreshMessageTexts();
            }
            return QObject::eventFilter(watched, event);
        }
    };

    const char* signalName(int signalNumber)
    {
        switch (signalNumber) {
        case SIGSEGV:
            return "SIGSEGV";
        case SIGBUS:
            return "SIGBUS";
        case SIGFPE:
            return "SIGFPE";
        case SIGILL:
            return "SIGILL";
        case SIGABRT:
            return "SIGABRT";
        default:
            return "signal";
        }
    }

    void copyFileInto(int targetFd, const char* sourcePath)
    {
        const int sourceFd = ::open(sourcePath, O_RDONLY | O_CLOEXEC);
        if (sourceFd < 0) {
            return;
        }
        char buffer[4096];
        for (;;) {
            const ssize_t count = ::read(sourceFd, buffer, sizeof buffer);
            if (count < 0 && errno == EINTR) {
                continue;
            }
            if (count <= 0) {
                break;
            }
            SignalSafe::writeAll(targetFd, buffer, static_cast<std::size_t>(count));
        }
        ::close(sourceFd);
    }

    void writeDump(int fd, int signalNumber, const siginfo_t* info, const void* context, pid_t threadId,
        const SignalSafe::LocalTime& time)
    {
        SignalSafe::Text text;
        text.append(reportTitle).append('\n');
        text.append("Time: ");
        SignalSafe::appendTimeStamp(text, time);
        text.append("\nSignal: ").appendSignedNumber(signalNumber).append(' ').append(signalName(signalNumber));
        text.append(" (code ").appendSignedNumber(info != nullptr ? info->si_code : 0).append(")\n");
        if (info != nullptr && signalNumber != SIGABRT) {
            text.append("Fault address: ").appendAddress(reinterpret_cast<std::uintptr_t>(info->si_addr)).append('\n');
        }
#if defined(__x86_64__)
        if (context != nullptr) {
            const auto* machine = static_cast<const ucontext_t*>(context);
            text.append("Instruction address: ")
                .appendAddress(static_cast<std::uintptr_t>(machine->uc_mcontext.gregs[REG_RIP]))
                .append('\n');
        }
#else
        Q_UNUSED(context)
#endif
        text.append("Process id: ").appendSignedNumber(getpid()).append('\n');
        text.append("Thread id: ").appendSignedNumber(threadId);
        text.append(threadId == mainThreadId ? " (main thread)\n" : " (other thread)\n");
        if (terminateReason[0] != '\0') {
            text.append("Reason: ").append(terminateReason).append('\n');
        }
        text.append("\nBacktrace of the faulting thread:\n");
        SignalSafe::writeAll(fd, text);

        void* frames[maximumFrames];
        const int frameCount = backtrace(frames, maximumFrames);
        backtrace_symbols_fd(frames, frameCount, fd);

        text.clear();
        text.append("\nModules (/proc/self/maps):\n");
        SignalSafe::writeAll(fd, text);
        copyFileInto(fd, "/proc/self/maps");
    }

    /** Starts the message helper with the title and the text naming dumpPath, and waits until it ends. */
    void showMessage(const SignalSafe::Text& dumpPath)
    {
        if (helperPath[0] == '\0') {
            return;
        }
        const MessageTexts& texts = messageTexts[currentTexts.load()];
        SignalSafe::Text message;
        for (const char* cursor = texts.textTemplate; *cursor != '\0'; ++cursor) {
            if (cursor[0] == '%' && cursor[1] == '1') {
                message.append(dumpPath.data(), dumpPath.size());
                ++cursor;
            } else {
                message.append(*cursor);
            }
        }
        char* const arguments[] = { helperPath, const_cast<char*>(texts.title), const_cast<char*>(message.data()),
            const_cast<char*>(texts.okButton), nullptr };

        // The plain system call, not fork(): the library's fork runs handlers that may take locks the
        // crashed thread holds. The child only unblocks signals and replaces itself with the helper.
        const long child = syscall(SYS_clone, SIGCHLD, 0, 0, 0, 0);
        if (child == 0) {
            sigset_t none;
            sigemptyset(&none);
            sigprocmask(SIG_SETMASK, &none, nullptr);
            execve(helperPath, arguments, environ);
            _exit(127);
        }
        if (child > 0) {
            int status = 0;
            while (waitpid(static_cast<pid_t>(child), &status, 0) < 0 && errno == EINTR) { }
        }
    }

    /** Lets the default action end the process: a fault repeats on return, any other signal is sent again. */
    void endBySignal(int signalNumber)
    {
        struct sigaction defaultAction
        {
        };
        defaultAction.sa_handler = SIG_DFL;
        sigemptyset(&defaultAction.sa_mask);
        sigaction(signalNumber, &defaultAction, nullptr);
        raise(signalNumber);
    }

    void reportCrash(int signalNumber, const siginfo_t* info, const void* context, pid_t threadId)
    {
        LogWriter::writeDebugLineWithoutLock("Soft is Crash!...");

        const SignalSafe::LocalTime now = SignalSafe::localNow();
        SignalSafe::Text dumpPath;
        dumpPath.append(dumpFolder).append("/crash_");
        SignalSafe::appendCompactTime(dumpPath, now);
        dumpPath.append(".dmp");

        // The folder is never created here: it exists only where the installation provides it.
        const int fd = ::open(dumpPath.data(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0) {
            LogWriter::writeDebugLineWithoutLock("write log failed...");
        } else {
            writeDump(fd, signalNumber, info, context, threadId, now);
            ::close(fd);
            LogWriter::writeDebugLineWithoutLock("write log success...");
        }
        showMessage(dumpPath);
    }

    void crashHandler(int signalNumber, siginfo_t* info, void* context)
    {
        const pid_t threadId = static_cast<pid_t>(syscall(SYS_gettid));
        pid_t expected = 0;
        if (!reportingThread.compare_exchange_strong(expected, threadId)) {
            if (expected == threadId) {
                // A fault inside the report itself: end at once.
                endBySignal(signalNumber);
                return;
            }
            // Another thread is reporting; the process ends when it is done.
            for (;;) {
                pause();
            }
        }
        reportCrash(signalNumber, info, context, threadId);
        endBySignal(signalNumber);
    }

    // Not a signal handler: the library is still usable here, so the exception is named for the dump
    // before abort() takes the signal path.
    [[noreturn]] void terminateHandler()
    {
        QByteArray reason = "std::terminate without an active exception";
        if (const std::exception_ptr current = std::current_exception()) {
            QByteArray typeName = "unknown type";
            if (const std::type_info* type = abi::__cxa_current_exception_type()) {
                int status = 0;
                std::unique_ptr<char, decltype(&std::free)> demangled(
                    abi::__cxa_demangle(type->name(), nullptr, nullptr, &status), &std::free);
                typeName = status == 0 && demangled ? QByteArray(demangled.get()) : QByteArray(type->name());
            }
            reason = "uncaught exception of type " + typeName;
            try {
                std::rethrow_exception(current);
            } catch (const std::exception& exception) {
                reason += ": " + QByteArray(exception.what());
            } catch (...) {
            }
        }
        copyInto(terminateReason, sizeof terminateReason, reason);
        std::abort();
    }

    /** The calling thread's alternate signal stack; switched off before its memory goes with the thread. */
    class AlternateStack final
    {
    public:
        AlternateStack()
            : m_memory(new char[alternateStackSize])
        {
            stack_t stack {};
            stack.ss_sp = m_memory.get();
            stack.ss_size = alternateStackSize;
            stack.ss_flags = 0;
            sigaltstack(&stack, nullptr);
        }

        ~AlternateStack()
        {
            stack_t stack {};
            stack.ss_flags = SS_DISABLE;
            sigaltstack(&stack, nullptr);
        }

        AlternateStack(const AlternateStack&) = delete;
        AlternateStack& operator=(const AlternateStack&) = delete;

    private:
        const std::unique_ptr<char[]> m_memory;
    };
} // namespace

void CrashHandler::install()
{
    const QString helper = defaultHelperPath();
    if (!QFileInfo(helper).isExecutable()) {
        qWarning() << "Crash message helper missing:" << helper;
    }
    install(QCoreApplication::applicationDirPath() + QStringLiteral("/Log"), helper);
}

void CrashHandler::install(const QString& folder, const QString& helper)
{
    copyInto(dumpFolder, sizeof dumpFolder, QFile::encodeName(folder));
    copyInto(helperPath, sizeof helperPath, QFile::encodeName(helper));
    mainThreadId = static_cast<pid_t>(syscall(SYS_gettid));

    // Everything the handler touches is made ready now: the clock's zone, the texts, and backtrace(),
    // whose first call loads the unwinder.
    SignalSafe::refreshUtcOffset();
    refreshMessageTexts();
    copyInto(reportTitle, sizeof reportTitle,
        (Product::displayName + QLatin1Char(' ') + Product::version + QStringLiteral(" crash report")).toUtf8());
    if (QCoreApplication* application = QCoreApplication::instance()) {
        application->installEventFilter(new LanguageFollower(application));
    }
    void* frames[4];
    backtrace(frames, 4);

    prepareThread();
    struct sigaction action
    {
    };
    action.sa_sigaction = crashHandler;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (const int signalNumber : handledSignals) {
        sigaction(signalNumber, &action, nullptr);
    }
    std::set_terminate(terminateHandler);
}

void CrashHandler::prepareThread()
{
    thread_local const AlternateStack stack;
    Q_UNUSED(stack)
}

QString CrashHandler::defaultHelperPath()
{
    const QString directory = QCoreApplication::applicationDirPath();
    const QString name = QStringLiteral(KOMPRESTO_CRASH_HELPER_NAME);
    const QString beside = directory + QLatin1Char('/') + name;
    if (QFileInfo(beside).isExecutable()) {
        return beside;
    }
    return QFileInfo(directory + QStringLiteral("/" KOMPRESTO_CRASH_HELPER_DIR_FROM_BIN "/") + name).absoluteFilePath();
}
