#include "script/RuntimeFunctions.h"

#include <algorithm>
#include <array>
#include <functional>

#include "platform/region/Calendar.h"
#include "platform/region/PlatformClock.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/format/FormatRoutine.h"

namespace quelta::script {
namespace {

constexpr std::int32_t kErrWrongArgumentCount = 450;

using Arguments = std::span<const Variant>;

struct Function {
    std::string_view name;
    std::size_t minArguments;
    std::size_t maxArguments;
    std::function<Variant(Arguments)> call;
};

int intArgument(Arguments arguments, std::size_t index, int fallback) {
    if (index >= arguments.size() || arguments[index].isEmpty()) return fallback;
    return arguments[index].toInteger();
}

Variant isDate(const Variant& value) {
    if (value.type() == VariantType::Date) return Variant::boolean(true);
    if (value.type() == VariantType::String) return Variant::boolean(isDateText(value.toString()));
    return Variant::boolean(false);
}

Variant isNumeric(const Variant& value) {
    if (value.isNumeric() || value.isEmpty()) return Variant::boolean(true);
    if (value.type() == VariantType::String) {
        return Variant::boolean(isNumericText(value.toString()));
    }
    return Variant::boolean(false);
}

Variant format(Arguments arguments) {
    String pattern = arguments.size() > 1 ? arguments[1].toString() : String();
    if (arguments[0].isNull() && pattern.empty()) return Variant::null();
    return formatValue(arguments[0], pattern, intArgument(arguments, 2, 1),
                       intArgument(arguments, 3, 1));
}

const std::array<Function, 14>& functions() {
    static const std::array<Function, 14> table = {{
        {"Format", 1, 4, format},
        {"CStr", 1, 1, [](Arguments a) { return Variant(a[0].toString()); }},
        {"CDbl", 1, 1, [](Arguments a) { return Variant(a[0].toDouble()); }},
        {"CDate", 1, 1, [](Arguments a) { return Variant(a[0].toDate()); }},
        {"CBool", 1, 1, [](Arguments a) { return Variant::boolean(a[0].toBool()); }},
        {"CInt", 1, 1, [](Arguments a) { return Variant(a[0].toInteger()); }},
        {"CLng", 1, 1, [](Arguments a) { return Variant(a[0].toLong()); }},
        {"Val", 1, 1, [](Arguments a) { return Variant(val(a[0].toString())); }},
        {"IsDate", 1, 1, [](Arguments a) { return isDate(a[0]); }},
        {"IsNumeric", 1, 1, [](Arguments a) { return isNumeric(a[0]); }},
        {"DateSerial", 3, 3,
         [](Arguments a) {
             return Variant(Date{dateSerial(a[0].toInteger(), a[1].toInteger(), a[2].toInteger())});
         }},
        {"TimeSerial", 3, 3,
         [](Arguments a) {
             return Variant(Date{timeSerial(a[0].toInteger(), a[1].toInteger(), a[2].toInteger())});
         }},
        {"Now", 0, 0, [](Arguments) { return Variant(Date{Now()}); }},
        {"Date", 0, 0, [](Arguments) { return Variant(Date{Today()}); }},
    }};
    return table;
}

}  // namespace

std::optional<Variant> callRuntimeFunction(std::string_view name, Arguments arguments) {
    auto entry = std::find_if(functions().begin(), functions().end(), [&](const Function& f) {
        return equalsIgnoringAsciiCase(f.name, name);
    });
    if (entry == functions().end()) return std::nullopt;
    const Function& function = *entry;
    if (arguments.size() < function.minArguments || arguments.size() > function.maxArguments) {
        raiseError(kErrWrongArgumentCount);
    }
    return function.call(arguments);
}

}  // namespace quelta::script
