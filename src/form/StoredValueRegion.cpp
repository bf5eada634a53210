#include "form/StoredValueRegion.h"

#include <memory>
#include <optional>

#include "control/Enumerations.h"
#include "platform/AutomationError.h"
#include "platform/region/RegionalSettings.h"
#include "platform/runtime/Conversions.h"

namespace quelta {
namespace {

enum class ValueKind { None, Number, Date };

ValueKind valueKindOf(const PropertyBag& properties) {
    if (!properties.contains(u"Text")) return ValueKind::None;
    const Variant dataType = properties.read(u"DataType", Variant(std::int32_t{qltaText}));
    std::int16_t number = qltaText;
    // A data type that does not convert is refused by the control when it reads it.
    if (!dataType.isNumeric() || !ignoringErrors([&] { number = dataType.toInteger(); }))
        return ValueKind::None;
    switch (number) {
        case qltaNumeric:
        case qltaSignedNumeric:
            return ValueKind::Number;
        case qltaDateTime:
            return ValueKind::Date;
        default:
            return ValueKind::None;
    }
}

// The thread's settings for a while, and back to the very same object afterwards.
class RegionForAWhile {
public:
    explicit RegionForAWhile(std::string_view regionName)
        : previous_(currentRegionalSettingsShared()) {
        selectRegion(regionName);
    }
    ~RegionForAWhile() { useRegionalSettings(std::move(previous_)); }
    RegionForAWhile(const RegionForAWhile&) = delete;
    RegionForAWhile& operator=(const RegionForAWhile&) = delete;

private:
    std::shared_ptr<const RegionalSettings> previous_;
};

// The value a stored text stands for in the current region: a number, or a date as its
// serial; nothing when it does not convert.
std::optional<double> valueOf(ValueKind kind, const Variant& text) {
    if (text.type() != VariantType::String || text.toString().empty()) return std::nullopt;
    return kind == ValueKind::Number ? tryTextToDouble(text.toString())
                                     : tryTextToDate(text.toString());
}

}  // namespace

void carryValuesIntoCurrentRegion(std::vector<StoredControl>& controls,
                                  std::string_view writtenIn) {
    if (writtenIn == currentRegionalSettings().regionName) return;
    std::vector<std::optional<double>> values(controls.size());
    {
        const RegionForAWhile writer(writtenIn);
        for (std::size_t i = 0; i < controls.size(); ++i) {
            const ValueKind kind = valueKindOf(controls[i].properties);
            if (kind != ValueKind::None)
                values[i] = valueOf(kind, controls[i].properties.read(u"Text"));
        }
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (!values[i]) continue;
        const String text = valueKindOf(controls[i].properties) == ValueKind::Number
                                ? doubleToText(*values[i])
                                : dateToText(*values[i]);
        controls[i].properties.write(u"Text", Variant(text));
    }
}

}  // namespace quelta
