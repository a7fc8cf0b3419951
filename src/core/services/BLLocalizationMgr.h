#pragma once

#include "services/IBLLocalizationMgr.h"

#include <QString>
#include <atomic>

namespace Brimlake {
    /** Keeps the localisation number it is given; the services answer in that language. */
    class BLLocalizationMgr final : public IBLLocalizationMgr
    {
    public:
        /** The process-wide manager as the services themselves use it. */
        static std::shared_ptr<BLLocalizationMgr> shared();

        void setLanguageId(int languageId) override;
        /** The number last given; 0 (English) until then. */
        int languageId() const { return m_languageId; }
        /** The catalogue suffix of the language in use ("en" for any unknown number). */
        QString catalogueSuffix() const;

    private:
        std::atomic<int> m_languageId { 0 };
    };
} // namespace Brimlake
