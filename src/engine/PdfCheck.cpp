#include "PdfCheck.h"

#include "PdfPassword.h"

#include <QFile>
#include <exception>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFOutlineDocumentHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <vector>

namespace
{
    int countOutlines(std::vector<QPDFOutlineObjectHelper> outlines)
    {
        int count = 0;
        for (QPDFOutlineObjectHelper& outline : outlines) {
            count += 1 + countOutlines(outline.getKids());
        }
        return count;
    }

    int countLinks(QPDF& pdf)
    {
        int count = 0;
        for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(pdf).getAllPages()) {
            count += static_cast<int>(page.getAnnotations("/Link").size());
        }
        return count;
    }

    // Damaged bookmarks or annotations do not make the pages unreadable: they just count as none.
    void countNavigation(QPDF& pdf, PdfCheck::Result& result)
    {
        try {
            result.linkCount = countLinks(pdf);
            QPDFOutlineDocumentHelper outlines(pdf);
            result.outlineCount = countOutlines(outlines.getTopLevelOutlines());
        } catch (const std::exception&) {
            result.linkCount = 0;
            result.outlineCount = 0;
        }
    }
} // namespace

PdfCheck::Result PdfCheck::inspect(const QString& path, const QString& password)
{
    const QByteArray fileName = QFile::encodeName(path);
    const QList<QByteArray> forms = PdfPassword::encodings(password);
    if (forms.isEmpty()) {
        return inspectWith(fileName, nullptr);
    }
    Result result;
    for (const QByteArray& form : forms) {
        result = inspectWith(fileName, &form);
        if (result.outcome != Outcome::PasswordRejected) {
            break;
        }
    }
    return result;
}

PdfCheck::Result PdfCheck::inspectWith(const QByteArray& fileName, const QByteArray* password)
{
    Result result;
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processFile(fileName.constData(), password == nullptr ? nullptr : password->constData());
        result.pageCount = static_cast<int>(pdf.getAllPages().size());
        countNavigation(pdf, result);
        result.outcome = Outcome::Readable;
        if (password != nullptr) {
            result.password = *password;
        }
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
