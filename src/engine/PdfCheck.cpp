#include "PdfCheck.h"

#include <QFile>
#include <exception>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>

PdfCheck::Result PdfCheck::inspect(const QString& path, const QString& password)
{
    Result result;
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        const QByteArray fileBytes = QFile::encodeName(path);
        const QByteArray passwordBytes = password.toUtf8();
        pdf.processFile(fileBytes.constData(), password.isEmpty() ? nullptr : passwordBytes.constData());
        result.pageCount = static_cast<int>(pdf.getAllPages().size());
        result.outcome = Outcome::Readable;
        pdf.closeInputSource();
    } catch (const QPDFExc& error) {
        result.outcome = error.getErrorCode() == qpdf_e_password ? Outcome::PasswordRejected : Outcome::Unreadable;
        result.message = QString::fromStdString(error.what());
    } catch (const std::exception& error) {
        // qpdf also throws plain runtime errors for files it cannot make sense of.
        result.outcome = Outcome::Unreadable;
        result.message = QString::fromLocal8Bit(error.what());
    }
    return result;
}
