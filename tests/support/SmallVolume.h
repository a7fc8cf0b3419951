#pragma once

#include <QString>
#include <QtGlobal>

/** A small file system of its own at path (tmpfs), mounted for as long as this lives; needs root. */
class SmallVolume final
{
public:
    SmallVolume(const QString& path, qint64 bytes);
    ~SmallVolume();
    SmallVolume(const SmallVolume&) = delete;
    SmallVolume& operator=(const SmallVolume&) = delete;

    bool isMounted() const { return m_mounted; }

    /** Writes a file that takes every byte left. */
    bool fillUp() const;

private:
    const QString m_path;
    bool m_mounted = false;
};
