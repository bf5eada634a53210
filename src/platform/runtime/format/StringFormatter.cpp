#include "platform/runtime/format/StringFormatter.h"

#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <algorithm>

namespace quelta {
namespace {

// Letter case by the region's rules (a Turkish capital I lower-cases to a dotless i).
String withLetterCase(StringView text, LetterCase letterCase, const RegionalSettings& settings) {
    if (letterCase == LetterCase::AsIs) return String(text);
    icu::UnicodeString unicode(false, text.data(), static_cast<int32_t>(text.size()));
    icu::UnicodeString copy(unicode);
    icu::Locale locale(settings.regionName.c_str());
    if (letterCase == LetterCase::Upper) {
        copy.toUpper(locale);
    } else {
        copy.toLower(locale);
    }
    return String(copy.getBuffer(), static_cast<std::size_t>(copy.length()));
}

// The range of characters that placeholder `index` of `count` shows.
struct CharacterRange {
    long long first, last;  // inclusive; empty when last < first
};

CharacterRange charactersOf(int index, int count, long long length, bool leftToRight) {
    if (leftToRight) {
        return {index, index == count - 1 ? length - 1 : std::min<long long>(index, length - 1)};
    }
    long long position = length - count + index;
    return {index == 0 ? 0 : position, position};
}

}  // namespace

void appendText(String& out, const CompiledFormat& format, const FormatSection& section,
                StringView text, const RegionalSettings& settings) {
    String shown = withLetterCase(text, section.text.letterCase, settings);
    long long length = static_cast<long long>(shown.size());
    int count = section.text.placeholders;
    int index = 0;
    const FormatToken* tokens = format.tokens.data() + section.firstToken;
    for (std::uint32_t t = 0; t < section.tokenCount; ++t) {
        const FormatToken& token = tokens[t];
        if (token.kind == TokenKind::Literal) {
            out += format.literalOf(token);
            continue;
        }
        // Codes of other kinds stand for nothing here: a text format may hold a number
        // section for empty texts, and literal sections reach this function too.
        bool placeholder = token.kind == TokenKind::CharacterOrSpace ||
                           token.kind == TokenKind::CharacterOrNothing;
        if (!placeholder || index >= count) continue;
        CharacterRange range = charactersOf(index++, count, length, section.text.leftToRight);
        if (range.last < range.first || range.last < 0) {
            if (token.kind == TokenKind::CharacterOrSpace) out += u' ';
            continue;
        }
        out.append(shown, static_cast<std::size_t>(std::max<long long>(range.first, 0)),
                   static_cast<std::size_t>(range.last - std::max<long long>(range.first, 0) + 1));
    }
    if (count == 0) out += shown;
}

}  // namespace quelta
