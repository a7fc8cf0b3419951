#pragma once

#include <QImage>
#include <QtGlobal>

/**
 * Running quality figures of rendered pages against their source pages: PSNR over the RGB samples of
 * every compared page together, and the mean SSIM of the pages' luma (8×8 windows, the usual
 * constants for 8-bit samples). The candidate is first aligned tile by tile (64 pixels square) on
 * the whole-pixel shift, up to two pixels each way, that matches best; a margin of two pixels is
 * left out.
 */
class ImageComparison final
{
public:
    /**
     * Adds one page pair. Renders of the same page may differ by a pixel or two in size when the page
     * box was rounded differently; the common area is compared then. Returns false, and counts the
     * page as mismatched, when the sizes differ by more than that.
     */
    bool addPage(const QImage& reference, const QImage& candidate);

    /** Decibels; infinity when every compared sample is identical, NaN when nothing was compared. */
    double psnr() const;
    /** Mean SSIM of the compared pages, 1 for identical pages; NaN when nothing was compared. */
    double ssim() const;
    int comparedPages() const { return m_pages; }
    int mismatchedPages() const { return m_mismatchedPages; }

    /** SSIM of the luma of two images of the same size. */
    static double lumaSsim(const QImage& reference, const QImage& candidate);

private:
    double m_squaredError = 0.0;
    qint64 m_samples = 0;
    double m_ssimSum = 0.0;
    int m_pages = 0;
    int m_mismatchedPages = 0;
};
