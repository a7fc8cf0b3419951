#include "foundation/ProgramInit.h"

#include "foundation/LogSite.h"
#include "foundation/LogWriter.h"
#include "foundation/ProductConstants.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QSysInfo>
#include <sys/sysinfo.h>
#include <unistd.h>

namespace {
    const char* const sourceFile = "src/ProgramInit";
    constexpr int commandTimeoutMs = 30000;
    constexpr int maximumLogFiles = 100;

    /** "key : value" lines of a /proc file, up to the first empty line (the first processor's block). */
    QHash<QString, QString> procFields(const QString& path)
    {
        QHash<QString, QString> fields;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            return fields;
        }
        // /proc files report a size of 0: atEnd() holds at once, but readAll() reads to the end.
        const QList<QByteArray> lines = file.readAll().split('\n');
        for (const QByteArray& bytes : lines) {
            const QString line = QString::fromUtf8(bytes).trimmed();
            if (line.isEmpty()) {
                if (!fields.isEmpty()) {
                    break;
                }
                continue;
            }
            const int colon = line.indexOf(QLatin1Char(':'));
            if (colon > 0 && !fields.contains(line.left(colon).trimmed())) {
                fields.insert(line.left(colon).trimmed(), line.mid(colon + 1).trimmed());
            }
        }
        return fields;
    }

    /** A /proc/meminfo amount ("16303412 kB") in bytes, or -1 when the field is missing. */
    qint64 meminfoBytes(const QHash<QString, QString>& fields, const QString& name)
    {
        const QString value = fields.value(name).section(QLatin1Char(' '), 0, 0);
        bool ok = false;
        const qint64 kibibytes = value.toLongLong(&ok);
        return ok ? kibibytes * 1024 : -1;
    }
} // namespace

ProgramInit* ProgramInit::instance()
{
    static ProgramInit* const programInit = new ProgramInit;
    return programInit;
}

void ProgramInit::initLogger()
{
    installLogHandler(Product::logFolderBelowHome, maximumLogFiles);
    qInfo() << LOG_SITE(sourceFile, "ProgramInit::initLogger")
            << "App run >>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>>";

    // Windows' version number has no counterpart here, so its line is left out.
    qInfo() << LOG_SITE(sourceFile, "ProgramInit::initLogger") << "buildAbi: " << QSysInfo::buildAbi();
    qInfo() << LOG_SITE(sourceFile, "ProgramInit::initLogger")
            << "buildCpuArchitecture: " << QSysInfo::buildCpuArchitecture();
    qInfo() << LOG_SITE(sourceFile, "ProgramInit::initLogger")
            << "currentCpuArchitecture: " << QSysInfo::currentCpuArchitecture();
    qInfo() << LOG_SITE(sourceFile, "ProgramInit::initLogger") << "kernelType: " << QSysInfo::kernelType();
    qInfo() << LOG_SITE(sourceFile, "ProgramInit::initLogger") << "kernelVersion: " << QSysInfo::kernelVersion();
    qInfo() << LOG_SITE(sourceFile, "ProgramInit::initLogger") << "machineHostName: " << QSysInfo::machineHostName();
    qInfo() << LOG_SITE(sourceFile, "ProgramInit::initLogger")
            << "prettyProductName: " << QSysInfo::prettyProductName();
    qInfo() << LOG_SITE(sourceFile, "ProgramInit::initLogger") << "productType: " << QSysInfo::productType();
    qInfo() << LOG_SITE(sourceFile, "ProgramInit::initLogger") << "productVersion: " << QSysInfo::productVersion();

    getCpuInfo();
    getMemoryInfo();

    qInfo() << LOG_SITE(sourceFile, "ProgramInit::initLogger") << QCoreApplication::applicationFilePath();
}

void ProgramInit::getCpuInfo()
{
    const QHash<QString, QString> processor = procFields(QStringLiteral("/proc/cpuinfo"));
    if (processor.contains(QStringLiteral("model name"))) {
        qInfo() << LOG_SITE(sourceFile, "ProgramInit::getCpuInfo")
                << "CPU Info:" << processor.value(QStringLiteral("model name"));
    }
    qInfo() << LOG_SITE(sourceFile, "ProgramInit::getCpuInfo") << "CPU Count: " << sysconf(_SC_NPROCESSORS_ONLN);

    // The level and version follow the x86 meaning the report has always had: the family, and the
    // model and stepping packed as model * 256 + stepping. Other processors do not report them, and
    // no processor type number exists here, so those lines are left out.
    bool familyOk = false;
    const int family = processor.value(QStringLiteral("cpu family")).toInt(&familyOk);
    if (familyOk) {
        qInfo() << LOG_SITE(sourceFile, "ProgramInit::getCpuInfo") << "CPU Level: " << family;
    }
    bool modelOk = false;
    bool steppingOk = false;
    const int model = processor.value(QStringLiteral("model")).toInt(&modelOk);
    const int stepping = processor.value(QStringLiteral("stepping")).toInt(&steppingOk);
    if (modelOk && steppingOk) {
        qInfo() << LOG_SITE(sourceFile, "ProgramInit::getCpuInfo") << "CPU Version: " << (model << 8 | stepping);
    }
}

void ProgramInit::getMemoryInfo()
{
    const QHash<QString, QString> memory = procFields(QStringLiteral("/proc/meminfo"));
    qint64 total = meminfoBytes(memory, QStringLiteral("MemTotal"));
    qint64 available = meminfoBytes(memory, QStringLiteral("MemAvailable"));
    if (total <= 0 || available < 0) {
        struct sysinfo facts
        {
        };
        if (sysinfo(&facts) != 0) {
            return;
        }
        total = static_cast<qint64>(facts.totalram) * facts.mem_unit;
        available = static_cast<qint64>(facts.freeram + facts.bufferram) * facts.mem_unit;
    }
    if (total <= 0) {
        return;
    }
    const qint64 usedPercent = (total - available) * 100 / total;
    qInfo() << LOG_SITE(sourceFile, "ProgramInit::getMemoryInfo") << "memery used(%):" << usedPercent;
    qInfo() << LOG_SITE(sourceFile, "ProgramInit::getMemoryInfo") << "memery(MB):" << (total >> 20);
    qInfo() << LOG_SITE(sourceFile, "ProgramInit::getMemoryInfo") << "Available memery(MB):" << (available >> 20);
}

QString runCommand(const QString& command)
{
    QStringList arguments = QProcess::splitCommand(command);
    if (arguments.isEmpty()) {
        return QString();
    }
    const QString program = arguments.takeFirst();
    QProcess process;
    process.start(program, arguments, QIODevice::ReadWrite);
    if (!process.waitForFinished(commandTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return QString();
    }

    QString output = QString::fromLocal8Bit(process.readAllStandardOutput());
    // The last word of the command names the column the output opens with ("name" gives "Name").
    const QString lastWord = command.split(QLatin1Char(' ')).last();
    if (!lastWord.isEmpty()) {
        output.remove(lastWord, Qt::CaseInsensitive);
    }
    output.remove(QLatin1Char('\r'));
    output.remove(QLatin1Char('\n'));
    return output.simplified();
}
