#include "cli/DocumentJob.h"

#include "cli/InterruptWatcher.h"
#include "documents/PDFFileItem.h"
#include "engine/ResultTable.h"

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
        outcome.code = ResultTable::NotFound;
        return false;
    }
    if (!m_input.pdfName) {
        outcome.code = ResultTable::NotPdfName;
        return false;
    }
    if (!hasPdfHeader(m_input.path)) {
        outcome.code = ResultTable::NotPdf;
        return false;
    }
    PDFFileItem item(m_input.path);
    if (!item.initPDF()) {
        outcome.code = ResultTable::Damaged;
        return false;
    }
    if (item.isLocked()) {
        if (m_passwords.isEmpty()) {
            outcome.code = ResultTable::Locked;
            return false;
        }
        // A password that opens the document only to find it damaged makes it damaged, not locked.
        bool damaged = false;
        const bool unlocked
            = std::any_of(m_passwords.cbegin(), m_passwords.cend(), [&item, &damaged](const QString& candidate) {
                  const PDFFileItem::Unlock result = item.unlock(candidate);
                  damaged = damaged || result == PDFFileItem::Unlock::Damaged;
                  return result == PDFFileItem::Unlock::Opened;
              });
        if (!unlocked) {
            outcome.code = damaged ? ResultTable::Damaged : ResultTable::PasswordsRejected;
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
    }
}

void DocumentJob::stop()
{
    m_stopped.store(true);
    m_compressor.stop();
}
