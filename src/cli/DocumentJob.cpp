#include "cli/DocumentJob.h"

#include "documents/FileItem.h"
#include "documents/PDFFileItem.h"
#include "engine/FitSearch.h"
#include "engine/ResultTable.h"
#include "foundation/FileDescriptor.h"
#include "foundation/TerminationWatcher.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {
    // Ctrl-C on a terminal reaches the interpreter's worker process too, which then dies by it: that is
    // the user's stop, not a crash. Known on every thread from the moment the signal is handled.
    bool wasInterrupted() { return TerminationWatcher::receivedSignal() != 0; }

    constexpr qint64 headerSearchBytes = 1024;
    constexpr int stopCheckIntervalMs = 200;
    constexpr std::size_t readChunk = 1 << 16;

    // Never blocks: a FIFO that slipped in between the check and the open is seen by fstat and refused.
    int openRegularFile(const QString& path, int& error)
    {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        error = fd < 0 ? errno : 0;
        return fd;
    }

    bool writeAll(int fd, const char* data, std::size_t size)
    {
        while (size > 0) {
            const ssize_t written = ::write(fd, data, size);
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written <= 0) {
                return false;
            }
            data += written;
            size -= static_cast<std::size_t>(written);
        }
        return true;
    }

    QString deliveryText(Delivery delivery)
    {
        switch (delivery) {
        case Delivery::Rewritten:
            return DocumentJob::tr("Ghostscript's rewrite");
        case Delivery::RewrittenAndRepacked:
            return DocumentJob::tr("Ghostscript's rewrite, repacked by qpdf");
        case Delivery::SourceRepacked:
            return DocumentJob::tr("the source, repacked by qpdf");
        case Delivery::SourceUnchanged:
            return DocumentJob::tr("the source as it was");
        case Delivery::None:
            break;
        }
        return QString();
    }
} // namespace

DocumentJob::DocumentJob(const InputDocument& input, const DocumentTarget& target, const CompressSetting& setting,
    const QStringList& passwords, const QString& standardInputCopy)
    : m_input(input)
    , m_target(target)
    , m_setting(setting)
    , m_passwords(passwords)
    , m_standardInputCopy(standardInputCopy)
{
    m_compressor.setMode(setting.mode);
    m_compressor.setLevel(setting.level);
}

DocumentOutcome DocumentJob::run()
{
    DocumentOutcome outcome;
    outcome.sourcePath = m_input.standardInput ? InputCollector::standardInputName : m_input.path;
    outcome.displayName = m_input.displayName;
    outcome.status = DocumentOutcome::Status::Failed;
    QString password;
    if (m_stopped.load()) {
        outcome.status = DocumentOutcome::Status::Stopped;
    } else if ((!m_input.standardInput || readStandardInput(outcome)) && checkSource(outcome)
        && chooseDestination(outcome) && inspectAndUnlock(outcome, password)) {
        compress(outcome, password);
    }
    if (m_input.standardInput && !m_standardInputCopy.isEmpty()) {
        QFile::remove(m_standardInputCopy);
    }
    return outcome;
}

bool DocumentJob::readStandardInput(DocumentOutcome& outcome)
{
    // Kept privately, like every staged copy, and read in slices so that a stop is seen at once.
    const FileDescriptor copy(::open(QFile::encodeName(m_standardInputCopy).constData(),
        O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, S_IRUSR | S_IWUSR));
    if (!copy.isValid()) {
        outcome.code = ResultTable::Unreadable;
        outcome.detail = qt_error_string(errno);
        return false;
    }
    std::vector<char> buffer(readChunk);
    qint64 total = 0;
    for (;;) {
        if (m_stopped.load()) {
            outcome.status = DocumentOutcome::Status::Stopped;
            return false;
        }
        pollfd waiting = { STDIN_FILENO, POLLIN, 0 };
        const int ready = ::poll(&waiting, 1, stopCheckIntervalMs);
        if (ready == 0 || (ready < 0 && errno == EINTR)) {
            continue;
        }
        const ssize_t got = ::read(STDIN_FILENO, buffer.data(), buffer.size());
        if (got == 0) {
            break;
        }
        if (got < 0) {
            if (errno == EINTR || errno == EAGAIN) {
                continue;
            }
            outcome.code = ResultTable::Unreadable;
            outcome.detail = qt_error_string(errno);
            return false;
        }
        total += got;
        if (total > standardInputLimit) {
            outcome.code = ResultTable::InputTooLarge;
            return false;
        }
        if (!writeAll(copy.get(), buffer.data(), static_cast<std::size_t>(got))) {
            outcome.code = ResultTable::Unreadable;
            outcome.detail = qt_error_string(errno);
            return false;
        }
    }
    m_input.path = m_standardInputCopy;
    return true;
}

bool DocumentJob::checkSource(DocumentOutcome& outcome)
{
    if (!m_input.nameRepresentable) {
        outcome.code = ResultTable::NameNotRepresentable;
        return false;
    }
    struct stat status = {};
    if (!m_input.found || ::stat(QFile::encodeName(m_input.path).constData(), &status) != 0) {
        outcome.code = ResultTable::NotFound;
        return false;
    }
    if (!S_ISREG(status.st_mode)) {
        outcome.code = ResultTable::NotRegularFile;
        return false;
    }
    outcome.sourceBytes = status.st_size;
    if (!m_input.pdfName) {
        outcome.code = ResultTable::NotPdfName;
        return false;
    }
    int error = 0;
    const FileDescriptor file(openRegularFile(m_input.path, error));
    if (!file.isValid()) {
        outcome.code = error == EACCES || error == EPERM ? ResultTable::PermissionDenied : ResultTable::Unreadable;
        outcome.detail = qt_error_string(error);
        return false;
    }
    struct stat opened = {};
    if (::fstat(file.get(), &opened) != 0 || !S_ISREG(opened.st_mode)) {
        outcome.code = ResultTable::NotRegularFile;
        return false;
    }
    char header[headerSearchBytes];
    const ssize_t got = ::read(file.get(), header, sizeof header);
    if (got < 0) {
        outcome.code = ResultTable::Unreadable;
        outcome.detail = qt_error_string(errno);
        return false;
    }
    if (!QByteArray::fromRawData(header, static_cast<int>(got)).contains("%PDF-")) {
        outcome.code = ResultTable::NotPdf;
        return false;
    }
    return true;
}

bool DocumentJob::chooseDestination(DocumentOutcome& outcome)
{
    const QString name = !m_target.name.isEmpty() ? m_target.name
        : m_input.standardInput                   ? QStringLiteral("stdin.pdf")
                                                  : QFileInfo(m_input.path).fileName();
    const QString destination = m_target.folder + QLatin1Char('/') + name;
    if (m_target.mode != DocumentTarget::Mode::InPlace) {
        QDir().mkpath(m_target.folder); // a mirrored subfolder appears with its first document
    }
    switch (m_target.mode) {
    case DocumentTarget::Mode::FreeName:
        m_compressor.setPlacement(GSCompressor::Placement::FreeName, destination);
        return true;
    case DocumentTarget::Mode::SkipExisting: {
        struct stat existing = {};
        if (::lstat(QFile::encodeName(destination).constData(), &existing) == 0) {
            outcome.status = DocumentOutcome::Status::Skipped;
            outcome.outputPath = destination;
            return false;
        }
        m_compressor.setPlacement(GSCompressor::Placement::FreeName, destination);
        return true;
    }
    case DocumentTarget::Mode::Overwrite: {
        const QString canonical = QFileInfo(destination).canonicalFilePath();
        const QString source = QFileInfo(m_input.path).canonicalFilePath();
        if (!canonical.isEmpty() && (canonical == source || m_target.sources.contains(canonical))) {
            outcome.code = ResultTable::WouldReplaceSource;
            outcome.outputPath = destination;
            return false;
        }
        m_compressor.setPlacement(GSCompressor::Placement::Replace, destination);
        return true;
    }
    case DocumentTarget::Mode::InPlace:
        // The file itself, not a link to it, is replaced, in its own folder.
        m_compressor.setPlacement(
            GSCompressor::Placement::ReplaceWhenSmaller, QFileInfo(m_input.path).canonicalFilePath());
        return true;
    }
    return false;
}

bool DocumentJob::inspectAndUnlock(DocumentOutcome& outcome, QString& password)
{
    outcome.status = DocumentOutcome::Status::Failed;
    PDFFileItem item(m_input.path);
    if (!item.initPDF()) {
        outcome.code = ResultTable::Damaged;
        return false;
    }
    outcome.steps << tr("inspected by qpdf, pages: %1").arg(item.pageCount())
            + (item.isLocked() || item.encrypted() ? QStringLiteral(", ") + tr("encrypted") : QString());
    if (item.isLocked()) {
        if (m_passwords.isEmpty()) {
            outcome.code = ResultTable::Locked;
            return false;
        }
        // A password that opens the document only to find it damaged makes it damaged, not locked.
        bool damaged = false;
        const auto opening
            = std::find_if(m_passwords.cbegin(), m_passwords.cend(), [&item, &damaged](const QString& candidate) {
                  const PDFFileItem::Unlock result = item.unlock(candidate);
                  damaged = damaged || result == PDFFileItem::Unlock::Damaged;
                  return result == PDFFileItem::Unlock::Opened;
              });
        if (opening == m_passwords.cend()) {
            outcome.code = damaged ? ResultTable::Damaged : ResultTable::PasswordsRejected;
            return false;
        }
        outcome.steps << tr("unlocked with password %1 of the password file")
                             .arg(std::distance(m_passwords.cbegin(), opening) + 1);
    }
    password = item.password();
    return true;
}

void DocumentJob::compress(DocumentOutcome& outcome, const QString& password)
{
    outcome.engineRan = true;
    const QString folder = m_target.mode == DocumentTarget::Mode::InPlace
        ? QFileInfo(QFileInfo(m_input.path).canonicalFilePath()).absolutePath()
        : m_target.folder;
    if (m_setting.mode == FitUnder) {
        fitUnderTarget(outcome, folder, password);
        return;
    }
    outcome.code = m_compressor.compress(m_input.path, folder, password);
    if (outcome.code == GSCompressor::Success) {
        outcome.status = DocumentOutcome::Status::Delivered;
        outcome.outputPath = folder + QLatin1Char('/') + m_compressor.fileName();
        outcome.outputBytes = m_compressor.compressedSize();
        describeDelivery(outcome);
    } else if (m_stopped.load() || wasInterrupted()) {
        outcome.status = DocumentOutcome::Status::Stopped;
    }
}

void DocumentJob::fitUnderTarget(DocumentOutcome& outcome, const QString& folder, const QString& password)
{
    FitSearch search(m_compressor);
    outcome.targetBytes = m_setting.targetSize;
    outcome.code = search.run(m_input.path, folder, password, m_setting.targetSize);
    outcome.interpreterRuns = search.tries().size();
    for (const FitSearch::Try& each : search.tries()) {
        outcome.steps << (each.code == GSCompressor::Success
                ? tr("tried level %1: %2").arg(each.level).arg(formatFileSize(each.size))
                : tr("tried level %1: %2").arg(each.level).arg(ResultTable::commandText(each.code)));
    }
    const bool delivered = outcome.code == GSCompressor::Success || outcome.code == FitSearch::DoesNotFit;
    if (delivered) {
        outcome.status = outcome.code == GSCompressor::Success ? DocumentOutcome::Status::Delivered
                                                               : DocumentOutcome::Status::Failed;
        outcome.fits = search.fits();
        outcome.fitLevel = search.levelUsed();
        outcome.outputPath = folder + QLatin1Char('/') + m_compressor.fileName();
        outcome.outputBytes = m_compressor.compressedSize();
        describeDelivery(outcome);
    } else if (m_stopped.load() || wasInterrupted()) {
        outcome.status = DocumentOutcome::Status::Stopped;
    }
}

void DocumentJob::describeDelivery(DocumentOutcome& outcome)
{
    if (m_target.mode == DocumentTarget::Mode::InPlace) {
        outcome.keptAsItWas = m_compressor.delivery() == Delivery::SourceUnchanged;
        outcome.replacedInPlace = !outcome.keptAsItWas;
        outcome.outputPath = outcome.sourcePath;
    }
    if (m_compressor.keptSourceForNavigation()) {
        outcome.steps << tr("the rewrite would lose links or bookmarks: not taken");
    }
    for (const WeighedCopy& copy : m_compressor.weighedCopies()) {
        outcome.steps << tr("weighed: %1, %2").arg(deliveryText(copy.delivery), formatFileSize(copy.size));
    }
    outcome.steps
        << tr("chosen: %1, %2").arg(deliveryText(m_compressor.delivery()), formatFileSize(outcome.outputBytes));
}

void DocumentJob::stop()
{
    m_stopped.store(true);
    m_compressor.stop();
}
