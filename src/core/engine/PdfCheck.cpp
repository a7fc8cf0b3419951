#include "engine/PdfCheck.h"

#include "engine/PdfPassword.h"

#include <QFile>
#include <exception>
#include <memory>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFOutlineDocumentHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <vector>

namespace {
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

PdfCheck::Result PdfCheck::inspect(const QString& path, const QString& password, Detail detail)
{
    const QByteArray fileName = QFile::encodeName(path);
    const QList<QByteArray> forms = PdfPassword::encodings(password);
    if (forms.isEmpty()) {
        return inspectWith(fileName, nullptr, detail);
    }
    Result result;
    for (const QByteArray& form : forms) {
        result = inspectWith(fileName, &form, detail);
        if (result.outcome != Outcome::PasswordRejected) {
            break;
        }
    }
    return result;
}

PdfCheck::Result PdfCheck::inspectWith(const QByteArray& fileName, const QByteArray* password, Detail detail)
{
    Result result;
    try {
        const auto pdf = std::make_unique<QPDF>();
        pdf->setSuppressWarnings(true);
        try {
            pdf->processFile(fileName.constData(), password == nullptr ? nullptr : password->constData());
            result.encrypted = pdf->isEncrypted();
            result.userPasswordMatched = pdf->userPasswordMatched();
            result.pageCount = static_cast<int>(pdf->getAllPages().size());
            if (detail == Detail::PagesAndNavigation) {
                countNavigation(*pdf, result);
            }
            result.outcome = Outcome::Readable;
            if (password != nullptr) {
                result.password = *password;
            }
        } catch (const QPDFExc& error) {
            result.errorCode = error.getErrorCode();
            result.outcome = result.errorCode == qpdf_e_password ? Outcome::PasswordRejected : Outcome::Unreadable;
            result.userPasswordMatched = pdf->userPasswordMatched();
            result.message = QString::fromStdString(error.what());
        }
        for (const QPDFExc& warning : pdf->getWarnings()) {
            result.warnings << QString::fromStdString(warning.what());
        }
        pdf->closeInputSource();
    } catch (const std::exception& error) {
        // A file that vanished or cannot be read raises qpdf's system error, which is no QPDFExc.
        result.outcome = Outcome::Unreadable;
        result.message = QString::fromLocal8Bit(error.what());
    } catch (...) {
        result.outcome = Outcome::Unreadable;
    }
    return result;
}
