#include "platform/container/SharedInputSettings.h"

#include <filesystem>
#include <system_error>

namespace quelta {

String defaultHelpFilePath() {
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || !program.has_parent_path()) return fromUtf8(SharedInputSettings::kHelpFileName);
    const auto helpFile = program.parent_path() / SharedInputSettings::kHelpFileName;
    return fromUtf8(helpFile.string());
}

SharedInputSettings::SharedInputSettings() : helpFilePath_(defaultHelpFilePath()) {}

std::shared_ptr<SharedInputSettings> sharedInputSettings() {
    thread_local std::shared_ptr<SharedInputSettings> settings;
    if (!settings) settings = std::make_shared<SharedInputSettings>();
    return settings;
}

}  // namespace quelta
