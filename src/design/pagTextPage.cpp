#include "design/pagTextPage.h"

#include "platform/pages/LateBoundObject.h"
#include "platform/pages/StaticWidgets.h"
#include "platform/runtime/Conversions.h"

namespace quelta {
namespace {

constexpr float kPageWidth = 5925;
constexpr float kPageHeight = 3495;

// The 9 digits of MaxLength, the sign and digit (or two digits) of ScaleDigits, the one
// character of PasswordChar.
constexpr TextBoxStyle kTextStyle{
    .multiLine = true, .horizontalScrollBar = true, .verticalScrollBar = true};
constexpr TextBoxStyle kMaxLengthStyle{.maxLength = 9};
constexpr TextBoxStyle kScaleDigitsStyle{.maxLength = 2};
constexpr TextBoxStyle kPasswordCharStyle{.maxLength = 1};

Variant tickedAsBoolean(const CheckBox& box) {
    return Variant::boolean(box.state() == CheckBox::kChecked);
}

std::int32_t lowestBit(const Variant& value) {
    return value.toInteger() & 1;
}

}  // namespace

pagTextPage::pagTextPage(PropertyPageFrame& frame)
    : PropertyPage(frame, u"Text", kPageWidth, kPageHeight) {
    addStatic<PageLabel>(WidgetLayout{u"lblText", u"&Text:", {120, 165, 360, 195}, 0});
    txtText_ = &addEditable<TextBox>(WidgetLayout{u"txtText", u"", {1350, 120, 4455, 1665}, 1},
                                     kTextStyle);
    addStatic<PageLabel>(WidgetLayout{u"lblMaxLength", u"&MaxLength:", {120, 2085, 840, 195}, 2});
    txtMaxLength_ = &addEditable<TextBox>(
        WidgetLayout{u"txtMaxLength", u"", {1350, 2040, 2700, 300}, 3}, kMaxLengthStyle);
    addStatic<PageLabel>(
        WidgetLayout{u"lblScaleDigits", u"&ScaleDigits:", {120, 2565, 840, 195}, 4});
    txtScaleDigits_ = &addEditable<TextBox>(
        WidgetLayout{u"txtScaleDigits", u"", {1350, 2520, 2700, 300}, 5}, kScaleDigitsStyle);
    addStatic<PageLabel>(
        WidgetLayout{u"lblPasswordChar", u"&PasswordChar:", {120, 3045, 1065, 195}, 6});
    txtPasswordChar_ = &addEditable<TextBox>(
        WidgetLayout{u"txtPasswordChar", u"", {1350, 3000, 2700, 300}, 7}, kPasswordCharStyle);
    chkWordWrap_ = &addEditable<CheckBox>(
        WidgetLayout{u"chkWordWrap", u"&WordWrap", {4350, 2520, 1350, 285}, 8});
    chkRightToLeft_ = &addEditable<CheckBox>(
        WidgetLayout{u"chkRightToLeft", u"&RightToLeft", {4350, 3000, 1350, 300}, 9});
}

void pagTextPage::selectionChanged() {
    LateBoundObject& control = firstSelected();
    txtText_->setText(control.property(u"Text").toString());
    txtMaxLength_->setText(control.property(u"MaxLength").toString());
    txtScaleDigits_->setText(control.property(u"ScaleDigits").toString());
    txtPasswordChar_->setText(control.property(u"PasswordChar").toString());
    chkWordWrap_->setState(lowestBit(control.property(u"WordWrap")));
    chkRightToLeft_->setState(lowestBit(control.property(u"RightToLeft")));
}

void pagTextPage::applyChanges() {
    LateBoundObject& control = firstSelected();
    control.letProperty(u"Text", Variant(txtText_->text()));
    control.letProperty(u"PasswordChar", Variant(txtPasswordChar_->text()));
    control.letProperty(u"MaxLength", Variant(val(txtMaxLength_->text())));
    control.letProperty(u"ScaleDigits", Variant(val(txtScaleDigits_->text())));
    control.letProperty(u"WordWrap", tickedAsBoolean(*chkWordWrap_));
    control.letProperty(u"RightToLeft", tickedAsBoolean(*chkRightToLeft_));
}

}  // namespace quelta
