#include "ImageComparison.h"

#include <cmath>
#include <limits>
#include <vector>

namespace {
    constexpr int toleratedSizeDifference = 2;
    constexpr int maxShift = 2;
    constexpr int tileSize = 64;
    constexpr int windowSize = 8;
    constexpr int windowStep = 2;
    constexpr double c1 = (0.01 * 255.0) * (0.01 * 255.0);
    constexpr double c2 = (0.03 * 255.0) * (0.03 * 255.0);

    /** Summed-area table with one extra row and column of zeros, for window sums in constant time. */
    class SummedArea
    {
    public:
        SummedArea(int width, int height)
            : m_width(width + 1)
            , m_values(static_cast<size_t>((width + 1) * (height + 1)), 0.0)
        {
        }

        double& at(int x, int y) { return m_values[static_cast<size_t>(y * m_width + x)]; }
        double at(int x, int y) const { return m_values[static_cast<size_t>(y * m_width + x)]; }

        /** Sum over the window with top-left corner (x, y). */
        double window(int x, int y, int size) const
        {
            return at(x + size, y + size) - at(x, y + size) - at(x + size, y) + at(x, y);
        }

    private:
        int m_width;
        std::vector<double> m_values;
    };

    std::vector<double> luma(const QImage& image)
    {
        std::vector<double> values(static_cast<size_t>(image.width() * image.height()));
        for (int y = 0; y < image.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                values[static_cast<size_t>(y * image.width() + x)]
                    = 0.299 * qRed(line[x]) + 0.587 * qGreen(line[x]) + 0.114 * qBlue(line[x]);
            }
        }
        return values;
    }

    /**
     * The whole-pixel shift, up to maxShift each way, under which candidate matches reference best
     * inside tile. Prefers no shift when shifts tie, as they do on blank paper.
     */
    QPoint bestShift(const QImage& reference, const QImage& candidate, const QRect& tile)
    {
        QPoint best(0, 0);
        double bestError = std::numeric_limits<double>::max();
        for (int dy = -maxShift; dy <= maxShift; ++dy) {
            for (int dx = -maxShift; dx <= maxShift; ++dx) {
                double error = 0.0;
                for (int y = tile.top(); y <= tile.bottom(); ++y) {
                    const auto* lineA = reinterpret_cast<const QRgb*>(reference.constScanLine(y));
                    const auto* lineB = reinterpret_cast<const QRgb*>(candidate.constScanLine(y + dy));
                    for (int x = tile.left(); x <= tile.right(); ++x) {
                        const int difference = qGray(lineA[x]) - qGray(lineB[x + dx]);
                        error += difference * difference;
                    }
                }
                const bool unshifted = dx == 0 && dy == 0;
                if (error < bestError || (error == bestError && unshifted)) {
                    bestError = error;
                    best = QPoint(dx, dy);
                }
            }
        }
        return best;
    }

    /**
     * The candidate rearranged so that each tile lines up with the reference, over area. A rewrite
     * may move a page's content by a tiny fraction of a point, and the renderer then rounds an image
     * onto one row more or less, so that the rows below some point sit one pixel lower: without this,
     * a lossless rewrite of a scan would look badly damaged.
     */
    QImage alignedTiles(const QImage& reference, const QImage& candidate, const QRect& area)
    {
        QImage aligned(area.size(), QImage::Format_RGB32);
        for (int top = area.top(); top <= area.bottom(); top += tileSize) {
            for (int left = area.left(); left <= area.right(); left += tileSize) {
                const QRect tile = QRect(left, top, tileSize, tileSize).intersected(area);
                const QPoint shift = bestShift(reference, candidate, tile);
                for (int y = tile.top(); y <= tile.bottom(); ++y) {
                    const auto* source = reinterpret_cast<const QRgb*>(candidate.constScanLine(y + shift.y()));
                    auto* target = reinterpret_cast<QRgb*>(aligned.scanLine(y - area.top()));
                    for (int x = tile.left(); x <= tile.right(); ++x) {
                        target[x - area.left()] = source[x + shift.x()];
                    }
                }
            }
        }
        return aligned;
    }
} // namespace

bool ImageComparison::addPage(const QImage& reference, const QImage& candidate)
{
    if (reference.isNull() || candidate.isNull()
        || std::abs(reference.width() - candidate.width()) > toleratedSizeDifference
        || std::abs(reference.height() - candidate.height()) > toleratedSizeDifference) {
        ++m_mismatchedPages;
        return false;
    }
    const QImage wholeA = reference.convertToFormat(QImage::Format_RGB32);
    const QImage wholeB = candidate.convertToFormat(QImage::Format_RGB32);
    // A margin as wide as the largest shift keeps every shifted tile inside the candidate.
    const QRect area(maxShift, maxShift, qMin(wholeA.width(), wholeB.width()) - 2 * maxShift,
        qMin(wholeA.height(), wholeB.height()) - 2 * maxShift);
    if (area.width() < windowSize || area.height() < windowSize) {
        ++m_mismatchedPages;
        return false;
    }
    const QImage a = wholeA.copy(area);
    const QImage b = alignedTiles(wholeA, wholeB, area);

    for (int y = 0; y < a.height(); ++y) {
        const auto* lineA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* lineB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const int dr = qRed(lineA[x]) - qRed(lineB[x]);
            const int dg = qGreen(lineA[x]) - qGreen(lineB[x]);
            const int db = qBlue(lineA[x]) - qBlue(lineB[x]);
            m_squaredError += static_cast<double>(dr * dr + dg * dg + db * db);
        }
    }
    m_samples += static_cast<qint64>(a.width()) * a.height() * 3;
    m_ssimSum += lumaSsim(a, b);
    ++m_pages;
    return true;
}

double ImageComparison::psnr() const
{
    if (m_samples == 0) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    if (m_squaredError == 0.0) {
        return std::numeric_limits<double>::infinity();
    }
    const double meanSquaredError = m_squaredError / static_cast<double>(m_samples);
    return 10.0 * std::log10(255.0 * 255.0 / meanSquaredError);
}

double ImageComparison::ssim() const
{
    return m_pages == 0 ? std::numeric_limits<double>::quiet_NaN() : m_ssimSum / m_pages;
}

double ImageComparison::lumaSsim(const QImage& reference, const QImage& candidate)
{
    const int width = reference.width();
    const int height = reference.height();
    if (width < windowSize || height < windowSize) {
        return reference == candidate ? 1.0 : 0.0;
    }
    const QImage a = reference.convertToFormat(QImage::Format_RGB32);
    const QImage b = candidate.convertToFormat(QImage::Format_RGB32);
    const std::vector<double> x = luma(a);
    const std::vector<double> y = luma(b);

    SummedArea sumX(width, height), sumY(width, height), sumXX(width, height), sumYY(width, height),
        sumXY(width, height);
    for (int row = 0; row < height; ++row) {
        double rowX = 0, rowY = 0, rowXX = 0, rowYY = 0, rowXY = 0;
        for (int column = 0; column < width; ++column) {
            const double vx = x[static_cast<size_t>(row * width + column)];
            const double vy = y[static_cast<size_t>(row * width + column)];
            rowX += vx;
            rowY += vy;
            rowXX += vx * vx;
            rowYY += vy * vy;
            rowXY += vx * vy;
            sumX.at(column + 1, row + 1) = sumX.at(column + 1, row) + rowX;
            sumY.at(column + 1, row + 1) = sumY.at(column + 1, row) + rowY;
            sumXX.at(column + 1, row + 1) = sumXX.at(column + 1, row) + rowXX;
            sumYY.at(column + 1, row + 1) = sumYY.at(column + 1, row) + rowYY;
            sumXY.at(column + 1, row + 1) = sumXY.at(column + 1, row) + rowXY;
        }
    }

    constexpr double count = windowSize * windowSize;
    double total = 0.0;
    qint64 windows = 0;
    for (int top = 0; top + windowSize <= height; top += windowStep) {
        for (int left = 0; left + windowSize <= width; left += windowStep) {
            const double meanX = sumX.window(left, top, windowSize) / count;
            const double meanY = sumY.window(left, top, windowSize) / count;
            const double varianceX = sumXX.window(left, top, windowSize) / count - meanX * meanX;
            const double varianceY = sumYY.window(left, top, windowSize) / count - meanY * meanY;
            const double covariance = sumXY.window(left, top, windowSize) / count - meanX * meanY;
            total += ((2 * meanX * meanY + c1) * (2 * covariance + c2))
                / ((meanX * meanX + meanY * meanY + c1) * (varianceX + varianceY + c2));
            ++windows;
        }
    }
    return total / static_cast<double>(windows);
}
