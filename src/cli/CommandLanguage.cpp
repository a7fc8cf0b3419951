#include "cli/CommandLanguage.h"

#include <QCoreApplication>
#include <QTranslator>
#include <memory>

namespace {
    const QStringList translatedSuffixes = { QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es"),
        QStringLiteral("it"), QStringLiteral("ja"), QStringLiteral("pt") };

    void loadCatalogue(QCoreApplication& application, const QString& path)
    {
        // A catalogue that cannot be loaded leaves the English source texts, as in the window.
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(path)) {
            translator->setParent(&application);
            QCoreApplication::installTranslator(translator.release());
        }
    }
} // namespace

QString CommandLanguage::suffixForLocale(const QString& localeName)
{
    // "pt_BR.UTF-8@euro": the language is everything before the territory, the codeset and the modifier.
    const QString language = localeName.section(QLatin1Char('_'), 0, 0)
                                 .section(QLatin1Char('.'), 0, 0)
                                 .section(QLatin1Char('@'), 0, 0)
                                 .toLower();
    return translatedSuffixes.contains(language) ? language : QStringLiteral("en");
}

QString CommandLanguage::environmentLocale()
{
    for (const char* variable : { "LC_ALL", "LC_MESSAGES", "LANG" }) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty()) {
            return value;
        }
    }
    return QString();
}

void CommandLanguage::install(QCoreApplication& application)
{
    const QString suffix = suffixForLocale(environmentLocale());
    if (suffix == QLatin1String("en")) {
        return; // English shows the source texts
    }
    loadCatalogue(application, QStringLiteral(":/translations/language/Translation_") + suffix + QStringLiteral(".qm"));
    // Qt's own texts (the option parser's errors) follow; Qt has no catalogue of its own for Spanish here.
    loadCatalogue(application, QStringLiteral(":/translations/language/qt_") + suffix + QStringLiteral(".qm"));
}
