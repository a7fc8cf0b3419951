#include "engine/CompressSetting.h"

#include <QtGlobal>
#include <array>

namespace {
    // Medium's 150 dpi halves the palette images of 225 dpi and more, which can only shrink by whole factors,
    // and resamples pictures as Ghostscript's ebook preset does, whose output Medium must not exceed.
    constexpr std::array<int, 10> colorResolutions = { 72, 96, 120, 144, 150, 192, 216, 240, 264, 288 };
    constexpr std::array<int, 10> monoResolutions = { 150, 200, 250, 300, 400, 500, 600, 700, 800, 900 };

    // The tables are indexed by an effective level; a stray value must never read past them.
    int tableIndex(int effectiveLevel)
    {
        return qBound(CompressSetting::minimumLevel, effectiveLevel, CompressSetting::maximumLevel) - 1;
    }

    // From this level on the user asks for the best images: pictures pass through where they can, and
    // what must be encoded again keeps its detail.
    constexpr int firstBestImagesLevel = 8;

    bool isBestImagesLevel(int effectiveLevel) { return tableIndex(effectiveLevel) + 1 >= firstBestImagesLevel; }

    bool applyToAllFlag = false;
} // namespace

int CompressSetting::effectiveLevel(qint32 mode, int level)
{
    switch (mode) {
    case High:
        return 1;
    case Medium:
        return 5;
    case Low:
        return 10;
    default:
        return qBound(minimumLevel, level, maximumLevel);
    }
}

int CompressSetting::colorImageResolution(int effectiveLevel) { return colorResolutions[tableIndex(effectiveLevel)]; }

int CompressSetting::monoImageResolution(int effectiveLevel) { return monoResolutions[tableIndex(effectiveLevel)]; }

QString CompressSetting::downsampleType(int effectiveLevel)
{
    return effectiveLevel <= 3 ? QStringLiteral("/Subsample") : QStringLiteral("/Bicubic");
}

QString CompressSetting::colorConversionStrategy(int effectiveLevel)
{
    if (effectiveLevel <= 3) {
        return QStringLiteral("Gray");
    }
    if (effectiveLevel <= 7) {
        return QStringLiteral("RGB");
    }
    return QStringLiteral("LeaveColorUnchanged");
}

// Cameras store JPEGs at a quality far above what a screen or an office printer shows; encoded again,
// such a picture shrinks to a third or less at the lower levels. The best levels keep every picture's
// own bytes, as Ghostscript's printer preset does.
bool CompressSetting::reencodesJpegImages(int effectiveLevel) { return !isBestImagesLevel(effectiveLevel); }

// A 300-dpi scan resampled to 288 dpi loses detail and hardly any bytes: the best levels resample only
// what lies well above their target.
double CompressSetting::downsampleThreshold(int effectiveLevel)
{
    return isBestImagesLevel(effectiveLevel) ? 1.5 : 1.0;
}

// 0.9 is the interpreter's own default; 0.4 is what its printer preset uses.
double CompressSetting::jpegQFactor(int effectiveLevel) { return isBestImagesLevel(effectiveLevel) ? 0.4 : 0.9; }

bool CompressSetting::keepsFullChroma(int effectiveLevel) { return isBestImagesLevel(effectiveLevel); }

bool CompressSetting::applyToAll() { return applyToAllFlag; }

void CompressSetting::setApplyToAll(bool enabled) { applyToAllFlag = enabled; }

CompressSetting& CompressSetting::globalSetting()
{
    static CompressSetting setting;
    return setting;
}

// The target belongs to FitUnder only: another mode with a different remembered target compresses alike.
bool operator==(const CompressSetting& a, const CompressSetting& b)
{
    return a.mode == b.mode && a.level == b.level && (a.mode != FitUnder || a.targetSize == b.targetSize);
}
