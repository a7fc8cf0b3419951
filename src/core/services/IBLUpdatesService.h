#pragma once

#include <memory>

namespace Brimlake {
    class IBLProductMeta;

    /** Looks for newer versions of the product it serves and tells the user the outcome itself. */
    class IBLUpdatesService
    {
    public:
        /** The process-wide service. */
        static std::shared_ptr<IBLUpdatesService> Shared();

        virtual ~IBLUpdatesService() = default;
        /**
         * The product to serve. With notifyUser the service shows the outcome of each check to the
         * user; without it the outcome is only logged. Handing metadata again replaces the previous.
         */
        virtual void setProductMeta(std::shared_ptr<IBLProductMeta> productMeta, bool notifyUser) = 0;
        /**
         * Starts a check and returns at once. The handle is the caller's own context, kept untouched
         * for the duration of the check; callers without one pass an empty handle.
         */
        virtual void checkForUpdates(std::shared_ptr<void> handle) = 0;
    };
} // namespace Brimlake
