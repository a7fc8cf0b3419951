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
    /** For each page, whether it shows anything; empty when the document could not be rendered. */
    static QList<bool> pagesWithInk(const QString& path, const QString& passwordArgument);

    /** The first page (counted from 1) that shows something in source and nothing in rewrite; 0 when none. */
    static int firstEmptiedPage(const QList<bool>& source, const QList<bool>& rewrite);
};
