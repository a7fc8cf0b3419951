#include "cli/DocumentJob.h"

#include "cli/InterruptWatcher.h"
#include "documents/PDFFileItem.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {
    constexpr qint64 headerSearchBytes = 1024;
} // namespace

DocumentJob::DocumentJob(const InputDocument& input, const QString& outputFolder, const CompressSetting& setting,
    const QStringList& passwords)
    : m_input(input)
    , m_outputFolder(outputFolder)
    , m_setting(setting)
    , m_passwords(passwords)
{
    m_compressor.setMode(setting.mode);
    m_compressor.setLevel(setting.level);
}

bool DocumentJob::hasPdfHeader(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(headerSearchBytes).contains("%PDF-");
}

DocumentOutcome DocumentJob::run()
{
    DocumentOutcome outcome;
    outcome.sourcePath = m_input.path;
    outcome.displayName = m_input.displayName;
    outcome.sourceBytes = QFileInfo(m_input.path).size();
    QString password;
    if (m_stopped.load()) {
        outcome.status = DocumentOutcome::Status::Stopped;
    } else if (inspectAndUnlock(outcome, password)) {
        compress(outcome, password);
    }
    return outcome;
}

bool DocumentJob::inspectAndUnlock(DocumentOutcome& outcome, QString& password)
{
    outcome.status = DocumentOutcome::Status::Failed;
    if (!m_input.found || !QFileInfo(m_input.path).isFile()) {
        outcome.problem = DocumentOutcome::Problem::NotFound;
        return false;
    }
    if (!m_input.pdfName) {
        outcome.problem = DocumentOutcome::Problem::NotPdfName;
        return false;
    }
    if (!hasPdfHeader(m_input.path)) {
        outcome.problem = DocumentOutcome::Problem::NotPdf;
        return false;
    }
    PDFFileItem item(m_input.path);
    if (!item.initPDF()) {
        outcome.problem = DocumentOutcome::Problem::Damaged;
        return false;
    }
    if (item.isLocked()) {
        if (m_passwords.isEmpty()) {
            outcome.problem = DocumentOutcome::Problem::Locked;
            return false;
        }
        const bool unlocked = std::any_of(m_passwords.cbegin(), m_passwords.cend(),
            [&item](const QString& candidate) { return item.unlockPDF(candidate); });
        if (!unlocked) {
            outcome.problem = DocumentOutcome::Problem::PasswordsRejected;
            return false;
        }
    }
    password = item.password();
    return true;
}

void DocumentJob::compress(DocumentOutcome& outcome, const QString& password)
{
    outcome.engineRan = true;
    outcome.code = m_compressor.compress(m_input.path, m_outputFolder, password);
    if (outcome.code == GSCompressor::Success) {
        outcome.status = DocumentOutcome::Status::Delivered;
        outcome.outputPath = m_outputFolder + QLatin1Char('/') + m_compressor.fileName();
        outcome.outputBytes = m_compressor.compressedSize();
    } else if (m_stopped.load() || InterruptWatcher::interruptArrived()) {
        outcome.status = DocumentOutcome::Status::Stopped;
    } else {
        outcome.problem = DocumentOutcome::Problem::Engine;
    }
}

void DocumentJob::stop()
{
    m_stopped.store(true);
    m_compressor.stop();
}
