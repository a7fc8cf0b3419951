#include "PDFFileItem.h"

#include "LogSite.h"
#include "PdfPassword.h"

#include <QDebug>
#include <QFile>
#include <exception>
#include <memory>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>

namespace {
    const char* const sourceFile = "src/PDFFileItem";
    const QString openIcon = QStringLiteral("PDF-3x.png");
    const QString lockedIcon = QStringLiteral("PDFLock-3x.png");

    /** What one attempt to open the document with qpdf found out. */
    struct Opening
    {
        enum class Outcome
        {
            Opened,
            QpdfFailure, // qpdf refused the document; errorCode says why
            OtherFailure, // the file could not be read at all (vanished, unreadable, out of memory)
        };

        Outcome outcome = Outcome::OtherFailure;
        int errorCode = 0;
        bool encrypted = false;
        bool userPasswordMatched = false;
        bool ownerPasswordMatched = false;
        qint32 pageCount = 0;
        QString message;
    };

    // qpdf tells about repairs it made; they belong in the log, not on the terminal.
    void logWarnings(QPDF& pdf, const char* function)
    {
        for (const QPDFExc& warning : pdf.getWarnings()) {
            qDebug() << LOG_SITE(sourceFile, function) << "qpdf:" << warning.what();
        }
    }

    /** One attempt with one byte form of the password, or with none. */
    Opening openWith(const QByteArray& pathBytes, const QByteArray* password, const char* function)
    {
        Opening opening;
        try {
            const auto pdf = std::make_unique<QPDF>();
            pdf->setSuppressWarnings(true);
            try {
                pdf->processFile(pathBytes.constData(), password == nullptr ? nullptr : password->constData());
                opening.encrypted = pdf->isEncrypted();
                opening.userPasswordMatched = pdf->userPasswordMatched();
                opening.ownerPasswordMatched = pdf->ownerPasswordMatched();
                opening.pageCount = static_cast<qint32>(pdf->getAllPages().size());
                opening.outcome = Opening::Outcome::Opened;
            } catch (const QPDFExc& error) {
                opening.outcome = Opening::Outcome::QpdfFailure;
                opening.errorCode = error.getErrorCode();
                opening.userPasswordMatched = pdf->userPasswordMatched();
                opening.message = QString::fromStdString(error.what());
            }
            logWarnings(*pdf, function);
            pdf->closeInputSource();
        } catch (const std::exception& error) {
            // A file that vanished or cannot be read raises qpdf's system error, which is no QPDFExc.
            opening.outcome = Opening::Outcome::OtherFailure;
            opening.message = QString::fromLocal8Bit(error.what());
        } catch (...) {
            opening.outcome = Opening::Outcome::OtherFailure;
        }
        return opening;
    }

    /**
     * Opens the document, learns what the item needs and closes the file again at once: a list of
     * thousands of documents must not hold one open file each. A password is tried in each of its
     * byte forms until the document stops refusing it.
     */
    Opening openDocument(const QString& path, const QString& password, const char* function)
    {
        const QByteArray pathBytes = QFile::encodeName(path);
        const QList<QByteArray> forms = PdfPassword::encodings(password);
        if (forms.isEmpty()) {
            return openWith(pathBytes, nullptr, function);
        }
        Opening opening;
        for (const QByteArray& form : forms) {
            opening = openWith(pathBytes, &form, function);
            if (opening.outcome != Opening::Outcome::QpdfFailure || opening.errorCode != qpdf_e_password) {
                break;
            }
        }
        return opening;
    }
} // namespace

PDFFileItem::PDFFileItem(const QString& path, QObject* parent)
    : FileItem(path, parent)
{
}

PDFFileItem::~PDFFileItem() { qDebug() << LOG_SITE(sourceFile, "PDFFileItem::~PDFFileItem") << "~PDFFileItem()"; }

bool PDFFileItem::initPDF()
{
    qDebug() << "Open file: " << m_filePath;
    const Opening opening = openDocument(m_filePath, QString(), "PDFFileItem::initPDF");

    switch (opening.outcome) {
    case Opening::Outcome::Opened:
        m_iconName = openIcon;
        m_needsOpenPassword = false;
        m_encrypted = opening.encrypted;
        m_locked = false;
        m_pageCount = opening.pageCount;
        return true;
    case Opening::Outcome::QpdfFailure:
        if (opening.errorCode == qpdf_e_password) {
            if (!opening.userPasswordMatched) {
                m_locked = true;
                m_iconName = lockedIcon;
                m_needsOpenPassword = true;
                m_encrypted = false;
            }
            return true;
        }
        if (opening.errorCode == qpdf_e_damaged_pdf) {
            qWarning() << LOG_SITE(sourceFile, "PDFFileItem::initPDF") << "File open failed: " << m_filePath
                       << opening.message;
            return false;
        }
        // Listed as found: compressing it will tell the user whether anything can be done with it.
        qDebug() << LOG_SITE(sourceFile, "PDFFileItem::initPDF") << "qpdf could not inspect" << m_filePath
                 << opening.message;
        return true;
    case Opening::Outcome::OtherFailure:
        break;
    }
    qWarning() << LOG_SITE(sourceFile, "PDFFileItem::initPDF") << "File open failed: " << m_filePath << opening.message;
    return false;
}

bool PDFFileItem::unlockPDF(const QString& password)
{
    const Opening opening = openDocument(m_filePath, password, "PDFFileItem::unlockPDF");
    if (opening.outcome != Opening::Outcome::Opened) {
        qDebug() << "Incorrect password.";
        return false;
    }

    // The owner password opens the document as fully as the user password, and Ghostscript accepts
    // it too, so either one unlocks the item.
    m_locked = false;
    m_pageCount = opening.pageCount;
    m_password = password;
    emit unlockSuccess();
    return true;
}

bool PDFFileItem::isLocked() const { return m_locked; }

qint32 PDFFileItem::pdfCompress(const QString& inputPath, const QString& outputDir)
{
    qDebug() << LOG_SITE(sourceFile, "PDFFileItem::pdfCompress") << "Compressing: " << inputPath;
    const CompressResult result = compress(inputPath, outputDir, m_password);
    if (result.code == 0) {
        const QString sizeText = formatFileSize(compressedSize());
        emit CompressedInfo(outputFileName(), sizeText);
        emit outputFileSignal(result.outputPath);
        qDebug() << LOG_SITE(sourceFile, "PDFFileItem::pdfCompress") << "Compress success: " << result.outputPath;
    }
    return result.code;
}

void PDFFileItem::setCompressSetting(const CompressSetting& setting) { CompressFunction::setCompressSetting(setting); }
