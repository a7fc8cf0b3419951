#include "engine/PdfCheck.h"

#include "engine/BufferedFileSource.h"
#include "engine/PdfPassword.h"

#include <QFile>
#include <cmath>
#include <exception>
#include <limits>
#include <memory>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <set>
#include <utility>
#include <vector>

namespace {
    using PdfCheck::Detail;
    using PdfCheck::Outcome;
    using PdfCheck::Result;

    // Real outlines are a handful of levels deep; deeper ones are damaged or made to trap readers.
    constexpr int outlineDepthBound = 64;

    /**
     * Counts the outline items below the root of the outline tree. The tree is walked here rather than
     * by qpdf's outline helper, which never returns when items point back at each other: each item
     * is counted once, and no walk goes deeper than the bound.
     */
    int countOutlines(QPDFObjectHandle outlineRoot)
    {
        if (!outlineRoot.isDictionary()) {
            return 0;
        }
        int count = 0;
        std::set<QPDFObjGen> visited;
        std::vector<std::pair<QPDFObjectHandle, int>> firstChildren { { outlineRoot.getKey("/First"), 1 } };
        while (!firstChildren.empty()) {
            auto [item, depth] = firstChildren.back();
            firstChildren.pop_back();
            // Siblings are followed in a loop, children wait on the stack: neither recurses.
            for (; item.isDictionary(); item = item.getKey("/Next")) {
                if (item.isIndirect() && !visited.insert(item.getObjGen()).second) {
                    break;
                }
                ++count;
                if (depth < outlineDepthBound) {
                    firstChildren.emplace_back(item.getKey("/First"), depth + 1);
                }
            }
        }
        return count;
    }

    /** Link annotations on the page, each annotation counted once however often the page lists it. */
    int countLinks(QPDFObjectHandle page)
    {
        QPDFObjectHandle annotations = page.getKey("/Annots");
        if (!annotations.isArray()) {
            return 0;
        }
        int count = 0;
        std::set<QPDFObjGen> seen;
        for (QPDFObjectHandle annotation : annotations.getArrayAsVector()) {
            if (!annotation.isDictionary() || !annotation.getKey("/Subtype").isNameAndEquals("/Link")) {
                continue;
            }
            if (!annotation.isIndirect() || seen.insert(annotation.getObjGen()).second) {
                ++count;
            }
        }
        return count;
    }

    // Damaged bookmarks or annotations do not make the pages unreadable: they just count as none.
    void countNavigation(QPDF& pdf, PdfCheck::Result& result)
    {
        try {
            int links = 0;
            for (QPDFObjectHandle page : pdf.getAllPages()) {
                links += countLinks(page);
            }
            result.linkCount = links;
            result.outlineCount = countOutlines(pdf.getRoot().getKey("/Outlines"));
        } catch (const std::exception&) {
            result.linkCount = 0;
            result.outlineCount = 0;
        }
    }

    // Sheets that differ by less than this are the same: writers round a box's numbers their own way.
    constexpr double sizeTolerance = 1.0;

    /** The page's sheet in points, or an empty size when it is no page dictionary with a usable MediaBox. */
    QSizeF sheetOf(QPDFObjectHandle page)
    {
        if (!page.isDictionary()) {
            return {};
        }
        QPDFObjectHandle box = QPDFPageObjectHelper(page).getAttribute("/MediaBox", false);
        if (!box.isArray() || box.getArrayNItems() != 4) {
            return {};
        }
        double corners[4] = {};
        for (int index = 0; index < 4; ++index) {
            QPDFObjectHandle number = box.getArrayItem(index);
            if (!number.isNumber() || !std::isfinite(number.getNumericValue())) {
                return {};
            }
            corners[index] = number.getNumericValue();
        }
        QPDFObjectHandle userUnit = page.getKey("/UserUnit");
        const double unit = userUnit.isNumber() && userUnit.getNumericValue() > 0 ? userUnit.getNumericValue() : 1.0;
        const QSizeF sheet(std::fabs(corners[2] - corners[0]) * unit, std::fabs(corners[3] - corners[1]) * unit);
        return sheet.width() > 0 && sheet.height() > 0 && std::isfinite(sheet.width() * sheet.height()) ? sheet
                                                                                                        : QSizeF();
    }

    void measurePages(QPDF& pdf, PdfCheck::Result& result)
    {
        int number = 0;
        for (QPDFObjectHandle page : pdf.getAllPages()) {
            ++number;
            if (!page.isDictionary() && result.firstNonPage == 0) {
                result.firstNonPage = number;
            }
            result.pageSizes << sheetOf(page);
        }
    }

    // A sheet turned a quarter is the same sheet: the interpreter turns pages whose text runs upwards.
    bool isSameSheet(const QSizeF& one, const QSizeF& other)
    {
        const auto near = [](double a, double b) { return std::fabs(a - b) <= sizeTolerance; };
        return (near(one.width(), other.width()) && near(one.height(), other.height()))
            || (near(one.width(), other.height()) && near(one.height(), other.width()));
    }

    QString sheetText(const QSizeF& sheet)
    {
        return QStringLiteral("%1 x %2 pt").arg(sheet.width(), 0, 'f', 1).arg(sheet.height(), 0, 'f', 1);
    }

    int pageCountOf(QPDF& pdf, PdfCheck::Detail detail)
    {
        if (detail == Detail::DeclaredPages) {
            // Reading one number costs a millisecond where walking a manual's page tree costs a hundred. A
            // document may lie here; the compressor walks the tree before it relies on the count.
            QPDFObjectHandle count = pdf.getRoot().getKey("/Pages").getKey("/Count");
            if (count.isInteger() && count.getIntValue() > 0
                && count.getIntValue() <= std::numeric_limits<int>::max()) {
                return static_cast<int>(count.getIntValue());
            }
        }
        return static_cast<int>(pdf.getAllPages().size());
    }

    PdfCheck::Result inspectWith(const QByteArray& fileName, const QByteArray* password, PdfCheck::Detail detail)
    {
        Result result;
        try {
            const auto pdf = std::make_unique<QPDF>();
            pdf->setSuppressWarnings(true);
            try {
                pdf->processInputSource(std::make_shared<BufferedFileSource>(fileName.toStdString()),
                    password == nullptr ? nullptr : password->constData());
                result.encrypted = pdf->isEncrypted();
                result.userPasswordMatched = pdf->userPasswordMatched();
                result.pageCount = pageCountOf(*pdf, detail);
                if (detail != Detail::DeclaredPages) {
                    measurePages(*pdf, result);
                }
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
} // namespace

PdfCheck::Result PdfCheck::inspect(const QString& path, const QString& password, PdfCheck::Detail detail)
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

QString PdfCheck::unlikeSource(const Result& source, const Result& copy)
{
    if (copy.outcome != Outcome::Readable) {
        return QStringLiteral("qpdf cannot open it: ") + copy.message;
    }
    if (copy.pageCount != source.pageCount || copy.pageSizes.size() != copy.pageCount
        || source.pageSizes.size() != source.pageCount) {
        return QStringLiteral("it has %1 pages, the source %2").arg(copy.pageCount).arg(source.pageCount);
    }
    if (copy.pageCount == 0) {
        return QStringLiteral("it has no page");
    }
    // A copy cannot be checked against a page that is not there: none can stand in for such a source.
    if (source.firstNonPage > 0) {
        return QStringLiteral("page %1 of the source is no page at all").arg(source.firstNonPage);
    }
    for (int index = 0; index < copy.pageCount; ++index) {
        const QSizeF& sheet = copy.pageSizes.at(index);
        const QSizeF& original = source.pageSizes.at(index);
        if (sheet.isEmpty()) {
            return QStringLiteral("page %1 is no page with a usable MediaBox").arg(index + 1);
        }
        if (!original.isEmpty() && !isSameSheet(sheet, original)) {
            return QStringLiteral("page %1 measures %2, in the source %3")
                .arg(index + 1)
                .arg(sheetText(sheet), sheetText(original));
        }
    }
    return QString();
}
