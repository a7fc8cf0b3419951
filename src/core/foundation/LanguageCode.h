#pragma once

#include <QString>
#include <QVector>

/** The interface languages, as stored per user and carried by the language menu's actions. */
enum LanguageCode : int
{
    English = 1,
    French = 2,
    Portuguese = 3,
    Italian = 4,
    German = 5,
    Spanish = 6,
    Japanese = 7,
};

/** One interface language: its code, its own name, its catalogue suffix and its localisation number. */
struct LanguageEntry
{
    LanguageCode code;
    QString nativeName; // shown in the language menu, never translated
    QString suffix; // names the catalogue pair: Translation_<suffix>.qm and qt_<suffix>.qm
    int localisationNumber; // the product services' own numbering of the same language
};

/** The seven languages in the order of their codes. */
const QVector<LanguageEntry>& languageTable();

/** The entry of a code; any code that is not a language gives the English entry. */
const LanguageEntry& languageEntry(int code);
