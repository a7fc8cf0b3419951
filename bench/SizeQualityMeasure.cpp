#include "SizeQualityMeasure.h"

#include "BenchContext.h"
#include "Corpus.h"
#include "ImageComparison.h"
#include "MarkdownTable.h"
#include "PdfFacts.h"
#include "Rewriters.h"
#include "ToolRun.h"
#include "engine/CompressSetting.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMap>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {
    const int resolutions[] = { 72, 150 };
    const QString mediumLabel = QStringLiteral("Custom 5 = Medium File Size");
    const QString ebookLabel = QStringLiteral("gs /ebook");
    const QString losslessLabel = QStringLiteral("qpdf lossless pass");
    const QString ocrmypdfLabel = QStringLiteral("ocrmypdf -O3");
    const QString mutoolLabel = QStringLiteral("mutool clean -gggz");
    const QString smallLabel = QStringLiteral("Custom 1 = Small File Size");
    const QString largeLabel = QStringLiteral("Custom 10 = Large File Size");
    const QString printerLabel = QStringLiteral("gs /printer");

    struct Variant
    {
        enum class Kind
        {
            Application,
            GhostscriptPreset,
            Qpdf,
            QpdfLossless,
            Ocrmypdf,
            Mutool,
        };
        QString label;
        Kind kind;
        qint32 mode = High;
        int level = 5;
        QString preset;
    };

    QList<Variant> variants()
    {
        // The presets resolve to effective levels 1, 5 and 10, the very argument lists of those Custom
        // levels, so one run serves both and the row names both.
        const QMap<int, QString> presets
            = { { CompressSetting::effectiveLevel(High, 5), QStringLiteral("Small File Size") },
                  { CompressSetting::effectiveLevel(Medium, 5), QStringLiteral("Medium File Size") },
                  { CompressSetting::effectiveLevel(Low, 5), QStringLiteral("Large File Size") } };
        QList<Variant> list;
        for (int level = 1; level <= 10; ++level) {
            QString label = QStringLiteral("Custom %1").arg(level);
            if (presets.contains(level)) {
                label += QStringLiteral(" = ") + presets.value(level);
            }
            list << Variant { label, Variant::Kind::Application, Custom, level, {} };
        }
        for (const char* preset : { "/screen", "/ebook", "/printer" }) {
            list << Variant { QStringLiteral("gs %1").arg(QLatin1String(preset)), Variant::Kind::GhostscriptPreset, 0,
                0, QLatin1String(preset) };
        }
        list << Variant { QStringLiteral("qpdf optimise"), Variant::Kind::Qpdf, 0, 0, {} };
        list << Variant { losslessLabel, Variant::Kind::QpdfLossless, 0, 0, {} };
        // Peers a user may reach for instead; left out where Debian's package is not installed.
        if (ToolRun::available(QStringLiteral("ocrmypdf"))) {
            list << Variant { ocrmypdfLabel, Variant::Kind::Ocrmypdf, 0, 0, {} };
        }
        if (ToolRun::available(QStringLiteral("mutool"))) {
            list << Variant { mutoolLabel, Variant::Kind::Mutool, 0, 0, {} };
        }
        return list;
    }

    /** Up to count pages spread evenly over the document, 1-based. */
    QList<int> spreadPages(int pages, int count)
    {
        QList<int> chosen;
        for (int index = 0; index < qMin(pages, count); ++index) {
            const int page = 1 + static_cast<int>((index + 0.5) * pages / qMin(pages, count));
            if (!chosen.contains(page)) {
                chosen << qBound(1, page, pages);
            }
        }
        return chosen;
    }

    QImage render(const QString& path, int page, int dpi, const QString& prefix)
    {
        ToolRun::run(QStringLiteral("pdftoppm"),
            { QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"), QString::number(page),
                QStringLiteral("-l"), QString::number(page), QStringLiteral("-singlefile"), path, prefix });
        const QString file = prefix + QStringLiteral(".ppm");
        QImage image(file);
        QFile::remove(file);
        return image;
    }

    /** Renders of the source pages, kept in memory for all the settings of one document. */
    class SourcePages
    {
    public:
        SourcePages(const QString& path, const QList<int>& pages, const QString& scratch)
        {
            for (int dpi : resolutions) {
                for (int page : pages) {
                    m_images[qMakePair(dpi, page)] = render(path, page, dpi, scratch + QStringLiteral("/source"));
                }
            }
        }
        QImage at(int dpi, int page) const { return m_images.value(qMakePair(dpi, page)); }

    private:
        QMap<QPair<int, int>, QImage> m_images;
    };

    struct Quality
    {
        double psnr[2] = { std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::quiet_NaN() };
        double ssim[2] = { std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::quiet_NaN() };
        int mismatchedPages = 0;
    };

    Quality compare(const QString& rewrite, const SourcePages& source, const QList<int>& pages, const QString& scratch)
    {
        Quality quality;
        for (int index = 0; index < 2; ++index) {
            ImageComparison comparison;
            for (int page : pages) {
                comparison.addPage(source.at(resolutions[index], page),
                    render(rewrite, page, resolutions[index], scratch + QStringLiteral("/rewrite")));
            }
            quality.psnr[index] = comparison.psnr();
            quality.ssim[index] = comparison.ssim();
            quality.mismatchedPages += comparison.mismatchedPages();
        }
        return quality;
    }

    Rewrite make(const Variant& variant, const CorpusDocument& document, const QString& scratch)
    {
        const QString output = scratch + QStringLiteral("/out.pdf");
        switch (variant.kind) {
        case Variant::Kind::Application:
            return Rewriters::application(
                document.path, scratch + QStringLiteral("/application"), variant.mode, variant.level);
        case Variant::Kind::GhostscriptPreset:
            return Rewriters::ghostscriptPreset(document.path, output, variant.preset);
        case Variant::Kind::QpdfLossless:
            return Rewriters::qpdfLossless(document.path, output);
        case Variant::Kind::Ocrmypdf:
            return Rewriters::ocrmypdfOptimize(document.path, output);
        case Variant::Kind::Mutool:
            return Rewriters::mutoolClean(document.path, output);
        case Variant::Kind::Qpdf:
            break;
        }
        return Rewriters::qpdfOptimize(document.path, output);
    }

    /** Figures of one setting over the whole corpus, for the summary table. */
    struct Summary
    {
        QList<double> shares;
        QList<double> formerShares; // what the engine delivered before the lossless pass joined the choice
        qint64 deliveredBytes = 0;
        qint64 formerBytes = 0;
        qint64 sourceBytes = 0;
        int formerSourceDelivered = 0;
        QList<double> ssim150;
        QList<double> psnr150;
        QList<double> textKept;
        int documents = 0;
        int failures = 0;
        int lostStructure = 0; // documents that lost pages, links or bookmarks
        int sourceDelivered = 0;
    };

    QString countCell(int rewrite, int source)
    {
        return rewrite == source ? QString::number(rewrite) : QStringLiteral("**%1**").arg(rewrite);
    }

    /** What the goals compare per document: the application at Medium, /ebook and the lossless pass. */
    struct GoalFigures
    {
        qint64 medium = -1;
        qint64 ebook = -1;
        qint64 lossless = -1;
        double mediumSsim = std::numeric_limits<double>::quiet_NaN();
        double ebookSsim = std::numeric_limits<double>::quiet_NaN();
    };

    QString goalsSection(const QMap<QString, GoalFigures>& goals, const QMap<QString, Summary>& summaries)
    {
        MarkdownTable table(
            { QStringLiteral("Document"), QStringLiteral("Medium, MiB"), QStringLiteral("gs /ebook, MiB"),
                QStringLiteral("Lossless pass, MiB"), QStringLiteral("No larger than the smaller"),
                QStringLiteral("SSIM 150 Medium"), QStringLiteral("SSIM 150 /ebook"), QStringLiteral("Within 0.005") },
            QStringLiteral("lrrrlrrl"));
        int sizeMet = 0;
        int qualityMet = 0;
        for (auto goal = goals.cbegin(); goal != goals.cend(); ++goal) {
            const GoalFigures& figures = goal.value();
            qint64 bound = std::numeric_limits<qint64>::max();
            for (qint64 other : { figures.ebook, figures.lossless }) {
                if (other >= 0) {
                    bound = qMin(bound, other);
                }
            }
            const bool sizeOk = figures.medium >= 0 && figures.medium <= bound;
            const bool qualityOk = figures.mediumSsim >= figures.ebookSsim - 0.005;
            sizeMet += sizeOk ? 1 : 0;
            qualityMet += qualityOk ? 1 : 0;
            const auto mib
                = [](qint64 bytes) { return bytes < 0 ? QStringLiteral("failed") : MarkdownTable::mebibytes(bytes); };
            table.addRow({ goal.key(), mib(figures.medium), mib(figures.ebook), mib(figures.lossless),
                sizeOk ? QStringLiteral("yes") : QStringLiteral("**no**"), MarkdownTable::number(figures.mediumSsim, 3),
                MarkdownTable::number(figures.ebookSsim, 3),
                qualityOk ? QStringLiteral("yes") : QStringLiteral("**no**") });
        }
        int before = 0;
        int now = 0;
        int runs = 0;
        for (const Summary& summary : summaries) {
            if (summary.sourceBytes > 0) { // application rows only
                before += summary.formerSourceDelivered;
                now += summary.sourceDelivered;
                runs += summary.documents;
            }
        }
        QString text
            = QStringLiteral("### Goals of the lossless pass\n\n"
                             "At Medium File Size every document should come out no larger than the smaller "
                             "of `gs /ebook` and the lossless pass of the source, with SSIM at 150 dpi no worse "
                             "than /ebook's by more than 0.005; and the documents handed back byte for byte "
                             "should halve. Size goal met on **%1 of %2** documents, quality goal on **%3 of "
                             "%2**. Handed back unchanged over all application settings: **%4 of %5** runs "
                             "now, %6 of %5 before.\n\n")
                  .arg(sizeMet)
                  .arg(goals.size())
                  .arg(qualityMet)
                  .arg(now)
                  .arg(runs)
                  .arg(before);
        return text + table.toMarkdown() + QLatin1Char('\n');
    }

    /** One setting's result on one document, for the size report. */
    struct ShareAndSsim
    {
        double share = std::numeric_limits<double>::quiet_NaN();
        double ssim = std::numeric_limits<double>::quiet_NaN();
    };

    using SizeReport = QMap<QString, QMap<QString, ShareAndSsim>>; // document, then setting

    QString sizeReportSection(const SizeReport& report, const QStringList& settings)
    {
        QStringList headers = { QStringLiteral("Document") };
        QString alignment = QStringLiteral("l");
        for (const QString& setting : settings) {
            headers << setting;
            alignment += QLatin1Char('r');
        }
        headers << QStringLiteral("Small ≤ Medium ≤ Large") << QStringLiteral("Large SSIM ≥ /printer's");
        alignment += QStringLiteral("ll");
        MarkdownTable table(headers, alignment);
        int ordered = 0;
        int detailKept = 0;
        for (auto document = report.cbegin(); document != report.cend(); ++document) {
            const QMap<QString, ShareAndSsim>& results = document.value();
            QStringList row = { document.key() };
            for (const QString& setting : settings) {
                const ShareAndSsim result = results.value(setting);
                row << (std::isnan(result.share) ? QStringLiteral("–")
                                                 : QStringLiteral("%1 · %2").arg(MarkdownTable::percent(result.share),
                                                     MarkdownTable::number(result.ssim, 3)));
            }
            const double small = results.value(smallLabel).share;
            const double medium = results.value(mediumLabel).share;
            const double large = results.value(largeLabel).share;
            const bool inOrder = small <= medium && medium <= large;
            const bool keepsDetail = results.value(largeLabel).ssim >= results.value(printerLabel).ssim - 0.005;
            ordered += inOrder ? 1 : 0;
            detailKept += keepsDetail ? 1 : 0;
            row << (inOrder ? QStringLiteral("yes") : QStringLiteral("**no**"))
                << (keepsDetail ? QStringLiteral("yes") : QStringLiteral("**no**"));
            table.addRow(row);
        }
        return QStringLiteral("### Size and SSIM per document\n\n"
                              "Each cell is the share of the source's size · the SSIM at 150 dpi. Small, Medium "
                              "and Large should come out in that order of size on every document (met on **%1 of "
                              "%3**), and Large should keep at least the detail of `gs /printer` less 0.005 (met "
                              "on **%2 of %3**).\n\n")
                   .arg(ordered)
                   .arg(detailKept)
                   .arg(report.size())
            + table.toMarkdown() + QLatin1Char('\n');
    }

    /** PSNR stays finite in the medians: identical pages count as 99 dB, above anything lossy. */
    double cappedPsnr(double psnr) { return std::isinf(psnr) ? 99.0 : psnr; }
} // namespace

namespace SizeQualityMeasure {
    QString run(const BenchContext& context)
    {
        const QString scratch = context.workFolder + QStringLiteral("/quality");
        QDir().mkpath(scratch);
        const int comparedPages = context.quick ? 1 : 3;
        const QList<Variant> allVariants = variants();
        QMap<QString, Summary> summaries;
        QMap<QString, GoalFigures> goals;
        SizeReport sizeReport;
        QString details;

        for (const CorpusDocument& document : context.corpus->documents()) {
            const PdfFacts sourceFacts = PdfFacts::read(document.path);
            const QList<int> pages = spreadPages(document.pages, comparedPages);
            const SourcePages sourcePages(document.path, pages, scratch);
            QStringList pageNames;
            for (int page : pages) {
                pageNames << QString::number(page);
            }

            MarkdownTable table({ QStringLiteral("Setting"), QStringLiteral("MiB"), QStringLiteral("Share"),
                                    QStringLiteral("Share before"), QStringLiteral("Delivered"),
                                    QStringLiteral("Time (s)"), QStringLiteral("PSNR 72"), QStringLiteral("SSIM 72"),
                                    QStringLiteral("PSNR 150"), QStringLiteral("SSIM 150"), QStringLiteral("Pages"),
                                    QStringLiteral("Links"), QStringLiteral("Bookmarks"), QStringLiteral("Text kept") },
                QStringLiteral("lrrrlrrrrrrrrr"));
            table.addRow({ QStringLiteral("source"), MarkdownTable::mebibytes(document.bytes), QStringLiteral("100 %"),
                QString(), QString(), QString(), QString(), QString(), QString(), QString(),
                QString::number(sourceFacts.pages), QString::number(sourceFacts.links),
                QString::number(sourceFacts.outlineEntries), QStringLiteral("100 %") });

            for (const Variant& variant : allVariants) {
                Summary& summary = summaries[variant.label];
                ++summary.documents;
                const Rewrite rewrite = make(variant, document, scratch);
                if (!rewrite.succeeded) {
                    ++summary.failures;
                    table.addRow({ variant.label, QStringLiteral("failed: %1").arg(rewrite.failure) });
                    continue;
                }
                const PdfFacts facts = PdfFacts::read(rewrite.path);
                Quality quality;
                if (rewrite.sourceDelivered) {
                    ++summary.sourceDelivered;
                    for (int index = 0; index < 2; ++index) {
                        quality.psnr[index] = std::numeric_limits<double>::infinity();
                        quality.ssim[index] = 1.0;
                    }
                } else {
                    quality = compare(rewrite.path, sourcePages, pages, scratch);
                }
                const double share = static_cast<double>(rewrite.bytes) / static_cast<double>(document.bytes);
                const double kept = PdfFacts::keptWordShare(sourceFacts, facts);
                const bool isApplication = variant.kind == Variant::Kind::Application;
                const double formerShare
                    = static_cast<double>(rewrite.formerBytes) / static_cast<double>(document.bytes);
                if (isApplication) {
                    summary.formerShares << formerShare;
                    summary.deliveredBytes += rewrite.bytes;
                    summary.formerBytes += rewrite.formerBytes;
                    summary.sourceBytes += document.bytes;
                    summary.formerSourceDelivered += rewrite.formerBytes == document.bytes ? 1 : 0;
                }
                GoalFigures& goal = goals[document.name];
                if (variant.label == mediumLabel) {
                    goal.medium = rewrite.bytes;
                    goal.mediumSsim = quality.ssim[1];
                } else if (variant.label == ebookLabel) {
                    goal.ebook = rewrite.bytes;
                    goal.ebookSsim = quality.ssim[1];
                } else if (variant.label == losslessLabel) {
                    goal.lossless = rewrite.bytes;
                }
                sizeReport[document.name][variant.label] = ShareAndSsim { share, quality.ssim[1] };
                summary.shares << share;
                summary.ssim150 << quality.ssim[1];
                summary.psnr150 << cappedPsnr(quality.psnr[1]);
                summary.textKept << kept;
                if (facts.pages != sourceFacts.pages || facts.links < sourceFacts.links
                    || facts.outlineEntries < sourceFacts.outlineEntries) {
                    ++summary.lostStructure;
                }
                QString label = variant.label;
                if (rewrite.sourceDelivered) {
                    label += QStringLiteral(" ¹");
                }
                if (quality.mismatchedPages > 0) {
                    label += QStringLiteral(" ²");
                }
                table.addRow({ label, MarkdownTable::mebibytes(rewrite.bytes), MarkdownTable::percent(share),
                    isApplication ? MarkdownTable::percent(formerShare) : QString(),
                    isApplication ? rewrite.delivery : QString(), MarkdownTable::number(rewrite.seconds, 2),
                    MarkdownTable::number(quality.psnr[0], 1), MarkdownTable::number(quality.ssim[0], 3),
                    MarkdownTable::number(quality.psnr[1], 1), MarkdownTable::number(quality.ssim[1], 3),
                    countCell(facts.pages, sourceFacts.pages), countCell(facts.links, sourceFacts.links),
                    countCell(facts.outlineEntries, sourceFacts.outlineEntries), MarkdownTable::percent(kept) });
            }
            details += QStringLiteral("### %1\n\n%2, %3 pages, %4 MiB; pages compared: %5.\n\n")
                           .arg(document.name, document.origin)
                           .arg(document.pages)
                           .arg(MarkdownTable::mebibytes(document.bytes), pageNames.join(QStringLiteral(", ")));
            details += table.toMarkdown() + QLatin1Char('\n');
        }

        MarkdownTable summaryTable(
            { QStringLiteral("Setting"), QStringLiteral("Median share"), QStringLiteral("Median share before"),
                QStringLiteral("Corpus total"), QStringLiteral("Corpus total before"), QStringLiteral("Smallest share"),
                QStringLiteral("Largest share"), QStringLiteral("Median PSNR 150"), QStringLiteral("Median SSIM 150"),
                QStringLiteral("Median text kept"), QStringLiteral("Source handed back ¹"),
                QStringLiteral("Source handed back before"), QStringLiteral("Lost pages, links or bookmarks"),
                QStringLiteral("Failed") },
            QStringLiteral("lrrrrrrrrrrrrr"));
        for (const Variant& variant : allVariants) {
            const Summary& summary = summaries.value(variant.label);
            QList<double> sorted = summary.shares;
            std::sort(sorted.begin(), sorted.end());
            const bool isApplication = variant.kind == Variant::Kind::Application;
            const auto corpusShare = [&summary](qint64 bytes) {
                return summary.sourceBytes > 0
                    ? MarkdownTable::percent(static_cast<double>(bytes) / static_cast<double>(summary.sourceBytes))
                    : QStringLiteral("–");
            };
            summaryTable.addRow({ variant.label, MarkdownTable::percent(median(summary.shares)),
                isApplication ? MarkdownTable::percent(median(summary.formerShares)) : QStringLiteral("–"),
                corpusShare(summary.deliveredBytes), corpusShare(summary.formerBytes),
                sorted.isEmpty() ? QStringLiteral("n/a") : MarkdownTable::percent(sorted.first()),
                sorted.isEmpty() ? QStringLiteral("n/a") : MarkdownTable::percent(sorted.last()),
                MarkdownTable::number(median(summary.psnr150), 1), MarkdownTable::number(median(summary.ssim150), 3),
                MarkdownTable::percent(median(summary.textKept)),
                isApplication ? QStringLiteral("%1 of %2").arg(summary.sourceDelivered).arg(summary.documents)
                              : QStringLiteral("–"),
                isApplication ? QStringLiteral("%1 of %2").arg(summary.formerSourceDelivered).arg(summary.documents)
                              : QStringLiteral("–"),
                QStringLiteral("%1 of %2").arg(summary.lostStructure).arg(summary.documents),
                QString::number(summary.failures) });
        }

        QString text = QStringLiteral("## 2. Size and quality\n\n");
        text += QStringLiteral(
            "Every document of the corpus through every setting of the application (`GSCompressor::compress`, "
            "Custom 1 to 10; the presets Small, Medium and Large File Size resolve to the identical argument lists "
            "of Custom 1, 5 and 10, so those rows stand for them too), Ghostscript's own presets (`gs "
            "-sDEVICE=pdfwrite "
            "-dPDFSETTINGS=…`), `qpdf --optimize-images --recompress-flate --object-streams=generate` and the "
            "lossless pass alone (`qpdf --recompress-flate --compression-level=9 --object-streams=generate`), and "
            "where installed `ocrmypdf -O3` (no text recognition, plain PDF output) and `mutool clean -gggz`. "
            "For the application, *Delivered* names the copy that went out (the rewrite, the rewrite after the "
            "lossless pass, the source after it, or the source unchanged) and *Share before* what the engine "
            "delivered before the lossless pass joined the choice: the plain rewrite when it was smaller and "
            "kept the links and bookmarks, else the source. *Corpus total* is all delivered bytes as a share of "
            "all source bytes. "
            "*Share* is the output's size as a share of the source's. Quality compares %1 page(s) spread over each "
            "document, rendered by `pdftoppm` at 72 and 150 dpi: PSNR in dB over the RGB samples (∞ for identical "
            "pages), and mean SSIM of the luma (8×8 windows; 1 for identical pages). Pages, links (link "
            "annotations), bookmarks (outline entries at every depth) are counted with qpdf; *text kept* is the "
            "share of the source's words, with repeats, that `pdftotext` still finds in the output. A count in "
            "bold differs from the source's.\n\n"
            "pdfwrite re-expresses every page's drawing with slightly different numbers, so even an image it "
            "passes through untouched can land a fraction of a pixel elsewhere in the render. Each rendered "
            "page is therefore aligned tile by tile (64 pixels square, whole-pixel shifts up to 2 each way) "
            "before it is compared; what remains of a sub-pixel shift sets a floor that every pdfwrite output "
            "shares, the application's and Ghostscript's presets alike: rows that pass images through "
            "(*gs /printer* on the scans) show where it lies. qpdf never moves anything.\n\n"
            "¹ No candidate was smaller, so the application handed back the untouched source, as designed.  \n"
            "² Some rendered pages differed in size from the source's and were not compared.\n\n"
            "### Summary over the corpus\n\n"
            "Medians over the %2 documents; PSNR of identical pages counts as 99 dB here.\n\n")
                    .arg(comparedPages)
                    .arg(context.corpus->documents().size());
        text += summaryTable.toMarkdown() + QLatin1Char('\n');
        text += goalsSection(goals, summaries) + QLatin1Char('\n');
        QStringList reportedSettings = { smallLabel, mediumLabel, largeLabel, QStringLiteral("gs /screen"), ebookLabel,
            printerLabel, QStringLiteral("qpdf optimise") };
        for (const QString& peer : { ocrmypdfLabel, mutoolLabel }) {
            if (summaries.contains(peer)) {
                reportedSettings << peer;
            }
        }
        text += sizeReportSection(sizeReport, reportedSettings) + QLatin1Char('\n');
        return text + details;
    }
} // namespace SizeQualityMeasure
