#pragma once
// The "Text" property page: Text, MaxLength, ScaleDigits and PasswordChar in text boxes,
// WordWrap and RightToLeft in check boxes, of the first selected control, by property name.

#include "platform/pages/InputWidgets.h"
#include "platform/pages/PropertyPage.h"

namespace quelta {

class pagTextPage : public PropertyPage {
public:
    explicit pagTextPage(PropertyPageFrame& frame);

    // Fills Text, MaxLength, ScaleDigits, PasswordChar, WordWrap, RightToLeft.
    void selectionChanged() override;
    // Writes Text, PasswordChar, MaxLength, ScaleDigits, WordWrap, RightToLeft, changed or
    // not. The numbers are the leading numbers of their texts (0 without one); the page
    // checks nothing itself and an error ends the apply at that property.
    void applyChanges() override;

private:
    TextBox* txtText_ = nullptr;
    TextBox* txtMaxLength_ = nullptr;
    TextBox* txtScaleDigits_ = nullptr;
    TextBox* txtPasswordChar_ = nullptr;
    CheckBox* chkWordWrap_ = nullptr;
    CheckBox* chkRightToLeft_ = nullptr;
};

}  // namespace quelta
