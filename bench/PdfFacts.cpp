#include "PdfFacts.h"

#include "ToolRun.h"

#include <QFile>
#include <QRegularExpression>
#include <exception>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFOutlineDocumentHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <set>

namespace {
    int countOutlines(std::vector<QPDFOutlineObjectHelper> outlines, std::set<QPDFObjGen>& seen)
    {
        int count = 0;
        for (QPDFOutlineObjectHelper& outline : outlines) {
            // A damaged outline can loop back on itself; count every entry once.
            const QPDFObjGen id = outline.getObjectHandle().getObjGen();
            if (id.isIndirect() && !seen.insert(id).second) {
                continue;
            }
            count += 1 + countOutlines(outline.getKids(), seen);
        }
        return count;
    }

    int countLinks(QPDF& pdf)
    {
        int links = 0;
        for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(pdf).getAllPages()) {
            QPDFObjectHandle annotations = page.getObjectHandle().getKey("/Annots");
            if (!annotations.isArray()) {
                continue;
            }
            for (QPDFObjectHandle annotation : annotations.aitems()) {
                if (annotation.isDictionary() && annotation.getKey("/Subtype").isNameAndEquals("/Link")) {
                    ++links;
                }
            }
        }
        return links;
    }

    QHash<QString, int> extractedWords(const QString& path)
    {
        QHash<QString, int> words;
        const ToolResult result
            = ToolRun::run(QStringLiteral("pdftotext"), { QStringLiteral("-q"), path, QStringLiteral("-") });
        const QString text = QString::fromUtf8(result.standardOutput);
        static const QRegularExpression separators(QStringLiteral("\\s+"));
        for (const QString& word : text.split(separators, Qt::SkipEmptyParts)) {
            ++words[word];
        }
        return words;
    }
} // namespace

PdfFacts PdfFacts::read(const QString& path)
{
    PdfFacts facts;
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processFile(QFile::encodeName(path).constData());
        facts.pages = static_cast<int>(QPDFPageDocumentHelper(pdf).getAllPages().size());
        facts.links = countLinks(pdf);
        std::set<QPDFObjGen> seen;
        QPDFOutlineDocumentHelper outlines(pdf);
        facts.outlineEntries = countOutlines(outlines.getTopLevelOutlines(), seen);
        facts.readable = true;
    } catch (const std::exception&) {
        facts.readable = false;
    }
    facts.words = extractedWords(path);
    return facts;
}

double PdfFacts::keptWordShare(const PdfFacts& source, const PdfFacts& rewrite)
{
    qint64 total = 0;
    qint64 kept = 0;
    for (auto word = source.words.cbegin(); word != source.words.cend(); ++word) {
        total += word.value();
        kept += qMin(word.value(), rewrite.words.value(word.key()));
    }
    return total == 0 ? 1.0 : static_cast<double>(kept) / static_cast<double>(total);
}
