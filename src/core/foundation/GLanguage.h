#pragma once

#include <QString>

/**
 * The messages that several windows and the product services share, looked up by identifier and
 * translated in the context "GLanguage".
 */
class GLanguage final
{
public:
    enum MessageId
    {
        MsgNetworkError,
        MsgProgramCrashed,
        MsgSendCrashReport,
        MsgNewestVersion,
        MsgRequestsTooFrequent,
        MsgNewVersionAvailable,
    };

    /** The English source text of a message; callers fill any "%1" themselves. */
    static QString messageSource(MessageId id);
    /** The message translated with the catalogues loaded now; the source text when none translates it. */
    static QString messageText(MessageId id);

    /** The source text as stored in the catalogues, for translating with a translator of one's own. */
    static const char* sourceUtf8(MessageId id);

    GLanguage() = delete;
};
