#pragma once

#include "cli/DocumentOutcome.h"
#include "cli/InputCollector.h"
#include "engine/CompressSetting.h"
#include "engine/GSCompressor.h"

#include <QCoreApplication>
#include <QSet>
#include <QStringList>
#include <atomic>

/** Where the command puts what it makes of each document. */
struct DocumentTarget
{
    enum class Mode
    {
        FreeName, // a name that clashes with nothing in the output folder
        SkipExisting, // no output when the output folder holds the source's name already
        Overwrite, // over a same-named output, in one step; never over a source
        InPlace, // over the source itself, only when smaller and sound
    };

    Mode mode = Mode::FreeName;
    QString folder; // the output folder of this document (absolute); unused in place
    QString name; // the output's name; empty for the source's own name
    QSet<QString> sources; // canonical paths of every document of the run, which an output never replaces
};

/**
 * Compresses one document of the command's run on a pool thread, the way the window does: qpdf
 * inspects it, a password from the password file unlocks it, the compressor rewrites, verifies and
 * delivers it under a free name (or as the target says).
 */
class DocumentJob final
{
    Q_DECLARE_TR_FUNCTIONS(DocumentJob)

public:
    /** standardInputCopy is where a document read from standard input is kept privately while it is compressed. */
    DocumentJob(const InputDocument& input, const DocumentTarget& target, const CompressSetting& setting,
        const QStringList& passwords, const QString& standardInputCopy = QString());

    DocumentJob(const DocumentJob&) = delete;
    DocumentJob& operator=(const DocumentJob&) = delete;

    /** Does all the work of the document; blocks the calling thread until it is done or stopped. */
    DocumentOutcome run();

    /** Thread-safe: a job that has not started will not start; a running compression is stopped. */
    void stop();

    /** The most standard input may bring: a document larger than this is refused, not written out. */
    static constexpr qint64 standardInputLimit = qint64(2) << 30;

private:
    bool readStandardInput(DocumentOutcome& outcome);
    bool checkSource(DocumentOutcome& outcome);
    bool chooseDestination(DocumentOutcome& outcome);
    bool inspectAndUnlock(DocumentOutcome& outcome, QString& password);
    void compress(DocumentOutcome& outcome, const QString& password);
    /** Searches the levels for the best copy under the target size and delivers it, or the smallest one. */
    void fitUnderTarget(DocumentOutcome& outcome, const QString& folder, const QString& password);
    void describeDelivery(DocumentOutcome& outcome);

    InputDocument m_input;
    const DocumentTarget m_target;
    const CompressSetting m_setting;
    const QStringList m_passwords;
    const QString m_standardInputCopy;
    GSCompressor m_compressor;
    std::atomic<bool> m_stopped { false };
};
