#include "platform/runtime/format/DateFormatter.h"

#include <charconv>

#include "platform/region/Calendar.h"
#include "platform/runtime/format/FormatCache.h"

namespace quelta {
namespace {

enum class Pattern { ShortDate, LongDate, LongTime };

// Most parts of a date are below 100 and shown with one or two digits: those are written
// without a conversion.
void appendNumber(String& out, int value, int minimumDigits) {
    if (value >= 0 && value < 100 && minimumDigits <= 2) {
        if (value >= 10 || minimumDigits == 2) out += static_cast<char16_t>(u'0' + value / 10);
        out += static_cast<char16_t>(u'0' + value % 10);
        return;
    }
    char text[16];
    auto result = std::to_chars(text, text + sizeof text, value);
    for (int pad = minimumDigits - static_cast<int>(result.ptr - text); pad > 0; --pad) {
        out += u'0';
    }
    for (const char* at = text; at < result.ptr; ++at)
        out += static_cast<char16_t>(*at);
}

class DateRenderer {
public:
    DateRenderer(String& out, double serial, const DateContext& context)
        : DateRenderer(out, serial, datePartsOf(serial), context, 0) {}

    void render(const CompiledFormat& format, const FormatSection& section) {
        hasDayNumber_ = section.hasDayNumber;
        const FormatToken* tokens = format.tokens.data() + section.firstToken;
        for (std::uint32_t t = 0; t < section.tokenCount; ++t) {
            if (tokens[t].kind == TokenKind::Literal) {
                out_ += format.literalOf(tokens[t]);
            } else {
                renderCode(tokens[t].kind, section.twelveHourClock);
            }
        }
    }

    void renderGeneralDate() {
        // The default text writes a year before 1000 without leading zeros ("1/1/100"),
        // whatever the region's short date pads it to.
        minimumYearDigits_ = 1;
        // Rounding to the second may carry into the next day, so the parts decide, not the
        // serial.
        bool hasDate = serialDay() != 0;
        bool hasTime = parts_.hour != 0 || parts_.minute != 0 || parts_.second != 0;
        if (hasDate) renderPattern(Pattern::ShortDate);
        if (hasDate && hasTime) out_ += u' ';
        if (hasTime || !hasDate) renderPattern(Pattern::LongTime);
    }

private:
    DateRenderer(String& out, double serial, const DateParts& parts, const DateContext& context,
                 int depth)
        : out_(out), serial_(serial), parts_(parts), context_(context), depth_(depth) {}

    void renderCode(TokenKind kind, bool twelveHour) {
        const RegionalSettings& s = context_.settings;
        switch (kind) {
            case TokenKind::DateSeparator:
                out_ += s.dateSeparator;
                break;
            case TokenKind::TimeSeparator:
                out_ += s.timeSeparator;
                break;
            case TokenKind::Day:
                appendNumber(out_, parts_.day, 1);
                break;
            case TokenKind::Day2:
                appendNumber(out_, parts_.day, 2);
                break;
            case TokenKind::DayAbbreviation:
                out_ += s.abbreviatedDayNames[parts_.weekday - 1];
                break;
            case TokenKind::DayName:
                out_ += s.dayNames[parts_.weekday - 1];
                break;
            case TokenKind::ShortDate:
                renderPattern(Pattern::ShortDate);
                break;
            case TokenKind::LongDate:
                renderPattern(Pattern::LongDate);
                break;
            case TokenKind::Weekday:
                appendNumber(out_, dayOfWeek(serialDay(), context_.firstDayOfWeek), 1);
                break;
            case TokenKind::WeekOfYear:
                appendNumber(out_,
                             weekOfYear(serialDay(), parts_.year, context_.firstDayOfWeek,
                                        context_.firstWeek),
                             1);
                break;
            default:
                renderMonthOrYearCode(kind, twelveHour);
                break;
        }
    }

    void renderMonthOrYearCode(TokenKind kind, bool twelveHour) {
        const RegionalSettings& s = context_.settings;
        switch (kind) {
            case TokenKind::Month:
                appendNumber(out_, parts_.month, 1);
                break;
            case TokenKind::Month2:
                appendNumber(out_, parts_.month, 2);
                break;
            case TokenKind::MonthAbbreviation:
                out_ += monthName(s.abbreviatedMonthNames, s.genitiveAbbreviatedMonthNames);
                break;
            case TokenKind::MonthName:
                out_ += monthName(s.monthNames, s.genitiveMonthNames);
                break;
            case TokenKind::Quarter:
                appendNumber(out_, (parts_.month + 2) / 3, 1);
                break;
            case TokenKind::DayOfYear:
                appendNumber(out_,
                             static_cast<int>(serialDay() - serialDayOf(parts_.year, 1, 1)) + 1, 1);
                break;
            case TokenKind::Year2:
                appendNumber(out_, parts_.year % 100, 2);
                break;
            case TokenKind::Year4:
                appendNumber(out_, parts_.year, minimumYearDigits_);
                break;
            default:
                renderTimeCode(kind, twelveHour);
                break;
        }
    }

    void renderTimeCode(TokenKind kind, bool twelveHour) {
        const RegionalSettings& s = context_.settings;
        int hour = twelveHour ? (parts_.hour + 11) % 12 + 1 : parts_.hour;
        bool morning = parts_.hour < 12;
        switch (kind) {
            case TokenKind::Hour:
                appendNumber(out_, hour, 1);
                break;
            case TokenKind::Hour2:
                appendNumber(out_, hour, 2);
                break;
            case TokenKind::Minute:
                appendNumber(out_, parts_.minute, 1);
                break;
            case TokenKind::Minute2:
                appendNumber(out_, parts_.minute, 2);
                break;
            case TokenKind::Second:
                appendNumber(out_, parts_.second, 1);
                break;
            case TokenKind::Second2:
                appendNumber(out_, parts_.second, 2);
                break;
            case TokenKind::LongTime:
                renderPattern(Pattern::LongTime);
                break;
            case TokenKind::GeneralDate:
                if (depth_ == 0) renderGeneralDate();
                break;
            case TokenKind::AmPmUpper:
                out_ += morning ? u"AM" : u"PM";
                break;
            case TokenKind::AmPmLower:
                out_ += morning ? u"am" : u"pm";
                break;
            case TokenKind::APUpper:
                out_ += morning ? u'A' : u'P';
                break;
            case TokenKind::APLower:
                out_ += morning ? u'a' : u'p';
                break;
            case TokenKind::AmPmRegional:
                out_ += morning ? s.amDesignator : s.pmDesignator;
                break;
            default:
                break;  // number and text codes never reach a date section
        }
    }

    // A regional pattern, written in the same code language; its own pattern codes are not
    // expanded again, so a host-defined pattern cannot recurse.
    void renderPattern(Pattern pattern) {
        if (depth_ > 0) return;
        const RegionalSettings& s = context_.settings;
        const String& text = pattern == Pattern::ShortDate  ? s.shortDatePattern
                             : pattern == Pattern::LongDate ? s.longDatePattern
                                                            : s.longTimePattern;
        const CompiledFormat& compiled = cachedFormat(text);
        const FormatSection& section = compiled.sections[0];
        DateRenderer nested(out_, serial_, parts_, context_, depth_ + 1);
        nested.minimumYearDigits_ = minimumYearDigits_;
        if (section.kind == SectionKind::Date || section.kind == SectionKind::Literal) {
            nested.render(compiled, section);
        }
    }

    const String& monthName(const std::array<String, 12>& names,
                            const std::array<String, 12>& besideDay) const {
        const String& inflected = besideDay[parts_.month - 1];
        return hasDayNumber_ && !inflected.empty() ? inflected : names[parts_.month - 1];
    }

    long long serialDay() const { return serialDayOf(parts_.year, parts_.month, parts_.day); }

    String& out_;
    double serial_;
    DateParts parts_;
    const DateContext& context_;
    int depth_;
    bool hasDayNumber_ = false;
    int minimumYearDigits_ = 4;  // of "yyyy"
};

}  // namespace

void appendDate(String& out, const CompiledFormat& format, const FormatSection& section,
                double serial, const DateContext& context) {
    DateRenderer(out, serial, context).render(format, section);
}

void appendGeneralDate(String& out, double serial, const DateContext& context) {
    DateRenderer(out, serial, context).renderGeneralDate();
}

}  // namespace quelta
