#include "engine/TempSpace.h"

#include "foundation/ProductConstants.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

bool TempSpace::lacksRoomFor(qint64 bytes)
{
    // The Temp folder itself may be missing when there was no room to create it: its disk is its parent's.
    QDir folder(Product::tempFolder());
    while (!folder.exists() && folder.cdUp()) { }
    const QStorageInfo disk(folder.absolutePath());
    return disk.isValid() && disk.bytesAvailable() < bytes;
}
