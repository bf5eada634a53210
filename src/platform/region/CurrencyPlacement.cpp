#include "platform/region/CurrencyPlacement.h"

#include <array>
#include <string_view>

namespace quelta {
namespace {

constexpr std::array<std::string_view, 4> kPositiveShapes = {"$N", "N$", "$ N", "N $"};
constexpr std::array<std::string_view, 16> kNegativeShapes = {
    "($N)", "-$N",  "$-N",  "$N-",  "(N$)", "-N$",  "N-$",   "N$-",
    "-N $", "-$ N", "N $-", "$ N-", "$ -N", "N- $", "($ N)", "(N $)"};

bool isNumberPatternChar(char16_t c) {
    return (c >= u'0' && c <= u'9') || c == u'#' || c == u',' || c == u'.' || c == u'@' ||
           c == u'E' || c == u'+';
}

bool isSpace(char16_t c) {
    return c == u' ' || c == 0x00A0 || c == 0x202F || c == 0x2009;
}

// Reduces a subpattern to its shape: "$" for the currency sign, "N" for the number, and the
// spaces, minus signs and parentheses between them. Quoted text and other marks are left out.
std::string shapeOf(StringView subpattern) {
    std::string shape;
    bool quoted = false;
    auto add = [&shape](char c) {
        if (shape.empty() || shape.back() != c || (c != 'N' && c != ' ' && c != '$')) {
            shape += c;
        }
    };
    for (char16_t c : subpattern) {
        if (c == u'\'') {
            quoted = !quoted;
        } else if (quoted) {
            continue;
        } else if (c == 0x00A4) {
            add('$');
        } else if (isNumberPatternChar(c)) {
            add('N');
        } else if (isSpace(c)) {
            add(' ');
        } else if (c == u'-' || c == 0x2212 || c == u'(' || c == u')') {
            add(c == 0x2212 ? '-' : static_cast<char>(c));
        }
    }
    while (!shape.empty() && shape.front() == ' ')
        shape.erase(0, 1);
    while (!shape.empty() && shape.back() == ' ')
        shape.pop_back();
    return shape;
}

template <size_t N>
int indexOf(const std::array<std::string_view, N>& shapes, const std::string& shape) {
    for (size_t i = 0; i < N; ++i) {
        if (shapes[i] == shape) return static_cast<int>(i);
    }
    return -1;
}

// A shape outside the table still gets the code that keeps the sign's side and spacing.
int fallbackNegative(int positive) {
    constexpr std::array<int, 4> kMinusInFront = {1, 5, 9, 8};
    return kMinusInFront[static_cast<size_t>(positive)];
}

}  // namespace

CurrencyPlacement currencyPlacementOf(StringView pattern) {
    size_t semicolon = pattern.find(u';');
    std::string positiveShape = shapeOf(pattern.substr(0, semicolon));
    CurrencyPlacement placement;
    int positive = indexOf(kPositiveShapes, positiveShape);
    placement.positive = positive < 0 ? 0 : positive;
    std::string negativeShape;
    if (semicolon == StringView::npos) {
        negativeShape = '-';
        negativeShape += kPositiveShapes[placement.positive];
    } else {
        negativeShape = shapeOf(pattern.substr(semicolon + 1));
    }
    int negative = indexOf(kNegativeShapes, negativeShape);
    placement.negative = negative < 0 ? fallbackNegative(placement.positive) : negative;
    return placement;
}

}  // namespace quelta
