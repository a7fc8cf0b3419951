#include "engine/CandidatePicker.h"

#include "engine/PdfRepacker.h"
#include "engine/RunFolder.h"
#include "engine/TempSpace.h"
#include "foundation/LogSite.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QUuid>
#include <algorithm>

namespace {
    const char* const sourceFile = "src/CandidatePicker";

    const char* nameOf(Delivery delivery)
    {
        switch (delivery) {
        case Delivery::Rewritten:
            return "rewritten";
        case Delivery::RewrittenAndRepacked:
            return "rewritten and repacked";
        case Delivery::SourceRepacked:
            return "source repacked";
        case Delivery::SourceUnchanged:
            return "source unchanged";
        case Delivery::None:
            break;
        }
        return "nothing";
    }

    qint64 sizeOf(const QString& path) { return QFileInfo(path).size(); }

    bool wasRebuilt(const PdfCheck::Result& document)
    {
        for (const QString& warning : document.warnings) {
            if (warning.contains(QLatin1String("reconstruct cross-reference table"))) {
                return true;
            }
        }
        return false;
    }
} // namespace

CandidatePicker::CandidatePicker(const QString& stagedSource, const QString& password, const PdfCheck::Result& source)
    : m_stagedSource(stagedSource)
    , m_password(password)
    , m_source(source)
{
}

CandidatePicker::~CandidatePicker()
{
    // The delivered one has been moved away already; removing it again does nothing.
    for (const QString& path : qAsConst(m_writtenFiles)) {
        QFile::remove(path);
    }
}

CandidatePicker::Choice CandidatePicker::pick(const QString& rewrite)
{
    QElapsedTimer timer;
    timer.start();
    const StepCosts::Duration cpuAtStart = StepCosts::threadCpuTime();
    m_candidates = { { m_stagedSource, sizeOf(m_stagedSource), Delivery::SourceUnchanged } };
    // Ghostscript writes no encryption: a protected source's rewrite may only go out repacked and protected.
    if (!rewrite.isEmpty() && !m_source.encrypted) {
        m_candidates << Candidate { rewrite, sizeOf(rewrite), Delivery::Rewritten };
    }
    // The source and the plain rewrite go out unless something smaller does: a pass is of use only below them.
    if (m_sourcePass != nullptr) {
        m_sourcePass->mustComeBelow(smallest().size);
    }
    // A source's pass that is over already may spare the rewrite's; one still running goes on beside the
    // rewrite's and learns its size. Its copy still takes its place after the rewrite's, where ties go to the rewrite.
    const bool sourcePassFirst = m_sourcePass == nullptr || m_sourcePass->isFinished();
    Candidate sourceRepacked = sourcePassFirst ? repackedSource() : Candidate();
    if (!rewrite.isEmpty() && !addRepackedRewrite(rewrite, sizeToBeat(sourceRepacked))) {
        return { QString(), Delivery::None, m_tempFolderFull, {} };
    }
    if (!sourcePassFirst) {
        if (!m_inkCheck) {
            m_sourcePass->mustComeBelow(smallest().size);
        }
        sourceRepacked = repackedSource();
    }
    if (!sourceRepacked.path.isEmpty()) {
        m_candidates << sourceRepacked;
    }
    if (m_tempFolderFull) {
        return { QString(), Delivery::None, true, {} };
    }

    Candidate best = smallest();
    // Checking ink takes a rendering of both: only the copy about to win is checked, then the next.
    while (!showsInkOfSource(best)) {
        qWarning() << LOG_SITE(sourceFile, "CandidatePicker::pick") << "Candidate" << nameOf(best.delivery)
                   << "is unsound: a page that shows something in the source shows nothing in it";
        m_candidates.erase(std::remove_if(m_candidates.begin(), m_candidates.end(),
                               [&best](const Candidate& candidate) { return candidate.path == best.path; }),
            m_candidates.end());
        best = smallest();
    }
    QList<WeighedCopy> weighed;
    for (const Candidate& candidate : qAsConst(m_candidates)) {
        qDebug() << LOG_SITE(sourceFile, "CandidatePicker::pick") << "Candidate" << nameOf(candidate.delivery)
                 << candidate.size << "bytes";
        weighed << WeighedCopy { candidate.delivery, candidate.size };
    }
    if (m_costs != nullptr) {
        m_costs->add(QStringLiteral("choosing"), StepCosts::threadCpuTime() - cpuAtStart - m_passesOnThisThread);
    }
    qDebug() << LOG_SITE(sourceFile, "CandidatePicker::pick") << "Delivering" << nameOf(best.delivery) << best.size
             << "bytes of" << m_candidates.first().size << "chosen in" << timer.elapsed() << "ms";
    return { best.path, best.delivery, false, weighed };
}

bool CandidatePicker::mayRepackSource(const PdfCheck::Result& source) { return !wasRebuilt(source); }

// A repack that must still pass the ink check may fall out after all: only a candidate that is sure
// of its place sets the size the rewrite's pass has to beat.
qint64 CandidatePicker::sizeToBeat(const Candidate& repackedSource) const
{
    qint64 best = smallest().size;
    if (!repackedSource.path.isEmpty() && !needsInkCheck(repackedSource)) {
        best = std::min(best, repackedSource.size);
    }
    return best;
}

bool CandidatePicker::addRepackedRewrite(const QString& rewrite, qint64 mustBeBelow)
{
    const StepCosts::Duration cpuAtStart = StepCosts::threadCpuTime();
    const PdfRepacker::Document protectedLike
        = m_source.encrypted ? PdfRepacker::Document { m_stagedSource, m_source.password } : PdfRepacker::Document {};
    const QString output = newTempPath();
    PdfRepacker::Limits limits;
    limits.mustBeBelow = mustBeBelow;
    // The rewrite is Ghostscript's, whose Flate streams are compressed in full already.
    limits.flateFullyCompressed = true;
    // A stop meanwhile delivers nothing: the copy need not be finished.
    const StopSignal* stop = m_stop;
    limits.cancelled = [stop] { return stop != nullptr && stop->isRaised(); };
    const PdfRepacker::Result result = PdfRepacker::repack({ rewrite, QByteArray() }, output, protectedLike, limits);
    const bool written = result.outcome == PdfRepacker::Outcome::Written;
    const PdfCheck::Result copy
        = written ? PdfCheck::inspect(output, m_password, PdfCheck::Detail::PagesAndNavigation) : PdfCheck::Result();
    const StepCosts::Duration cpu = StepCosts::threadCpuTime() - cpuAtStart;
    m_passesOnThisThread += cpu;
    if (m_costs != nullptr) {
        m_costs->add(QStringLiteral("rewrite pass"), cpu);
    }
    if (result.outcome == PdfRepacker::Outcome::CannotWin) {
        qDebug() << LOG_SITE(sourceFile, "CandidatePicker::pick") << "Repacking the rewrite of" << sizeOf(rewrite)
                 << "bytes cannot come below" << mustBeBelow << "bytes: skipped";
        return true;
    }
    if (result.outcome == PdfRepacker::Outcome::Cancelled) {
        return true;
    }
    if (written && isSound(copy, Delivery::RewrittenAndRepacked)) {
        m_candidates << Candidate { output, result.size, Delivery::RewrittenAndRepacked, result.readCleanly };
        return true;
    }
    if (failedForWantOfRoom(rewrite, result, "the repacked rewrite")) {
        return false;
    }
    if (m_source.encrypted) {
        qWarning() << LOG_SITE(sourceFile, "CandidatePicker::pick")
                   << "Could not protect the rewrite like its source:" << result.message;
        return false;
    }
    qWarning() << LOG_SITE(sourceFile, "CandidatePicker::pick") << "Repacking the rewrite failed:" << result.message;
    return true;
}

CandidatePicker::Candidate CandidatePicker::repackedSource()
{
    // A source whose structure qpdf had to rebuild goes out as the user has it, never as qpdf's
    // reading of it. Lesser complaints (a repeated dictionary key, say) do not count.
    if (!mayRepackSource(m_source)) {
        return {};
    }
    SourcePass* pass = m_sourcePass;
    if (pass == nullptr) {
        // Made here and now, it is worth writing only when it can beat what is there already.
        m_ownSourcePass = std::make_unique<SourcePass>(m_stagedSource, m_password, m_source,
            m_stop != nullptr ? *m_stop : m_neverRaised, SourcePass::Start::WhenAsked, smallest().size);
        pass = m_ownSourcePass.get();
    }
    const SourcePass::Result& made = pass->result();
    if (pass == m_ownSourcePass.get()) {
        m_passesOnThisThread += made.cpuTime;
    }
    if (m_costs != nullptr) {
        m_costs->add(QStringLiteral("source pass"), made.cpuTime);
    }
    if (made.repack.outcome == PdfRepacker::Outcome::Written) {
        if (!isSound(made.check, Delivery::SourceRepacked)) {
            return {};
        }
        return { made.path, made.repack.size, Delivery::SourceRepacked, made.repack.readCleanly };
    }
    if (made.repack.outcome != PdfRepacker::Outcome::CannotWin && made.repack.outcome != PdfRepacker::Outcome::Cancelled
        && !failedForWantOfRoom(m_stagedSource, made.repack, "the repacked source")) {
        qWarning() << LOG_SITE(sourceFile, "CandidatePicker::pick")
                   << "Repacking the source failed:" << made.repack.message;
    }
    return {};
}

// A copy lost for want of room would quietly hand a larger one to the user: the whole run fails instead.
bool CandidatePicker::failedForWantOfRoom(const QString& input, const PdfRepacker::Result& result, const char* copy)
{
    const bool somethingWasWritten = result.outcome == PdfRepacker::Outcome::Unreadable
        || result.outcome == PdfRepacker::Outcome::ProtectionFailed;
    if (!somethingWasWritten || !TempSpace::lacksRoomFor(sizeOf(input))) {
        return false;
    }
    qWarning() << LOG_SITE(sourceFile, "CandidatePicker::pick") << "Could not write" << copy
               << "into the Temp folder, its disk is full:" << result.message;
    m_tempFolderFull = true;
    return true;
}

QString CandidatePicker::newTempPath()
{
    // Beside the staged source, in the run's private folder, and private from the start: the writer keeps the mode.
    const QString path = QFileInfo(m_stagedSource).absolutePath() + QLatin1Char('/')
        + QUuid::createUuid().toString(QUuid::WithoutBraces) + QStringLiteral("_repacked.pdf");
    RunFolder::createPrivateFile(path);
    m_writtenFiles << path;
    return path;
}

// The repack must pass what the rewrite passed: open like the source, protected like it, with all its
// pages there and the same size, and all its links and bookmarks.
bool CandidatePicker::isSound(const PdfCheck::Result& copy, Delivery delivery) const
{
    QString fault = PdfCheck::unlikeSource(m_source, copy);
    if (fault.isEmpty() && copy.encrypted != m_source.encrypted) {
        fault = QStringLiteral("it is not protected like the source");
    }
    if (fault.isEmpty() && (copy.linkCount < m_source.linkCount || copy.outlineCount < m_source.outlineCount)) {
        fault = QStringLiteral("it lost links or bookmarks");
    }
    if (!fault.isEmpty()) {
        qWarning().noquote() << LOG_SITE(sourceFile, "CandidatePicker::pick") << "Candidate" << nameOf(delivery)
                             << "is unsound:" << fault;
    }
    return fault.isEmpty();
}

// A repack that holds the very objects of its input shows what the input shows; one that qpdf read its
// own way (a value it did not know, data it could not decode) may not, wherever the interpreter found
// the source troubled too.
bool CandidatePicker::needsInkCheck(const Candidate& candidate) const
{
    const bool isRepack
        = candidate.delivery == Delivery::RewrittenAndRepacked || candidate.delivery == Delivery::SourceRepacked;
    return isRepack && !candidate.readCleanly && m_inkCheck;
}

bool CandidatePicker::showsInkOfSource(const Candidate& candidate) const
{
    return !needsInkCheck(candidate) || m_inkCheck(candidate.path);
}

// The first of the smallest: the source wins a tie, so nothing goes out that is not really smaller.
CandidatePicker::Candidate CandidatePicker::smallest() const
{
    Candidate best = m_candidates.first();
    for (const Candidate& candidate : m_candidates) {
        if (candidate.size < best.size) {
            best = candidate;
        }
    }
    return best;
}
