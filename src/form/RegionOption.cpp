#include "form/RegionOption.h"

#include "platform/region/RegionalSettings.h"

namespace quelta {

std::string regionRefusal(std::string_view region) {
    if (isKnownRegion(region)) return {};
    return "unknown region '" + std::string(region) + "'";
}

}  // namespace quelta
