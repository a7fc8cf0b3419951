#include "engine/FitSearch.h"

#include "engine/CompressSetting.h"
#include "engine/PdfCheck.h"
#include "engine/RunFolder.h"
#include "foundation/LogSite.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace {
    const char* const sourceFile = "src/FitSearch";
    constexpr int noneTooLarge = CompressSetting::maximumLevel + 1;

    /** The largest level whose images are at most resolution dpi; level 1 when even its are finer. */
    int levelForResolution(double resolution)
    {
        int level = CompressSetting::minimumLevel;
        while (
            level < CompressSetting::maximumLevel && CompressSetting::colorImageResolution(level + 1) <= resolution) {
            ++level;
        }
        return level;
    }

    double resolutionOf(int level) { return CompressSetting::colorImageResolution(level); }

    // Images make most of what a level changes, and their bytes grow with the square of their resolution:
    // the square root of a copy's size grows about in step with its level's resolution.
    double estimatedResolution(
        int fitting, int tooLarge, const QMap<int, qint64>& sizes, qint64 sourceSize, qint64 targetSize)
    {
        const double target = std::sqrt(static_cast<double>(targetSize));
        const bool fittingKnown = sizes.contains(fitting);
        const bool tooLargeKnown = sizes.contains(tooLarge);
        if (fittingKnown && tooLargeKnown) {
            const double low = std::sqrt(static_cast<double>(sizes.value(fitting)));
            const double high = std::sqrt(static_cast<double>(sizes.value(tooLarge)));
            if (high <= low) {
                return resolutionOf(fitting);
            }
            return resolutionOf(fitting)
                + (target - low) / (high - low) * (resolutionOf(tooLarge) - resolutionOf(fitting));
        }
        const int known = fittingKnown ? fitting : tooLarge;
        if (sizes.contains(known) && sizes.value(known) > 0) {
            return resolutionOf(known) * target / std::sqrt(static_cast<double>(sizes.value(known)));
        }
        // Nothing run yet: a scan holds its images at about the finest level's resolution.
        if (sourceSize <= 0) {
            return resolutionOf(CompressSetting::maximumLevel);
        }
        return resolutionOf(CompressSetting::maximumLevel) * target / std::sqrt(static_cast<double>(sourceSize));
    }
} // namespace

FitSearch::FitSearch(GSCompressor& compressor)
    : m_compressor(compressor)
{
}

int FitSearch::nextLevel(
    int fitting, int tooLarge, const QMap<int, qint64>& sizes, qint64 sourceSize, qint64 targetSize, int runsLeft)
{
    const int low = fitting + 1;
    const int high = tooLarge - 1;
    if (low > high || runsLeft <= 0) {
        return 0;
    }
    // After this try, runsLeft - 1 tries settle at most reach - 1 levels on whichever side remains.
    const int reach = 1 << std::min(runsLeft - 1, 8);
    const int earliest = std::max(low, tooLarge - reach);
    const int latest = std::min(high, fitting + reach);
    if (earliest > latest) {
        return (low + high) / 2; // more levels than the tries can settle: halve them at least
    }
    const int guess = levelForResolution(estimatedResolution(fitting, tooLarge, sizes, sourceSize, targetSize));
    return qBound(earliest, guess, latest);
}

qint32 FitSearch::run(const QString& inputPath, const QString& outputDir, const QString& password, qint64 targetSize)
{
    m_tries.clear();
    m_fits = false;
    m_levelUsed = -1;
    m_deliveredSize = 0;
    // The tries go into a private folder; only the chosen copy goes where the caller asked.
    const GSCompressor::Placement placement = m_compressor.placement();
    const QString target = m_compressor.target();
    const RunFolder folder;
    if (!folder.isValid()) {
        qWarning() << LOG_SITE(sourceFile, "FitSearch::run") << "Failed to copy input file to temp dir: " << inputPath
                   << "- no private folder there:" << folder.failureReason();
        return GSCompressor::StagingFailed;
    }
    const qint64 sourceSize = QFileInfo(inputPath).size();
    qDebug() << LOG_SITE(sourceFile, "FitSearch::run") << "Fitting" << inputPath << "of" << sourceSize << "bytes under"
             << targetSize << "bytes";
    if (sourceSize > 0 && sourceSize <= targetSize) {
        return deliverSourceAsItIs(inputPath, outputDir, password, folder.path());
    }

    QMap<int, qint64> sizes;
    QList<Copy> copies;
    Copy bestFitting;
    Copy smallest;
    int fitting = 0;
    int tooLarge = noneTooLarge;
    for (int run = 0; run < maximumRuns; ++run) {
        const int level = nextLevel(fitting, tooLarge, sizes, sourceSize, targetSize, maximumRuns - run);
        if (level == 0) {
            break;
        }
        if (m_tryHandler) {
            m_tryHandler(run + 1, level);
        }
        Copy copy;
        const qint32 code = tryLevel(level, inputPath, password, folder.path(), copy);
        m_tries.append({ level, code, copy.size });
        if (code != GSCompressor::Success) {
            qWarning() << LOG_SITE(sourceFile, "FitSearch::run") << "Try" << run + 1 << "at level" << level
                       << "failed with" << code << "- nothing delivered:" << inputPath;
            m_compressor.setPlacement(placement, target);
            return code;
        }
        const bool fitsUnder = copy.size <= targetSize;
        qDebug() << LOG_SITE(sourceFile, "FitSearch::run") << "Try" << run + 1 << "at level" << level << ":"
                 << copy.size << "bytes," << (fitsUnder ? "fits under" : "over") << targetSize;
        sizes.insert(level, copy.size);
        copies.append(copy);
        if (fitsUnder) {
            fitting = level;
            if (bestFitting.path.isEmpty() || copy.size > bestFitting.size) {
                bestFitting = copy;
            }
        } else {
            tooLarge = level;
        }
        if (smallest.path.isEmpty() || copy.size < smallest.size) {
            smallest = copy;
        }
        keepOnly(copies, bestFitting, smallest);
    }
    m_compressor.setPlacement(placement, target);
    const Copy& chosen = bestFitting.path.isEmpty() ? smallest : bestFitting;
    if (chosen.path.isEmpty()) {
        return GSCompressor::UnsoundDocument;
    }
    return deliver(chosen, inputPath, outputDir, targetSize);
}

qint32 FitSearch::deliverSourceAsItIs(
    const QString& inputPath, const QString& outputDir, const QString& password, const QString& privateFolder)
{
    if (m_compressor.isStopped()) {
        return GSCompressor::Stopped;
    }
    // The source needs no interpreter, but it goes out only as a document that opens.
    const PdfCheck::Result check = PdfCheck::inspect(inputPath, password, PdfCheck::Detail::Pages);
    if (check.outcome == PdfCheck::Outcome::PasswordRejected) {
        qWarning() << LOG_SITE(sourceFile, "FitSearch::run") << "Password missing or wrong for" << inputPath;
        return GSCompressor::PasswordRejected;
    }
    if (check.outcome != PdfCheck::Outcome::Readable || check.pageCount == 0) {
        qWarning() << LOG_SITE(sourceFile, "FitSearch::run") << "Not a readable PDF:" << inputPath << check.message;
        return GSCompressor::UnsoundDocument;
    }
    Copy copy;
    copy.path = privateFolder + QStringLiteral("source.pdf");
    copy.level = sourceLevel;
    copy.delivery = Delivery::SourceUnchanged;
    // The user's own file is never moved: a copy of it is what goes out.
    // QFile::copy() gives the copy the source's permission bits; a copy of a document stays the user's alone.
    if (!QFile::copy(inputPath, copy.path)
        || !QFile::setPermissions(copy.path, QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        qWarning() << LOG_SITE(sourceFile, "FitSearch::run") << "Failed to copy input file to temp dir: " << inputPath;
        return GSCompressor::StagingFailed;
    }
    copy.size = QFileInfo(copy.path).size();
    qDebug() << LOG_SITE(sourceFile, "FitSearch::run") << "The source fits as it is:" << copy.size << "bytes";
    return deliver(copy, inputPath, outputDir, copy.size);
}

qint32 FitSearch::tryLevel(
    int level, const QString& inputPath, const QString& password, const QString& privateFolder, Copy& copy)
{
    const QString folder = QDir::cleanPath(privateFolder);
    m_compressor.setMode(Custom);
    m_compressor.setLevel(level);
    m_compressor.setPlacement(GSCompressor::Placement::FreeName, folder + QStringLiteral("/level-%1.pdf").arg(level));
    const qint32 code = m_compressor.compress(inputPath, folder, password);
    if (code == GSCompressor::Success) {
        copy.path = folder + QLatin1Char('/') + m_compressor.fileName();
        copy.size = m_compressor.compressedSize();
        copy.level = level;
        copy.delivery = m_compressor.delivery();
    }
    return code;
}

qint32 FitSearch::deliver(const Copy& copy, const QString& inputPath, const QString& outputDir, qint64 targetSize)
{
    const qint32 code = m_compressor.deliverCopy(copy.path, copy.delivery, inputPath, outputDir);
    if (code != GSCompressor::Success) {
        return code;
    }
    m_levelUsed = copy.level;
    m_deliveredSize = copy.size;
    m_fits = copy.size <= targetSize;
    if (!m_fits) {
        qWarning() << LOG_SITE(sourceFile, "FitSearch::run") << "Does not fit:" << inputPath << "- the smallest copy"
                   << "has" << copy.size << "bytes, over" << targetSize;
        return DoesNotFit;
    }
    qDebug() << LOG_SITE(sourceFile, "FitSearch::run") << "Delivered level" << copy.level << "of" << copy.size
             << "bytes after" << m_tries.size() << "interpreter runs";
    return GSCompressor::Success;
}

void FitSearch::keepOnly(const QList<Copy>& copies, const Copy& bestFitting, const Copy& smallest)
{
    for (const Copy& copy : copies) {
        if (copy.path != bestFitting.path && copy.path != smallest.path) {
            QFile::remove(copy.path);
        }
    }
}
