#pragma once

#include <QString>

class QCoreApplication;

/**
 * The command speaks the language of the environment's locale, as Unix commands do: LC_ALL, else
 * LC_MESSAGES, else LANG. A language the application has no catalogue for, "C" and "POSIX" give English.
 */
namespace CommandLanguage {
    /** The catalogue suffix (de, fr, es, it, ja, pt) for a locale name such as "de_DE.UTF-8"; "en" otherwise. */
    QString suffixForLocale(const QString& localeName);

    /** The locale name the environment chooses for messages. */
    QString environmentLocale();

    /** Loads the application's and Qt's catalogues of the environment's language into application. */
    void install(QCoreApplication& application);
} // namespace CommandLanguage
