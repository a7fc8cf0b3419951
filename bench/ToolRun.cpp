#include "ToolRun.h"

#include "ProcessStats.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {
    // No single step of the benchmark takes this long; a hung tool must not hang the whole run.
    constexpr int timeoutMilliseconds = 60 * 60 * 1000;
    const QString timeProgram = QStringLiteral("/usr/bin/time");
} // namespace

namespace ToolRun {
    ToolResult run(const QString& program, const QStringList& arguments, bool measurePeakMemory)
    {
        ToolResult result;
        QString command = program;
        QStringList commandArguments = arguments;
        QTemporaryFile memoryReport;
        if (measurePeakMemory) {
            if (!memoryReport.open()) {
                return result;
            }
            command = timeProgram;
            commandArguments = QStringList {
                QStringLiteral("-f"), QStringLiteral("%M"), QStringLiteral("-o"), memoryReport.fileName(), program
            } + arguments;
        }

        QProcess process;
        const double childrenCpuBefore = ProcessStats::childrenCpuSeconds();
        QElapsedTimer timer;
        timer.start();
        process.start(command, commandArguments);
        if (!process.waitForStarted()) {
            return result;
        }
        process.closeWriteChannel();
        if (!process.waitForFinished(timeoutMilliseconds)) {
            process.kill();
            process.waitForFinished();
        }
        result.seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        // The program has been reaped: its time, and that of whatever it waited for, counts among the children's.
        result.cpuSeconds = ProcessStats::childrenCpuSeconds() - childrenCpuBefore;
        result.started = true;
        result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        result.standardOutput = process.readAllStandardOutput();
        result.standardError = process.readAllStandardError();
        if (measurePeakMemory) {
            const QList<QByteArray> lines = memoryReport.readAll().trimmed().split('\n');
            bool isNumber = false;
            const qint64 peak = lines.isEmpty() ? -1 : lines.last().trimmed().toLongLong(&isNumber);
            result.peakKiB = isNumber ? peak : -1;
        }
        return result;
    }

    bool available(const QString& program) { return !QStandardPaths::findExecutable(program).isEmpty(); }

    QString versionLine(const QString& program, const QStringList& arguments)
    {
        if (!available(program)) {
            return QStringLiteral("not installed");
        }
        const ToolResult result = run(program, arguments);
        // Some tools (pdftoppm) print their version on the error channel.
        const QByteArray text
            = result.standardOutput.trimmed().isEmpty() ? result.standardError : result.standardOutput;
        return QString::fromLocal8Bit(text.trimmed().split('\n').value(0)).trimmed();
    }

    QMap<QString, QString> keyValues(const QByteArray& text)
    {
        QMap<QString, QString> values;
        const QList<QByteArray> lines = text.trimmed().split('\n');
        for (auto line = lines.crbegin(); line != lines.crend() && values.isEmpty(); ++line) {
            for (const QByteArray& field : line->simplified().split(' ')) {
                const int separator = field.indexOf('=');
                if (separator > 0) {
                    values.insert(
                        QString::fromUtf8(field.left(separator)), QString::fromUtf8(field.mid(separator + 1)));
                }
            }
        }
        return values;
    }
} // namespace ToolRun
