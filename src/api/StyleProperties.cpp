#include "api/TypeLibrary.h"
#include "control/Enumerations.h"
#include "control/NarrowInteger.h"
#include "control/Quelta.h"

namespace quelta {

// How a write of a style property is checked before it is stored. Whether it may be written
// at run time is the member's own row in the type library.
struct Quelta::StyleRule {
    StringView name;
    std::int32_t highest;  // largest accepted value; negative: no range check
};

namespace {

constexpr std::int32_t kNoRangeCheck = -1;

bool isDesignTimeOnly(StringView name) {
    const MemberInfo* member = memberByName(name);
    return member != nullptr && member->designTimeOnly;
}

}  // namespace

// Every check comes before the first store, so a refused write changes nothing. The
// run-mode test comes first: at run time even a write of the current value fails. Returns
// whether the value changed; only then has it been stored and reported.
bool Quelta::storeStyleProperty(std::int16_t& field, std::int32_t value, const StyleRule& rule) {
    if (isDesignTimeOnly(rule.name) && container_.userMode()) raiseError(kErrSetNotPermitted);
    if (rule.highest != kNoRangeCheck && (value < 0 || value > rule.highest)) {
        raiseError(kErrInvalidPropertyValue);
    }
    if (value == field) return false;
    field = narrowToInteger(value);
    container_.propertyChanged(rule.name);
    return true;
}

// A style is fixed when the live box's window is created, so a new style needs a new box.
void Quelta::writeStyleProperty(std::int16_t& field, std::int32_t value, const StyleRule& rule) {
    if (storeStyleProperty(field, value, rule)) RebuildEditBox();
}

void Quelta::letAlignment(std::int32_t New_Alignment) {
    writeStyleProperty(state_.Alignment, New_Alignment, {u"Alignment", qltaCenter});
}

void Quelta::letAppearance(std::int32_t New_Appearance) {
    writeStyleProperty(state_.Appearance, New_Appearance, {u"Appearance", qltaAppearance3D});
}

void Quelta::letBorderStyle(std::int32_t New_BorderStyle) {
    writeStyleProperty(state_.BorderStyle, New_BorderStyle,
                       {u"BorderStyle", qltaBorderFixedSingle});
}

// The data type decides the edit style of the live box (upper and lower case), so a change
// rebuilds it, at design time and at run time alike.
void Quelta::letDataType(std::int32_t New_DataType) {
    writeStyleProperty(state_.DataType, New_DataType, {u"DataType", qltaDateTime});
}

void Quelta::letScrollBars(std::int32_t New_ScrollBars) {
    writeStyleProperty(state_.ScrollBars, New_ScrollBars, {u"ScrollBars", kNoRangeCheck});
}

void Quelta::letHideSelection(Boolean New_HideSelection) {
    writeStyleProperty(state_.HideSelection, toBoolean(isTrue(New_HideSelection)),
                       {u"HideSelection", kNoRangeCheck});
}

void Quelta::letMultiLine(Boolean New_MultiLine) {
    writeStyleProperty(state_.MultiLine, toBoolean(isTrue(New_MultiLine)),
                       {u"MultiLine", kNoRangeCheck});
}

void Quelta::letWordWrap(Boolean New_WordWrap) {
    writeStyleProperty(state_.WordWrap, toBoolean(isTrue(New_WordWrap)),
                       {u"WordWrap", kNoRangeCheck});
}

// AutoSize shapes no window style: turning it on only fits the width.
void Quelta::letAutoSize(Boolean New_AutoSize) {
    if (storeStyleProperty(state_.AutoSize, toBoolean(isTrue(New_AutoSize)),
                           {u"AutoSize", kNoRangeCheck})) {
        FitToMaxLength(true);
    }
}

}  // namespace quelta
