#pragma once

#include "engine/GSCompressor.h"
#include "engine/PdfCheck.h"

#include <QList>
#include <QString>
#include <QStringList>

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
        GSCompressor::Delivery delivery = GSCompressor::Delivery::None;
        QList<GSCompressor::WeighedCopy> weighed; // every copy that was weighed, in the order it was made
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

private:
    struct Candidate
    {
        QString path;
        qint64 size = 0;
        GSCompressor::Delivery delivery = GSCompressor::Delivery::None;
    };

    bool addRepackedRewrite(const QString& rewrite);
    void addRepackedSource();
    bool isWorthRepacking(const QString& path, const QByteArray& password) const;
    QString newTempPath();
    bool isSound(const QString& path) const;
    Candidate smallest() const;

    const QString m_stagedSource;
    const QString m_password;
    const PdfCheck::Result m_source;
    QList<Candidate> m_candidates;
    QStringList m_writtenFiles;
};
