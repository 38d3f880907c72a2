// The system's half of the platform in a browser: that of every platform,
// with its reports as downloads.
#pragma once

#include "platform/system_platform.h"

namespace kulbo {

class WebSystem final : public SystemPlatform {
public:
    ReportPlace ReportsGoTo() const override { return ReportPlace::Downloads; }
};

}  // namespace kulbo
