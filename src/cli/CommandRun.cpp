#include "cli/CommandRun.h"

#include "cli/BatchRunner.h"
#include "cli/BatchSummary.h"
#include "cli/CommandLineOptions.h"
#include "cli/HumanReport.h"
#include "cli/InputCollector.h"
#include "cli/JsonReport.h"
#include "cli/PasswordFile.h"
#include "foundation/ApplicationFolders.h"
#include "foundation/FileNameText.h"
#include "foundation/LogWriter.h"
#include "foundation/ProductConstants.h"
#include "foundation/ProgramInit.h"
#include "foundation/StagingCleanup.h"
#include "foundation/TerminationWatcher.h"

#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QUuid>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {
    constexpr int usageErrorStatus = 2;
    constexpr int someFailedStatus = 1;
    constexpr int tickIntervalMs = 1000;
    // A list of names far longer than any folder tree holds is a mistake (a PDF given as the list).
    constexpr qint64 nameListLimit = qint64(64) << 20;

    void printTo(std::FILE* stream, const QString& text)
    {
        const QByteArray bytes = text.toLocal8Bit();
        std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
        std::fflush(stream);
    }

    bool readAllBounded(int fd, qint64 limit, QByteArray& content)
    {
        char buffer[65536];
        for (;;) {
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got <= 0) {
                return got == 0;
            }
            content.append(buffer, static_cast<int>(got));
            if (content.size() > limit) {
                errno = EFBIG;
                return false;
            }
        }
    }

    QHash<QString, QByteArray> unrepresentableArguments(const QList<QByteArray>& rawArguments)
    {
        QHash<QString, QByteArray> found;
        for (int index = 1; index < rawArguments.size(); ++index) {
            if (!FileNameText::isRepresentable(rawArguments.at(index))) {
                found.insert(QFile::decodeName(rawArguments.at(index)), rawArguments.at(index));
            }
        }
        return found;
    }

    QSet<QString> canonicalSources(const QVector<InputDocument>& inputs)
    {
        QSet<QString> sources;
        for (const InputDocument& input : inputs) {
            const QString canonical = input.path.isEmpty() ? QString() : QFileInfo(input.path).canonicalFilePath();
            if (!canonical.isEmpty()) {
                sources.insert(canonical);
            }
        }
        return sources;
    }

    /**
     * The output name of a document that skips or replaces what exists: its own name, or for the
     * second and later same-named documents of one output folder name_1, name_2... in the order of
     * the run, so that they never replace each other and a rerun finds the same names again.
     */
    QString plannedName(const InputDocument& input, QSet<QString>& namesOfFolder)
    {
        const QString own = input.standardInput ? QStringLiteral("stdin.pdf") : QFileInfo(input.path).fileName();
        if (own.isEmpty()) {
            return QString(); // a name that cannot be carried: the document fails before it needs one
        }
        QString name = own;
        const QFileInfo parts(own);
        for (int number = 1; namesOfFolder.contains(name); ++number) {
            name = parts.completeBaseName() + QLatin1Char('_') + QString::number(number)
                + (parts.suffix().isEmpty() ? QString() : QLatin1Char('.') + parts.suffix());
        }
        namesOfFolder.insert(name);
        return name;
    }

    DocumentTarget::Mode targetMode(const CommandLineOptions& options)
    {
        if (options.inPlace()) {
            return DocumentTarget::Mode::InPlace;
        }
        if (options.skipExisting()) {
            return DocumentTarget::Mode::SkipExisting;
        }
        return options.overwrite() ? DocumentTarget::Mode::Overwrite : DocumentTarget::Mode::FreeName;
    }
} // namespace

int CommandRun::exec(const QStringList& arguments, const QList<QByteArray>& rawArguments)
{
    const CommandLineOptions options = CommandLineOptions::parse(arguments);
    switch (options.action()) {
    case CommandLineOptions::Action::ShowHelp:
        printTo(stdout, options.helpText());
        return 0;
    case CommandLineOptions::Action::ShowVersion:
        printTo(stdout, QStringLiteral("kompresto %1\n").arg(Product::version));
        return 0;
    case CommandLineOptions::Action::UsageError:
        return usageError(options.usageError());
    case CommandLineOptions::Action::Compress:
        break;
    }
    return prepareAndCompress(options, rawArguments);
}

int CommandRun::prepareAndCompress(const CommandLineOptions& options, const QList<QByteArray>& rawArguments)
{
    if (options.toStandardOutput() && ::isatty(STDOUT_FILENO) == 1) {
        return usageError(tr("-o - writes a PDF to standard output, which is a terminal: redirect it to a file or a "
                             "pipe."));
    }
    if (options.inputs().contains(InputCollector::standardInputName) && ::isatty(STDIN_FILENO) == 1) {
        return usageError(tr("\"-\" reads a PDF from standard input, which is a terminal: redirect it from a file or a "
                             "pipe."));
    }
    QStringList passwords;
    QString error;
    if (!readPasswords(options, passwords, error)) {
        return usageError(tr("Cannot read the password file %1: %2").arg(options.passwordFile(), error));
    }
    QStringList names = options.inputs();
    QHash<QString, QByteArray> unrepresentable = unrepresentableArguments(rawArguments);
    if (!options.filesFrom().isEmpty() && !readNameList(options, names, unrepresentable, error)) {
        return usageError(tr("Cannot read the list of names %1: %2").arg(options.filesFrom(), error));
    }
    // Said once, before any document: without these folders no document could be staged.
    const ApplicationFolders::Failure folders = ApplicationFolders::create();
    if (!folders.folder.isEmpty()) {
        printTo(stderr,
            QStringLiteral("kompresto: %1\n")
                .arg(tr("Cannot create the folder %1: %2")
                         .arg(QDir::toNativeSeparators(folders.folder), folders.reason)));
        return usageErrorStatus;
    }

    // Inputs are gathered before the output folder exists, and never from inside it.
    const bool outputFolderGiven = !options.inPlace() && !options.toStandardOutput();
    InputCollector collector(options.recursive(), outputFolderGiven ? options.outputFolder() : QString());
    const QVector<InputDocument> inputs = collector.collect(names, unrepresentable);
    const QStringList emptyFolders = collector.foldersWithoutDocuments() + collector.outputFolderArguments();
    for (const QString& folder : collector.foldersWithoutDocuments()) {
        warn(tr("No PDF documents found in %1.").arg(folder));
    }
    for (const QString& folder : collector.outputFolderArguments()) {
        warn(tr("%1 is the output folder, whose documents are never taken; --in-place replaces the documents "
                "themselves.")
                 .arg(folder));
    }
    if (options.toStandardOutput() && inputs.size() > 1) {
        return usageError(tr("-o - writes one document to standard output, but %n documents were given.", "",
            static_cast<int>(inputs.size())));
    }
    if (inputs.isEmpty()) {
        if (emptyFolders.isEmpty()) {
            warn(tr("No documents found."));
        }
        return someFailedStatus;
    }
    if (outputFolderGiven && !QDir().mkpath(options.outputFolder())) {
        return usageError(tr("Cannot create the output folder %1.").arg(options.outputFolder()));
    }
    startLog(QCoreApplication::arguments());
    return compress(options, inputs, passwords, static_cast<int>(emptyFolders.size()));
}

bool CommandRun::readPasswords(const CommandLineOptions& options, QStringList& passwords, QString& error)
{
    if (options.passwordFile().isEmpty()) {
        return true;
    }
    bool readableByOthers = false;
    if (!PasswordFile::read(options.passwordFile(), passwords, error, readableByOthers)) {
        return false;
    }
    if (readableByOthers) {
        warn(tr("Other users can read the password file %1; make it private with: chmod 600 %1")
                 .arg(options.passwordFile()));
    }
    return true;
}

bool CommandRun::readNameList(
    const CommandLineOptions& options, QStringList& names, QHash<QString, QByteArray>& unrepresentable, QString& error)
{
    const bool fromStandardInput = options.filesFrom() == InputCollector::standardInputName;
    // A pipe is welcome here (find ... |, process substitution): the list is read to its end.
    const int fd = fromStandardInput ? STDIN_FILENO
                                     : ::open(QFile::encodeName(options.filesFrom()).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = qt_error_string(errno);
        return false;
    }
    QByteArray content;
    const bool read = readAllBounded(fd, nameListLimit, content);
    const int readError = errno;
    if (!fromStandardInput) {
        ::close(fd);
    }
    if (!read) {
        error = readError == EFBIG ? tr("longer than %1 MB").arg(nameListLimit >> 20) : qt_error_string(readError);
        return false;
    }
    const QList<QByteArray> entries = content.split(options.nulSeparated() ? '\0' : '\n');
    for (QByteArray entry : entries) {
        if (!options.nulSeparated() && entry.endsWith('\r')) {
            entry.chop(1);
        }
        if (entry.isEmpty()) {
            continue;
        }
        const QString name = QFile::decodeName(entry);
        if (!FileNameText::isRepresentable(entry)) {
            unrepresentable.insert(name, entry);
        }
        names << name;
    }
    return true;
}

int CommandRun::compress(const CommandLineOptions& options, const QVector<InputDocument>& inputs,
    const QStringList& passwords, int foldersWithoutDocuments)
{
    // While this command runs, a window that starts leaves the Temp folder alone.
    StagingCleanup::sweepIfAlone();

    // The one result for standard output is made in a private folder of its own and sent from there.
    std::unique_ptr<QTemporaryDir> privateOutput;
    if (options.toStandardOutput()) {
        privateOutput = std::make_unique<QTemporaryDir>(Product::tempFolder() + QStringLiteral("stdout-XXXXXX"));
        if (!privateOutput->isValid()) {
            warn(tr("Cannot create a private folder in %1.").arg(Product::tempFolder()));
            return someFailedStatus;
        }
    }
    DocumentTarget target;
    target.mode = targetMode(options);
    target.sources = canonicalSources(inputs);
    const QString outputFolder = privateOutput ? privateOutput->path()
        : options.inPlace()                    ? QString()
                                               : QDir(options.outputFolder()).absolutePath();
    const bool namesPlanned
        = target.mode == DocumentTarget::Mode::SkipExisting || target.mode == DocumentTarget::Mode::Overwrite;
    QHash<QString, QSet<QString>> plannedNames; // per output folder
    std::vector<std::unique_ptr<DocumentJob>> jobs;
    for (const InputDocument& input : inputs) {
        // With -r the folders below each folder argument reappear in the output folder.
        target.folder = input.subfolder.isEmpty() ? outputFolder : outputFolder + QLatin1Char('/') + input.subfolder;
        target.name = namesPlanned ? plannedName(input, plannedNames[target.folder]) : QString();
        const QString standardInputCopy = input.standardInput
            ? Product::tempFolder() + QUuid::createUuid().toString(QUuid::WithoutBraces) + QStringLiteral("_input.pdf")
            : QString();
        jobs.push_back(std::make_unique<DocumentJob>(input, target, options.setting(), passwords, standardInputCopy));
    }

    std::unique_ptr<BatchReport> report;
    if (options.json()) {
        report = std::make_unique<JsonReport>(stdout);
    } else {
        // Standard output carries the document itself with -o -: the words go to standard error then.
        report = std::make_unique<HumanReport>(
            options.toStandardOutput() ? stderr : stdout, stderr, options.quiet(), options.verbose());
    }
    BatchSummary summary;
    summary.total = static_cast<int>(jobs.size());
    summary.unsearchedFolders = foldersWithoutDocuments;
    QElapsedTimer clock;
    clock.start();

    QEventLoop loop;
    BatchRunner runner(options.jobs());
    // A reader that went away (SIGPIPE, "| head -1") ends the run as Ctrl-C does.
    TerminationWatcher watcher(TerminationWatcher::SecondSignal::ChangesNothing, { SIGPIPE });
    QTimer ticker;
    ticker.setInterval(tickIntervalMs);
    QString deliveredPath;
    QObject::connect(&runner, &BatchRunner::documentFinished, &loop, [&](const DocumentOutcome& outcome) {
        summary.elapsedMs = clock.elapsed();
        summary.add(outcome);
        if (outcome.status == DocumentOutcome::Status::Delivered) {
            deliveredPath = outcome.outputPath;
        }
        report->documentFinished(outcome, summary);
    });
    QObject::connect(&runner, &BatchRunner::finished, &loop, &QEventLoop::quit);
    QObject::connect(&watcher, &TerminationWatcher::terminationRequested, &loop, [&] {
        qDebug() << "Interrupted: stopping the run";
        summary.interrupted = true;
        runner.stop();
        report->stopping(summary);
    });
    QObject::connect(&ticker, &QTimer::timeout, &loop, [&] {
        summary.elapsedMs = clock.elapsed();
        report->tick(summary);
    });

    report->begin(summary);
    ticker.start();
    runner.start(std::move(jobs));
    loop.exec();
    ticker.stop();

    summary.elapsedMs = clock.elapsed();
    report->end(summary);
    int status = summary.exitStatus();
    if (privateOutput && !deliveredPath.isEmpty() && watcher.receivedSignal() == 0
        && !sendToStandardOutput(deliveredPath)) {
        status = someFailedStatus;
    }
    m_receivedSignal = watcher.receivedSignal();
    qDebug() << "Task finished.";
    return status;
}

bool CommandRun::sendToStandardOutput(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        warn(tr("Cannot read the result %1: %2").arg(path, file.errorString()));
        return false;
    }
    char buffer[65536];
    for (;;) {
        const qint64 got = file.read(buffer, sizeof buffer);
        if (got <= 0) {
            return got == 0;
        }
        for (qint64 sent = 0; sent < got;) {
            const ssize_t written = ::write(STDOUT_FILENO, buffer + sent, static_cast<size_t>(got - sent));
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written <= 0) {
                // A reader that went away has raised SIGPIPE, which ends the command; anything else is said.
                if (errno != EPIPE) {
                    warn(tr("Cannot write to standard output: %1").arg(qt_error_string(errno)));
                }
                return false;
            }
            sent += written;
        }
    }
}

int CommandRun::usageError(const QString& message)
{
    printTo(stderr,
        QStringLiteral("kompresto: %1\n").arg(message) + tr("Try \"kompresto --help\" for more information.")
            + QLatin1Char('\n'));
    return usageErrorStatus;
}

void CommandRun::warn(const QString& message) { printTo(stderr, QStringLiteral("kompresto: %1\n").arg(message)); }

void CommandRun::startLog(const QStringList& arguments)
{
    // The terminal is the user's: the diagnostics go to the Log folder only, as the window's do.
    LogWriter::setStandardErrorCopy(false);
    ProgramInit::instance()->initLogger();
    qInfo() << "Command line:" << arguments;
}
