#include "cli/CommandLineOptions.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <QThread>
#include <cmath>

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
                                        "that clashes with nothing there, never larger than its source. "
                                        "Results go to standard output, failures and warnings to standard error."));
    const QCommandLineOption output({ QStringLiteral("o"), QStringLiteral("output") },
        tr("Output folder, created when missing; \"-\" writes the one result to standard output. "
           "Required unless --in-place is given."),
        tr("DIR"));
    const QCommandLineOption inPlace({ QStringLiteral("i"), QStringLiteral("in-place") },
        tr("Replace each document by its compressed copy, only when that copy is smaller and sound; "
           "mode, owner and modification time are kept."));
    const QCommandLineOption skipExisting(
        QStringLiteral("skip-existing"), tr("Skip a document whose name exists in the output folder already."));
    const QCommandLineOption overwrite(QStringLiteral("overwrite"),
        tr("Replace a same-named file in the output folder, in one step (never a source document)."));
    const QCommandLineOption preset({ QStringLiteral("p"), QStringLiteral("preset") },
        tr("Compression preset: small, medium or large (default: medium)."), tr("PRESET"));
    const QCommandLineOption level({ QStringLiteral("l"), QStringLiteral("level") },
        tr("Custom level from 1 (smallest file) to 10 (best images), instead of a preset."), tr("LEVEL"));
    const QCommandLineOption targetSize(QStringLiteral("target-size"),
        tr("Deliver the copy of best quality that is at most SIZE: bytes, or with a K, M or G suffix in units of "
           "1024 as du -h and ls -h print them (500K, 1.5M). A document that cannot be made that small gets "
           "its smallest copy and counts as failed. Not with -p or -l."),
        tr("SIZE"));
    const QCommandLineOption recursive({ QStringLiteral("r"), QStringLiteral("recursive") },
        tr("Take the PDFs in folders and their subfolders; the output folder gets the same subfolders."));
    const QCommandLineOption filesFrom(QStringLiteral("files-from"),
        tr("Read more FILE|FOLDER names from FILE, one a line (\"-\": standard input)."), tr("FILE"));
    const QCommandLineOption nulSeparated({ QStringLiteral("0"), QStringLiteral("null") },
        tr("The names of --files-from are separated by NUL bytes, as find -print0 writes them."));
    const QCommandLineOption jobs({ QStringLiteral("j"), QStringLiteral("jobs") },
        tr("Compressions at once (default: the number of cores)."), tr("N"));
    const QCommandLineOption passwordFile(QStringLiteral("password-file"),
        tr("File of open passwords, one per line, tried in turn on locked documents."), tr("FILE"));
    const QCommandLineOption json(
        QStringLiteral("json"), tr("One JSON object per document on standard output, then a summary object."));
    const QCommandLineOption quiet(
        { QStringLiteral("q"), QStringLiteral("quiet") }, tr("Print only the documents that failed."));
    const QCommandLineOption verbose({ QStringLiteral("v"), QStringLiteral("verbose") },
        tr("Also print each document's steps: inspection, unlocking, the copies weighed and the one chosen."));
    const QCommandLineOption help({ QStringLiteral("h"), QStringLiteral("help") }, tr("Show this help."));
    const QCommandLineOption version(QStringLiteral("version"), tr("Show the version."));
    parser.addOptions({ output, inPlace, skipExisting, overwrite, preset, level, targetSize, recursive, filesFrom,
        nulSeparated, jobs, passwordFile, json, quiet, verbose, help, version });
    const QString inputName = tr("FILE|FOLDER");
    parser.addPositionalArgument(inputName,
        tr("PDF documents, or folders that hold them; \"-\" reads one PDF from standard input."),
        inputName + QStringLiteral("..."));
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
    options.m_verbose = parser.isSet(verbose);
    options.m_inPlace = parser.isSet(inPlace);
    options.m_skipExisting = parser.isSet(skipExisting);
    options.m_overwrite = parser.isSet(overwrite);
    options.m_filesFrom = parser.value(filesFrom);
    options.m_nulSeparated = parser.isSet(nulSeparated);
    if (options.checkCombinations()
        && options.readSetting(parser.value(preset), parser.value(level), parser.isSet(preset), parser.isSet(level))
        && (!parser.isSet(targetSize)
            || options.readTargetSize(parser.value(targetSize), parser.isSet(preset) || parser.isSet(level)))
        && options.readJobs(parser.isSet(jobs) ? parser.value(jobs) : QString())) {
        options.m_action = Action::Compress;
    }
    return options;
}

bool CommandLineOptions::checkCombinations()
{
    const QString standardInput = QStringLiteral("-");
    if (m_inPlace && !m_outputFolder.isEmpty()) {
        fail(tr("--in-place replaces the documents themselves: give no output folder with it."));
    } else if (!m_inPlace && m_outputFolder.isEmpty()) {
        fail(tr("No output folder given: name one with -o DIR, or replace the documents with --in-place."));
    } else if (m_inputs.isEmpty() && m_filesFrom.isEmpty()) {
        fail(tr("No documents given: name PDF files or folders after the options."));
    } else if (m_skipExisting && m_overwrite) {
        fail(tr("Give either --skip-existing or --overwrite, not both."));
    } else if (m_inPlace && (m_skipExisting || m_overwrite)) {
        fail(tr("--in-place goes with neither --skip-existing nor --overwrite."));
    } else if (m_quiet && m_verbose) {
        fail(tr("Give either --quiet or --verbose, not both."));
    } else if (m_nulSeparated && m_filesFrom.isEmpty()) {
        fail(tr("-0 tells how the names of --files-from are separated: give --files-from FILE with it."));
    } else if (m_inputs.count(standardInput) + (m_filesFrom == standardInput ? 1 : 0) > 1) {
        fail(tr("Standard input can be read only once: give \"-\" as one input or as the --files-from list."));
    } else if (m_inPlace && m_inputs.contains(standardInput)) {
        fail(tr("A document from standard input cannot be replaced in place: give an output with -o."));
    } else if (toStandardOutput() && (m_json || m_skipExisting || m_overwrite)) {
        fail(tr("-o - writes the document itself to standard output: --json, --skip-existing and --overwrite "
                "do not go with it."));
    } else {
        return true;
    }
    return false;
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

qint64 CommandLineOptions::parseSize(const QString& text)
{
    static const QString suffixes = QStringLiteral("KMG");
    QString number = text.trimmed();
    int shift = 0;
    const int suffix = number.isEmpty() ? -1 : suffixes.indexOf(number.back().toUpper());
    if (suffix >= 0) {
        shift = 10 * (suffix + 1);
        number.chop(1);
    }
    // Plain digits with at most one decimal point: no sign, exponent, "inf" or "nan" gets through.
    static const QRegularExpression plain(QStringLiteral("^[0-9]{1,15}(\\.[0-9]{1,6})?$"));
    if (!plain.match(number).hasMatch() || (shift == 0 && number.contains(QLatin1Char('.')))) {
        return -1;
    }
    const double bytes = std::floor(number.toDouble() * static_cast<double>(qint64(1) << shift));
    // Past this no file system holds a file; it also keeps the conversion inside qint64.
    constexpr double largest = static_cast<double>(qint64(1) << 60);
    if (bytes < 1.0 || bytes > largest) {
        return -1;
    }
    return static_cast<qint64>(bytes);
}

bool CommandLineOptions::readTargetSize(const QString& size, bool settingGiven)
{
    if (settingGiven) {
        fail(tr("--target-size chooses the level itself: give it without -p or -l."));
        return false;
    }
    const qint64 bytes = parseSize(size);
    if (bytes <= 0) {
        fail(tr("The target size must be a positive number of bytes, or one with a K, M or G suffix (500K, 1.5M), "
                "not \"%1\".")
                 .arg(size));
        return false;
    }
    m_setting.mode = FitUnder;
    m_setting.targetSize = bytes;
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
