#include "input/KeystrokeFilter.h"

#include <optional>

#include "control/Enumerations.h"
#include "platform/window/KeyAscii.h"

namespace quelta {
namespace {

constexpr std::int16_t kMinus = 45;
constexpr std::int16_t kFullStop = 46;
constexpr std::int16_t kComma = 44;
constexpr std::int16_t kFirstPrintable = 32;

KeystrokeVerdict refuse() {
    return {false, 0};
}

KeystrokeVerdict accept(std::int16_t keyAscii) {
    return {true, keyAscii};
}

bool isDigit(std::int16_t key) {
    return key >= u'0' && key <= u'9';
}

// The rules of a number with a decimal part; an empty result means "go on with the rest".
// Only one separator may stand in the text, and it must leave no more characters behind
// it than the precision allows; no digit may be added to a full decimal part.
std::optional<KeystrokeVerdict> decimalPartRules(const KeystrokeInput& in, std::int16_t key) {
    const std::int64_t start = in.selStart;
    const std::int64_t end = start + in.selLength;
    const auto length = static_cast<std::int64_t>(in.text.size());
    const auto found = in.text.find(characterOfKeyAscii(in.decimalSeparatorCode));
    const std::int64_t separator =
        found == StringView::npos ? -1 : static_cast<std::int64_t>(found);
    if (key == in.decimalSeparatorCode) {
        const bool covered = start <= separator && separator < end;
        if (separator >= 0 && !covered) return refuse();
        if (length - end > in.scaleDigits) return refuse();
        return std::nullopt;
    }
    if (key < kFirstPrintable) return accept(key);
    const bool decimalsFull = length - separator > in.scaleDigits;
    if (separator >= 0 && in.selLength == 0 && decimalsFull && start > separator) return refuse();
    return std::nullopt;
}

}  // namespace

// The rules run in a fixed order, and each sees the character as the rules before it left
// it.
KeystrokeVerdict filterKeystroke(const KeystrokeInput& in) {
    if (in.dataType != qltaNumeric && in.dataType != qltaSignedNumeric) return accept(in.keyAscii);
    std::int16_t key = in.keyAscii;
    // Nothing, not even a control character, goes in front of the sign.
    if (!in.text.empty() && in.text.front() == u'-' && in.selStart == 0 && in.selLength == 0)
        return refuse();
    if (key == kMinus && (in.dataType != qltaSignedNumeric || in.selStart != 0)) return refuse();
    if (key == kFullStop || key == kComma) key = in.decimalSeparatorCode;
    if (in.scaleDigits > 0) {
        if (auto verdict = decimalPartRules(in, key)) return *verdict;
    } else if (key == in.decimalSeparatorCode) {
        return refuse();
    }
    if (key < kFirstPrintable || key == in.decimalSeparatorCode || key == kMinus || isDigit(key))
        return accept(key);
    return refuse();
}

}  // namespace quelta
