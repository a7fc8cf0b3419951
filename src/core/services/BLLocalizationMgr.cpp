#include "services/BLLocalizationMgr.h"

#include "foundation/LanguageCode.h"

namespace Brimlake {
    std::shared_ptr<BLLocalizationMgr> BLLocalizationMgr::shared()
    {
        static const auto manager = std::make_shared<BLLocalizationMgr>();
        return manager;
    }

    std::shared_ptr<IBLLocalizationMgr> IBLLocalizationMgr::SharedLocalizationMgr()
    {
        return BLLocalizationMgr::shared();
    }

    void BLLocalizationMgr::setLanguageId(int languageId) { m_languageId = languageId; }

    QString BLLocalizationMgr::catalogueSuffix() const
    {
        for (const LanguageEntry& entry : languageTable()) {
            if (entry.localisationNumber == m_languageId) {
                return entry.suffix;
            }
        }
        return QStringLiteral("en");
    }
} // namespace Brimlake
