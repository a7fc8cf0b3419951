#pragma once

#include "services/BLUpdateNotice.h"

namespace Brimlake {
    /**
     * Shows an update notice in a message box that does not block its caller; for a newer version
     * it asks whether to open the product page and opens it in the browser on "Yes".
     */
    namespace BLUpdateNoticeBox {
        void show(const BLUpdateNotice& notice);
    } // namespace BLUpdateNoticeBox
} // namespace Brimlake
