#include "services/MultiLanguage.h"

#include "foundation/LanguageCode.h"
#include "services/IBLLocalizationMgr.h"
#include "services/IBLUpdatesService.h"
#include "services/QNetWorkProcess.h"

#include <QCoreApplication>
#include <QDebug>
#include <QLocale>

namespace {
    const QString catalogueFolder = QStringLiteral(":/translations/language/");

    void loadCatalogue(QTranslator& translator, const QString& name)
    {
        const QString path = catalogueFolder + name + QStringLiteral(".qm");
        if (!translator.load(path)) {
            qDebug() << "No translation catalogue:" << path;
        }
    }
} // namespace

MultiLanguage::MultiLanguage()
{
    QCoreApplication::installTranslator(&m_applicationTranslator);
    QCoreApplication::installTranslator(&m_qtTranslator);
}

MultiLanguage* MultiLanguage::instance()
{
    static MultiLanguage* const switcher = new MultiLanguage();
    return switcher;
}

void MultiLanguage::setLanguage(int code)
{
    const LanguageEntry& entry = languageEntry(code);
    // Each load first drops what the translator held, so a catalogue that is missing (Qt has none
    // for Spanish) leaves its translator empty and those texts fall back to English.
    loadCatalogue(m_applicationTranslator, QStringLiteral("Translation_") + entry.suffix);
    loadCatalogue(m_qtTranslator, QStringLiteral("qt_") + entry.suffix);
    // Numbers the interface shows follow its language: "1,15 MB" in German and French.
    QLocale::setDefault(QLocale(entry.suffix));
    emit languageChanged();

    // The update service picks up the language with the product it serves, so it is handed the
    // product again, but only once the service bridge has described it.
    if (const auto meta = QNetWorkProcess::productMeta()) {
        Brimlake::IBLUpdatesService::Shared()->setProductMeta(meta, true);
    }
    Brimlake::IBLLocalizationMgr::SharedLocalizationMgr()->setLanguageId(entry.localisationNumber);
}
