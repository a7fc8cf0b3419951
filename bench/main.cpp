// The benchmark program: builds or installs the corpus, runs every measure and writes the Markdown
// report. It also serves as the child process of the measures that need a process of their own.

#include "AddFilesMeasure.h"
#include "BatchMeasure.h"
#include "BenchContext.h"
#include "CommandJobsMeasure.h"
#include "Corpus.h"
#include "EngineOverheadMeasure.h"
#include "FitMeasure.h"
#include "ImageComparison.h"
#include "MarkdownTable.h"
#include "OutputNameMeasure.h"
#include "PeakMemoryMeasure.h"
#include "ProcessStats.h"
#include "SizeQualityMeasure.h"
#include "ToolRun.h"
#include "WindowBatchMeasure.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>
#include <cstdio>
#include <cstring>
#include <functional>
#include <ghostscript/iapi.h>
#include <qpdf/QPDF.hh>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
    const QStringList allMeasures = { QStringLiteral("engine"), QStringLiteral("quality"), QStringLiteral("batch"),
        QStringLiteral("addfiles"), QStringLiteral("memory"), QStringLiteral("command"), QStringLiteral("windowbatch"),
        QStringLiteral("naming"), QStringLiteral("fit") };

    // The compressor logs every interpreter argument at debug level; only problems matter here.
    void quietMessageHandler(QtMsgType type, const QMessageLogContext&, const QString& message)
    {
        if (type != QtDebugMsg && type != QtInfoMsg) {
            std::fprintf(stderr, "%s\n", qPrintable(message));
        }
    }

    /** No run of the benchmark may take the memory that the people sharing this machine need. */
    void capAddressSpace()
    {
        const rlim_t half = static_cast<rlim_t>(ProcessStats::totalMemoryKiB()) * 1024 / 2;
        rlimit limit {};
        if (half > 0 && getrlimit(RLIMIT_AS, &limit) == 0
            && (limit.rlim_cur == RLIM_INFINITY || limit.rlim_cur > half)) {
            limit.rlim_cur = half;
            setrlimit(RLIMIT_AS, &limit);
        }
    }

    void progress(const QString& text)
    {
        std::fprintf(stderr, "[%s] %s\n", qPrintable(QTime::currentTime().toString(QStringLiteral("HH:mm:ss"))),
            qPrintable(text));
    }

    QString ghostscriptVersion()
    {
        gsapi_revision_t revision {};
        if (gsapi_revision(&revision, sizeof(revision)) != 0) {
            return QStringLiteral("unknown");
        }
        return QStringLiteral("%1 %2.%3.%4")
            .arg(QString::fromLatin1(revision.product))
            .arg(revision.revision / 1000)
            .arg(revision.revision / 10 % 100, 2, 10, QLatin1Char('0'))
            .arg(revision.revision % 10);
    }

    QString machineSection(const QString& loadAtStart)
    {
        MarkdownTable table({ QStringLiteral("Machine"), QString() }, QStringLiteral("ll"));
        table.addRow({ QStringLiteral("Cores"), QString::number(ProcessStats::coreCount()) });
        table.addRow({ QStringLiteral("Memory"),
            QStringLiteral("%1 GiB").arg(
                MarkdownTable::number(static_cast<double>(ProcessStats::totalMemoryKiB()) / 1048576.0, 1)) });
        table.addRow({ QStringLiteral("Processor"), ProcessStats::processorModel() });
        table.addRow({ QStringLiteral("Load average at start (1, 5, 15 min)"), loadAtStart });
        table.addRow({ QStringLiteral("Load average at end"), ProcessStats::loadAverage() });
        table.addRow({ QStringLiteral("libgs"), ghostscriptVersion() });
        table.addRow({ QStringLiteral("`gs` command"),
            ToolRun::versionLine(QStringLiteral("gs"), { QStringLiteral("--version") }) });
        table.addRow({ QStringLiteral("qpdf library"), QString::fromStdString(QPDF::QPDFVersion()) });
        table.addRow(
            { QStringLiteral("pdftoppm"), ToolRun::versionLine(QStringLiteral("pdftoppm"), { QStringLiteral("-v") }) });
        table.addRow({ QStringLiteral("Qt"), QString::fromLatin1(qVersion()) });
        return table.toMarkdown();
    }

    QString corpusSection(Corpus& corpus, const QStringList& measures)
    {
        MarkdownTable table(
            { QStringLiteral("Document"), QStringLiteral("Origin"), QStringLiteral("Pages"), QStringLiteral("MiB") },
            QStringLiteral("llrr"));
        for (const CorpusDocument& document : corpus.documents()) {
            table.addRow({ document.name, document.origin, QString::number(document.pages),
                MarkdownTable::mebibytes(document.bytes) });
        }
        if (measures.contains(QStringLiteral("memory"))) {
            const CorpusDocument large = corpus.largeDocument();
            table.addRow({ large.name, large.origin + QStringLiteral(" (memory measure only)"),
                QString::number(large.pages), MarkdownTable::mebibytes(large.bytes) });
        }
        QString text = QStringLiteral("## Corpus\n\n") + table.toMarkdown();
        for (const QString& missing : corpus.missingDocuments()) {
            text += QStringLiteral("\n- Left out, not installed: `%1`").arg(missing);
        }
        return text + QLatin1Char('\n');
    }

    int runChild(const QStringList& arguments)
    {
        if (arguments.size() == 5 && arguments.at(0) == QLatin1String("--child-compress")) {
            return PeakMemoryMeasure::compressInChild(
                arguments.at(1), arguments.at(2).toInt(), arguments.at(3).toInt(), arguments.at(4));
        }
        if (arguments.size() == 4 && arguments.at(0) == QLatin1String("--child-addfiles")) {
            return AddFilesMeasure::addInChild(arguments.at(1), arguments.at(2).toInt(), arguments.at(3).toInt());
        }
        if (arguments.size() == 3 && arguments.at(0) == QLatin1String("--child-compare")) {
            // For checking the quality figures against another tool by hand.
            ImageComparison comparison;
            comparison.addPage(QImage(arguments.at(1)), QImage(arguments.at(2)));
            std::printf("psnr=%.3f ssim=%.5f mismatched=%d\n", comparison.psnr(), comparison.ssim(),
                comparison.mismatchedPages());
            return 0;
        }
        std::fprintf(stderr, "Unknown child request\n");
        return 2;
    }

    bool isWindowChild(int argc, char* argv[])
    {
        return (argc == 4 && std::strcmp(argv[1], "--child-addwindow") == 0)
            || (argc == 5 && std::strcmp(argv[1], "--child-windowbatch") == 0);
    }

    /** The child sides that run the real main window, styled as the application styles it. */
    int runWindowChild(int argc, char* argv[])
    {
        QApplication widgets(argc, argv);
        QFile styleSheet(QStringLiteral(":/resource/style.qss"));
        if (styleSheet.open(QIODevice::ReadOnly)) {
            widgets.setStyleSheet(QString::fromUtf8(styleSheet.readAll()));
        }
        const QStringList arguments = QCoreApplication::arguments().mid(1);
        if (arguments.at(0) == QLatin1String("--child-addwindow")) {
            return AddFilesMeasure::addToWindowInChild(arguments.at(1), arguments.at(2).toInt());
        }
        return WindowBatchMeasure::compressInWindowChild(arguments.at(1), arguments.at(2).toInt(), arguments.at(3));
    }
} // namespace

int main(int argc, char* argv[])
{
    // Fonts and the PDF writer need a GUI application; no window is ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Qt wants a private runtime folder for the offscreen platform; a plain shell may not name one.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QByteArray runtime
            = QFile::encodeName(QDir::tempPath() + QStringLiteral("/kompresto-bench-runtime-%1").arg(getuid()));
        mkdir(runtime.constData(), 0700);
        qputenv("XDG_RUNTIME_DIR", runtime);
    }
    capAddressSpace();
    qInstallMessageHandler(quietMessageHandler);
    // The window's measures build real widgets, which need the widget application.
    if (isWindowChild(argc, argv)) {
        return runWindowChild(argc, argv);
    }
    QGuiApplication application(argc, argv);

    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (!arguments.isEmpty() && arguments.first().startsWith(QLatin1String("--child-"))) {
        return runChild(arguments);
    }

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Benchmarks of Vantorel Kompresto; writes a Markdown report."));
    parser.addHelpOption();
    const QCommandLineOption quickOption(
        QStringLiteral("quick"), QStringLiteral("Small corpus, single runs: to try the benchmarks out."));
    const QCommandLineOption workOption(QStringLiteral("work"), QStringLiteral("Scratch and corpus folder."),
        QStringLiteral("folder"), QDir::currentPath() + QStringLiteral("/bench-work"));
    const QCommandLineOption reportOption(QStringLiteral("report"),
        QStringLiteral("Where the report goes (else standard output)."), QStringLiteral("file"));
    const QCommandLineOption measuresOption(QStringLiteral("measures"),
        QStringLiteral("Comma-separated subset of %1.").arg(allMeasures.join(QLatin1Char(','))), QStringLiteral("list"),
        allMeasures.join(QLatin1Char(',')));
    const QCommandLineOption repetitionsOption(QStringLiteral("repetitions"),
        QStringLiteral("Runs per median (default 3, quick 1)."), QStringLiteral("count"));
    const QCommandLineOption debianListOption(
        QStringLiteral("debian-list"), QStringLiteral("The list of Debian documents."), QStringLiteral("file"));
    const QCommandLineOption commandOption(
        QStringLiteral("command"), QStringLiteral("The command line to name in the report."), QStringLiteral("text"));
    parser.addOptions(
        { quickOption, workOption, reportOption, measuresOption, repetitionsOption, debianListOption, commandOption });
    parser.process(application);

    const QStringList measures = parser.value(measuresOption).split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString& measure : measures) {
        if (!allMeasures.contains(measure)) {
            std::fprintf(stderr, "Unknown measure: %s\n", qPrintable(measure));
            return 2;
        }
    }
    const QString workFolder = QDir(parser.value(workOption)).absolutePath();
    // The compressor stages its copies under the home folder: keep them away from the user's own.
    const QString home = workFolder + QStringLiteral("/home");
    QDir().mkpath(home);
    qputenv("HOME", QFile::encodeName(home));

    BenchContext context;
    context.workFolder = workFolder + QStringLiteral("/scratch");
    QDir(context.workFolder).removeRecursively();
    QDir().mkpath(context.workFolder);
    context.selfPath = QCoreApplication::applicationFilePath();
    context.quick = parser.isSet(quickOption);
    context.repetitions
        = parser.isSet(repetitionsOption) ? qMax(1, parser.value(repetitionsOption).toInt()) : (context.quick ? 1 : 3);
    const QString debianList = parser.isSet(debianListOption)
        ? parser.value(debianListOption)
        : QStringLiteral(KOMPRESTO_BENCH_SOURCE_DIR "/debian-documents.txt");
    Corpus corpus(workFolder + QStringLiteral("/corpus"), debianList, context.quick);
    context.corpus = &corpus;

    const QString loadAtStart = ProcessStats::loadAverage();
    const QDateTime started = QDateTime::currentDateTime();
    QElapsedTimer clock;
    clock.start();
    progress(QStringLiteral("Preparing the corpus"));
    const QString corpusText = corpusSection(corpus, measures);

    const QList<QPair<QString, std::function<QString(const BenchContext&)>>> sections = {
        { QStringLiteral("engine"), EngineOverheadMeasure::run },
        { QStringLiteral("quality"), SizeQualityMeasure::run },
        { QStringLiteral("batch"), BatchMeasure::run },
        { QStringLiteral("addfiles"), AddFilesMeasure::run },
        { QStringLiteral("memory"), PeakMemoryMeasure::run },
        { QStringLiteral("command"), CommandJobsMeasure::run },
        { QStringLiteral("windowbatch"), WindowBatchMeasure::run },
        { QStringLiteral("naming"), OutputNameMeasure::run },
        { QStringLiteral("fit"), FitMeasure::run },
    };
    QString measuresText;
    for (const auto& [name, measure] : sections) {
        if (measures.contains(name)) {
            progress(QStringLiteral("Measuring: %1").arg(name));
            measuresText += QLatin1Char('\n') + measure(context);
        }
    }

    const QString command = parser.isSet(commandOption) ? parser.value(commandOption)
                                                        : QCoreApplication::arguments().join(QLatin1Char(' '));
    QString report = QStringLiteral("# Benchmarks\n\n");
    report += QStringLiteral(
        "Produced by `%1` on %2, in %3 minutes%4. The machine is shared: other people were building and "
        "testing on it during the run, and the benchmark ran at the lowest priority (`nice -n 19`), so "
        "absolute times are noisy; ratios and shares measured side by side in the same run are the "
        "figures to trust.\n\n")
                  .arg(command, started.toString(Qt::ISODate))
                  .arg(MarkdownTable::number(static_cast<double>(clock.elapsed()) / 60000.0, 1))
                  .arg(context.quick ? QStringLiteral(" (quick run: small corpus, single runs)") : QString());
    report += machineSection(loadAtStart) + QLatin1Char('\n') + corpusText + measuresText;

    if (!parser.isSet(reportOption)) {
        std::printf("%s", qPrintable(report));
        return 0;
    }
    QSaveFile file(parser.value(reportOption));
    if (!file.open(QIODevice::WriteOnly) || file.write(report.toUtf8()) < 0 || !file.commit()) {
        std::fprintf(stderr, "Could not write %s\n", qPrintable(parser.value(reportOption)));
        return 1;
    }
    progress(QStringLiteral("Report written to %1").arg(parser.value(reportOption)));
    return 0;
}
