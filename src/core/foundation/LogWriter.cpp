#include "foundation/LogWriter.h"

#include "foundation/SignalSafe.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QMutex>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
    // Once this many characters have been written since start, every entry also closes and
    // reopens the file, so that a reader or a crash sees each entry on the disk at once.
    constexpr qint64 reopenThreshold = 512;
    constexpr std::size_t signalSafePathCapacity = 4096;

    // The open file is a bare descriptor used only under the mutex: no Qt object of the writer is
    // ever touched from another thread later (a QFile or QTextStream would queue work to the thread
    // that made it).
    struct WriterState
    {
        QMutex mutex;
        QString folder;
        int maximumFiles = 0;
        int fd = -1;
        QString openPath;
        qint64 writtenCount = 0;
        LogWriter::Clock clock;
    };

    // Made once and never destroyed: threads and Qt's own shutdown keep logging until the very end.
    WriterState& writer()
    {
        static WriterState* const state = new WriterState;
        return *state;
    }

    const QString& entryPattern()
    {
        static const QString pattern = QStringLiteral("<div class=\"%1\">%2</div>\r\n");
        return pattern;
    }

    // The copies a signal handler reads: filled by installLogHandler, only read afterwards.
    char signalSafeFolder[signalSafePathCapacity] = {};
    std::atomic<bool> signalSafeFolderReady { false };
    std::atomic<bool> standardErrorCopy { true };
    const QByteArray* signalSafeHeader = nullptr;

    // File names come from the user's disk and the page runs a script: the entry text must never
    // become markup.
    QString escapedForPage(const QString& text)
    {
        QString escaped;
        escaped.reserve(text.size() + 16);
        for (const QChar character : text) {
            switch (character.unicode()) {
            case '&':
                escaped += QLatin1String("&amp;");
                break;
            case '<':
                escaped += QLatin1String("&lt;");
                break;
            case '>':
                escaped += QLatin1String("&gt;");
                break;
            default:
                escaped += character;
            }
        }
        return escaped;
    }

    // Everything below runs inside the lock: nothing here may log, or the handler would wait on its own lock.
    void closeLogFile(WriterState& state)
    {
        if (state.fd >= 0) {
            ::close(state.fd);
            state.fd = -1;
        }
        state.openPath.clear();
    }

    bool writeUtf8(int fd, const QString& text)
    {
        const QByteArray bytes = text.toUtf8();
        return SignalSafe::writeAll(fd, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    }

    bool openLogFile(WriterState& state, const QString& path)
    {
        closeLogFile(state);
        const QByteArray encoded = QFile::encodeName(path);
        // Creating exclusively tells whether this entry starts the file, and so needs the header page.
        int fd = ::open(encoded.constData(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        const bool created = fd >= 0;
        if (!created && errno == EEXIST) {
            fd = ::open(encoded.constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
        }
        if (fd < 0) {
            return false;
        }
        if (created) {
            writeUtf8(fd, LogWriter::headerPage() + QStringLiteral("\r\n"));
        }
        state.fd = fd;
        state.openPath = path;
        // A new hour may follow a change of daylight saving time; the crash handler dates its lines too.
        SignalSafe::refreshUtcOffset();
        return true;
    }

    // Someone deleted or replaced the file while it was open: entries written now would be lost.
    bool openFileIsGone(const WriterState& state)
    {
        struct stat opened = {};
        struct stat named = {};
        return ::fstat(state.fd, &opened) != 0 || ::stat(QFile::encodeName(state.openPath).constData(), &named) != 0
            || opened.st_dev != named.st_dev || opened.st_ino != named.st_ino;
    }

    bool ensureLogFile(WriterState& state, const QString& path)
    {
        if (state.fd >= 0 && state.openPath == path && !openFileIsGone(state)) {
            return true;
        }
        return openLogFile(state, path);
    }

    void copyToStandardError(const QString& plainLine)
    {
        if (!standardErrorCopy.load()) {
            return;
        }
        // One write per line, so that lines of different threads never interleave.
        const QByteArray bytes = plainLine.toLocal8Bit() + '\n';
        SignalSafe::writeAll(STDERR_FILENO, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    }

    void prepareSignalSafeCopies(const QString& folder)
    {
        signalSafeFolderReady.store(false);
        const QByteArray encoded = QFile::encodeName(folder);
        if (static_cast<std::size_t>(encoded.size()) < signalSafePathCapacity - 64) {
            std::copy(encoded.constBegin(), encoded.constEnd(), signalSafeFolder);
            signalSafeFolder[encoded.size()] = '\0';
            signalSafeFolderReady.store(true);
        }
        if (signalSafeHeader == nullptr) {
            signalSafeHeader = new QByteArray(LogWriter::headerPage().toUtf8() + "\r\n");
        }
        SignalSafe::refreshUtcOffset();
    }

    void pruneFolder(const QString& folder, int maximumFiles)
    {
        QDir dir(folder);
        QStringList files = dir.entryList(QDir::Files, QDir::Name);
        while (files.size() > maximumFiles) {
            dir.remove(files.takeFirst());
        }
    }
} // namespace

void installLogHandler(const QString& folder, int maximumFiles)
{
    const QString absoluteFolder = QDir::cleanPath(QDir::homePath() + folder);
    WriterState& state = writer();
    {
        // The folder is set before the handler goes in, so no message can land outside it.
        QMutexLocker locker(&state.mutex);
        state.folder = absoluteFolder;
        state.maximumFiles = maximumFiles;
        closeLogFile(state);
        prepareSignalSafeCopies(absoluteFolder);
    }
    qInstallMessageHandler(logMessageHandler);

    QDir folderDir(absoluteFolder);
    if (!folderDir.exists()) {
        folderDir.mkpath(folderDir.absolutePath());
    }
    pruneFolder(absoluteFolder, maximumFiles);
}

void logMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    Q_UNUSED(context) // release builds carry no file or line in it
    WriterState& state = writer();
    const QDateTime now = state.clock ? state.clock() : QDateTime::currentDateTime();
    const QLocale c = QLocale::c();
    const QString plainLine = c.toString(now, QStringLiteral("yyyy-MM-dd hh:mm:ss")) + QLatin1Char(' ') + message;
    const QString entry = entryPattern().arg(LogWriter::typeClass(type), escapedForPage(plainLine));
    const QString stem = c.toString(now, QStringLiteral("yyyy-MM-dd_hh"));

    {
        QMutexLocker locker(&state.mutex);
        if (!state.folder.isEmpty()) {
            const QString path = QStringLiteral("%1/%2_log.html").arg(state.folder, stem);
            // A file that failed to open stays closed; every later message tries again.
            if (!ensureLogFile(state, path)) {
                return;
            }
            writeUtf8(state.fd, entry);
            state.writtenCount += entry.size();
            if (state.writtenCount >= reopenThreshold && !openLogFile(state, path)) {
                return;
            }
        }
    }
    copyToStandardError(plainLine);
}

namespace LogWriter {
    void setClock(Clock clock)
    {
        WriterState& state = writer();
        QMutexLocker locker(&state.mutex);
        state.clock = std::move(clock);
    }

    QString logFolder()
    {
        WriterState& state = writer();
        QMutexLocker locker(&state.mutex);
        return state.folder;
    }

    const QString& headerPage()
    {
        static const QString page
            = QStringLiteral("\n"
                             "<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"yes\"?>\n"
                             "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\" "
                             "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">\n"
                             "<html>\n"
                             "    <head>\n"
                             "        <title>Vantorel Kompresto Log</title>\n"
                             "        <meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\" />\n"
                             "        <style type=\"text/css\" id=\"logCss\">\n"
                             "            body {\n"
                             "                background: #18242b;\n"
                             "                color: #afc6d1;\n"
                             "                margin-right: 20px;\n"
                             "                margin-left: 20px;\n"
                             "                font-size: 14px;\n"
                             "                font-family: Arial, sans-serif, sans;\n"
                             "            }\n"
                             "            a {\n"
                             "                text-decoration: none;\n"
                             "            }\n"
                             "            a:link {\n"
                             "                color: #a0b2bb;\n"
                             "            }\n"
                             "            a:active {\n"
                             "                color: #f59504;\n"
                             "            }\n"
                             "            a:visited {\n"
                             "                color: #adc7d4;\n"
                             "            }\n"
                             "            a:hover {\n"
                             "                color: #e49115;\n"
                             "            }\n"
                             "            h1 {\n"
                             "                text-align: center;\n"
                             "            }\n"
                             "            h2 {\n"
                             "                color: #ebe5e5;\n"
                             "            }\n"
                             "            .d, .w, .c, .f, .i {\n"
                             "                padding: 3px;\n"
                             "                overflow: auto;\n"
                             "            }\n"
                             "            .d {\n"
                             "                background-color: #0f1011;\n"
                             "                color: #a8c1ce;\n"
                             "            }\n"
                             "            .i {\n"
                             "                background-color: #294453;\n"
                             "                color: #a8c1ce;\n"
                             "            }\n"
                             "            .w {\n"
                             "                background-color: #7993a0;\n"
                             "                color: #1b2329;\n"
                             "            }\n"
                             "            .c {\n"
                             "                background-color: #ff952b;\n"
                             "                color: #1d2930;\n"
                             "            }\n"
                             "            .f {\n"
                             "                background-color: #fc0808;\n"
                             "                color: #19242b;\n"
                             "            }\n"
                             "        </style>\n"
                             "    </head>\n"
                             "    <body>\n"
                             "        <h1>Log File</h1>\n"
                             "        <script type=\"text/JavaScript\">\n"
                             "            function objHide(obj) {\n"
                             "                obj.style.display = \"none\";\n"
                             "            }\n"
                             "            function objShow(obj) {\n"
                             "                obj.style.display = \"block\";\n"
                             "            }\n"
                             "            function selectType() {\n"
                             "                var chosen = document.getElementById(\"typeSelect\").value;\n"
                             "                [\"d\", \"i\", \"w\", \"c\", \"f\"].forEach(function (typeClass) {\n"
                             "                    var show = (chosen == \"a\") || (chosen == typeClass);\n"
                             "                    var elements = document.getElementsByClassName(typeClass);\n"
                             "                    Array.prototype.forEach.call(elements, show ? objShow : objHide);\n"
                             "                });\n"
                             "            }\n"
                             "        </script>\n"
                             "        <select id=\"typeSelect\" onchange=\"selectType()\">\n"
                             "            <option value=\"a\" selected=\"selected\">All</option>\n"
                             "            <option value=\"d\">Debug</option>\n"
                             "            <option value=\"i\">Info</option>\n"
                             "            <option value=\"w\">Warning</option>\n"
                             "            <option value=\"c\">Critical</option>\n"
                             "            <option value=\"f\">Fatal</option>\n"
                             "        </select>\n");
        return page;
    }

    QChar typeClass(QtMsgType type)
    {
        static const char classes[] = "dwcfi";
        const int index = static_cast<int>(type);
        return QLatin1Char(index >= 0 && index < 5 ? classes[index] : 'd');
    }

    void writeDebugLineWithoutLock(const char* text)
    {
        const SignalSafe::LocalTime now = SignalSafe::localNow();
        SignalSafe::Text plainLine;
        SignalSafe::appendTimeStamp(plainLine, now);
        plainLine.append(' ').append(text);

        if (signalSafeFolderReady.load() && signalSafeHeader != nullptr) {
            SignalSafe::Text path;
            path.append(signalSafeFolder).append('/');
            SignalSafe::appendHourStem(path, now);
            path.append("_log.html");
            // Creating exclusively tells whether this line starts a new hour's file.
            int fd = ::open(path.data(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            const bool created = fd >= 0;
            if (!created && errno == EEXIST) {
                fd = ::open(path.data(), O_WRONLY | O_APPEND | O_CLOEXEC);
            }
            if (fd >= 0) {
                if (created) {
                    SignalSafe::writeAll(
                        fd, signalSafeHeader->constData(), static_cast<std::size_t>(signalSafeHeader->size()));
                }
                SignalSafe::Text entry;
                entry.append("<div class=\"d\">").append(plainLine.data(), plainLine.size()).append("</div>\r\n");
                SignalSafe::writeAll(fd, entry);
                ::close(fd);
            }
        }
        plainLine.append('\n');
        SignalSafe::writeAll(STDERR_FILENO, plainLine);
    }

    QMutex& fileLock() { return writer().mutex; }

    void setStandardErrorCopy(bool enabled) { standardErrorCopy.store(enabled); }
} // namespace LogWriter
