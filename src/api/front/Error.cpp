#include "quelta/Error.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace quelta {
namespace {

// The standard messages of the numbers the control and its runtime raise.
constexpr std::pair<std::int32_t, std::string_view> kMessages[] = {
    {5, "Invalid procedure call or argument"},
    {6, "Overflow"},
    {7, "Out of memory"},
    {9, "Subscript out of range"},
    {11, "Division by zero"},
    {13, "Type mismatch"},
    {53, "File not found"},
    {75, "Path/File access error"},
    {94, "Invalid use of Null"},
    {321, "Invalid file format"},
    {380, "Invalid property value"},
    {382, "Property cannot be set while the application runs"},
    {383, "Property is read-only"},
    {394, "Property is write-only"},
    {424, "Object required"},
    {438, "Object doesn't support this property or method"},
    {450, "Wrong number of arguments or invalid property assignment"},
    {481, "Invalid picture"},
    {1400, "Invalid window handle"},
};

}  // namespace

std::string errorMessage(std::int32_t number) {
    const auto* found =
        std::ranges::find(kMessages, number, &std::pair<std::int32_t, std::string_view>::first);
    if (found == std::end(kMessages)) return "Error " + std::to_string(number);
    return std::string(found->second);
}

Error::Error(std::int32_t number) : Error(number, errorMessage(number)) {}

Error::Error(std::int32_t number, const std::string& message)
    : std::runtime_error(message), number_(number) {}

// Defined here, so that the class's type information lives in the library alone.
Error::~Error() = default;

}  // namespace quelta
