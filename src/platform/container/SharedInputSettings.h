#pragma once
// Settings shared by every control of one thread: the overtype mode, which the Insert key
// toggles for all of them at once, and the help file the controls open. The object is
// created on the first use on a thread and lives as long as the thread.

#include <memory>
#include <string_view>

#include "platform/Boolean.h"
#include "platform/String.h"
#include "platform/runtime/Variant.h"

namespace quelta {

class SharedInputSettings : public AutomationObject {
public:
    SharedInputSettings();

    Boolean overType() const { return overType_; }
    // Any non-zero value counts as True and is kept as -1.
    void setOverType(Boolean overType) { overType_ = toBoolean(isTrue(overType)); }

    // The help file of the control family: kHelpFileName in the program's folder unless a
    // host sets another.
    const String& helpFilePath() const { return helpFilePath_; }
    void setHelpFilePath(String path) { helpFilePath_ = std::move(path); }

    // The file name alone, as the type library also names it.
    static constexpr std::string_view kHelpFileName = "Qelt532.hlp";

private:
    Boolean overType_ = kFalse;
    String helpFilePath_;
};

// The calling thread's settings object, created on first use; every call on the same thread
// returns the same object.
std::shared_ptr<SharedInputSettings> sharedInputSettings();

// The help file name in the folder of the running program (the bare name when the program's
// location cannot be found).
String defaultHelpFilePath();

}  // namespace quelta
