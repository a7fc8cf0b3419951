#pragma once

#include <QObject>

/**
 * The process-wide relay through which one row's "Apply to all" reaches every row, and the main
 * window's stop request reaches whoever listens. Lives on the GUI thread for the whole process.
 */
class SignalTransferStation final : public QObject
{
    Q_OBJECT

public:
    /** The one station of the process, created on the first call and never destroyed. */
    static SignalTransferStation* instance();

signals:
    void stop();
    void changeProcessedState();

public slots:
    void transmitStopTaskSignal();
    void updateAllItemStatus();

private:
    SignalTransferStation() = default;
};
