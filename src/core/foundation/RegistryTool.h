#pragma once

#include <QObject>
#include <QSettings>

/**
 * The per-user store of the interface language, in Qt's native settings format (the registry on
 * Windows, ~/.config/Vantorel/ on Linux). It is not the settings file "Kompresto.ini".
 */
class RegistryTool final : public QObject
{
    Q_OBJECT

public:
    /** The one store of the process, created on the first call and kept until the process ends. */
    static RegistryTool* instance();

    /** The stored LanguageCode; 1 (English) when none is stored. A stored value is never corrected. */
    int language() const;
    /** Stores the LanguageCode and writes it out at once. */
    void setLanguage(int code);

    /** Where the store lives, for diagnostics. */
    QString fileName() const;

private:
    RegistryTool();

    QSettings m_settings;
};
