#pragma once

#include <QString>
#include <QtGlobal>

/** The presets of the settings dialog, in the order of its radio buttons. */
enum CompressMode : qint32
{
    High = 0,
    Medium = 1,
    Low = 2,
    Custom = 3,
    FitUnder = 4, // the best quality whose copy is at most targetSize bytes
};

/**
 * How strongly one document is compressed: a preset, Custom with a level from 1 (smallest file) to 10
 * (best images), or the best level whose copy fits under a size. Always copied by value.
 */
struct CompressSetting
{
    qint32 mode = High;
    quint16 level = 5;
    qint64 targetSize = defaultTargetSize; // bytes; what FitUnder fits under, kept while other modes are chosen

    static constexpr qint64 defaultTargetSize = qint64(2) << 20;
    // The dialog's range: a target under 10 KB holds no page worth reading, and 100 GB is more than any PDF.
    static constexpr qint64 minimumTargetSize = qint64(10) << 10;
    static constexpr qint64 maximumTargetSize = qint64(100) << 30;

    static constexpr int minimumLevel = 1;
    static constexpr int maximumLevel = 10;

    /** The level 1..10 that decides the image treatment: presets map to 1, 5 and 10; anything else is Custom. */
    static int effectiveLevel(qint32 mode, int level);
    int effectiveLevel() const { return effectiveLevel(mode, level); }

    /** Target resolution (dpi) of colour and grey images at an effective level. */
    static int colorImageResolution(int effectiveLevel);
    /** Target resolution (dpi) of monochrome images at an effective level. */
    static int monoImageResolution(int effectiveLevel);
    /** "/Subsample" or "/Bicubic", the down-sampling filter of colour and grey images. */
    static QString downsampleType(int effectiveLevel);
    /** "Gray", "RGB" or "LeaveColorUnchanged", what happens to the colours of the output. */
    static QString colorConversionStrategy(int effectiveLevel);
    /**
     * Whether JPEG pictures that need no down-sampling are encoded again; when false they pass through
     * byte for byte, as the levels of the best images keep them.
     */
    static bool reencodesJpegImages(int effectiveLevel);
    /** How far above the target resolution an image must be before it is down-sampled: 1.0 or more. */
    static double downsampleThreshold(int effectiveLevel);
    /** The JPEG quantisation factor of encoded colour and grey images: smaller keeps more detail. */
    static double jpegQFactor(int effectiveLevel);
    /** Whether encoded pictures keep their colour at full resolution instead of halving it each way. */
    static bool keepsFullChroma(int effectiveLevel);

    // While "Apply to all" is on, every row compresses with the global setting instead of its own.
    // Both live for the process and are never saved.
    static bool applyToAll();
    static void setApplyToAll(bool enabled);
    static CompressSetting& globalSetting();
};

bool operator==(const CompressSetting& a, const CompressSetting& b);
inline bool operator!=(const CompressSetting& a, const CompressSetting& b) { return !(a == b); }
