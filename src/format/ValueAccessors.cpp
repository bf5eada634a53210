#include "control/Enumerations.h"
#include "control/Quelta.h"
#include "control/QueltaEvents.h"
#include "control/QueltaThreadData.h"
#include "control/SupportModul.h"
#include "format/BooleanText.h"
#include "platform/AutomationError.h"
#include "platform/runtime/Conversions.h"

namespace quelta {
namespace {

bool isNumericType(std::int16_t dataType) {
    return dataType == qltaNumeric || dataType == qltaSignedNumeric;
}

// Replaces the first occurrence of `from` (exact comparison) by `to`, one for one.
String withFirstReplaced(String text, StringView from, StringView to) {
    if (from.empty()) return text;
    const std::size_t at = text.find(from);
    if (at != String::npos) text.replace(at, from.size(), to);
    return text;
}

}  // namespace

// The stored text, raw while the user edits it. A Boolean reads as the platform's text of
// what it means, and an empty number as 0.
String Quelta::Text() {
    String text = templateBox().text();
    if (state_.DataType == qltaBoolean) {
        text = booleanToText(booleanOfText(text, state_.Format));
    }
    if (isNumericType(state_.DataType) && text.empty()) text = u"0";
    return text;
}

// Stores the text unchecked; the refresh that follows normalizes it into the value (or, while
// the user edits, shows it for editing). A container without a DataChanged extender
// property simply does not learn the flag.
void Quelta::letText(StringView New_Text) {
    EditBox& stored = templateBox();
    if (stored.text() == New_Text) return;
    stored.setText(New_Text);
    container_.propertyChanged(u"Text");
    RefreshDisplay();
    raiseEvent(kEventChange, {});
    if (EditBox* live = liveBox(); live != nullptr && isTrue(state_.HasFocus)) {
        SupportModul::SetFocus(live->hWnd());
    }
    ignoringErrors([&] {
        container_.setExtenderProperty(u"DataChanged",
                                       Variant::boolean(isTrue(stored.dataChanged())));
    });
}

// The default member; a host that reads or writes the control itself means its text.
String Quelta::TextDefault() {
    return Text();
}

void Quelta::letTextDefault(StringView New_DefaultText) {
    letText(New_DefaultText);
}

// Text with the regional decimal separator of a number turned into ".", so that a host
// reads numbers the same way in every region. Only the first separator is turned.
String Quelta::Value() {
    String text = Text();
    if (!isNumericType(state_.DataType)) return text;
    return withFirstReplaced(std::move(text), threadData().DecimalSeparator, u".");
}

void Quelta::letValue(StringView New_Value) {
    String text(New_Value);
    if (isNumericType(state_.DataType)) {
        text = withFirstReplaced(std::move(text), u".", threadData().DecimalSeparator);
    }
    letText(text);
}

// What the live box shows at the moment: formatted without the focus, raw while editing.
String Quelta::FormattedText() {
    EditBox* live = liveBox();
    return live != nullptr ? live->text() : String();
}

}  // namespace quelta
