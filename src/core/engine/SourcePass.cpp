#include "engine/SourcePass.h"

#include "engine/RunFolder.h"
#include "engine/StepCosts.h"
#include "engine/StopSignal.h"

#include <QFile>
#include <QFileInfo>
#include <QUuid>
#include <system_error>

namespace {
    QString repackedPathBeside(const QString& stagedSource)
    {
        return QFileInfo(stagedSource).absolutePath() + QLatin1Char('/')
            + QUuid::createUuid().toString(QUuid::WithoutBraces) + QStringLiteral("_repacked.pdf");
    }
} // namespace

SourcePass::SourcePass(const QString& stagedSource, const QString& password, const PdfCheck::Result& source,
    const StopSignal& stop, Start start, qint64 mustBeBelow)
    : m_stagedSource(stagedSource)
    , m_password(password)
    , m_passwordBytes(source.password)
    , m_stop(stop)
    , m_mustBeBelow(mustBeBelow)
{
    // Named and created private on this thread, so that the destructor knows what to remove whatever the thread did.
    m_result.path = repackedPathBeside(stagedSource);
    RunFolder::createPrivateFile(m_result.path);
    if (start == Start::Concurrently) {
        try {
            m_thread = std::thread([this] { run(); });
        } catch (const std::system_error&) {
            // No thread to be had: the pass runs when its result is asked for, as it would without one.
        }
    }
}

SourcePass::~SourcePass()
{
    cancel();
    if (m_thread.joinable()) {
        m_thread.join();
    }
    // A delivered copy has been moved away already; removing it again does nothing.
    QFile::remove(m_result.path);
}

const SourcePass::Result& SourcePass::result()
{
    if (m_thread.joinable()) {
        m_thread.join();
    } else if (!m_finished) {
        run();
    }
    return m_result;
}

bool SourcePass::isCancelled() const { return m_cancelled.load() || m_stop.isRaised(); }

void SourcePass::mustComeBelow(qint64 bytes)
{
    qint64 bound = m_mustBeBelow.load();
    while ((bound < 0 || bytes < bound) && !m_mustBeBelow.compare_exchange_weak(bound, bytes)) { }
}

// The bytes on disk are fewer than the writer has produced, never more: the copy is at least that large.
bool SourcePass::hasOutgrownBound() const
{
    const qint64 bound = m_mustBeBelow.load();
    return bound >= 0 && QFileInfo(m_result.path).size() >= bound;
}

void SourcePass::run()
{
    m_begun.store(true);
    const StepCosts::Duration start = StepCosts::threadCpuTime();
    PdfRepacker::Limits limits;
    limits.mustBeBelow = m_mustBeBelow.load();
    limits.mustNowBeBelow = [this] { return m_mustBeBelow.load(); };
    bool outgrown = false;
    limits.cancelled = [this, &outgrown] {
        outgrown = !isCancelled() && hasOutgrownBound();
        return outgrown || isCancelled();
    };
    // Written with the source's own protection, which the repacker checks before it reports success.
    m_result.repack = PdfRepacker::repack({ m_stagedSource, m_passwordBytes }, m_result.path, {}, limits);
    PdfRepacker::Outcome& outcome = m_result.repack.outcome;
    if (outcome == PdfRepacker::Outcome::Written && isCancelled()) {
        m_result.repack = { PdfRepacker::Outcome::Cancelled, 0, QStringLiteral("the repack was cancelled") };
    } else if ((outcome == PdfRepacker::Outcome::Cancelled && outgrown)
        || (outcome == PdfRepacker::Outcome::Written && hasOutgrownBound())) {
        // Checking a copy that cannot win would be time lost.
        m_result.repack = { PdfRepacker::Outcome::CannotWin, 0, QString() };
    } else if (outcome == PdfRepacker::Outcome::Written) {
        m_result.check = PdfCheck::inspect(m_result.path, m_password, PdfCheck::Detail::PagesAndNavigation);
    }
    if (outcome != PdfRepacker::Outcome::Written) {
        QFile::remove(m_result.path);
    }
    m_result.cpuTime = StepCosts::threadCpuTime() - start;
    m_finished = true;
    m_done.store(true);
}
