#pragma once

#include <QObject>
#include <QTranslator>

/**
 * Switches the interface language at run time: loads the application's catalogue and Qt's own
 * catalogue of a language into two translators installed on the application, then announces the
 * change so that every window re-applies its texts.
 */
class MultiLanguage final : public QObject
{
    Q_OBJECT

public:
    /** The one switcher of the process, created on the first call; needs the application object. */
    static MultiLanguage* instance();

    /**
     * Loads the catalogue pair of a LanguageCode (any other code means English), emits
     * languageChanged() once and tells the product services the language now in use.
     */
    void setLanguage(int code);

    const QTranslator& applicationTranslator() const { return m_applicationTranslator; }
    const QTranslator& qtTranslator() const { return m_qtTranslator; }

signals:
    /** Emitted by every setLanguage() once both catalogues are loaded; receivers re-apply their texts. */
    void languageChanged();

private:
    MultiLanguage();

    QTranslator m_applicationTranslator;
    QTranslator m_qtTranslator;
};
