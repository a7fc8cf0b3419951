#pragma once

#include <QHash>
#include <QString>

/** What a reader would miss if a rewrite dropped it: pages, links, outline entries, extractable text. */
struct PdfFacts
{
    bool readable = false;
    int pages = 0;
    int links = 0; // link annotations over all pages
    int outlineEntries = 0; // bookmarks at every depth
    QHash<QString, int> words; // words pdftotext extracts, with their counts

    /** Reads path with qpdf and pdftotext. */
    static PdfFacts read(const QString& path);

    /** Share of the source's words (counted with repeats) that the rewrite still yields; 1 for no words. */
    static double keptWordShare(const PdfFacts& source, const PdfFacts& rewrite);
};
