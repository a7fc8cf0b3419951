#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

/**
 * What a folder holds, read as bytes: a name that is no valid text must be seen and reported, not
 * lost in decoding as Qt's own listings would lose it.
 */
namespace FolderListing {
    struct Entry
    {
        QByteArray name;
        bool folder = false; // a folder, or a link to one
        bool link = false;
    };

    /** The entries directly in folder, without "." and "..", in the order of their decoded names; none when it cannot
     * be read. */
    QVector<Entry> entriesOf(const QString& folder);
} // namespace FolderListing
