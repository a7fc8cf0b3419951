#include "foundation/LanguageCode.h"

const QVector<LanguageEntry>& languageTable()
{
    static const QVector<LanguageEntry> table = {
        { English, QStringLiteral("English"), QStringLiteral("en"), 0 },
        { French, QStringLiteral("Français"), QStringLiteral("fr"), 2 },
        { Portuguese, QStringLiteral("Português"), QStringLiteral("pt"), 6 },
        { Italian, QStringLiteral("Italiano"), QStringLiteral("it"), 4 },
        { German, QStringLiteral("Deutsch"), QStringLiteral("de"), 3 },
        { Spanish, QStringLiteral("Español"), QStringLiteral("es"), 5 },
        { Japanese, QStringLiteral("日本語"), QStringLiteral("ja"), 1 },
    };
    return table;
}

const LanguageEntry& languageEntry(int code)
{
    const auto& table = languageTable();
    for (const auto& entry : table) {
        if (entry.code == code) {
            return entry;
        }
    }
    return table.first();
}
