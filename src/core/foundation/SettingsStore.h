#pragma once

#include <QSettings>
#include <QString>

/** The settings file "Kompresto.ini": the last compression choice, the output folder and the last open folder. */
class SettingsStore final
{
public:
    /** The one store of the process, created on the first call. */
    static SettingsStore* instance();
    /** Deletes the store; the next instance() opens the file again (the main window's destructor calls it). */
    static void destroyInstance();

    int compressMode() const;
    int compressLevel() const;
    QString outputFolder() const;
    QString lastOpenDir() const;

    void setCompressMode(int mode);
    void setCompressLevel(int level);
    void setOutputFolder(const QString& folder);
    void setLastOpenDir(const QString& folder);

    QString fileName() const;

private:
    SettingsStore();
    void write(const QString& group, const QString& name, const QVariant& value);

    QSettings m_settings;
};
