#pragma once

#include "engine/Delivery.h"
#include "engine/PdfCheck.h"
#include "engine/PdfRepacker.h"
#include "engine/SourcePass.h"
#include "engine/StepCosts.h"
#include "engine/StopSignal.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

/**
 * Chooses the copy of one document that goes out: the smallest sound one among the rewrite after a
 * lossless repack, the rewrite as it is, the source after the same repack, and the source itself.
 * A protected source only ever yields protected copies. The repacked files are written beside the
 * staged ones in the Temp folder and removed when the picker goes.
 */
class CandidatePicker final
{
public:
    struct Choice
    {
        QString path; // the staged file to deliver; empty when nothing may go out
        Delivery delivery = Delivery::None;
        bool tempFolderFull = false; // a copy could not be written for want of room: nothing may go out
        QList<WeighedCopy> weighed; // every copy that was weighed, in the order it was made
    };

    /** stagedSource is the staged copy of the source that `source` describes, opened with password. */
    CandidatePicker(const QString& stagedSource, const QString& password, const PdfCheck::Result& source);
    ~CandidatePicker();
    CandidatePicker(const CandidatePicker&) = delete;
    CandidatePicker& operator=(const CandidatePicker&) = delete;

    /**
     * Picks among the candidates; rewrite is the staged, already vetted rewrite, or empty when the
     * rewrite may not go out. Delivery None means a protected source's rewrite could not be protected.
     */
    Choice pick(const QString& rewrite);

    /** Tells whether a copy shows something on every page where the source does. */
    using InkCheck = std::function<bool(const QString& copy)>;
    /**
     * Makes every repacked copy pass check before it may go out. The rewrite handed to pick() has passed
     * it already; the source goes out as it is.
     */
    void requireInkOfSource(InkCheck check) { m_inkCheck = std::move(check); }

    /**
     * Whether the source may go out repacked at all: not when qpdf had to rebuild its structure, for then
     * the copy would be qpdf's reading of it, not the user's document.
     */
    static bool mayRepackSource(const PdfCheck::Result& source);
    /**
     * The source's pass, already running while the rewrite is made, in place of one run when the picker
     * needs it. It stays the caller's and must outlive the picker's delivery.
     */
    void useSourcePass(SourcePass* pass) { m_sourcePass = pass; }
    /** Where the passes and the choice charge their processor time; none when null. */
    void chargeTo(StepCosts* costs) { m_costs = costs; }
    /** A stop raised meanwhile ends a pass of the picker's own at once. */
    void watchStop(const StopSignal* stop) { m_stop = stop; }

private:
    struct Candidate
    {
        QString path;
        qint64 size = 0;
        Delivery delivery = Delivery::None;
        bool readCleanly = false; // a repack whose input qpdf read without a complaint
    };

    bool addRepackedRewrite(const QString& rewrite, qint64 mustBeBelow);
    /** The sound repacked source, or a candidate without a path when there is none. */
    Candidate repackedSource();
    bool failedForWantOfRoom(const QString& input, const PdfRepacker::Result& result, const char* copy);
    QString newTempPath();
    bool isSound(const PdfCheck::Result& copy, Delivery delivery) const;
    Candidate smallest() const;
    /** The size a repack has to come out below to win: what a candidate that needs no further check has. */
    qint64 sizeToBeat(const Candidate& repackedSource) const;
    /** Whether the candidate must show ink wherever the source does before it may go out. */
    bool needsInkCheck(const Candidate& candidate) const;
    bool showsInkOfSource(const Candidate& candidate) const;

    const QString m_stagedSource;
    const QString m_password;
    const PdfCheck::Result m_source;
    QList<Candidate> m_candidates;
    QStringList m_writtenFiles;
    bool m_tempFolderFull = false;
    InkCheck m_inkCheck;
    SourcePass* m_sourcePass = nullptr;
    std::unique_ptr<SourcePass> m_ownSourcePass; // when nobody lent one; removes its copy when the picker goes
    StepCosts* m_costs = nullptr;
    const StopSignal* m_stop = nullptr;
    StopSignal m_neverRaised; // watched by a pass of the picker's own when nobody gave it a stop signal
    StepCosts::Duration m_passesOnThisThread { 0 };
};
