#pragma once
// The "General" property page: fifteen style, behaviour and format properties of the first
// selected control in lists and check boxes. It reaches the control only by property name,
// so every rule of the control's accessors applies to what it writes.

#include <vector>

#include "platform/pages/InputWidgets.h"
#include "platform/pages/ListWidgets.h"
#include "platform/pages/PropertyPage.h"

namespace quelta {

struct EnumerationInfo;

class pagMainPage : public PropertyPage {
public:
    explicit pagMainPage(PropertyPageFrame& frame);

    // Fills the widgets: MousePointer, the other lists, Format, then the check boxes.
    void selectionChanged() override;
    // Writes all fifteen properties in the fill's order, changed or not; an error ends the
    // apply at that property and the earlier writes stay.
    void applyChanges() override;

private:
    struct BoundList {
        const char16_t* property;
        const EnumerationInfo* enumeration;  // whose constants the list shows, in order
        DropDownList* list;
    };
    struct BoundCheckBox {
        const char16_t* property;
        CheckBox* box;
    };

    // MousePointer, BorderStyle, Alignment, Appearance, ScrollBars, DataType
    std::vector<BoundList> lists_;
    ComboBox* cboFormat_ = nullptr;
    std::vector<BoundCheckBox> checkBoxes_;  // in fill and apply order
};

}  // namespace quelta
