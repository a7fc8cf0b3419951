#include "documents/SignalTransferStation.h"

SignalTransferStation* SignalTransferStation::instance()
{
    // Deliberately never deleted: rows may still talk to it while the process ends.
    static SignalTransferStation* const station = new SignalTransferStation();
    return station;
}

void SignalTransferStation::transmitStopTaskSignal() { emit stop(); }

void SignalTransferStation::updateAllItemStatus() { emit changeProcessedState(); }
