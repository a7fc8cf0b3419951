#pragma once

#include "services/BLUpdateNotice.h"

namespace Brimlake {
    /**
     * Shows an update notice in a message box that does not block its caller; for a newer version
     * it asks whether to open the product page and opens it in the browser on "Yes".
     */
    class BLUpdateNoticeBox final
    {
    public:
        static void show(const BLUpdateNotice& notice);

        BLUpdateNoticeBox() = delete;
    };
} // namespace Brimlake
