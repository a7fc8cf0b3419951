#pragma once

class FileItemList;

/** Waiting for the list's inspections, which end on other threads and report through the event loop. */
namespace Inspection {
    /** Turns the event loop until no item of list is being checked; false after ten seconds. */
    bool waitFor(const FileItemList& list);
} // namespace Inspection
