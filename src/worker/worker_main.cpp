// The compression worker: runs one interpreter job that the application hands over through standard
// input, prints the interpreter's report on standard output and ends with the interpreter's code
// negated as its exit status. Asked to compare a copy with its source, it renders both and ends with 0
// or the status that says the copy lost content. It lives in a process of its own so that an interpreter that
// crashes, hangs or is stopped ends this one job, never the application.

#include "engine/WorkerRequest.h"
#include "worker/InkCoverage.h"
#include "worker/InterpreterSession.h"

#include <QByteArray>
#include <QFile>
#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
    /** Reads the request, and one byte more than a request may have, so an oversized one is seen as such. */
    QByteArray readRequest(int descriptor)
    {
        QByteArray bytes;
        std::array<char, 16384> buffer {};
        while (bytes.size() <= WorkerRequest::maximumBytes) {
            const std::size_t wanted
                = std::min(buffer.size(), static_cast<std::size_t>(WorkerRequest::maximumBytes + 1 - bytes.size()));
            const ssize_t count = read(descriptor, buffer.data(), wanted);
            if (count > 0) {
                bytes.append(buffer.data(), static_cast<int>(count));
            } else if (count == 0 || errno != EINTR) {
                break;
            }
        }
        return bytes;
    }

    void writeAll(int descriptor, const char* text, size_t length)
    {
        while (length > 0) {
            const ssize_t written = write(descriptor, text, length);
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written <= 0) {
                return;
            }
            text += written;
            length -= static_cast<size_t>(written);
        }
    }

    // A fault must end the process with its signal, so that the application sees a crash; handlers
    // that turn it into an exit status (a sanitizer's, for instance) would hide it.
    void letFaultsKill()
    {
        for (const int signalNumber : { SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT }) {
            std::signal(signalNumber, SIG_DFL);
        }
    }

    /**
     * The first page (counted from 1) that shows something in the source and nothing in the copy; 0 when
     * none. The copy is rendered first: where every page of it shows something, only pages the source has
     * beyond them can have been emptied, and rendering those costs nothing when there are none.
     */
    int firstEmptiedPage(const WorkerRequest& request)
    {
        const QList<bool> copy = InkCoverage::pagesWithInk(request.rewritePath, request.copyPasswordArgument);
        if (!copy.isEmpty() && !copy.contains(false)) {
            const int pagesBefore = static_cast<int>(copy.size());
            const QList<bool> sourceBeyond
                = InkCoverage::pagesWithInk(request.sourcePath, request.passwordArgument, pagesBefore + 1);
            const int pageBeyond = InkCoverage::firstEmptiedPage(sourceBeyond, {});
            return pageBeyond == 0 ? 0 : pagesBefore + pageBeyond;
        }
        const QList<bool> source = InkCoverage::pagesWithInk(request.sourcePath, request.passwordArgument);
        return InkCoverage::firstEmptiedPage(source, copy);
    }

    /** Whether every page that shows something in the source shows something in the copy too. */
    bool copyKeepsContent(const WorkerRequest& request)
    {
        const int page = firstEmptiedPage(request);
        if (page == 0) {
            return true;
        }
        const QByteArray message
            = "Page " + QByteArray::number(page) + " shows content in the source but nothing in the copy.\n";
        writeAll(STDERR_FILENO, message.constData(), static_cast<size_t>(message.size()));
        return false;
    }

    // Everything the interpreter writes, its own scratch files included, stays in the run's private
    // folder and is readable by this user only, whatever the umask of whoever started the application.
    void keepFilesPrivate(const QString& temporaryFolder)
    {
        umask(S_IRWXG | S_IRWXO);
        if (!temporaryFolder.isEmpty()) {
            setenv("TMPDIR", QFile::encodeName(temporaryFolder).constData(), 1);
        }
    }
} // namespace

int main()
{
    // The worker has a process group of its own, so a signal that ends the application at a terminal
    // no longer reaches it: it goes with the thread that started it instead.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    letFaultsKill();
    WorkerRequest request;
    if (!WorkerRequest::decode(readRequest(STDIN_FILENO), request)) {
        const char message[] = "The compression request did not arrive whole.\n";
        writeAll(STDERR_FILENO, message, sizeof message - 1);
        _exit(WorkerRequest::UnreadableRequest);
    }
    keepFilesPrivate(request.temporaryFolder);
    if (request.job == WorkerRequest::Job::CompareInk) {
        _exit(copyKeepsContent(request) ? 0 : WorkerRequest::RewriteLosesContent);
    }
    const int code = InterpreterSession::run(request.arguments,
        [](const char* text, int length) { writeAll(STDOUT_FILENO, text, static_cast<size_t>(length)); });
    // No exit handlers: they have nothing to flush, and a leak checker's report would change the status.
    _exit(WorkerRequest::exitStatusOf(code));
}
