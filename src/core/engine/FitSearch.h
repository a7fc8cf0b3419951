#pragma once

#include "engine/GSCompressor.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QtGlobal>
#include <functional>

/**
 * Finds the copy of best quality that fits under a size: it drives a compressor through a few levels,
 * each try a complete compression into a private folder (checks, candidates, stop, time limit and all),
 * and delivers the best fitting copy it has seen as the compressor would have. When nothing fits, the
 * smallest sound copy goes out and the result says so. At most maximumRuns interpreter runs a document.
 */
class FitSearch final
{
public:
    static constexpr int maximumRuns = 5;
    /** The smallest sound copy was delivered, but it is larger than the target. */
    static constexpr qint32 DoesNotFit = -20;
    /** levelUsed() when the source itself fitted and went out as it is. */
    static constexpr int sourceLevel = 0;

    /** One interpreter run of the search: the level tried, its result and the size of its copy. */
    struct Try
    {
        int level = 0;
        qint32 code = GSCompressor::Success;
        qint64 size = 0;
    };

    /** Called on the compressing thread before each try, with its number from 1 and its level. */
    using TryHandler = std::function<void(int number, int level)>;

    /** compressor must outlive the search; its placement says where the chosen copy goes. */
    explicit FitSearch(GSCompressor& compressor);

    void setTryHandler(TryHandler handler) { m_tryHandler = std::move(handler); }

    /**
     * Compresses inputPath to at most targetSize bytes into outputDir. Success when the delivered copy
     * fits, DoesNotFit when the smallest one delivered does not, any other compressor result when the
     * search failed and delivered nothing.
     */
    qint32 run(const QString& inputPath, const QString& outputDir, const QString& password, qint64 targetSize);

    bool fits() const { return m_fits; }
    /** The level whose copy went out; sourceLevel for the source itself; meaningful after a delivery. */
    int levelUsed() const { return m_levelUsed; }
    /** Size of the delivered copy in bytes. */
    qint64 deliveredSize() const { return m_deliveredSize; }
    const QList<Try>& tries() const { return m_tries; }

    /**
     * The level to try next, or 0 when the search is over: a level between the largest known to fit
     * (fitting, 0 for none) and the smallest known not to (tooLarge, 11 for none), guessed from the sizes
     * seen so far, and never so far off the middle that runsLeft tries could not end the search.
     */
    static int nextLevel(
        int fitting, int tooLarge, const QMap<int, qint64>& sizes, qint64 sourceSize, qint64 targetSize, int runsLeft);

private:
    struct Copy
    {
        QString path;
        qint64 size = 0;
        int level = 0;
        Delivery delivery = Delivery::None;
    };

    qint32 deliverSourceAsItIs(
        const QString& inputPath, const QString& outputDir, const QString& password, const QString& privateFolder);
    qint32 tryLevel(
        int level, const QString& inputPath, const QString& password, const QString& privateFolder, Copy& copy);
    qint32 deliver(const Copy& copy, const QString& inputPath, const QString& outputDir, qint64 targetSize);
    /** Removes the kept copies that neither fit best nor are the smallest. */
    void keepOnly(const QList<Copy>& copies, const Copy& bestFitting, const Copy& smallest);

    GSCompressor& m_compressor;
    TryHandler m_tryHandler;
    QList<Try> m_tries;
    bool m_fits = false;
    int m_levelUsed = -1;
    qint64 m_deliveredSize = 0;
};
