#include "documents/PDFFileItem.h"

#include "engine/FitSearch.h"
#include "engine/GSCompressor.h"
#include "engine/PdfCheck.h"
#include "foundation/LogSite.h"

#include <QDebug>
#include <QFileInfo>
#include <qpdf/Constants.h>

namespace {
    const char* const sourceFile = "src/PDFFileItem";
    const QString openIcon = QStringLiteral("PDF-3x.png");
    const QString lockedIcon = QStringLiteral("PDFLock-3x.png");

    /**
     * Opens the document and closes the file again at once (a list of thousands of documents must not
     * hold one open file each). qpdf's notes about repairs belong in the log, not on the terminal.
     */
    PdfCheck::Result openDocument(const QString& path, const QString& password, const char* function)
    {
        const PdfCheck::Result result = PdfCheck::inspect(path, password, PdfCheck::Detail::DeclaredPages);
        for (const QString& warning : result.warnings) {
            qDebug() << LOG_SITE(sourceFile, function) << "qpdf:" << warning;
        }
        return result;
    }

    PDFFileItem::Unchanged unchangedReasonOf(const GSCompressor& engine)
    {
        if (engine.delivery() != Delivery::SourceUnchanged) {
            return PDFFileItem::Unchanged::No;
        }
        return engine.keptSourceForNavigation() ? PDFFileItem::Unchanged::ForNavigation
                                                : PDFFileItem::Unchanged::NotSmaller;
    }
} // namespace

PDFFileItem::PDFFileItem(const QString& path, QObject* parent)
    : FileItem(path, parent)
{
    engine().setProgressHandler([this](int page, int pageCount) { emit compressionProgress(page, pageCount); });
    setTryHandler([this](int number) { emit fitTryStarted(number); });
    // Emitted on the compressing thread, taken over on the item's own.
    connect(this, &PDFFileItem::pagesCounted, this, &PDFFileItem::takePageCount);
    connect(this, &PDFFileItem::compressionProgress, this, &PDFFileItem::takeProgress);
    connect(this, &PDFFileItem::fitTryStarted, this, &PDFFileItem::takeFitTry);
    connect(this, &PDFFileItem::CompressedInfo, this, &PDFFileItem::takeCompressedInfo);
}

PDFFileItem::~PDFFileItem() { qDebug() << LOG_SITE(sourceFile, "PDFFileItem::~PDFFileItem") << "~PDFFileItem()"; }

bool PDFFileItem::initPDF()
{
    qDebug() << "Open file: " << m_filePath;
    return applyInspection(inspect(m_filePath));
}

PdfCheck::Result PDFFileItem::inspect(const QString& path)
{
    return openDocument(path, QString(), "PDFFileItem::initPDF");
}

void PDFFileItem::beginInspection() { m_checking = true; }

bool PDFFileItem::applyInspection(const PdfCheck::Result& opening)
{
    m_checking = false;
    const bool belongs = takeInspection(opening);
    emit detailsChanged();
    return belongs;
}

bool PDFFileItem::takeInspection(const PdfCheck::Result& opening)
{
    switch (opening.outcome) {
    case PdfCheck::Outcome::Readable:
        m_iconName = openIcon;
        m_needsOpenPassword = false;
        m_encrypted = opening.encrypted;
        m_locked = false;
        m_pageCount = opening.pageCount;
        return true;
    case PdfCheck::Outcome::PasswordRejected:
        if (!opening.userPasswordMatched) {
            m_locked = true;
            m_iconName = lockedIcon;
            m_needsOpenPassword = true;
            m_encrypted = false;
        }
        return true;
    case PdfCheck::Outcome::Unreadable:
        if (opening.errorCode != 0 && opening.errorCode != qpdf_e_damaged_pdf) {
            // Listed as found: compressing it will tell the user whether anything can be done with it.
            qDebug() << LOG_SITE(sourceFile, "PDFFileItem::initPDF") << "qpdf could not inspect" << m_filePath
                     << opening.message;
            return true;
        }
        break;
    }
    qWarning() << LOG_SITE(sourceFile, "PDFFileItem::initPDF") << "File open failed: " << m_filePath << opening.message;
    return false;
}

bool PDFFileItem::unlockPDF(const QString& password) { return unlock(password) == Unlock::Opened; }

PDFFileItem::Unlock PDFFileItem::unlock(const QString& password)
{
    const PdfCheck::Result opening = openDocument(m_filePath, password, "PDFFileItem::unlockPDF");
    // qpdf got past the password and found the rest damaged: a file that vanished is no such case.
    if (opening.outcome == PdfCheck::Outcome::Unreadable && opening.errorCode == qpdf_e_damaged_pdf) {
        qWarning() << LOG_SITE(sourceFile, "PDFFileItem::unlockPDF")
                   << "The password opens a damaged document:" << m_filePath << opening.message;
        return Unlock::Damaged;
    }
    if (opening.outcome != PdfCheck::Outcome::Readable) {
        qDebug() << "Incorrect password.";
        return Unlock::Refused;
    }

    // The owner password opens the document as fully as the user password, and Ghostscript accepts
    // it too, so either one unlocks the item.
    m_locked = false;
    m_pageCount = opening.pageCount;
    m_password = password;
    emit detailsChanged();
    emit unlockSuccess();
    return Unlock::Opened;
}

bool PDFFileItem::isLocked() const { return m_locked; }

qint32 PDFFileItem::pdfCompress(const QString& inputPath, const QString& outputDir)
{
    qDebug() << LOG_SITE(sourceFile, "PDFFileItem::pdfCompress") << "Compressing: " << inputPath;
    const CompressResult result = compress(inputPath, outputDir, m_password);
    if (result.pageCount > 0) {
        emit pagesCounted(result.pageCount);
    }
    // A copy that does not fit under the size asked for is still delivered: the row shows it with the reason.
    if (result.code == 0 || result.code == FitSearch::DoesNotFit) {
        const QString sizeText = formatFileSize(compressedSize());
        emit CompressedInfo(outputFileName(), sizeText);
        emit outputFileSignal(result.outputPath);
        qDebug() << LOG_SITE(sourceFile, "PDFFileItem::pdfCompress") << "Compress success: " << result.outputPath;
    }
    return result.code;
}

// Inspection trusted the count the document declares; the compressor walked its page tree.
void PDFFileItem::takePageCount(qint32 count)
{
    if (count == m_pageCount) {
        return;
    }
    qDebug() << LOG_SITE(sourceFile, "PDFFileItem::takePageCount") << m_filePath << "has" << count << "pages, not"
             << m_pageCount;
    m_pageCount = count;
    emit detailsChanged();
}

void PDFFileItem::setCompressSetting(const CompressSetting& setting) { CompressFunction::setCompressSetting(setting); }

void PDFFileItem::stopCompression() { engine().stop(); }

void PDFFileItem::allowCompression() { engine().resetStop(); }

PDFFileItem::Unchanged PDFFileItem::unchangedReason() const { return unchangedReasonOf(engine()); }
