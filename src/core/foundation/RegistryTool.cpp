#include "foundation/RegistryTool.h"

#include "foundation/ProductConstants.h"

#include <QCoreApplication>

namespace {
    const QString languageKey = QStringLiteral("language");

    // The store is opened under the application's identity, so the identity is set first.
    QString namedOrganisation()
    {
        QCoreApplication::setOrganizationName(Product::organisationName);
        QCoreApplication::setApplicationName(Product::displayName);
        return Product::organisationName;
    }
} // namespace

RegistryTool::RegistryTool()
    : m_settings(QSettings::NativeFormat, QSettings::UserScope, namedOrganisation(), Product::displayName)
{
    m_settings.setFallbacksEnabled(false);
}

RegistryTool* RegistryTool::instance()
{
    static RegistryTool* const tool = new RegistryTool();
    return tool;
}

int RegistryTool::language() const { return m_settings.value(languageKey, 1).toInt(); }

void RegistryTool::setLanguage(int code)
{
    m_settings.setValue(languageKey, code);
    m_settings.sync();
}

QString RegistryTool::fileName() const { return m_settings.fileName(); }
