#include "design/pagMainPage.h"

#include <array>
#include <string>

#include "api/TypeLibrary.h"
#include "platform/pages/LateBoundObject.h"
#include "platform/pages/StaticWidgets.h"

namespace quelta {
namespace {

constexpr float kPageWidth = 5925;
constexpr float kPageHeight = 3495;

// A label and the list it names, in tab order, with the property the list shows. An
// enumerated property lists its enumeration's constants; Format lists the named formats.
struct LabelledList {
    const char16_t* property;
    const char16_t* labelName;
    const char16_t* caption;
    TwipsRect labelAt;
    const char16_t* listName;
    TwipsRect listAt;
    std::vector<String> entries = {};
};

const std::array<LabelledList, 7>& labelledLists() {
    static const std::array<LabelledList, 7> lists = {{
        {u"BorderStyle",
         u"lblBorderStyle",
         u"&BorderStyle:",
         {120, 165, 855, 195},
         u"cboBorderStyle",
         {1350, 120, 2700, 315}},
        {u"Alignment",
         u"lblAlignment",
         u"&Alignment:",
         {120, 645, 735, 195},
         u"cboAlignment",
         {1350, 600, 2700, 315}},
        {u"Appearance",
         u"lblAppearance",
         u"A&ppearance:",
         {120, 1125, 915, 195},
         u"cboAppearance",
         {1350, 1080, 2700, 315}},
        {u"MousePointer",
         u"lblMousePointer",
         u"&MousePointer:",
         {120, 1605, 1020, 195},
         u"cboMousePointer",
         {1350, 1560, 2700, 315}},
        {u"ScrollBars",
         u"lblScrollBars",
         u"&ScrollBars:",
         {120, 2085, 750, 195},
         u"cboScrollBars",
         {1350, 2040, 2700, 315}},
        {u"DataType",
         u"lblDataType",
         u"&DataType:",
         {120, 2565, 750, 195},
         u"cboDataType",
         {1350, 2520, 2700, 315}},
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

// "0 - Left Justify": the value, then the constant's caption.
std::vector<String> listEntries(const EnumerationInfo& enumeration) {
    std::vector<String> entries;
    for (const EnumConstant& constant : enumeration.constants) {
        entries.push_back(
            fromUtf8(std::to_string(constant.value) + " - " + std::string(constant.caption)));
    }
    return entries;
}

// A list position stands for the constant at that place in the enumeration (so the last
// MousePointer entry is the custom pointer 99). A position outside the list (-1, none
// selected) is passed on as it is, and so is a value without a constant, for the control
// and the list to refuse.
std::int32_t valueOfPosition(const EnumerationInfo& enumeration, int position) {
    const auto& constants = enumeration.constants;
    if (position < 0 || static_cast<std::size_t>(position) >= constants.size()) return position;
    return constants[static_cast<std::size_t>(position)].value;
}

int positionOfValue(const EnumerationInfo& enumeration, std::int32_t value) {
    const auto& constants = enumeration.constants;
    for (std::size_t position = 0; position < constants.size(); ++position) {
        if (constants[position].value == value) return static_cast<int>(position);
    }
    return value;
}

}  // namespace

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
        const EnumerationInfo& enumeration = *memberByName(property)->enumeration;
        DropDownList& list = addEditable<DropDownList>(listLayout, listEntries(enumeration));
        const BoundList bound{row.property, &enumeration, &list};
        if (property == u"MousePointer") {
            lists_.insert(lists_.begin(), bound);  // filled and applied first
        } else {
            lists_.push_back(bound);
        }
    }
    for (const TickBox& row : kCheckBoxes) {
        CheckBox& box = addEditable<CheckBox>(WidgetLayout{row.name, row.caption, row.at, tab++});
        checkBoxes_.push_back({row.property, &box});
    }
}

void pagMainPage::selectionChanged() {
    LateBoundObject& control = firstSelected();
    for (const BoundList& bound : lists_) {
        const std::int16_t value = control.property(bound.property).toInteger();
        bound.list->setListIndex(positionOfValue(*bound.enumeration, value));
    }
    cboFormat_->setText(control.property(u"Format").toString());
    for (const BoundCheckBox& bound : checkBoxes_)
        bound.box->setState(control.property(bound.property).toInteger() & 1);
}

void pagMainPage::applyChanges() {
    LateBoundObject& control = firstSelected();
    for (const BoundList& bound : lists_) {
        const int position = bound.list->listIndex();
        control.letProperty(bound.property, Variant(valueOfPosition(*bound.enumeration, position)));
    }
    control.letProperty(u"Format", Variant(cboFormat_->text()));
    for (const BoundCheckBox& bound : checkBoxes_) {
        const bool ticked = bound.box->state() == CheckBox::kChecked;
        control.letProperty(bound.property, Variant::boolean(ticked));
    }
}

}  // namespace quelta
