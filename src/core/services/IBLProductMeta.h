#pragma once

#include <memory>
#include <string>

namespace Brimlake {
    /** The description of a product that the update service serves. */
    class IBLProductMeta
    {
    public:
        /** New metadata for a product number (UTF-8), without version or company yet. */
        static std::shared_ptr<IBLProductMeta> MallocProductMeta(const std::string& productNumber);

        virtual ~IBLProductMeta() = default;
        virtual void setVersion(const std::string& version) = 0;
        virtual void setCompanyName(const std::string& companyName) = 0;
    };
} // namespace Brimlake
