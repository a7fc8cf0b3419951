#include "cli/CommandLineOptions.h"

#include <QCommandLineParser>
#include <QThread>

namespace {
    const QString smallPreset = QStringLiteral("small");
    const QString mediumPreset = QStringLiteral("medium");
    const QString largePreset = QStringLiteral("large");
} // namespace

CommandLineOptions CommandLineOptions::parse(const QStringList& arguments)
{
    CommandLineOptions options;
    QCommandLineParser parser;
    parser.setApplicationDescription(tr("Makes PDF files smaller. Each document is rewritten by Ghostscript, "
                                        "checked with qpdf and delivered into the output folder under a name "
                                        "that clashes with nothing there, never larger than its source."));
    const QCommandLineOption output({ QStringLiteral("o"), QStringLiteral("output") },
        tr("Output folder (required; created when missing)."), tr("DIR"));
    const QCommandLineOption preset({ QStringLiteral("p"), QStringLiteral("preset") },
        tr("Compression preset: small, medium or large (default: medium)."), tr("PRESET"));
    const QCommandLineOption level({ QStringLiteral("l"), QStringLiteral("level") },
        tr("Custom level from 1 (smallest file) to 10 (best images), instead of a preset."), tr("LEVEL"));
    const QCommandLineOption recursive(
        { QStringLiteral("r"), QStringLiteral("recursive") }, tr("Take the PDFs in folders and their subfolders."));
    const QCommandLineOption jobs({ QStringLiteral("j"), QStringLiteral("jobs") },
        tr("Compressions at once (default: the number of cores)."), tr("N"));
    const QCommandLineOption passwordFile(QStringLiteral("password-file"),
        tr("File of open passwords, one per line, tried in turn on locked documents."), tr("FILE"));
    const QCommandLineOption json(
        QStringLiteral("json"), tr("One JSON object per document on standard output, then a summary object."));
    const QCommandLineOption quiet(
        { QStringLiteral("q"), QStringLiteral("quiet") }, tr("Print only the documents that failed."));
    const QCommandLineOption help({ QStringLiteral("h"), QStringLiteral("help") }, tr("Show this help."));
    const QCommandLineOption version(QStringLiteral("version"), tr("Show the version."));
    parser.addOptions({ output, preset, level, recursive, jobs, passwordFile, json, quiet, help, version });
    const QString inputName = tr("FILE|FOLDER");
    parser.addPositionalArgument(
        inputName, tr("PDF documents, or folders that hold them."), inputName + QStringLiteral("..."));
    // The parser names the program by the path it was started with; the help names the command.
    options.m_helpText = parser.helpText();
    if (!arguments.isEmpty()) {
        options.m_helpText.replace(arguments.first(), QStringLiteral("kompresto"));
    }

    if (!parser.parse(arguments)) {
        options.fail(parser.errorText());
        return options;
    }
    if (parser.isSet(help)) {
        options.m_action = Action::ShowHelp;
        return options;
    }
    if (parser.isSet(version)) {
        options.m_action = Action::ShowVersion;
        return options;
    }

    options.m_inputs = parser.positionalArguments();
    options.m_outputFolder = parser.value(output);
    options.m_recursive = parser.isSet(recursive);
    options.m_passwordFile = parser.value(passwordFile);
    options.m_json = parser.isSet(json);
    options.m_quiet = parser.isSet(quiet);
    if (options.m_outputFolder.isEmpty()) {
        options.fail(tr("No output folder given: name one with -o DIR."));
    } else if (options.m_inputs.isEmpty()) {
        options.fail(tr("No documents given: name PDF files or folders after the options."));
    } else if (options.readSetting(parser.value(preset), parser.value(level), parser.isSet(preset), parser.isSet(level))
        && options.readJobs(parser.isSet(jobs) ? parser.value(jobs) : QString())) {
        options.m_action = Action::Compress;
    }
    return options;
}

void CommandLineOptions::fail(const QString& message)
{
    m_action = Action::UsageError;
    m_usageError = message;
}

bool CommandLineOptions::readSetting(const QString& preset, const QString& level, bool presetGiven, bool levelGiven)
{
    if (presetGiven && levelGiven) {
        fail(tr("Give either a preset or a level, not both."));
        return false;
    }
    if (levelGiven) {
        bool isNumber = false;
        const int value = level.toInt(&isNumber);
        if (!isNumber || value < CompressSetting::minimumLevel || value > CompressSetting::maximumLevel) {
            fail(tr("The level must be a whole number from 1 to 10, not \"%1\".").arg(level));
            return false;
        }
        m_setting.mode = Custom;
        m_setting.level = static_cast<quint16>(value);
        return true;
    }
    const QString name = presetGiven ? preset.toLower() : mediumPreset;
    if (name == smallPreset) {
        m_setting.mode = High;
    } else if (name == mediumPreset) {
        m_setting.mode = Medium;
    } else if (name == largePreset) {
        m_setting.mode = Low;
    } else {
        fail(tr("Unknown preset \"%1\": use small, medium or large.").arg(preset));
        return false;
    }
    return true;
}

bool CommandLineOptions::readJobs(const QString& jobs)
{
    if (jobs.isNull()) {
        m_jobs = qMax(1, QThread::idealThreadCount());
        return true;
    }
    bool isNumber = false;
    m_jobs = jobs.toInt(&isNumber);
    if (!isNumber || m_jobs < 1) {
        fail(tr("The number of jobs must be a whole number of 1 or more, not \"%1\".").arg(jobs));
        return false;
    }
    return true;
}
