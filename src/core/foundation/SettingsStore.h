#pragma once

#include <QSettings>
#include <QString>

/**
 * The settings file "Kompresto.ini": the last compression choice, the output folder, the last open folder, the
 * window's width and how many compressions run at once.
 */
class SettingsStore final
{
public:
    /** The one store of the process, created on the first call. */
    static SettingsStore* instance();
    /** Deletes the store; the next instance() opens the file again (the main window's destructor calls it). */
    static void destroyInstance();

    int compressMode() const;
    int compressLevel() const;
    /** The size in bytes that "Fit under" fits under ("Compressor/targetSize"); 0 when missing or no number. */
    qint64 compressTargetSize() const;
    QString outputFolder() const;
    QString lastOpenDir() const;
    /**
     * How many documents a run compresses at once ("Compressor/compressionsAtOnce"): read at start,
     * never written; the number of cores when the key is missing or not a number from 1 to 64.
     */
    int compressionsAtOnce() const;
    /** The width the user last gave the window ("General/windowWidth"); 0 when never set. */
    int windowWidth() const;

    void setCompressMode(int mode);
    void setCompressLevel(int level);
    void setCompressTargetSize(qint64 bytes);
    void setOutputFolder(const QString& folder);
    void setLastOpenDir(const QString& folder);
    void setWindowWidth(int width);

    QString fileName() const;

private:
    SettingsStore();
    void write(const QString& group, const QString& name, const QVariant& value);

    QSettings m_settings;
};
