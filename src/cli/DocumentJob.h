#pragma once

#include "cli/DocumentOutcome.h"
#include "cli/InputCollector.h"
#include "engine/CompressSetting.h"
#include "engine/GSCompressor.h"

#include <QStringList>
#include <atomic>

/**
 * Compresses one document of the command's run on a pool thread, the way the window does: qpdf
 * inspects it, a password from the password file unlocks it, the compressor rewrites, verifies and
 * delivers it under a free name.
 */
class DocumentJob final
{
public:
    DocumentJob(const InputDocument& input, const QString& outputFolder, const CompressSetting& setting,
        const QStringList& passwords);

    DocumentJob(const DocumentJob&) = delete;
    DocumentJob& operator=(const DocumentJob&) = delete;

    /** Does all the work of the document; blocks the calling thread until it is done or stopped. */
    DocumentOutcome run();

    /** Thread-safe: a job that has not started will not start; a running compression is stopped. */
    void stop();

    /** Whether the file begins like a PDF ("%PDF-" within its first kilobyte, as readers accept it). */
    static bool hasPdfHeader(const QString& path);

private:
    bool inspectAndUnlock(DocumentOutcome& outcome, QString& password);
    void compress(DocumentOutcome& outcome, const QString& password);

    const InputDocument m_input;
    const QString m_outputFolder;
    const CompressSetting m_setting;
    const QStringList m_passwords;
    GSCompressor m_compressor;
    std::atomic<bool> m_stopped { false };
};
