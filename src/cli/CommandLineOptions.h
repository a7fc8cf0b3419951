#pragma once

#include "engine/CompressSetting.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

/** What the user asked the command to do, read from its arguments. */
class CommandLineOptions final
{
    Q_DECLARE_TR_FUNCTIONS(CommandLineOptions)

public:
    enum class Action
    {
        Compress,
        ShowHelp,
        ShowVersion,
        UsageError, // usageError() says what is wrong
    };

    /** Reads the arguments (the program's name first); never exits the process. */
    static CommandLineOptions parse(const QStringList& arguments);

    Action action() const { return m_action; }
    QString usageError() const { return m_usageError; }
    QString helpText() const { return m_helpText; }

    QStringList inputs() const { return m_inputs; }
    QString outputFolder() const { return m_outputFolder; }
    CompressSetting setting() const { return m_setting; }
    bool recursive() const { return m_recursive; }
    int jobs() const { return m_jobs; }
    QString passwordFile() const { return m_passwordFile; }
    bool json() const { return m_json; }
    bool quiet() const { return m_quiet; }
    bool verbose() const { return m_verbose; }
    bool inPlace() const { return m_inPlace; }
    bool skipExisting() const { return m_skipExisting; }
    bool overwrite() const { return m_overwrite; }
    /** The file that lists more inputs ("-" for standard input); empty when none. */
    QString filesFrom() const { return m_filesFrom; }
    /** The list of filesFrom() is separated by NUL bytes, not by lines. */
    bool nulSeparated() const { return m_nulSeparated; }
    /**
     * A size as --target-size takes it: bytes, or a number with a K, M or G suffix in units of 1024
     * ("1.5M"); -1 when it is no positive size.
     */
    static qint64 parseSize(const QString& text);

    /** -o -: the one result goes to standard output. */
    bool toStandardOutput() const { return m_outputFolder == QLatin1String("-"); }

private:
    void fail(const QString& message);
    bool readSetting(const QString& preset, const QString& level, bool presetGiven, bool levelGiven);
    bool readTargetSize(const QString& size, bool settingGiven);
    bool readJobs(const QString& jobs);
    bool checkCombinations();

    Action m_action = Action::Compress;
    QString m_usageError;
    QString m_helpText;
    QStringList m_inputs;
    QString m_outputFolder;
    CompressSetting m_setting;
    bool m_recursive = false;
    int m_jobs = 1;
    QString m_passwordFile;
    bool m_json = false;
    bool m_quiet = false;
    bool m_verbose = false;
    bool m_inPlace = false;
    bool m_skipExisting = false;
    bool m_overwrite = false;
    QString m_filesFrom;
    bool m_nulSeparated = false;
};
