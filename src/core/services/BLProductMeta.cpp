#include "services/BLProductMeta.h"

namespace Brimlake {
    std::shared_ptr<IBLProductMeta> IBLProductMeta::MallocProductMeta(const std::string& productNumber)
    {
        return std::make_shared<BLProductMeta>(productNumber);
    }

    BLProductMeta::BLProductMeta(const std::string& productNumber)
        : m_productNumber(QString::fromStdString(productNumber))
    {
    }

    void BLProductMeta::setVersion(const std::string& version) { m_version = QString::fromStdString(version); }

    void BLProductMeta::setCompanyName(const std::string& companyName)
    {
        m_companyName = QString::fromStdString(companyName);
    }
} // namespace Brimlake
