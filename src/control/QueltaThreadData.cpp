#include "control/QueltaThreadData.h"

namespace quelta {

QueltaThreadData& threadData() {
    thread_local QueltaThreadData data;
    return data;
}

quelta::SharedInputSettings& sharedSettings() {
    QueltaThreadData& data = threadData();
    if (!data.SharedInputSettings) data.SharedInputSettings = sharedInputSettings();
    return *data.SharedInputSettings;
}

}  // namespace quelta
