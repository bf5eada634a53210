#include "platform/runtime/format/StringFormatter.h"

#include <unicode/locid.h>
#include <unicode/unistr.h>

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

// The character that placeholder `index` of `count` shows, or -1 for none. A text longer
// than the placeholders fills them one character each from the left, and what is left over
// goes to the very end (appendText). A shorter one fills them from the right, or from the
// left after '!', and the placeholders without a character show their blank.
long long characterOf(int index, int count, long long length, bool leftToRight) {
    long long position = leftToRight || length > count ? index : length - count + index;
    return position >= 0 && position < length ? position : -1;
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
        long long at = characterOf(index++, count, length, section.text.leftToRight);
        if (at >= 0) {
            out += shown[static_cast<std::size_t>(at)];
        } else if (token.kind == TokenKind::CharacterOrSpace) {
            out += u' ';
        }
    }
    if (length > count) out.append(shown, static_cast<std::size_t>(count));
}

}  // namespace quelta
