#pragma once

#include <memory>

namespace Brimlake {
    /**
     * The language the product services speak, as a localisation number: 0 English, 1 Japanese,
     * 2 French, 3 German, 4 Italian, 5 Spanish, 6 Portuguese.
     */
    class IBLLocalizationMgr
    {
    public:
        /** The process-wide manager. */
        static std::shared_ptr<IBLLocalizationMgr> SharedLocalizationMgr();

        virtual ~IBLLocalizationMgr() = default;
        virtual void setLanguageId(int languageId) = 0;
    };
} // namespace Brimlake
