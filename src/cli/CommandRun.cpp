#include "cli/CommandRun.h"

#include "cli/BatchRunner.h"
#include "cli/BatchSummary.h"
#include "cli/CommandLineOptions.h"
#include "cli/HumanReport.h"
#include "cli/InputCollector.h"
#include "cli/InterruptWatcher.h"
#include "cli/JsonReport.h"
#include "cli/PasswordFile.h"
#include "foundation/LogWriter.h"
#include "foundation/ProductConstants.h"
#include "foundation/ProgramInit.h"
#include "foundation/StagingCleanup.h"

#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <memory>

namespace {
    constexpr int usageErrorStatus = 2;
    constexpr int tickIntervalMs = 1000;

    void printTo(std::FILE* stream, const QString& text)
    {
        const QByteArray bytes = text.toLocal8Bit();
        std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
        std::fflush(stream);
    }
} // namespace

int CommandRun::exec(const QStringList& arguments)
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

    QStringList passwords;
    QString passwordError;
    if (!options.passwordFile().isEmpty() && !PasswordFile::read(options.passwordFile(), passwords, passwordError)) {
        return usageError(tr("Cannot read the password file %1: %2").arg(options.passwordFile(), passwordError));
    }
    // Inputs are gathered before the output folder exists, and never from inside it.
    const QVector<InputDocument> inputs
        = InputCollector(options.recursive(), options.outputFolder()).collect(options.inputs());
    if (!QDir().mkpath(options.outputFolder())) {
        return usageError(tr("Cannot create the output folder %1.").arg(options.outputFolder()));
    }
    startLog(arguments);
    return compress(options, inputs, passwords);
}

int CommandRun::compress(
    const CommandLineOptions& options, const QVector<InputDocument>& inputs, const QStringList& passwords)
{
    // While this command runs, a window that starts leaves the Temp folder alone.
    StagingCleanup::sweepIfAlone();

    const QString outputFolder = QDir(options.outputFolder()).absolutePath();
    std::vector<std::unique_ptr<DocumentJob>> jobs;
    for (const InputDocument& input : inputs) {
        jobs.push_back(std::make_unique<DocumentJob>(input, outputFolder, options.setting(), passwords));
    }

    std::unique_ptr<BatchReport> report;
    if (options.json()) {
        report = std::make_unique<JsonReport>(stdout);
    } else {
        report = std::make_unique<HumanReport>(stdout, stderr, options.quiet());
    }
    BatchSummary summary;
    summary.total = static_cast<int>(jobs.size());
    QElapsedTimer clock;
    clock.start();

    QEventLoop loop;
    BatchRunner runner(options.jobs());
    InterruptWatcher watcher;
    QTimer ticker;
    ticker.setInterval(tickIntervalMs);
    QObject::connect(&runner, &BatchRunner::documentFinished, &loop, [&](const DocumentOutcome& outcome) {
        summary.elapsedMs = clock.elapsed();
        summary.add(outcome);
        report->documentFinished(outcome, summary);
    });
    QObject::connect(&runner, &BatchRunner::finished, &loop, &QEventLoop::quit);
    QObject::connect(&watcher, &InterruptWatcher::interrupted, &loop, [&] {
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
    m_receivedSignal = watcher.receivedSignal();
    qDebug() << "Task finished.";
    return summary.exitStatus();
}

int CommandRun::usageError(const QString& message)
{
    printTo(stderr,
        QStringLiteral("kompresto: %1\n").arg(message) + tr("Try \"kompresto --help\" for more information.")
            + QLatin1Char('\n'));
    return usageErrorStatus;
}

void CommandRun::startLog(const QStringList& arguments)
{
    // The terminal is the user's: the diagnostics go to the Log folder only, as the window's do.
    LogWriter::setStandardErrorCopy(false);
    ProgramInit::instance()->initLogger();
    qInfo() << "Command line:" << arguments;
}
