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
    m_candidates = { { m_stagedSource, sizeOf(m_stagedSource), Delivery::SourceUnchanged } };
    if (!rewrite.isEmpty()) {
        // Ghostscript writes no encryption: a protected source's rewrite may only go out repacked and protected.
        if (!m_source.encrypted) {
            m_candidates << Candidate { rewrite, sizeOf(rewrite), Delivery::Rewritten };
        }
        if (!addRepackedRewrite(rewrite)) {
            return { QString(), Delivery::None, m_tempFolderFull, {} };
        }
    }
    addRepackedSource();
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
    qDebug() << LOG_SITE(sourceFile, "CandidatePicker::pick") << "Delivering" << nameOf(best.delivery) << best.size
             << "bytes of" << m_candidates.first().size << "chosen in" << timer.elapsed() << "ms";
    return { best.path, best.delivery, false, weighed };
}

bool CandidatePicker::addRepackedRewrite(const QString& rewrite)
{
    if (!isWorthRepacking(rewrite, QByteArray())) {
        return true;
    }
    const PdfRepacker::Document protectedLike
        = m_source.encrypted ? PdfRepacker::Document { m_stagedSource, m_source.password } : PdfRepacker::Document {};
    const QString output = newTempPath();
    const PdfRepacker::Result result = PdfRepacker::repack({ rewrite, QByteArray() }, output, protectedLike);
    if (result.outcome == PdfRepacker::Outcome::Written && isSound(output, Delivery::RewrittenAndRepacked)) {
        m_candidates << Candidate { output, result.size, Delivery::RewrittenAndRepacked };
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

void CandidatePicker::addRepackedSource()
{
    // A source whose structure qpdf had to rebuild goes out as the user has it, never as qpdf's
    // reading of it. Lesser complaints (a repeated dictionary key, say) do not count.
    if (wasRebuilt(m_source) || !isWorthRepacking(m_stagedSource, m_source.password)) {
        return;
    }
    // Written with the source's own protection, which the repacker checks before it reports success.
    const QString output = newTempPath();
    const PdfRepacker::Result result = PdfRepacker::repack({ m_stagedSource, m_source.password }, output);
    if (result.outcome == PdfRepacker::Outcome::Written) {
        if (isSound(output, Delivery::SourceRepacked)) {
            m_candidates << Candidate { output, result.size, Delivery::SourceRepacked };
        }
    } else if (!failedForWantOfRoom(m_stagedSource, result, "the repacked source")) {
        qWarning() << LOG_SITE(sourceFile, "CandidatePicker::pick") << "Repacking the source failed:" << result.message;
    }
}

// A copy lost for want of room would quietly hand a larger one to the user: the whole run fails instead.
bool CandidatePicker::failedForWantOfRoom(const QString& input, const PdfRepacker::Result& result, const char* copy)
{
    if (result.outcome == PdfRepacker::Outcome::Written || !TempSpace::lacksRoomFor(sizeOf(input))) {
        return false;
    }
    qWarning() << LOG_SITE(sourceFile, "CandidatePicker::pick") << "Could not write" << copy
               << "into the Temp folder, its disk is full:" << result.message;
    m_tempFolderFull = true;
    return true;
}

// A repack keeps the image codecs' bytes as they are; when those alone fill the best candidate's
// size, the repack cannot win and is not written at all.
bool CandidatePicker::isWorthRepacking(const QString& path, const QByteArray& password) const
{
    const qint64 best = smallest().size;
    if (sizeOf(path) < best) {
        return true;
    }
    const qint64 floor = PdfRepacker::smallestPossibleSize({ path, password });
    return floor >= 0 && floor < best;
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
bool CandidatePicker::isSound(const QString& path, Delivery delivery) const
{
    const PdfCheck::Result copy = PdfCheck::inspect(path, m_password, PdfCheck::Detail::PagesAndNavigation);
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

bool CandidatePicker::showsInkOfSource(const Candidate& candidate) const
{
    const bool isRepack
        = candidate.delivery == Delivery::RewrittenAndRepacked || candidate.delivery == Delivery::SourceRepacked;
    return !isRepack || !m_inkCheck || m_inkCheck(candidate.path);
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
