#pragma once

#include <QString>
#include <QUrl>

namespace Brimlake {
    /** What the update service tells the user about one check, already in the user's language. */
    struct BLUpdateNotice
    {
        enum Kind
        {
            NewerVersion, // offers the product page
            NewestVersion,
            NetworkError,
            TooFrequent,
        };

        Kind kind = NetworkError;
        QString title;
        QString text;
        QString availableVersion; // NewerVersion only
        QUrl productPage; // NewerVersion only
    };
} // namespace Brimlake
