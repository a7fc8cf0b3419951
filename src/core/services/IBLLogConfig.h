#pragma once

#include <string>

namespace Brimlake {
    /** The log configuration of the product service libraries. */
    class IBLLogConfig
    {
    public:
        /** Sets the folder (UTF-8) for the libraries' own logs; true when the folder is usable. */
        static bool InitializeLogConfig(const std::string& folder);

        IBLLogConfig() = delete;
    };
} // namespace Brimlake
