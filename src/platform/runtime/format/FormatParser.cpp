#include "platform/runtime/format/FormatParser.h"

#include <algorithm>
#include <vector>

#include "platform/AutomationError.h"

namespace quelta {
namespace {

std::size_t runLength(StringView text, std::size_t at) {
    char16_t letter = asciiLower(text[at]);
    std::size_t end = at;
    while (end < text.size() && asciiLower(text[end]) == letter)
        ++end;
    return end - at;
}

bool isDateLetter(char16_t c) {
    switch (asciiLower(c)) {
        case u'd':
        case u'm':
        case u'y':
        case u'h':
        case u'n':
        case u's':
        case u'w':
        case u'q':
        case u'c':
            return true;
        default:
            return false;
    }
}

// The index just past a quoted or escaped literal that starts at `at`, or `at` itself when
// none starts there.
std::size_t skipQuotedOrEscaped(StringView text, std::size_t at) {
    if (text[at] == u'\\') return at + 2 <= text.size() ? at + 2 : text.size();
    if (text[at] != u'"') return at;
    std::size_t close = text.find(u'"', at + 1);
    return close == StringView::npos ? text.size() : close + 1;
}

// section (';' section)*, with separators inside quotes and escapes left alone.
std::vector<StringView> splitSections(StringView format) {
    std::vector<StringView> sections;
    std::size_t start = 0;
    std::size_t at = 0;
    while (at < format.size()) {
        std::size_t skipped = skipQuotedOrEscaped(format, at);
        if (skipped != at) {
            at = skipped;
            continue;
        }
        if (format[at] == u';') {
            if (sections.size() == 3) raiseError(kErrInvalidProcedureCall);
            sections.push_back(format.substr(start, at - start));
            start = at + 1;
        }
        ++at;
    }
    sections.push_back(format.substr(start));
    return sections;
}

bool startsAmPmCode(StringView text, std::size_t at) {
    return startsWithIgnoringAsciiCase(text.substr(at), u"am/pm") ||
           startsWithIgnoringAsciiCase(text.substr(at), u"a/p") ||
           startsWithIgnoringAsciiCase(text.substr(at), u"ampm");
}

SectionKind classifySection(StringView section) {
    if (section.empty()) return SectionKind::Empty;
    bool text = false, date = false, punctuation = false;
    for (std::size_t at = 0; at < section.size();) {
        std::size_t skipped = skipQuotedOrEscaped(section, at);
        if (skipped != at) {
            at = skipped;
            continue;
        }
        char16_t c = section[at];
        if (c == u'0' || c == u'#' || c == u'%') return SectionKind::Number;
        if (c == u'@' || c == u'&' || c == u'<' || c == u'>' || c == u'!') text = true;
        if (c == u'.' || c == u',') punctuation = true;
        if (isDateLetter(c) || startsAmPmCode(section, at)) date = true;
        if (asciiLower(c) == u't' && runLength(section, at) >= 5) date = true;
        ++at;
    }
    if (text) return SectionKind::Text;
    if (date) return SectionKind::Date;
    return punctuation ? SectionKind::Number : SectionKind::Literal;
}

// Appends tokens to the compiled format; adjacent literals share one token.
class TokenWriter {
public:
    explicit TokenWriter(CompiledFormat& format) : format_(format) {}

    void literal(StringView text) {
        if (text.empty()) return;
        auto& tokens = format_.tokens;
        bool extendsLast =
            !tokens.empty() && tokens.back().kind == TokenKind::Literal &&
            tokens.back().literalOffset + tokens.back().literalLength == format_.literals.size() &&
            tokens.size() > sectionStart_;
        if (!extendsLast) {
            FormatToken token;
            token.literalOffset = static_cast<std::uint32_t>(format_.literals.size());
            tokens.push_back(token);
        }
        format_.literals.append(text);
        tokens.back().literalLength += static_cast<std::uint32_t>(text.size());
    }
    void code(TokenKind kind, bool zero = false, char16_t letter = 0) {
        FormatToken token;
        token.kind = kind;
        token.zeroPlaceholder = zero;
        token.letter = letter;
        format_.tokens.push_back(token);
    }
    // Consumes a quoted or escaped literal at `at`; returns where it ended (`at` if none).
    std::size_t quotedOrEscaped(StringView text, std::size_t at) {
        std::size_t end = skipQuotedOrEscaped(text, at);
        if (end == at) return at;
        if (text[at] == u'\\') {
            literal(text.substr(at + 1, end - at - 1));
        } else {
            std::size_t closing = end - (end > at + 1 && text[end - 1] == u'"' ? 1 : 0);
            literal(text.substr(at + 1, closing - at - 1));
        }
        return end;
    }
    // Walks a section: quoted and escaped literals first, everything else through
    // consumeCode(at), which returns the index just past what it consumed.
    template <typename ConsumeCode>
    void walkSection(StringView text, ConsumeCode&& consumeCode) {
        for (std::size_t at = 0; at < text.size();) {
            std::size_t skipped = quotedOrEscaped(text, at);
            at = skipped != at ? skipped : consumeCode(at);
        }
    }
    void beginSection() { sectionStart_ = format_.tokens.size(); }
    std::size_t tokenCount() const { return format_.tokens.size(); }

private:
    CompiledFormat& format_;
    std::size_t sectionStart_ = 0;
};

// number   := literals? integer ('.' fraction)? (('E'|'e') ('+'|'-') exponent)? literals?
// integer  := ('0' | '#' | ',' | literal)*  -- commas between placeholders group, commas
//             after the last integer placeholder divide by 1000 each
class NumberSectionCompiler {
public:
    NumberSectionCompiler(TokenWriter& out, NumberLayout& layout) : out_(out), layout_(layout) {}

    void compile(StringView text) {
        out_.walkSection(text, [&](std::size_t at) { return consumeCode(text, at); });
        settleCommas();
        if (layout_.integerPlaceholders == 0 && !implicitDigitPlaced_) {
            out_.code(TokenKind::IntegerDigit);  // digits are never silently dropped
            layout_.integerPlaceholders = 1;
        }
        // A scientific format with no digit placeholder before its decimal point writes the
        // mantissa below one (".4711E+2"); its implicit digit then stands for nothing.
        if (layout_.hasExponent && implicitDigitBeforePoint_) layout_.integerPlaceholders = 0;
        layout_.minIntegerDigits =
            firstIntegerZero_ < 0 ? 0 : layout_.integerPlaceholders - firstIntegerZero_;
        layout_.minExponentDigits =
            firstExponentZero_ < 0 ? 0 : layout_.exponentPlaceholders - firstExponentZero_;
    }

private:
    enum class Part { Integer, Fraction, Exponent };

    std::size_t consumeCode(StringView text, std::size_t at) {
        char16_t c = text[at];
        if (c == u'0' || c == u'#') {
            digit(c == u'0');
        } else if (c == u'.' && part_ == Part::Integer) {
            implicitDigitBeforePoint_ = layout_.integerPlaceholders == 0;
            beforeIntegerEnds();
            out_.code(TokenKind::DecimalPoint);
            part_ = Part::Fraction;
        } else if (c == u',' && part_ != Part::Exponent && placeholdersInPart() > 0) {
            ++pendingCommas_;
        } else if ((c == u'E' || c == u'e') && part_ != Part::Exponent && at + 1 < text.size() &&
                   (text[at + 1] == u'+' || text[at + 1] == u'-')) {
            beforeIntegerEnds();
            settleCommas();
            out_.code(TokenKind::Exponent, text[at + 1] == u'+', c);
            layout_.hasExponent = true;
            part_ = Part::Exponent;
            return at + 2;
        } else {
            if (c == u'%') {
                if (part_ == Part::Integer) beforeIntegerEnds();
                ++layout_.percentSigns;
            }
            out_.literal(text.substr(at, 1));
        }
        return at + 1;
    }

    void digit(bool zero) {
        switch (part_) {
            case Part::Integer:
                if (pendingCommas_ > 0) layout_.grouping = true;
                pendingCommas_ = 0;
                if (zero && firstIntegerZero_ < 0) firstIntegerZero_ = layout_.integerPlaceholders;
                ++layout_.integerPlaceholders;
                out_.code(TokenKind::IntegerDigit, zero);
                break;
            case Part::Fraction:
                pendingCommas_ = 0;  // commas between fraction digits stand for nothing
                ++layout_.fractionPlaceholders;
                if (zero) layout_.minFractionDigits = layout_.fractionPlaceholders;
                out_.code(TokenKind::FractionDigit, zero);
                break;
            case Part::Exponent:
                if (zero && firstExponentZero_ < 0)
                    firstExponentZero_ = layout_.exponentPlaceholders;
                ++layout_.exponentPlaceholders;
                out_.code(TokenKind::ExponentDigit, zero);
                break;
        }
    }

    int placeholdersInPart() const {
        return part_ == Part::Integer ? layout_.integerPlaceholders : layout_.fractionPlaceholders;
    }

    // A decimal point, exponent or percent sign before any integer placeholder gets an
    // implicit '#', so that ".00" and "%" still show the integer digits.
    void beforeIntegerEnds() {
        if (part_ == Part::Integer && layout_.integerPlaceholders == 0 && !implicitDigitPlaced_) {
            out_.code(TokenKind::IntegerDigit);
            layout_.integerPlaceholders = 1;
            implicitDigitPlaced_ = true;
        }
        settleCommas();
    }

    void settleCommas() {
        layout_.thousandsScaling += pendingCommas_;
        pendingCommas_ = 0;
    }

    TokenWriter& out_;
    NumberLayout& layout_;
    Part part_ = Part::Integer;
    int pendingCommas_ = 0;
    int firstIntegerZero_ = -1;
    int firstExponentZero_ = -1;
    bool implicitDigitPlaced_ = false;
    bool implicitDigitBeforePoint_ = false;
};

// The longest date code that starts with the letter at `at`: its kind and length.
struct DateCode {
    TokenKind kind;
    std::size_t length;
};

DateCode letterRunCode(char16_t letter, std::size_t run) {
    static constexpr TokenKind kDays[] = {
        TokenKind::Day,     TokenKind::Day2,      TokenKind::DayAbbreviation,
        TokenKind::DayName, TokenKind::ShortDate, TokenKind::LongDate};
    static constexpr TokenKind kMonths[] = {TokenKind::Month, TokenKind::Month2,
                                            TokenKind::MonthAbbreviation, TokenKind::MonthName};
    switch (letter) {
        case u'd':
            return {kDays[std::min<std::size_t>(run, 6) - 1], std::min<std::size_t>(run, 6)};
        case u'm':
            return {kMonths[std::min<std::size_t>(run, 4) - 1], std::min<std::size_t>(run, 4)};
        case u'y':
            if (run >= 4) return {TokenKind::Year4, 4};
            return run >= 2 ? DateCode{TokenKind::Year2, 2} : DateCode{TokenKind::DayOfYear, 1};
        case u'h':
            return run >= 2 ? DateCode{TokenKind::Hour2, 2} : DateCode{TokenKind::Hour, 1};
        case u'n':
            return run >= 2 ? DateCode{TokenKind::Minute2, 2} : DateCode{TokenKind::Minute, 1};
        case u's':
            return run >= 2 ? DateCode{TokenKind::Second2, 2} : DateCode{TokenKind::Second, 1};
        case u'w':
            return run >= 2 ? DateCode{TokenKind::WeekOfYear, 2} : DateCode{TokenKind::Weekday, 1};
        case u'q':
            return {TokenKind::Quarter, 1};
        default:
            return {TokenKind::GeneralDate, 1};  // 'c'
    }
}

class DateSectionCompiler {
public:
    DateSectionCompiler(TokenWriter& out, FormatSection& section) : out_(out), section_(section) {}

    void compile(StringView text) {
        out_.walkSection(text, [&](std::size_t at) { return consumeCode(text, at); });
    }

private:
    std::size_t consumeCode(StringView text, std::size_t at) {
        char16_t c = text[at];
        if (c == u'/') {
            out_.code(TokenKind::DateSeparator);
        } else if (c == u':') {
            out_.code(TokenKind::TimeSeparator);
        } else if (asciiLower(c) == u'a' && startsAmPmCode(text, at)) {
            return at + amPm(text, at);
        } else if (asciiLower(c) == u't' && runLength(text, at) >= 5) {
            out_.code(TokenKind::LongTime);
            return at + 5;
        } else if (isDateLetter(c)) {
            DateCode code = letterRunCode(asciiLower(c), runLength(text, at));
            out_.code(code.kind);
            if (code.kind == TokenKind::Day || code.kind == TokenKind::Day2) {
                section_.hasDayNumber = true;
            }
            return at + code.length;
        } else {
            out_.literal(text.substr(at, 1));
        }
        return at + 1;
    }

    std::size_t amPm(StringView text, std::size_t at) {
        section_.twelveHourClock = true;
        bool upper = text[at] == u'A';
        if (startsWithIgnoringAsciiCase(text.substr(at), u"am/pm")) {
            out_.code(upper ? TokenKind::AmPmUpper : TokenKind::AmPmLower);
            return 5;
        }
        if (startsWithIgnoringAsciiCase(text.substr(at), u"ampm")) {
            out_.code(TokenKind::AmPmRegional);
            return 4;
        }
        out_.code(upper ? TokenKind::APUpper : TokenKind::APLower);
        return 3;
    }

    TokenWriter& out_;
    FormatSection& section_;
};

bool isHourCode(TokenKind kind) {
    return kind == TokenKind::Hour || kind == TokenKind::Hour2;
}
bool isSecondCode(TokenKind kind) {
    return kind == TokenKind::Second || kind == TokenKind::Second2;
}
bool isMonthNumber(TokenKind kind) {
    return kind == TokenKind::Month || kind == TokenKind::Month2;
}
bool isCode(TokenKind kind) {
    return kind != TokenKind::Literal && kind != TokenKind::DateSeparator &&
           kind != TokenKind::TimeSeparator;
}

// 'm' and 'mm' mean minutes right after an hour code or right before a seconds code,
// literals and separators in between not counting.
void resolveMinutes(std::vector<FormatToken>& tokens, std::size_t first, std::size_t end) {
    TokenKind previous = TokenKind::Literal;
    for (std::size_t i = first; i < end; ++i) {
        TokenKind kind = tokens[i].kind;
        if (!isCode(kind)) continue;
        if (isMonthNumber(kind)) {
            std::size_t next = i + 1;
            while (next < end && !isCode(tokens[next].kind))
                ++next;
            bool beforeSeconds = next < end && isSecondCode(tokens[next].kind);
            if (isHourCode(previous) || beforeSeconds) {
                tokens[i].kind = kind == TokenKind::Month ? TokenKind::Minute : TokenKind::Minute2;
            }
        }
        previous = kind;
    }
}

void compileTextSection(TokenWriter& out, TextLayout& layout, StringView text) {
    out.walkSection(text, [&](std::size_t at) {
        switch (char16_t c = text[at]) {
            case u'@':
            case u'&':
                out.code(c == u'@' ? TokenKind::CharacterOrSpace : TokenKind::CharacterOrNothing);
                ++layout.placeholders;
                break;
            case u'<':
            case u'>':
                // The first case code of a section decides; a later one is ignored.
                if (layout.letterCase == LetterCase::AsIs) {
                    layout.letterCase = c == u'<' ? LetterCase::Lower : LetterCase::Upper;
                }
                break;
            case u'!':
                layout.leftToRight = true;
                break;
            default:
                out.literal(text.substr(at, 1));
        }
        return at + 1;
    });
}

void compileLiteralSection(TokenWriter& out, StringView text) {
    out.walkSection(text, [&](std::size_t at) {
        out.literal(text.substr(at, 1));
        return at + 1;
    });
}

bool isPlainNumber(const std::vector<FormatToken>& tokens, std::size_t from, std::size_t to) {
    bool point = false;
    for (std::size_t t = from; t < to; ++t) {
        switch (tokens[t].kind) {
            case TokenKind::IntegerDigit:
                if (point) return false;
                break;
            case TokenKind::DecimalPoint:
                if (point) return false;
                point = true;
                break;
            case TokenKind::FractionDigit:
                if (!point) return false;
                break;
            default:
                return false;
        }
    }
    return true;
}

void compileSection(TokenWriter& out, FormatSection& section, StringView text,
                    std::vector<FormatToken>& tokens) {
    out.beginSection();
    section.firstToken = static_cast<std::uint32_t>(out.tokenCount());
    section.kind = classifySection(text);
    switch (section.kind) {
        case SectionKind::Number:
            NumberSectionCompiler(out, section.number).compile(text);
            section.number.plainDigits =
                isPlainNumber(tokens, section.firstToken, out.tokenCount());
            break;
        case SectionKind::Date:
            DateSectionCompiler(out, section).compile(text);
            resolveMinutes(tokens, section.firstToken, out.tokenCount());
            break;
        case SectionKind::Text:
            compileTextSection(out, section.text, text);
            break;
        case SectionKind::Literal:
            compileLiteralSection(out, text);
            break;
        case SectionKind::Empty:
            break;
    }
    section.tokenCount = static_cast<std::uint32_t>(out.tokenCount()) - section.firstToken;
}

}  // namespace

CompiledFormat compileFormat(StringView format) {
    if (format.size() > kMaxFormatLength) raiseError(kErrInvalidProcedureCall);
    CompiledFormat compiled;
    std::vector<StringView> sections = splitSections(format);
    compiled.sectionCount = static_cast<int>(sections.size());
    TokenWriter out(compiled);
    for (std::size_t i = 0; i < sections.size(); ++i) {
        compileSection(out, compiled.sections[i], sections[i], compiled.tokens);
    }
    for (int i = 0; i < compiled.sectionCount; ++i) {
        SectionKind kind = compiled.sections[i].kind;
        if (kind != SectionKind::Empty && kind != SectionKind::Literal) {
            compiled.kind = kind;
            break;
        }
    }
    return compiled;
}

}  // namespace quelta
