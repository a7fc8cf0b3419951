#pragma once

#include <QObject>
#include <QString>

/**
 * Starts the log writer and writes the system report at the top of each run: the start marker, the
 * platform and build facts, the processor and memory facts and the program's path. Also keeps the
 * machine and the display awake for the rest of the run.
 */
class ProgramInit final : public QObject
{
    Q_OBJECT

public:
    /** The one instance of the process, created on the first call and never destroyed. */
    static ProgramInit* instance();

    /** Starts the log writer on the Log folder (keeping 100 files), then writes the system report. */
    void initLogger();
    /** Logs the processor lines of the report; facts the system does not expose are left out. */
    void getCpuInfo();
    /** Logs the memory lines of the report. */
    void getMemoryInfo();

private:
    ProgramInit() = default;
};

/**
 * Runs a command line (program and arguments split as a shell would), waits up to 30 seconds and
 * returns its standard output without the command's last word (any case), without line breaks and
 * with white space simplified. Empty when it cannot start or does not finish in time.
 */
QString runCommand(const QString& command);
