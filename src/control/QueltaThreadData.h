#pragma once
// Data shared by every control instance of one thread. It starts at 0, False or the empty
// string when the thread first uses it and lives until the thread ends; other threads have
// their own copies, so nothing here is locked.

#include <cstdint>
#include <memory>

#include "platform/Boolean.h"
#include "platform/String.h"
#include "platform/container/SharedInputSettings.h"

namespace quelta {

struct QueltaThreadData {
    // The platform's major version is below 4: no sunken client edge exists.
    Boolean OldWindows = kFalse;

    // The regional notation, determined by the first control initialized on the thread.
    String DecimalSeparator;
    std::int16_t DecimalSeparatorCode = 0;  // 0: not yet determined
    String NumericChars;
    std::int16_t DayPosition = 0;
    std::int16_t MonthPosition = 0;
    std::int16_t YearPosition = 0;
    String RegionalDateFormat;

    // The style patch of the creation hook and the handle of its last installation.
    std::uint32_t HookStyleSet = 0;
    std::uint32_t HookStyleClear = 0;
    std::uint32_t HookExStyleSet = 0;
    std::uint32_t HookExStyleClear = 0;
    std::uint32_t HookHandle = 0;

    // The companion settings object; empty until the thread's first use.
    std::shared_ptr<quelta::SharedInputSettings> SharedInputSettings;
};

// The calling thread's copy.
QueltaThreadData& threadData();

// The thread's companion settings object, created and kept on first use.
quelta::SharedInputSettings& sharedSettings();

}  // namespace quelta
