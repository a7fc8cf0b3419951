#pragma once

#include <QString>
#include <QtGlobal>

/** What the kernel knows about this process and this machine: memory, open files, cores, load. */
namespace ProcessStats {
    /** Highest resident set size of this process so far (VmHWM), in KiB; -1 when unknown. */
    qint64 peakResidentKiB();
    /** Current resident set size of this process (VmRSS), in KiB; -1 when unknown. */
    qint64 residentKiB();
    /** Number of file descriptors this process holds open. */
    int openFileCount();

    /** Processor time, user and system, of this process's threads so far, in seconds. */
    double ownCpuSeconds();
    /** Processor time, user and system, of the child processes this process has reaped so far, in seconds. */
    double childrenCpuSeconds();

    /** Cores the scheduler offers this process. */
    int coreCount();
    /** Physical memory of the machine, in KiB. */
    qint64 totalMemoryKiB();
    /** Processor model name as the kernel reports it. */
    QString processorModel();
    /** The three load averages, as in /proc/loadavg. */
    QString loadAverage();
} // namespace ProcessStats
