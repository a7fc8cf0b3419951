#include "foundation/SettingsStore.h"

#include "foundation/ProductConstants.h"

#include <QFile>
#include <QThread>
#include <memory>

namespace {
    std::unique_ptr<SettingsStore>& storage()
    {
        static std::unique_ptr<SettingsStore> store;
        return store;
    }

    // Appending creates an empty file when the folder exists and never truncates an existing one.
    QString touchedSettingsFile()
    {
        const QString path = Product::settingsFilePath();
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Append)) {
            file.close();
        }
        return path;
    }
} // namespace

SettingsStore::SettingsStore()
    : m_settings(touchedSettingsFile(), QSettings::IniFormat)
{
}

SettingsStore* SettingsStore::instance()
{
    auto& store = storage();
    if (!store) {
        store.reset(new SettingsStore());
    }
    return store.get();
}

void SettingsStore::destroyInstance() { storage().reset(); }

int SettingsStore::compressMode() const { return m_settings.value(QStringLiteral("Compressor/mode"), 0).toInt(); }

int SettingsStore::compressLevel() const { return m_settings.value(QStringLiteral("Compressor/level"), 5).toInt(); }

qint64 SettingsStore::compressTargetSize() const
{
    bool isNumber = false;
    const qint64 bytes = m_settings.value(QStringLiteral("Compressor/targetSize")).toLongLong(&isNumber);
    return isNumber ? bytes : 0;
}

QString SettingsStore::outputFolder() const
{
    return m_settings.value(QStringLiteral("General/output"), QString()).toString();
}

QString SettingsStore::lastOpenDir() const
{
    return m_settings.value(QStringLiteral("General/lastOpenDir"), QStringLiteral("/")).toString();
}

int SettingsStore::windowWidth() const
{
    bool number = false;
    const int width = m_settings.value(QStringLiteral("General/windowWidth")).toInt(&number);
    return number && width > 0 ? width : 0;
}

void SettingsStore::setWindowWidth(int width)
{
    write(QStringLiteral("General"), QStringLiteral("windowWidth"), width);
}

int SettingsStore::compressionsAtOnce() const
{
    constexpr int most = 64;
    bool isNumber = false;
    const int wanted = m_settings.value(QStringLiteral("Compressor/compressionsAtOnce")).toInt(&isNumber);
    if (isNumber && wanted >= 1 && wanted <= most) {
        return wanted;
    }
    return qBound(1, QThread::idealThreadCount(), most);
}

void SettingsStore::setCompressMode(int mode) { write(QStringLiteral("Compressor"), QStringLiteral("mode"), mode); }

void SettingsStore::setCompressLevel(int level) { write(QStringLiteral("Compressor"), QStringLiteral("level"), level); }

void SettingsStore::setCompressTargetSize(qint64 bytes)
{
    write(QStringLiteral("Compressor"), QStringLiteral("targetSize"), bytes);
}

void SettingsStore::setOutputFolder(const QString& folder)
{
    write(QStringLiteral("General"), QStringLiteral("output"), folder);
}

void SettingsStore::setLastOpenDir(const QString& folder)
{
    write(QStringLiteral("General"), QStringLiteral("lastOpenDir"), folder);
}

QString SettingsStore::fileName() const { return m_settings.fileName(); }

// Every write reaches the disk before the caller goes on.
void SettingsStore::write(const QString& group, const QString& name, const QVariant& value)
{
    m_settings.beginGroup(group);
    m_settings.setValue(name, value);
    m_settings.sync();
    m_settings.endGroup();
}
