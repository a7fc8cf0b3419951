#pragma once

#include <QList>
#include <QString>

/**
 * What each page of a document puts on paper, measured by rendering it at a few dots per inch with the
 * interpreter's ink coverage device. Cheap enough to compare a rewrite with its source page by page.
 */
class InkCoverage final
{
public:
    /**
     * For each page from firstPage on (counted from 1), whether it shows anything; empty when the document
     * could not be rendered or has no page from firstPage on.
     */
    static QList<bool> pagesWithInk(const QString& path, const QString& passwordArgument, int firstPage = 1);

    /** The first page (counted from 1) that shows something in source and nothing in rewrite; 0 when none. */
    static int firstEmptiedPage(const QList<bool>& source, const QList<bool>& rewrite);
};
