#pragma once

#include <QString>

/** What the system's process table says, for tests that must see that nothing of a program is left running. */
namespace ProcessTable {
    /** Whether a process of this user still runs with HOME set to home: a window or one of its workers. */
    bool anyProcessHasHome(const QString& home);
} // namespace ProcessTable
