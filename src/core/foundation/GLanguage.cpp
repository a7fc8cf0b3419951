#include "foundation/GLanguage.h"

#include <QCoreApplication>
#include <QHash>

namespace {
    // Built once, on the first lookup from whichever thread comes first (the crash handler may be
    // that thread); a function-local static makes the construction thread-safe and it is only read after.
    const QHash<int, const char*>& catalogue()
    {
        static const QHash<int, const char*> table = {
            { GLanguage::MsgNetworkError,
                QT_TRANSLATE_NOOP("GLanguage", "Error network, please check your connection!") },
            { GLanguage::MsgProgramCrashed, QT_TRANSLATE_NOOP("GLanguage", "The program gets crashed.") },
            { GLanguage::MsgSendCrashReport,
                QT_TRANSLATE_NOOP("GLanguage", "Please send the crash report to the developer. (%1)") },
            { GLanguage::MsgNewestVersion,
                QT_TRANSLATE_NOOP("GLanguage", "is currently the newest version available.") },
            { GLanguage::MsgRequestsTooFrequent,
                QT_TRANSLATE_NOOP("GLanguage", "Requests are too frequent, please try again later.") },
            { GLanguage::MsgNewVersionAvailable,
                QT_TRANSLATE_NOOP(
                    "GLanguage", "A newer version is available: %1. Do you want to open the product page?") },
        };
        return table;
    }
} // namespace

const char* GLanguage::sourceUtf8(MessageId id) { return catalogue().value(id, ""); }

QString GLanguage::messageSource(MessageId id) { return QString::fromUtf8(sourceUtf8(id)); }

QString GLanguage::messageText(MessageId id) { return QCoreApplication::translate("GLanguage", sourceUtf8(id)); }
