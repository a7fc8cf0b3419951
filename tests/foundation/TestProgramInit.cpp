#include "foundation/LogWriter.h"
#include "foundation/ProductConstants.h"
#include "foundation/ProgramInit.h"
#include "foundation/SleepInhibitor.h"
#include "support/LogReader.h"
#include "support/TestHome.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTest>
#include <unistd.h>

namespace {
    QString firstCpuField(const QString& name)
    {
        QFile file(QStringLiteral("/proc/cpuinfo"));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            return QString();
        }
        const QRegularExpression field(QStringLiteral("^%1\\s*:\\s*(.*)$").arg(QRegularExpression::escape(name)),
            QRegularExpression::MultilineOption);
        return field.match(QString::fromUtf8(file.readAll())).captured(1).trimmed();
    }

    QString quoted(const QString& text) { return QLatin1Char('"') + text + QLatin1Char('"'); }
} // namespace

class TestProgramInit final : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void writesSystemReportInOrder();
    void reportsWhenTheMachineCannotBeKeptAwake();
    void runCommandCleansOutput_data();
    void runCommandCleansOutput();
};

void TestProgramInit::cleanup() { qInstallMessageHandler(nullptr); }

void TestProgramInit::writesSystemReportInOrder()
{
    TestHome home;
    ProgramInit::instance()->initLogger();
    QCOMPARE(QDir::cleanPath(LogWriter::logFolder()), QDir::cleanPath(Product::logFolder()));

    const QStringList lines = LogReader::entries(QStringLiteral("i"));
    const QString initLogger = QStringLiteral("^src/ProgramInit ProgramInit::initLogger \\d+ ");
    const QString cpuInfo = QStringLiteral("^src/ProgramInit ProgramInit::getCpuInfo \\d+ ");
    const QString memoryInfo = QStringLiteral("^src/ProgramInit ProgramInit::getMemoryInfo \\d+ ");
    auto fact = [](const QString& label, const QString& value) {
        return QRegularExpression::escape(label) + QLatin1Char(' ') + QRegularExpression::escape(value)
            + QLatin1Char('$');
    };

    QStringList expected;
    expected << initLogger + QStringLiteral("App run >{59}$");
    expected << initLogger + fact(QStringLiteral("buildAbi: "), quoted(QSysInfo::buildAbi()));
    expected << initLogger + fact(QStringLiteral("buildCpuArchitecture: "), quoted(QSysInfo::buildCpuArchitecture()));
    expected << initLogger
            + fact(QStringLiteral("currentCpuArchitecture: "), quoted(QSysInfo::currentCpuArchitecture()));
    expected << initLogger + fact(QStringLiteral("kernelType: "), quoted(QStringLiteral("linux")));
    expected << initLogger + fact(QStringLiteral("kernelVersion: "), quoted(QSysInfo::kernelVersion()));
    expected << initLogger + fact(QStringLiteral("machineHostName: "), quoted(QSysInfo::machineHostName()));
    expected << initLogger + fact(QStringLiteral("prettyProductName: "), quoted(QSysInfo::prettyProductName()));
    expected << initLogger + fact(QStringLiteral("productType: "), quoted(QSysInfo::productType()));
    expected << initLogger + fact(QStringLiteral("productVersion: "), quoted(QSysInfo::productVersion()));
    const QString modelName = firstCpuField(QStringLiteral("model name"));
    if (!modelName.isEmpty()) {
        expected << cpuInfo + fact(QStringLiteral("CPU Info:"), quoted(modelName));
    }
    expected << cpuInfo + fact(QStringLiteral("CPU Count: "), QString::number(sysconf(_SC_NPROCESSORS_ONLN)));
    const QString family = firstCpuField(QStringLiteral("cpu family"));
    if (!family.isEmpty()) {
        const int version
            = firstCpuField(QStringLiteral("model")).toInt() * 256 + firstCpuField(QStringLiteral("stepping")).toInt();
        expected << cpuInfo + fact(QStringLiteral("CPU Level: "), family);
        expected << cpuInfo + fact(QStringLiteral("CPU Version: "), QString::number(version));
    }
    expected << memoryInfo + QStringLiteral("memery used\\(%\\): (\\d|[1-9]\\d|100)$");
    expected << memoryInfo + QStringLiteral("memery\\(MB\\): [1-9]\\d*$");
    expected << memoryInfo + QStringLiteral("Available memery\\(MB\\): \\d+$");
    expected << initLogger + QRegularExpression::escape(quoted(QCoreApplication::applicationFilePath()))
            + QLatin1Char('$');

    QCOMPARE(lines.size(), expected.size());
    for (int index = 0; index < expected.size(); ++index) {
        QVERIFY2(QRegularExpression(expected.at(index)).match(lines.at(index)).hasMatch(),
            qPrintable(lines.at(index) + QStringLiteral("  !~  ") + expected.at(index)));
    }
    QVERIFY(!lines.join(QLatin1Char('\n')).contains(QStringLiteral("WindowsVersion")));
    QVERIFY(!lines.join(QLatin1Char('\n')).contains(QStringLiteral("CPU Type")));
}

void TestProgramInit::reportsWhenTheMachineCannotBeKeptAwake()
{
    // Start-up leaves the machine free to sleep and the screen to lock: only a run keeps them awake.
    TestHome home;
    ProgramInit::instance()->initLogger();
    QVERIFY(!SleepInhibitor::instance()->isKeepingAwake());
    QVERIFY(LogReader::entries(QStringLiteral("d")).filter(QStringLiteral("Cannot keep awake:")).isEmpty());
    QVERIFY(LogReader::entries(QStringLiteral("i")).last().endsWith(quoted(QCoreApplication::applicationFilePath())));

    // main() pointed both buses at nothing: one debug line says so and the run goes on.
    SleepInhibitor::instance()->keepAwake();
    const QStringList awake = LogReader::entries(QStringLiteral("d")).filter(QStringLiteral("Cannot keep awake:"));
    QCOMPARE(awake.size(), 1);
    QVERIFY(awake.first().contains(QStringLiteral("display")));
    QVERIFY(awake.first().contains(QStringLiteral("machine")));
    QVERIFY(SleepInhibitor::instance()->isKeepingAwake());
    SleepInhibitor::instance()->release();
    QVERIFY(!SleepInhibitor::instance()->isKeepingAwake());
}

void TestProgramInit::runCommandCleansOutput_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("expected");
    QTest::newRow("column header and line breaks")
        << "printf \"Name\\r\\nIntel(R) Core(TM)  i7-8700 CPU\\r\\n\\r\\n\" name"
        << "Intel(R) Core(TM) i7-8700 CPU";
    QTest::newRow("every occurrence, any case") << "printf \"NAME left nAmE right name\\n\" Name"
                                                << "left right";
    QTest::newRow("inside other words too") << "printf \"Username\\n\" name"
                                            << "User";
    QTest::newRow("white space simplified") << "printf \"  a \\t\\t b  \\n\" zz"
                                            << "a b";
    QTest::newRow("missing program") << "no-such-program-kompresto --name"
                                     << "";
    QTest::newRow("empty command") << ""
                                   << "";
}

void TestProgramInit::runCommandCleansOutput()
{
    QFETCH(QString, command);
    QFETCH(QString, expected);
    QCOMPARE(runCommand(command), expected);
}

int main(int argc, char* argv[])
{
    // No bus answers in this test: the report must go on without one.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/kompresto-session-bus");
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/kompresto-system-bus");
    QCoreApplication application(argc, argv);
    TestProgramInit test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestProgramInit.moc"
