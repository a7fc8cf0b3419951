#include "Rewriters.h"

#include "ProcessStats.h"

#include "ToolRun.h"
#include "engine/CompressSetting.h"
#include "engine/GSCompressor.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <ghostscript/iapi.h>
#include <vector>

namespace {
    const QString outputOption = QStringLiteral("-sOutputFile=");

    double secondsSince(const QElapsedTimer& timer) { return static_cast<double>(timer.nsecsElapsed()) / 1e9; }

    Rewrite fromTool(const ToolResult& result, const QString& output, const QString& tool)
    {
        Rewrite rewrite;
        rewrite.seconds = result.seconds;
        rewrite.cpuSeconds = result.cpuSeconds;
        rewrite.path = output;
        rewrite.bytes = QFileInfo(output).size();
        // qpdf exits with 3 when it succeeded with warnings.
        const bool exitedWell
            = result.started && (result.exitCode == 0 || (tool == QLatin1String("qpdf") && result.exitCode == 3));
        rewrite.succeeded = exitedWell && rewrite.bytes > 0;
        if (!rewrite.succeeded) {
            rewrite.failure = result.started ? QStringLiteral("%1 exit code %2").arg(tool).arg(result.exitCode)
                                             : QStringLiteral("%1 did not start").arg(tool);
        }
        return rewrite;
    }

    int GSDLLCALL discardOutput(void*, const char*, int length) { return length; }

    int GSDLLCALL readNothing(void*, char*, int) { return 0; }

    Rewrite qpdfCommand(const QStringList& options, const QString& source, const QString& output)
    {
        QFile::remove(output);
        return fromTool(ToolRun::run(QStringLiteral("qpdf"), options + QStringList { source, output }), output,
            QStringLiteral("qpdf"));
    }

    QString deliveryName(Delivery delivery)
    {
        switch (delivery) {
        case Delivery::Rewritten:
            return QStringLiteral("rewritten");
        case Delivery::RewrittenAndRepacked:
            return QStringLiteral("rewritten and repacked");
        case Delivery::SourceRepacked:
            return QStringLiteral("source repacked");
        case Delivery::SourceUnchanged:
            return QStringLiteral("source unchanged");
        case Delivery::None:
            break;
        }
        return QStringLiteral("none");
    }

    /**
     * Keeps the lines in which the engine accounts for its choice of candidate while one compression
     * runs; the benchmark calls compress on one thread at a time.
     */
    class ChoiceLog final
    {
    public:
        ChoiceLog()
        {
            lines().clear();
            previous() = qInstallMessageHandler(&ChoiceLog::handler);
        }
        ~ChoiceLog() { qInstallMessageHandler(previous()); }

        /** The number in the first kept line that matches pattern's one capture, or fallback. */
        static qint64 number(const QString& pattern, qint64 fallback)
        {
            const QRegularExpression expression(pattern);
            for (const QString& line : qAsConst(lines())) {
                const QRegularExpressionMatch match = expression.match(line);
                if (match.hasMatch()) {
                    return match.captured(1).toLongLong();
                }
            }
            return fallback;
        }

    private:
        static QStringList& lines()
        {
            static QStringList kept;
            return kept;
        }
        static QtMessageHandler& previous()
        {
            static QtMessageHandler handler = nullptr;
            return handler;
        }
        static void handler(QtMsgType type, const QMessageLogContext& context, const QString& message)
        {
            if (message.contains(QLatin1String("CandidatePicker"))) {
                lines() << message;
            } else if (previous() != nullptr) {
                previous()(type, context, message);
            }
        }
    };
} // namespace

namespace Rewriters {
    Rewrite application(const QString& source, const QString& outputFolder, qint32 mode, int level)
    {
        QDir(outputFolder).removeRecursively();
        QDir().mkpath(outputFolder);
        GSCompressor compressor;
        compressor.setMode(mode);
        compressor.setLevel(level);

        Rewrite rewrite;
        const ChoiceLog choiceLog;
        const double cpuBefore = ProcessStats::ownCpuSeconds() + ProcessStats::childrenCpuSeconds();
        QElapsedTimer timer;
        timer.start();
        const qint32 code = compressor.compress(source, outputFolder, QString());
        rewrite.seconds = secondsSince(timer);
        rewrite.cpuSeconds = ProcessStats::ownCpuSeconds() + ProcessStats::childrenCpuSeconds() - cpuBefore;
        for (const auto& step : compressor.stepCosts().steps()) {
            rewrite.stepCpuSeconds << qMakePair(step.first, static_cast<double>(step.second.count()) / 1e6);
        }
        rewrite.succeeded = code == GSCompressor::Success;
        if (!rewrite.succeeded) {
            rewrite.failure = QStringLiteral("code %1").arg(code);
            return rewrite;
        }
        rewrite.path = outputFolder + QLatin1Char('/') + compressor.fileName();
        rewrite.bytes = compressor.compressedSize();
        const qint64 sourceBytes = QFileInfo(source).size();
        rewrite.sourceDelivered = rewrite.bytes == sourceBytes && sameContents(source, rewrite.path);
        rewrite.delivery = deliveryName(compressor.delivery());
        // The plain rewrite is a candidate only when it is sound and keeps the navigation, as it had to be before.
        const qint64 plainRewrite = ChoiceLog::number(QStringLiteral("Candidate rewritten (\\d+) bytes"), -1);
        rewrite.formerBytes = plainRewrite >= 0 && plainRewrite < sourceBytes ? plainRewrite : sourceBytes;
        rewrite.choosingSeconds
            = static_cast<double>(ChoiceLog::number(QStringLiteral("chosen in (\\d+) ms"), 0)) / 1000.0;
        return rewrite;
    }

    QStringList applicationArguments(int level, const QString& source, const QString& output)
    {
        GSCompressor compressor;
        compressor.setMode(Custom);
        compressor.setLevel(level);
        QStringList arguments = compressor.generateGhostscriptArgs(level, source, QString());
        compressor.removeTempFiles();
        if (arguments.isEmpty()) {
            return arguments;
        }
        for (QString& argument : arguments) {
            if (argument.startsWith(outputOption)) {
                argument = outputOption + output;
            }
        }
        arguments.last() = source;
        return arguments;
    }

    Rewrite ghostscriptCommand(const QStringList& arguments, const QString& output)
    {
        QFile::remove(output);
        return fromTool(ToolRun::run(QStringLiteral("gs"), arguments), output, QStringLiteral("gs"));
    }

    Rewrite ghostscriptPreset(const QString& source, const QString& output, const QString& preset)
    {
        return ghostscriptCommand(
            { QStringLiteral("-sDEVICE=pdfwrite"), QStringLiteral("-dNOPAUSE"), QStringLiteral("-dBATCH"),
                QStringLiteral("-dQUIET"), QStringLiteral("-dPDFSETTINGS=") + preset, outputOption + output, source },
            output);
    }

    Rewrite ghostscriptInProcess(const QStringList& argv, const QString& output)
    {
        QFile::remove(output);
        std::vector<QByteArray> bytes;
        std::vector<char*> pointers;
        for (const QString& argument : argv) {
            bytes.push_back(argument.toUtf8());
        }
        for (QByteArray& argument : bytes) {
            pointers.push_back(argument.data());
        }

        Rewrite rewrite;
        QElapsedTimer timer;
        timer.start();
        void* instance = nullptr;
        int code = gsapi_new_instance(&instance, nullptr);
        if (code >= 0) {
            gsapi_set_stdio(instance, readNothing, discardOutput, discardOutput);
            gsapi_set_arg_encoding(instance, GS_ARG_ENCODING_UTF8);
            code = gsapi_init_with_args(instance, static_cast<int>(pointers.size()), pointers.data());
            const int exitCode = gsapi_exit(instance);
            gsapi_delete_instance(instance);
            code = code == 0 ? exitCode : code;
        }
        rewrite.seconds = secondsSince(timer);
        rewrite.path = output;
        rewrite.bytes = QFileInfo(output).size();
        rewrite.succeeded = code == 0 && rewrite.bytes > 0;
        if (!rewrite.succeeded) {
            rewrite.failure = QStringLiteral("libgs code %1").arg(code);
        }
        return rewrite;
    }

    Rewrite qpdfOptimize(const QString& source, const QString& output)
    {
        return qpdfCommand({ QStringLiteral("--optimize-images"), QStringLiteral("--recompress-flate"),
                               QStringLiteral("--object-streams=generate") },
            source, output);
    }

    Rewrite qpdfLossless(const QString& source, const QString& output)
    {
        return qpdfCommand({ QStringLiteral("--recompress-flate"), QStringLiteral("--compression-level=9"),
                               QStringLiteral("--object-streams=generate") },
            source, output);
    }

    Rewrite ocrmypdfOptimize(const QString& source, const QString& output)
    {
        QFile::remove(output);
        // A zero time for recognition leaves the text layer out; a plain PDF skips its PDF/A conversion.
        return fromTool(
            ToolRun::run(QStringLiteral("ocrmypdf"),
                { QStringLiteral("--quiet"), QStringLiteral("--optimize"), QStringLiteral("3"),
                    QStringLiteral("--tesseract-timeout"), QStringLiteral("0"), QStringLiteral("--skip-text"),
                    QStringLiteral("--output-type"), QStringLiteral("pdf"), source, output }),
            output, QStringLiteral("ocrmypdf"));
    }

    Rewrite mutoolClean(const QString& source, const QString& output)
    {
        QFile::remove(output);
        return fromTool(ToolRun::run(QStringLiteral("mutool"),
                            { QStringLiteral("clean"), QStringLiteral("-gggz"), source, output }),
            output, QStringLiteral("mutool"));
    }

    bool sameContents(const QString& a, const QString& b)
    {
        QFile first(a);
        QFile second(b);
        if (first.size() != second.size() || !first.open(QIODevice::ReadOnly) || !second.open(QIODevice::ReadOnly)) {
            return false;
        }
        constexpr qint64 chunk = 1 << 20;
        while (!first.atEnd()) {
            if (first.read(chunk) != second.read(chunk)) {
                return false;
            }
        }
        return true;
    }
} // namespace Rewriters
