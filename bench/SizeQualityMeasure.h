#pragma once

#include <QString>

struct BenchContext;

/**
 * For every document of the corpus and every setting of the application (three presets, Custom 1 to
 * 10), and for Ghostscript's own presets and qpdf's optimisation: the size of the result, how close
 * its rendered pages stay to the source's (PSNR, SSIM at 72 and 150 dpi), and whether pages, links,
 * bookmarks and extractable text survive.
 */
namespace SizeQualityMeasure {
    /** The report section. */
    QString run(const BenchContext& context);
} // namespace SizeQualityMeasure
