#pragma once

#include "services/IBLProductMeta.h"

#include <QString>

namespace Brimlake {
    /** Product metadata as the services keep it: number, version and company, as given. */
    class BLProductMeta final : public IBLProductMeta
    {
    public:
        explicit BLProductMeta(const std::string& productNumber);

        void setVersion(const std::string& version) override;
        void setCompanyName(const std::string& companyName) override;

        QString productNumber() const { return m_productNumber; }
        QString version() const { return m_version; }
        QString companyName() const { return m_companyName; }

    private:
        QString m_productNumber;
        QString m_version;
        QString m_companyName;
    };
} // namespace Brimlake
