#include "platform/region/IcuPatternTranslation.h"

#include <vector>

namespace quelta {
namespace {

// One piece of an ICU pattern: a field ("MM") or literal text.
struct PatternToken {
    char16_t field = 0;  // 0 for literal text
    int count = 0;
    String literal;
};

bool isPatternLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isFormatControl(char16_t c) {
    return c == 0x200E || c == 0x200F || c == 0x061C || c == 0x200B || c == 0xFEFF;
}

char16_t normalisedSpace(char16_t c) {
    return (c == 0x00A0 || c == 0x202F || c == 0x2009 || c == 0x2007) ? u' ' : c;
}

void appendLiteral(std::vector<PatternToken>& tokens, char16_t c) {
    if (isFormatControl(c)) return;
    if (tokens.empty() || tokens.back().field != 0) tokens.push_back(PatternToken{});
    tokens.back().literal += normalisedSpace(c);
}

// Splits an ICU pattern: letters are fields, '…' quotes literal text and '' is a quote.
std::vector<PatternToken> tokenize(StringView pattern) {
    std::vector<PatternToken> tokens;
    size_t i = 0;
    while (i < pattern.size()) {
        char16_t c = pattern[i];
        if (c == u'\'') {
            if (i + 1 < pattern.size() && pattern[i + 1] == u'\'') {
                appendLiteral(tokens, u'\'');
                i += 2;
                continue;
            }
            for (++i; i < pattern.size(); ++i) {
                if (pattern[i] != u'\'') {
                    appendLiteral(tokens, pattern[i]);
                } else if (i + 1 < pattern.size() && pattern[i + 1] == u'\'') {
                    appendLiteral(tokens, u'\'');
                    ++i;
                } else {
                    break;
                }
            }
            ++i;
        } else if (isPatternLetter(c)) {
            size_t start = i;
            while (i < pattern.size() && pattern[i] == c)
                ++i;
            tokens.push_back(PatternToken{c, static_cast<int>(i - start), {}});
        } else {
            appendLiteral(tokens, c);
            ++i;
        }
    }
    return tokens;
}

String repeated(char16_t c, int count) {
    return String(static_cast<size_t>(count), c);
}

// The format code of one ICU field; "" for fields the Format routine has no code for.
String codeOfField(const PatternToken& token, const PatternTranslationOptions& options) {
    int n = token.count;
    switch (token.field) {
        case u'y':
        case u'Y':
        case u'u':
        case u'U':
        case u'r':
            return (n == 2 && !options.fourDigitYear) ? u"yy" : u"yyyy";
        case u'M':
        case u'L':
            return n >= 4 && n != 5 ? u"mmmm" : n >= 3 ? u"mmm" : repeated(u'm', n);
        case u'd':
            return repeated(u'd', n >= 2 ? 2 : 1);
        case u'E':
            return n == 4 ? u"dddd" : u"ddd";
        case u'c':
        case u'e':
            return n <= 2 ? u"" : n == 4 ? u"dddd" : u"ddd";
        case u'H':
        case u'h':
        case u'k':
        case u'K':
            return repeated(u'h', n >= 2 ? 2 : 1);
        case u'm':
            return repeated(u'n', n >= 2 ? 2 : 1);
        case u's':
            return repeated(u's', n >= 2 ? 2 : 1);
        case u'a':
        case u'b':
        case u'B':
            return options.amPmCode;
        default:
            return u"";  // eras, zones, fractions of seconds, weeks, quarters
    }
}

bool isSafeUnquoted(char16_t c) {
    return c == u' ' || c == u',' || c == u'.' || c == u'-' || c == u'(' || c == u')';
}

// Literal text in the Format routine's notation: harmless punctuation stays as it is, the
// rest is quoted, and a double quote (which cannot stand inside quotes) is escaped.
String quotedLiteral(StringView text) {
    String out;
    bool open = false;
    for (char16_t c : text) {
        bool quote = !isSafeUnquoted(c) && c != u'"';
        if (quote != open) {
            out += u'"';
            open = quote;
        }
        if (c == u'"') {
            out += u"\\\"";
        } else {
            out += c;
        }
    }
    if (open) out += u'"';
    return out;
}

String literalCode(const String& literal, const PatternTranslationOptions& options) {
    if (!options.dateSeparator.empty() && literal == options.dateSeparator) return u"/";
    if (!options.timeSeparator.empty() && literal == options.timeSeparator) return u":";
    return quotedLiteral(literal);
}

// Removes fields without a code and merges the literals around them; spaces at either end
// of the whole pattern are dropped, since they only separated a dropped field.
std::vector<PatternToken> withoutDroppedFields(const std::vector<PatternToken>& tokens,
                                               const PatternTranslationOptions& options) {
    std::vector<PatternToken> kept;
    for (const PatternToken& token : tokens) {
        if (token.field != 0 && codeOfField(token, options).empty()) continue;
        if (token.field == 0 && !kept.empty() && kept.back().field == 0) {
            kept.back().literal += token.literal;
            continue;
        }
        kept.push_back(token);
    }
    auto trim = [](String& s, bool front) {
        if (front) {
            s.erase(0, s.find_first_not_of(u' ') == String::npos ? s.size()
                                                                 : s.find_first_not_of(u' '));
        } else {
            size_t last = s.find_last_not_of(u' ');
            s.erase(last == String::npos ? 0 : last + 1);
        }
    };
    if (!kept.empty() && kept.front().field == 0) trim(kept.front().literal, true);
    if (!kept.empty() && kept.back().field == 0) trim(kept.back().literal, false);
    return kept;
}

}  // namespace

String translateIcuPattern(StringView icuPattern, const PatternTranslationOptions& options) {
    String out;
    for (const PatternToken& token : withoutDroppedFields(tokenize(icuPattern), options)) {
        out += token.field != 0 ? codeOfField(token, options) : literalCode(token.literal, options);
    }
    return out;
}

String separatorAfterField(StringView icuPattern, StringView fieldLetters) {
    std::vector<PatternToken> tokens = tokenize(icuPattern);
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].field == 0 || fieldLetters.find(tokens[i].field) == StringView::npos) {
            continue;
        }
        bool literalBetweenFields =
            i + 2 < tokens.size() && tokens[i + 1].field == 0 && tokens[i + 2].field != 0;
        return literalBetweenFields ? tokens[i + 1].literal : String();
    }
    return u"";
}

}  // namespace quelta
