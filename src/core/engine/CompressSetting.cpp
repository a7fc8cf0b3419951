#include "engine/CompressSetting.h"

#include <QtGlobal>
#include <array>

namespace {
    constexpr std::array<int, 10> colorResolutions = { 72, 96, 120, 144, 168, 192, 216, 240, 264, 288 };
    constexpr std::array<int, 10> monoResolutions = { 150, 200, 250, 300, 400, 500, 600, 700, 800, 900 };

    // The tables are indexed by an effective level; a stray value must never read past them.
    int tableIndex(int effectiveLevel)
    {
        return qBound(CompressSetting::minimumLevel, effectiveLevel, CompressSetting::maximumLevel) - 1;
    }

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
