#pragma once

#include <QtGlobal>

/**
 * Tells a full disk from other faults after a write into the Temp folder failed: neither the interpreter
 * nor qpdf says why a write failed, but the room left on the disk does.
 */
class TempSpace final
{
public:
    /** Whether the disk that holds the Temp folder has fewer than bytes free. */
    static bool lacksRoomFor(qint64 bytes);
};
