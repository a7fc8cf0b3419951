#pragma once

#include <QString>

namespace Brimlake {
    /** Keeps the folder that IBLLogConfig::InitializeLogConfig was given. */
    class BLLogConfig final
    {
    public:
        /** The folder last given, empty before the first call. */
        static QString folder();
        static void setFolder(const QString& folder);

        BLLogConfig() = delete;
    };
} // namespace Brimlake
