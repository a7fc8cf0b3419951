#include "engine/GSCompressor.h"

#include "engine/AtomicDelivery.h"
#include "engine/CandidatePicker.h"
#include "engine/CompressSetting.h"
#include "engine/GreyRewriteCheck.h"
#include "engine/InterpreterReport.h"
#include "engine/PdfCheck.h"
#include "engine/PdfPassword.h"
#include "engine/SourcePass.h"
#include "engine/TempSpace.h"
#include "engine/WorkerRequest.h"
#include "foundation/LogSite.h"
#include "foundation/ProductConstants.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRecursiveMutex>
#include <QSet>
#include <QUuid>
#include <algorithm>
#include <array>
#include <climits>
#include <cstring>
#include <dirent.h>
#include <ghostscript/ierrors.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
    const char* const sourceFile = "src/GSCompressor";
    const QString passwordOption = QStringLiteral("-sPDFPassword=");
    // What the interpreter says when its rewrite misses content although the run "succeeded": pages it
    // could not draw, or a file it could not open at all, for which it still writes one empty page.
    const std::array<QByteArray, 3> incompleteRewriteMarkers = {
        QByteArrayLiteral("Page drawing error occurred"),
        QByteArrayLiteral("Couldn't initialise file"),
        QByteArrayLiteral("No pages will be processed"),
    };
    const QString quietOption = QStringLiteral("-dQUIET");
    constexpr int deliveryAttempts = 3;

    // Output names are chosen when a compression starts but the file appears only when it ends, so
    // the names of running compressions are kept here and count as taken. One recursive lock guards
    // the set, the remembered base name and every name choice.
    QRecursiveMutex& namingLock()
    {
        static QRecursiveMutex lock;
        return lock;
    }

    QSet<QString>& reservedPaths()
    {
        static QSet<QString> paths;
        return paths;
    }

    QString& rememberedBaseName()
    {
        static QString baseName;
        return baseName;
    }

    QString destinationPathOf(const QString& folder, const QString& fileName)
    {
        return folder + QLatin1Char('/') + fileName;
    }

    /** Chooses a free name for fileName in folder and keeps it for this compression until released. */
    QString reserveDestination(const QString& folder, QString& fileName)
    {
        QMutexLocker locker(&namingLock());
        GSCompressor::makeUniqueFileName(folder, fileName, 0);
        const QString destination = destinationPathOf(folder, fileName);
        reservedPaths().insert(QDir::cleanPath(destination));
        return destination;
    }

    void releaseDestination(const QString& destination)
    {
        QMutexLocker locker(&namingLock());
        reservedPaths().remove(QDir::cleanPath(destination));
    }

    /** The names in folder that are taken: its entries, and the names running compressions have chosen there. */
    QSet<QString> takenNames(const QString& folder)
    {
        QSet<QString> names;
        // The names alone, as the directory holds them: no entry is looked at any further.
        if (DIR* directory = ::opendir(QFile::encodeName(folder).constData())) {
            while (const dirent* entry = ::readdir(directory)) {
                if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0) {
                    names.insert(QFile::decodeName(entry->d_name));
                }
            }
            ::closedir(directory);
        }
        const QString cleanFolder = QDir::cleanPath(folder);
        for (const QString& reserved : qAsConst(reservedPaths())) {
            const QFileInfo path(reserved);
            if (path.path() == cleanFolder) {
                names.insert(path.fileName());
            }
        }
        return names;
    }

    // The interpreter reads '%' in an output file name as a page-number template.
    QString escapedOutputPath(const QString& path)
    {
        QString escaped = path;
        return escaped.replace(QLatin1Char('%'), QStringLiteral("%%"));
    }

    /** The PostScript that sets how colour and grey pictures are encoded as JPEG at an effective level. */
    QString jpegSettings(int effectiveLevel)
    {
        const QString sampling = CompressSetting::keepsFullChroma(effectiveLevel) ? QStringLiteral("[1 1 1 1]")
                                                                                  : QStringLiteral("[2 1 1 2]");
        const QString dictionary
            = QStringLiteral("<< /QFactor %1 /Blend 1 /HSamples %2 /VSamples %2 >>")
                  .arg(QString::number(CompressSetting::jpegQFactor(effectiveLevel), 'f', 2), sampling);
        return QStringLiteral("<< /ColorImageDict %1 /GrayImageDict %1 >> setdistillerparams").arg(dictionary);
    }

    QString loggableArgument(const QString& argument)
    {
        if (!PdfPassword::isPasswordArgument(argument)) {
            return argument;
        }
        return argument.left(argument.indexOf(QLatin1Char('=')) + 1) + QStringLiteral("***");
    }

    // qpdf has found the byte form of the password that opens the document; the interpreter gets that one.
    QStringList withPasswordForm(QStringList arguments, const QString& password, const QByteArray& bytes)
    {
        if (!bytes.isEmpty()) {
            for (QString& argument : arguments) {
                if (PdfPassword::isPasswordArgument(argument)) {
                    argument = PdfPassword::ghostscriptArgument(password, bytes);
                }
            }
        }
        return arguments;
    }

    // What qpdf repaired on the way explains an odd result later: worth a debug line, not a warning.
    void logRepairs(const PdfCheck::Result& result, const QString& document)
    {
        for (const QString& warning : result.warnings) {
            qDebug() << LOG_SITE(sourceFile, "GSCompressor::compress") << "qpdf warning for" << document << ":"
                     << warning;
        }
    }

    /** Whether the folder's file system takes a name of that many bytes. */
    bool fitsInFolder(const QString& folder, const QString& fileName)
    {
        const long limit = ::pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
        return QFile::encodeName(fileName).size() <= (limit > 0 ? limit : NAME_MAX);
    }

    /** The process's umask, read without changing it: umask() itself would race with other threads. */
    mode_t currentUmask()
    {
        QFile status(QStringLiteral("/proc/self/status"));
        if (status.open(QIODevice::ReadOnly)) {
            const QList<QByteArray> lines = status.readAll().split('\n');
            for (const QByteArray& line : lines) {
                if (line.startsWith("Umask:")) {
                    bool isNumber = false;
                    const uint mask = line.mid(6).trimmed().toUInt(&isNumber, 8);
                    if (isNumber) {
                        return static_cast<mode_t>(mask & 0777);
                    }
                }
            }
        }
        return S_IWGRP | S_IWOTH;
    }

    /** As a copy made with cp: the source's permission bits as far as the umask lets them; -1 when unknown. */
    qint32 deliveredPermissions(const QString& inputPath)
    {
        struct stat source = {};
        if (::stat(QFile::encodeName(inputPath).constData(), &source) != 0) {
            return -1;
        }
        return static_cast<qint32>(source.st_mode & 0777 & ~currentUmask());
    }

    QByteArray signalName(int signalNumber)
    {
        const char* abbreviation = sigabbrev_np(signalNumber);
        return abbreviation != nullptr ? QByteArray("SIG") + abbreviation : QByteArray();
    }
} // namespace

GSCompressor::~GSCompressor() { removeTempFiles(); }

qint32 GSCompressor::compress(const QString& inputPath, const QString& outputDir, const QString& password)
{
    if (m_stop.isRaised()) {
        return Stopped;
    }
    m_requestedFileName = QFileInfo(m_target.isEmpty() ? inputPath : m_target).fileName();
    m_fileName = m_requestedFileName;
    m_delivery = Delivery::None;
    m_weighedCopies.clear();
    m_keptSourceForNavigation = false;
    m_pageCount = 0;
    m_stepCosts.clear();
    m_deliveredPermissions = deliveredPermissions(inputPath);
    const bool replacing = m_placement != Placement::FreeName;
    if (replacing) {
        m_fileName = QFileInfo(m_target).fileName();
    }
    const QString targetFolder = replacing ? QFileInfo(m_target).absolutePath() : outputDir;
    const QString destinationPath = replacing ? m_target : reserveDestination(outputDir, m_fileName);
    const QFileInfo outputFolder(targetFolder);
    if (!outputFolder.isDir() || !outputFolder.isWritable()) {
        qWarning() << LOG_SITE(sourceFile, "GSCompressor::compress") << "Output folder is not writable:" << outputDir;
        releaseDestination(destinationPath);
        return OutputFolderUnavailable;
    }
    if (!fitsInFolder(outputDir, m_fileName)) {
        qWarning() << LOG_SITE(sourceFile, "GSCompressor::compress") << "No free name for" << inputPath << "in"
                   << outputDir << ":" << m_fileName << "is longer than the folder allows (File name too long)";
        releaseDestination(destinationPath);
        return NameTooLong;
    }

    // The worker loads the interpreter while the source is staged and checked. One that cannot start now
    // is tried again once the request is ready, and only then reported.
    m_startedWorker = std::make_unique<WorkerProcess>(WorkerProcess::executablePath());
    if (!m_startedWorker->isStarted()) {
        m_startedWorker.reset();
    }
    const QStringList arguments = generateGhostscriptArgs(m_level, inputPath, password);
    const bool noPdfHeader = m_staging == PdfStaging::Outcome::NoPdfHeader;
    qint32 result = noPdfHeader ? UnsoundDocument : StagingFailed;
    if (arguments.isEmpty()) {
        result = noPdfHeader ? result : blameFullTempFolder(result, inputPath);
    } else {
        PdfCheck::Result source;
        result = checkStagedSource(inputPath, password, source);
        if (result == Success) {
            result = rewriteAndDeliver(withPasswordForm(arguments, password, source.password), inputPath, targetFolder,
                destinationPath, password, source);
        }
    }

    m_startedWorker.reset();
    removeTempFiles();
    if (!replacing) {
        releaseDestination(destinationPath);
    }
    if (!m_stepCosts.isEmpty()) {
        qDebug().noquote() << LOG_SITE(sourceFile, "GSCompressor::compress")
                           << "Processor time per step:" << m_stepCosts.summary();
    }
    return result;
}

qint32 GSCompressor::rewriteAndDeliver(const QStringList& arguments, const QString& inputPath, const QString& outputDir,
    const QString& destinationPath, const QString& password, const PdfCheck::Result& source)
{
    // The source's lossless pass needs nothing but the staged source: it runs on this process's thread
    // while the worker rewrites, and whatever ends this function ends it and removes what it wrote.
    std::unique_ptr<SourcePass> sourcePass;
    if (CandidatePicker::mayRepackSource(source)) {
        // The source itself goes out unless something smaller does: its repack is of use only below it.
        const QString stagedSource = m_tempFiles.last().first;
        sourcePass = std::make_unique<SourcePass>(
            stagedSource, password, source, m_stop, SourcePass::Start::Concurrently, QFileInfo(stagedSource).size());
    }
    QByteArray interpreterOutput;
    qint32 code = runInterpreter(arguments, inputPath, source, interpreterOutput);
    if (code == Success && GreyRewriteCheck::convertsToGrey(arguments)) {
        code = preferColourWhenGreyGrows(arguments, inputPath, source, interpreterOutput);
    }
    if (code != Success) {
        return isInterpreterFailure(code) ? blameFullTempFolder(code, inputPath) : code;
    }
    PdfCheck::Result rewrite;
    {
        const StepTimer timer(&m_stepCosts, QStringLiteral("rewrite check"));
        rewrite = PdfCheck::inspect(m_tempFiles.last().second, QString(), PdfCheck::Detail::PagesAndNavigation);
    }
    logRepairs(rewrite, QStringLiteral("the rewrite of ") + inputPath);
    const QString fault = faultOfRewrite(source, rewrite, interpreterOutput);
    if (!fault.isEmpty()) {
        qWarning() << LOG_SITE(sourceFile, "GSCompressor::compress") << "Incomplete rewrite of" << inputPath << "-"
                   << fault;
        return blameFullTempFolder(UnsoundDocument, inputPath);
    }
    const bool navigationKept = keepsNavigation(source, rewrite);
    if (!navigationKept) {
        qWarning() << LOG_SITE(sourceFile, "GSCompressor::compress") << "Rewrite loses links or bookmarks of"
                   << inputPath << "- delivering the source";
    }
    m_keptSourceForNavigation = !navigationKept;
    if (m_stop.isRaised()) {
        qWarning() << LOG_SITE(sourceFile, "GSCompressor::compress") << "Compression stopped:" << inputPath;
        return Stopped;
    }
    // The interpreter drops an image it cannot decode and says so only in its report: then no page may
    // come out empty. Rendering both documents costs about a rewrite, so only a rewrite that may still
    // go out is compared.
    const bool reportsProblems = InterpreterReport::reportsProblems(interpreterOutput);
    const QString passwordArgument = passwordArgumentOf(arguments);
    if (reportsProblems && navigationKept) {
        const qint32 inkResult = rewriteKeepsInk(passwordArgument, inputPath, source.pageCount);
        if (inkResult != Success) {
            return inkResult;
        }
    }

    CandidatePicker picker(m_tempFiles.last().first, password, source);
    picker.useSourcePass(sourcePass.get());
    picker.chargeTo(&m_stepCosts);
    picker.watchStop(&m_stop);
    // The interpreter complained about the source, so a copy may lose what the source shows: each repack
    // must show something wherever the source does, as the rewrite had to.
    if (reportsProblems) {
        picker.requireInkOfSource([this, passwordArgument, &source](const QString& copy) {
            return copyKeepsInk(copy, passwordArgument, source.pageCount);
        });
    }
    const CandidatePicker::Choice choice = picker.pick(navigationKept ? m_tempFiles.last().second : QString());
    m_weighedCopies = choice.weighed;
    if (choice.tempFolderFull) {
        return blameFullTempFolder(TempFolderFull, inputPath);
    }
    if (choice.delivery == Delivery::None) {
        qWarning() << LOG_SITE(sourceFile, "GSCompressor::compress")
                   << "Could not protect the compressed copy like its source, nothing delivered:" << inputPath;
        return DeliveryFailed;
    }
    // The repacks take a moment of their own: a stop meanwhile still delivers nothing.
    if (m_stop.isRaised()) {
        qWarning() << LOG_SITE(sourceFile, "GSCompressor::compress") << "Compression stopped:" << inputPath;
        return Stopped;
    }
    if (m_placement == Placement::ReplaceWhenSmaller && choice.delivery == Delivery::SourceUnchanged) {
        // Nothing smaller came out: the document stays exactly as it is.
        m_delivery = choice.delivery;
        m_compressedSize = QFileInfo(choice.path).size();
        return Success;
    }
    const qint32 result = m_placement == Placement::FreeName ? deliver(outputDir, destinationPath, choice.path)
                                                             : deliverOverTarget(choice.path);
    if (result == Success) {
        m_delivery = choice.delivery;
    }
    return result;
}

qint32 GSCompressor::preferColourWhenGreyGrows(const QStringList& arguments, const QString& inputPath,
    const PdfCheck::Result& source, QByteArray& interpreterOutput)
{
    const QString rewrite = m_tempFiles.last().second;
    if (!GreyRewriteCheck::addsPictures(m_tempFiles.last().first, source.password, rewrite)) {
        return Success;
    }
    const QString greyRewrite = m_runFolder->newFilePath(QStringLiteral("_grey.pdf"));
    if (!QFile::rename(rewrite, greyRewrite)) {
        return Success;
    }
    QByteArray colourOutput;
    const qint32 code = runInterpreter(GreyRewriteCheck::keepingColour(arguments), inputPath, source, colourOutput);
    const qint64 greySize = QFileInfo(greyRewrite).size();
    if (code == Success && QFileInfo(rewrite).size() < greySize) {
        qDebug() << LOG_SITE(sourceFile, "GSCompressor::compress") << "The grey rewrite of" << inputPath
                 << "painted drawings as pictures (" << greySize << "bytes); the colour rewrite is smaller";
        QFile::remove(greyRewrite);
        interpreterOutput = colourOutput;
        return Success;
    }
    QFile::remove(rewrite);
    if (!QFile::rename(greyRewrite, rewrite)) {
        qWarning() << LOG_SITE(sourceFile, "GSCompressor::compress") << "The rewrite of" << inputPath
                   << "could not be put back in the Temp folder";
        return UnsoundDocument;
    }
    return code == Stopped ? Stopped : Success;
}

qint32 GSCompressor::checkStagedSource(const QString& inputPath, const QString& password, PdfCheck::Result& source)
{
    // The interpreter turns an unreadable source into blank pages, and crashes on some wrong
    // passwords, so qpdf vouches for the document and the password before it runs.
    {
        const StepTimer timer(&m_stepCosts, QStringLiteral("source check"));
        source = PdfCheck::inspect(m_tempFiles.last().first, password, PdfCheck::Detail::PagesAndNavigation);
    }
    logRepairs(source, inputPath);
    switch (source.outcome) {
    case PdfCheck::Outcome::Readable:
        m_pageCount = source.pageCount;
        if (source.pageCount == 0) {
            qWarning() << LOG_SITE(sourceFile, "GSCompressor::compress") << "Document has no pages:" << inputPath;
            return UnsoundDocument;
        }
        return Success;
    case PdfCheck::Outcome::PasswordRejected:
        qWarning() << LOG_SITE(sourceFile, "GSCompressor::compress") << "Password missing or wrong for" << inputPath;
        return PasswordRejected;
    case PdfCheck::Outcome::Unreadable:
        break;
    }
    qWarning() << LOG_SITE(sourceFile, "GSCompressor::compress") << "Not a readable PDF:" << inputPath
               << source.message;
    return UnsoundDocument;
}

qint32 GSCompressor::runInterpreter(const QStringList& arguments, const QString& inputPath,
    const PdfCheck::Result& source, QByteArray& interpreterOutput)
{
    WorkerRequest request;
    request.arguments = arguments;
    // The interpreter's report is the only sign of content it dropped; -dQUIET would hide it.
    request.arguments.removeAll(quietOption);
    for (int index = 0; index < request.arguments.size(); ++index) {
        const QString& argument = request.arguments.at(index);
        qDebug().noquote() << "Arg" << index << ":" << loggableArgument(argument);
        if (PdfPassword::isPasswordArgument(argument)) {
            request.passwordArgument = argument;
        }
    }
    request.sourcePath = m_tempFiles.last().first;
    request.rewritePath = m_tempFiles.last().second;
    request.temporaryFolder = m_runFolder->path();

    const int pageCount = source.pageCount;
    const auto reportPage = [this, pageCount](const QByteArray& line) {
        const int page = InterpreterReport::pageNumberOf(line);
        if (page > 0 && m_progressHandler) {
            m_progressHandler(page, pageCount);
        }
    };
    const std::chrono::milliseconds timeLimit = timeLimitFor(pageCount);
    // The worker started with the compression has loaded the interpreter meanwhile; a second run starts its own.
    const std::unique_ptr<WorkerProcess> worker = m_startedWorker
        ? std::move(m_startedWorker)
        : std::make_unique<WorkerProcess>(WorkerProcess::executablePath());
    const WorkerProcess::Outcome outcome = worker->finish(request.encode(), timeLimit, m_stop, reportPage);
    interpreterOutput = outcome.output;
    m_stepCosts.add(QStringLiteral("interpreter"), outcome.cpuTime);
    logInterpreterReport(outcome);
    return resultOf(outcome, inputPath, timeLimit);
}

WorkerProcess::Outcome GSCompressor::compareInk(
    const QString& copy, const QString& passwordArgument, const QString& copyPasswordArgument, int pageCount)
{
    WorkerRequest request;
    request.job = WorkerRequest::Job::CompareInk;
    request.sourcePath = m_tempFiles.last().first;
    request.rewritePath = copy;
    request.passwordArgument = passwordArgument;
    request.copyPasswordArgument = copyPasswordArgument;
    request.temporaryFolder = m_runFolder ? m_runFolder->path() : QString();
    const std::chrono::milliseconds timeLimit = timeLimitFor(pageCount);
    WorkerProcess::Outcome outcome = WorkerProcess::run(
        WorkerProcess::executablePath(), request.encode(), timeLimit, m_stop, [](const QByteArray&) {});
    m_stepCosts.add(QStringLiteral("ink checks"), outcome.cpuTime);
    if (!outcome.diagnostics.trimmed().isEmpty()) {
        qWarning().noquote() << "Compression worker:" << QString::fromUtf8(outcome.diagnostics).trimmed();
    }
    return outcome;
}

std::chrono::milliseconds GSCompressor::timeLimitFor(int pageCount) const
{
    return m_timeLimit.fixed + m_timeLimit.perPage * pageCount;
}

// A repack is protected like the source, so the source's password opens it too.
bool GSCompressor::copyKeepsInk(const QString& copy, const QString& passwordArgument, int pageCount)
{
    const WorkerProcess::Outcome outcome = compareInk(copy, passwordArgument, passwordArgument, pageCount);
    return outcome.ending == WorkerProcess::Ending::Exited && outcome.exitStatus == 0;
}

qint32 GSCompressor::rewriteKeepsInk(const QString& passwordArgument, const QString& inputPath, int pageCount)
{
    const WorkerProcess::Outcome outcome
        = compareInk(m_tempFiles.last().second, passwordArgument, QString(), pageCount);
    const qint32 result = resultOf(outcome, inputPath, timeLimitFor(pageCount));
    return isInterpreterFailure(result) ? blameFullTempFolder(result, inputPath) : result;
}

qint32 GSCompressor::resultOf(
    const WorkerProcess::Outcome& outcome, const QString& inputPath, std::chrono::milliseconds timeLimit)
{
    switch (outcome.ending) {
    case WorkerProcess::Ending::Exited:
        return resultOfExit(outcome.exitStatus, inputPath);
    case WorkerProcess::Ending::Crashed:
        qWarning() << LOG_SITE(sourceFile, "GSCompressor::compress") << "Interpreter crashed on" << inputPath
                   << "with signal" << outcome.signalNumber << signalName(outcome.signalNumber);
        return InterpreterCrashed;
    case WorkerProcess::Ending::TimedOut:
        qWarning() << LOG_SITE(sourceFile, "GSCompressor::compress") << "Interpreter outlived its time limit of"
                   << timeLimit.count() / 1000.0 << "s on" << inputPath << "and was stopped";
        return TimedOut;
    case WorkerProcess::Ending::Stopped:
        qWarning() << LOG_SITE(sourceFile, "GSCompressor::compress") << "Compression stopped:" << inputPath;
        return Stopped;
    case WorkerProcess::Ending::NotStarted:
        break;
    }
    qWarning() << LOG_SITE(sourceFile, "GSCompressor::compress")
               << "Compression worker could not be started:" << WorkerProcess::executablePath();
    return WorkerUnavailable;
}

qint32 GSCompressor::resultOfExit(int exitStatus, const QString& inputPath)
{
    const WorkerRequest::Answer answer = WorkerRequest::answerOf(exitStatus);
    switch (answer.kind) {
    case WorkerRequest::Answer::Kind::Done:
        return Success;
    case WorkerRequest::Answer::Kind::RewriteLosesContent:
        qWarning() << LOG_SITE(sourceFile, "GSCompressor::compress") << "Incomplete rewrite of" << inputPath
                   << "- pages with content came out empty";
        return UnsoundDocument;
    case WorkerRequest::Answer::Kind::InterpreterFailed:
        qWarning() << LOG_SITE(sourceFile, "GSCompressor::compress")
                   << "Init with args error code: " << answer.interpreterCode;
        return answer.interpreterCode;
    case WorkerRequest::Answer::Kind::RequestRefused:
        break;
    }
    qWarning() << LOG_SITE(sourceFile, "GSCompressor::compress") << "Compression worker refused the request for"
               << inputPath << "with status" << exitStatus;
    return gs_error_Fatal;
}

void GSCompressor::logInterpreterReport(const WorkerProcess::Outcome& outcome)
{
    // Page lines are progress, not news; what else the interpreter said goes to the log, its problems as a warning.
    const QString report = QString::fromUtf8(InterpreterReport::withoutPageLines(outcome.output)).trimmed();
    if (InterpreterReport::reportsProblems(outcome.output)) {
        qWarning().noquote() << "Ghostscript:" << report;
    } else if (!report.isEmpty()) {
        qDebug().noquote() << "Ghostscript:" << report;
    }
    if (!outcome.diagnostics.trimmed().isEmpty()) {
        qWarning().noquote() << "Compression worker:" << QString::fromUtf8(outcome.diagnostics).trimmed();
    }
}

bool GSCompressor::isInterpreterFailure(qint32 code)
{
    return code != Stopped && code != TimedOut && code != InterpreterCrashed && code != WorkerUnavailable;
}

// Neither the interpreter nor a copy says why a write failed; a disk without room for another copy of
// the source is the likely cause, and the one worth telling the user.
qint32 GSCompressor::blameFullTempFolder(qint32 result, const QString& inputPath)
{
    if (result != TempFolderFull && !TempSpace::lacksRoomFor(QFileInfo(inputPath).size())) {
        return result;
    }
    qWarning() << LOG_SITE(sourceFile, "GSCompressor::compress")
               << "The disk of the Temp folder is full:" << Product::tempFolder() << "-" << inputPath;
    return TempFolderFull;
}

void GSCompressor::stop() { m_stop.raise(); }

void GSCompressor::resetStop() { m_stop.reset(); }

void GSCompressor::setProgressHandler(ProgressHandler handler) { m_progressHandler = std::move(handler); }

GSCompressor::TimeLimit GSCompressor::defaultTimeLimit()
{
    // The slowest run measured took 0.66 s a page (full-page colour scans down to 72 dpi) and 130 s for
    // 300 pages; this limit is six times the one and nine times the other, with room for a busy machine.
    using namespace std::chrono_literals;
    return { 60s, 4s };
}

QString GSCompressor::faultOfRewrite(
    const PdfCheck::Result& source, const PdfCheck::Result& rewrite, const QByteArray& interpreterOutput)
{
    const auto said = std::find_if(incompleteRewriteMarkers.cbegin(), incompleteRewriteMarkers.cend(),
        [&interpreterOutput](const QByteArray& marker) { return interpreterOutput.contains(marker); });
    if (said != incompleteRewriteMarkers.cend()) {
        return QStringLiteral("the interpreter reported \"%1\"").arg(QString::fromLatin1(*said));
    }
    return PdfCheck::unlikeSource(source, rewrite);
}

// The interpreter silently drops links and bookmarks that jump to named destinations; a smaller
// file is not worth the document's navigation.
bool GSCompressor::keepsNavigation(const PdfCheck::Result& source, const PdfCheck::Result& rewrite)
{
    return rewrite.linkCount >= source.linkCount && rewrite.outlineCount >= source.outlineCount;
}

qint32 GSCompressor::deliver(const QString& outputDir, const QString& destinationPath, const QString& fileToDeliver)
{
    // The file reaches the output folder complete or not at all, and never under a name that is taken.
    AtomicDelivery delivery(fileToDeliver, outputDir);
    if (m_deliveredPermissions >= 0) {
        delivery.setPermissions(static_cast<quint32>(m_deliveredPermissions));
    }
    const bool prepared = delivery.prepare();
    QString destination = destinationPath;
    for (int attempt = 1; prepared && attempt <= deliveryAttempts; ++attempt) {
        const AtomicDelivery::Outcome outcome = delivery.commit(destination);
        if (outcome == AtomicDelivery::Outcome::Delivered) {
            m_compressedSize = QFileInfo(destination).size();
        }
        // compress() releases the first name; the names of the retries are this function's to release.
        if (destination != destinationPath) {
            releaseDestination(destination);
        }
        if (outcome == AtomicDelivery::Outcome::Delivered) {
            return Success;
        }
        if (outcome == AtomicDelivery::Outcome::Failed) {
            break;
        }
        if (attempt < deliveryAttempts) {
            // Somebody created a file of that name meanwhile: the next free name of the source's own name.
            m_fileName = m_requestedFileName;
            destination = reserveDestination(outputDir, m_fileName);
        }
    }
    qWarning() << LOG_SITE(sourceFile, "GSCompressor::compress") << "Failed to move output file from temp dir"
               << "into" << outputDir << ":" << delivery.failureReason();
    return DeliveryFailed;
}

void GSCompressor::setPlacement(Placement placement, const QString& target)
{
    m_placement = placement;
    m_target = target;
}

qint32 GSCompressor::deliverOverTarget(const QString& fileToDeliver)
{
    AtomicDelivery delivery(fileToDeliver, QFileInfo(m_target).absolutePath());
    if (m_deliveredPermissions >= 0) {
        delivery.setPermissions(static_cast<quint32>(m_deliveredPermissions));
    }
    const bool keepAttributes = m_placement == Placement::ReplaceWhenSmaller;
    if (delivery.prepare() && delivery.replace(m_target, keepAttributes)) {
        m_compressedSize = QFileInfo(m_target).size();
        return Success;
    }
    qWarning() << LOG_SITE(sourceFile, "GSCompressor::compress") << "Failed to replace" << m_target << ":"
               << delivery.failureReason();
    return DeliveryFailed;
}

qint32 GSCompressor::deliverCopy(
    const QString& copy, Delivery delivery, const QString& inputPath, const QString& outputDir)
{
    m_requestedFileName = QFileInfo(m_target.isEmpty() ? inputPath : m_target).fileName();
    m_fileName = m_requestedFileName;
    m_delivery = Delivery::None;
    m_weighedCopies.clear();
    m_keptSourceForNavigation = false;
    m_deliveredPermissions = deliveredPermissions(inputPath);
    if (m_stop.isRaised()) {
        return Stopped;
    }
    if (m_placement == Placement::ReplaceWhenSmaller && delivery == Delivery::SourceUnchanged) {
        m_delivery = delivery;
        m_compressedSize = QFileInfo(copy).size();
        return Success;
    }
    if (m_placement != Placement::FreeName) {
        m_fileName = QFileInfo(m_target).fileName();
        const qint32 result = deliverOverTarget(copy);
        m_delivery = result == Success ? delivery : Delivery::None;
        return result;
    }
    const QString destinationPath = reserveDestination(outputDir, m_fileName);
    const QFileInfo outputFolder(outputDir);
    qint32 result = OutputFolderUnavailable;
    if (!outputFolder.isDir() || !outputFolder.isWritable()) {
        qWarning() << LOG_SITE(sourceFile, "GSCompressor::deliverCopy")
                   << "Output folder is not writable:" << outputDir;
    } else if (!fitsInFolder(outputDir, m_fileName)) {
        qWarning() << LOG_SITE(sourceFile, "GSCompressor::deliverCopy") << "No free name for" << inputPath << "in"
                   << outputDir << ":" << m_fileName << "is longer than the folder allows (File name too long)";
        result = NameTooLong;
    } else {
        result = deliver(outputDir, destinationPath, copy);
    }
    releaseDestination(destinationPath);
    if (result == Success) {
        m_delivery = delivery;
        m_weighedCopies = { { delivery, m_compressedSize } };
    }
    return result;
}

QString GSCompressor::passwordArgumentOf(const QStringList& arguments)
{
    const auto found = std::find_if(arguments.cbegin(), arguments.cend(), PdfPassword::isPasswordArgument);
    return found != arguments.cend() ? *found : QString();
}

QStringList GSCompressor::generateGhostscriptArgs(int level, const QString& inputPath, const QString& password)
{
    m_staging = PdfStaging::Outcome::Failed;
    if (!m_runFolder) {
        m_runFolder = std::make_unique<RunFolder>();
    }
    if (!m_runFolder->isValid()) {
        qWarning() << LOG_SITE(sourceFile, "GSCompressor::generateGhostscriptArgs")
                   << "Failed to copy input file to temp dir: " << inputPath
                   << "- no private folder there:" << m_runFolder->failureReason();
        m_runFolder.reset();
        return {};
    }
    const QString stagedInput = m_runFolder->newFilePath(QStringLiteral("_input.pdf"));
    const QString stagedOutput = m_runFolder->newFilePath(QStringLiteral("_output.pdf"));
    if (!stage(inputPath, stagedInput)) {
        return {};
    }
    m_tempFiles.append({ stagedInput, stagedOutput });

    const int effective = CompressSetting::effectiveLevel(m_mode, level);
    const QString downsampleType = CompressSetting::downsampleType(effective);
    const QString imageResolution = QString::number(CompressSetting::colorImageResolution(effective));
    const QString threshold = QString::number(CompressSetting::downsampleThreshold(effective), 'f', 1);

    QStringList arguments = {
        QStringLiteral("gs"),
        QStringLiteral("-sDEVICE=pdfwrite"),
        QStringLiteral("-dNOPAUSE"),
        QStringLiteral("-dBATCH"),
        // Said outright, whatever the library's default: the document may not touch any other file.
        QStringLiteral("-dSAFER"),
        QStringLiteral("-dQUIET"),
    };
    if (!password.isEmpty()) {
        arguments << passwordOption + password;
    }
    arguments << QStringLiteral("-dColorImageDownsampleType=") + downsampleType
              << QStringLiteral("-dGrayImageDownsampleType=") + downsampleType
              << QStringLiteral("-sColorConversionStrategy=") + CompressSetting::colorConversionStrategy(effective)
              << QStringLiteral("-dColorImageFilter=/DCTEncode") << QStringLiteral("-dGrayImageFilter=/DCTEncode")
              << QStringLiteral("-dMonoImageFilter=/CCITTFaxEncode") << QStringLiteral("-dDownsampleColorImages=true")
              << QStringLiteral("-dDownsampleGrayImages=true") << QStringLiteral("-dDownsampleMonoImages=true")
              << QStringLiteral("-dAutoFilterColorImages=false") << QStringLiteral("-dAutoFilterGrayImages=false")
              << QStringLiteral("-dColorImageDownsampleThreshold=") + threshold
              << QStringLiteral("-dGrayImageDownsampleThreshold=") + threshold
              << QStringLiteral("-dMonoImageDownsampleThreshold=1.0")
              << QStringLiteral("-dColorImageResolution=") + imageResolution
              << QStringLiteral("-dGrayImageResolution=") + imageResolution
              << QStringLiteral("-dMonoImageResolution=")
            + QString::number(CompressSetting::monoImageResolution(effective))
              << QStringLiteral("-dPassThroughJPEGImages=")
            + (CompressSetting::reencodesJpegImages(effective) ? QStringLiteral("false") : QStringLiteral("true"))
              << QStringLiteral("-sOutputFile=") + escapedOutputPath(stagedOutput)
              // The encoder's quality has no option of its own: it is set by a line of PostScript, after
              // which -f names the document to read.
              << QStringLiteral("-c") << jpegSettings(effective) << QStringLiteral("-f");

    qDebug() << LOG_SITE(sourceFile, "GSCompressor::generateGhostscriptArgs") << "Local8Bit input: " << inputPath;
    const QLocale locale;
    qDebug() << "System language:" << QLocale::languageToString(locale.language());
    qDebug() << "System country:" << QLocale::countryToString(locale.country());
    qDebug() << "System encoding (likely):" << locale.name();

    arguments << stagedInput;
    return arguments;
}

bool GSCompressor::stage(const QString& inputPath, const QString& stagedInput)
{
    const PdfStaging::Result staging = PdfStaging::stage(inputPath, stagedInput);
    m_staging = staging.outcome;
    switch (staging.outcome) {
    case PdfStaging::Outcome::Staged:
        if (staging.headerOffset > 0) {
            qDebug() << LOG_SITE(sourceFile, "GSCompressor::generateGhostscriptArgs") << "PDF header at byte"
                     << staging.headerOffset << "of" << inputPath << "- staged from there on";
        }
        return true;
    case PdfStaging::Outcome::NoPdfHeader:
        qWarning() << LOG_SITE(sourceFile, "GSCompressor::generateGhostscriptArgs")
                   << "Not a readable PDF:" << inputPath << "- no PDF header in its first kilobyte";
        return false;
    case PdfStaging::Outcome::Failed:
        break;
    }
    qWarning() << LOG_SITE(sourceFile, "GSCompressor::generateGhostscriptArgs")
               << "Failed to copy input file to temp dir: " << inputPath << staging.failureReason;
    return false;
}

void GSCompressor::makeUniqueFileName(const QString& folder, QString& fileName, int depth)
{
    QMutexLocker locker(&namingLock());
    if (depth == 0) {
        QDir().mkpath(folder);
        rememberedBaseName() = QFileInfo(fileName).completeBaseName();
    }
    // One listing of the folder; every further candidate is a lookup, however many variants exist already.
    const QSet<QString> taken = takenNames(folder);
    const QString suffix = QFileInfo(fileName).suffix();
    for (int number = depth + 1; taken.contains(fileName); ++number) {
        fileName = rememberedBaseName() + QLatin1Char('_') + QString::number(number);
        if (!suffix.isEmpty()) {
            fileName += QLatin1Char('.') + suffix;
        }
    }
}

void GSCompressor::removeTempFiles()
{
    for (const auto& staged : qAsConst(m_tempFiles)) {
        QFile::remove(staged.first);
        QFile::remove(staged.second);
    }
    m_tempFiles.clear();
    m_runFolder.reset();
}
