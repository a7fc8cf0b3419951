#pragma once

#include "engine/Delivery.h"
#include "engine/PdfCheck.h"
#include "engine/PdfRepacker.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

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
     * Makes every repacked copy pass check before it may go out. The rewrite itself is left to the worker,
     * which compares it as it writes it; the source goes out as it is.
     */
    void requireInkOfSource(InkCheck check) { m_inkCheck = std::move(check); }

private:
    struct Candidate
    {
        QString path;
        qint64 size = 0;
        Delivery delivery = Delivery::None;
    };

    bool addRepackedRewrite(const QString& rewrite);
    void addRepackedSource();
    bool failedForWantOfRoom(const QString& input, const PdfRepacker::Result& result, const char* copy);
    bool isWorthRepacking(const QString& path, const QByteArray& password) const;
    QString newTempPath();
    bool isSound(const QString& path, Delivery delivery) const;
    Candidate smallest() const;
    bool showsInkOfSource(const Candidate& candidate) const;

    const QString m_stagedSource;
    const QString m_password;
    const PdfCheck::Result m_source;
    QList<Candidate> m_candidates;
    QStringList m_writtenFiles;
    bool m_tempFolderFull = false;
    InkCheck m_inkCheck;
};
