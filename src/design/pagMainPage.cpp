#include "design/pagMainPage.h"

#include <array>

#include "platform/pages/LateBoundObject.h"
#include "platform/pages/StaticWidgets.h"

namespace quelta {
namespace {

constexpr float kPageWidth = 5925;
constexpr float kPageHeight = 3495;
constexpr std::int16_t kCustomPointer = 99;
constexpr int kLastPlainPointer = 15;

// A label and the list it names, in tab order, with the property the list shows.
struct LabelledList {
    const char16_t* property;
    const char16_t* labelName;
    const char16_t* caption;
    TwipsRect labelAt;
    const char16_t* listName;
    TwipsRect listAt;
    std::vector<String> entries;
};

const std::array<LabelledList, 7>& labelledLists() {
    static const std::array<LabelledList, 7> lists = {{
        {u"BorderStyle",
         u"lblBorderStyle",
         u"&BorderStyle:",
         {120, 165, 855, 195},
         u"cboBorderStyle",
         {1350, 120, 2700, 315},
         {u"0 - None", u"1 - Fixed Single"}},
        {u"Alignment",
         u"lblAlignment",
         u"&Alignment:",
         {120, 645, 735, 195},
         u"cboAlignment",
         {1350, 600, 2700, 315},
         {u"0 - Left Justify", u"1 - Right Justify", u"2 - Center"}},
        {u"Appearance",
         u"lblAppearance",
         u"A&ppearance:",
         {120, 1125, 915, 195},
         u"cboAppearance",
         {1350, 1080, 2700, 315},
         {u"0 - Flat", u"1 - 3D"}},
        {u"MousePointer",
         u"lblMousePointer",
         u"&MousePointer:",
         {120, 1605, 1020, 195},
         u"cboMousePointer",
         {1350, 1560, 2700, 315},
         {u"0 - Default", u"1 - Arrow", u"2 - Cross", u"3 - I-Beam", u"4 - Icon", u"5 - Size",
          u"6 - Size NE SW", u"7 - Size N S", u"8 - Size NW SE", u"9 - Size W E", u"10 - Up Arrow",
          u"11 - Hourglass", u"12 - No Drop", u"13 - Arrow and Hourglass",
          u"14 - Arrow and Question", u"15 - Size All", u"99 - Custom"}},
        {u"ScrollBars",
         u"lblScrollBars",
         u"&ScrollBars:",
         {120, 2085, 750, 195},
         u"cboScrollBars",
         {1350, 2040, 2700, 315},
         {u"0 - None", u"1 - Horizontal", u"2 - Vertical", u"3 - Both"}},
        {u"DataType",
         u"lblDataType",
         u"&DataType:",
         {120, 2565, 750, 195},
         u"cboDataType",
         {1350, 2520, 2700, 315},
         {u"0 - Text", u"1 - Lower Case", u"2 - Upper Case", u"3 - Boolean", u"4 - Numeric",
          u"5 - Signed Numeric", u"6 - Date and Time"}},
        {u"Format",
         u"lblFormat",
         u"&Format:",
         {120, 3045, 525, 195},
         u"cboFormat",
         {1350, 3000, 2700, 315},
         {u"General Number", u"Currency", u"Fixed", u"Standard", u"Yes/No", u"True/False",
          u"On/Off", u"Vesk Date", u"General Date", u"Long Date", u"Medium Date", u"Short Date",
          u"Long Time", u"Medium Time", u"Short Time"}},
    }};
    return lists;
}

struct TickBox {
    const char16_t* property;
    const char16_t* name;
    const char16_t* caption;
    TwipsRect at;
};

constexpr std::array<TickBox, 8> kCheckBoxes = {{
    {u"MultiLine", u"chkMultiLine", u"M&ultiLine", {4350, 90, 1350, 300}},
    {u"Locked", u"chkLocked", u"&Locked", {4350, 510, 1350, 300}},
    {u"HideSelection", u"chkHideSelection", u"&HideSelection", {4350, 930, 1350, 300}},
    {u"StartSelected", u"chkStartSelected", u"S&tartSelected", {4350, 1350, 1350, 300}},
    {u"AutoSize", u"chkAutoSize", u"AutoSi&ze", {4350, 1770, 1350, 300}},
    {u"AutoTab", u"chkAutoTab", u"Aut&oTab", {4350, 2190, 1350, 300}},
    {u"DisabledGray", u"chkDisabledGray", u"D&isabledGray", {4350, 2610, 1350, 300}},
    {u"Enabled", u"chkEnabled", u"&Enabled", {4350, 3030, 1350, 300}},
}};

}  // namespace

Variant mousePointerOfPosition(int position) {
    if (position <= kLastPlainPointer) return Variant(static_cast<std::int16_t>(position));
    return Variant(std::int32_t{kCustomPointer});
}

int positionOfMousePointer(std::int16_t mousePointer) {
    return mousePointer == kCustomPointer ? kLastPlainPointer + 1 : mousePointer;
}

pagMainPage::pagMainPage(PropertyPageFrame& frame)
    : PropertyPage(frame, u"General", kPageWidth, kPageHeight) {
    int tab = 0;
    for (const LabelledList& row : labelledLists()) {
        addStatic<PageLabel>(WidgetLayout{row.labelName, row.caption, row.labelAt, tab++});
        const WidgetLayout listLayout{row.listName, u"", row.listAt, tab++};
        const StringView property = row.property;
        if (property == u"Format") {
            cboFormat_ = &addEditable<ComboBox>(listLayout, row.entries);
            continue;
        }
        DropDownList& list = addEditable<DropDownList>(listLayout, row.entries);
        if (property == u"MousePointer") {
            cboMousePointer_ = &list;  // filled and applied first, by its own mapping
        } else {
            lists_.push_back({row.property, &list});
        }
    }
    for (const TickBox& row : kCheckBoxes) {
        CheckBox& box = addEditable<CheckBox>(WidgetLayout{row.name, row.caption, row.at, tab++});
        checkBoxes_.push_back({row.property, &box});
    }
}

void pagMainPage::selectionChanged() {
    LateBoundObject& control = firstSelected();
    cboMousePointer_->setListIndex(
        positionOfMousePointer(control.property(u"MousePointer").toInteger()));
    for (const BoundList& bound : lists_)
        bound.list->setListIndex(control.property(bound.property).toInteger());
    cboFormat_->setText(control.property(u"Format").toString());
    for (const BoundCheckBox& bound : checkBoxes_)
        bound.box->setState(control.property(bound.property).toInteger() & 1);
}

void pagMainPage::applyChanges() {
    LateBoundObject& control = firstSelected();
    control.letProperty(u"MousePointer", mousePointerOfPosition(cboMousePointer_->listIndex()));
    for (const BoundList& bound : lists_) {
        control.letProperty(bound.property,
                            Variant(static_cast<std::int16_t>(bound.list->listIndex())));
    }
    control.letProperty(u"Format", Variant(cboFormat_->text()));
    for (const BoundCheckBox& bound : checkBoxes_) {
        const bool ticked = bound.box->state() == CheckBox::kChecked;
        control.letProperty(bound.property, Variant::boolean(ticked));
    }
}

}  // namespace quelta
