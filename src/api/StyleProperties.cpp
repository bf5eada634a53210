#include "api/MemberTable.h"
#include "control/NarrowInteger.h"
#include "control/Quelta.h"

namespace quelta {

// Every check comes before the first store, so a refused write changes nothing. The
// run-mode test comes first: at run time even a write of the current value fails. Which
// checks apply is the property's row: whether it is design-time only, which values it
// accepts. Returns whether the value changed; only then has it been stored and reported.
bool Quelta::storeStyleProperty(std::int16_t& field, std::int32_t value, const MemberInfo& row) {
    if (row.designTimeOnly && container_.userMode()) raiseError(kErrSetNotPermitted);
    if (!row.acceptsValue(value)) raiseError(kErrInvalidPropertyValue);
    if (value == field) return false;
    field = narrowToInteger(value);
    container_.propertyChanged(row.wideName());
    return true;
}

// A style is fixed when the live box's window is created, so a new style needs a new box.
void Quelta::writeStyleProperty(std::int16_t& field, std::int32_t value, const MemberInfo& row) {
    if (storeStyleProperty(field, value, row)) RebuildEditBox();
}

void Quelta::letAlignment(std::int32_t New_Alignment) {
    writeStyleProperty(state_.Alignment, New_Alignment, memberRow("Alignment"));
}

void Quelta::letAppearance(std::int32_t New_Appearance) {
    writeStyleProperty(state_.Appearance, New_Appearance, memberRow("Appearance"));
}

void Quelta::letBorderStyle(std::int32_t New_BorderStyle) {
    writeStyleProperty(state_.BorderStyle, New_BorderStyle, memberRow("BorderStyle"));
}

// The data type decides the edit style of the live box (upper and lower case), so a change
// rebuilds it, at design time and at run time alike.
void Quelta::letDataType(std::int32_t New_DataType) {
    writeStyleProperty(state_.DataType, New_DataType, memberRow("DataType"));
}

void Quelta::letScrollBars(std::int32_t New_ScrollBars) {
    writeStyleProperty(state_.ScrollBars, New_ScrollBars, memberRow("ScrollBars"));
}

void Quelta::letHideSelection(Boolean New_HideSelection) {
    writeStyleProperty(state_.HideSelection, toBoolean(isTrue(New_HideSelection)),
                       memberRow("HideSelection"));
}

void Quelta::letMultiLine(Boolean New_MultiLine) {
    writeStyleProperty(state_.MultiLine, toBoolean(isTrue(New_MultiLine)), memberRow("MultiLine"));
}

void Quelta::letWordWrap(Boolean New_WordWrap) {
    writeStyleProperty(state_.WordWrap, toBoolean(isTrue(New_WordWrap)), memberRow("WordWrap"));
}

// AutoSize shapes no window style: turning it on only fits the width.
void Quelta::letAutoSize(Boolean New_AutoSize) {
    if (storeStyleProperty(state_.AutoSize, toBoolean(isTrue(New_AutoSize)),
                           memberRow("AutoSize"))) {
        FitToMaxLength(true);
    }
}

}  // namespace quelta
