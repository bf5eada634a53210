#pragma once
// The member table: one row per member of _Quelta, in slot order, saying all there is to say
// about it (see MemberInfo). Every other description of a member is derived from its row:
// dispatch and name lookup, the persisted set with its defaults and orders, a new control's
// values, the accepted values of a write, the property pages' lists and the printed type
// library. The rows are constant expressions, so that code can also take what it needs at
// compile time (memberRow).

#include "api/EnumerationTable.h"
#include "api/MemberBinding.h"
#include "api/TypeLibrary.h"
#include "platform/window/SystemColours.h"

namespace quelta::table {

using binding::calls;
using binding::inState;
using binding::inTemplate;
using binding::reads;
using binding::readsAt;
using binding::writes;
using defaults::ambientFont;
using defaults::flag;
using defaults::noPicture;
using defaults::number;
using defaults::text;
namespace E = enums;
using VT = ValueType;
using MK = MemberKind;
using C = Category;
using P = StandardPage;

inline constexpr std::uint8_t kGetLet = kGet | kLet;
inline constexpr std::uint8_t kGetSet = kGet | kSet;
inline constexpr std::uint16_t kNonBrowsable = FUNCFLAG_FNONBROWSABLE;
inline constexpr std::uint16_t kTextFlags =
    FUNCFLAG_FBINDABLE | FUNCFLAG_FREQUESTEDIT | FUNCFLAG_FDEFAULTBIND | FUNCFLAG_FUIDEFAULT;

inline constexpr ParameterInfo kRowLengthParameters[] = {{"Line", VT::Long}};

// clang-format off
inline constexpr MemberInfo kMembers[] = {
    {.name = "AboutBox", .kind = MK::Method, .dispid = -552, .helpContext = 10,
     .call = calls<&Quelta::AboutBox>},
    {.name = "OLEDrag", .kind = MK::Method, .dispid = 0x60030044, .helpContext = 2005,
     .helpString = "Starts an OLE drag/drop operation with the given control as the source.",
     .call = calls<&Quelta::OLEDrag>},
    {.name = "Refresh", .kind = MK::Method, .dispid = 0x60030045, .helpContext = 2010,
     .helpString = "Forces a complete repaint of an object.",
     .call = calls<&Quelta::Refresh>},
    {.name = "Alignment", .access = kGetLet, .type = VT::Enumeration, .enumeration = &E::kAlignment, .onlyConstants = true, .dispid = 0x68030043, .helpContext = 1010, .category = C::Misc, .designTimeOnly = true,
     .helpString = "Returns/sets the alignment of a control's text.",
     .byDefault = number(qltaLeftJustify),
     .persisted = {.readAt = 1, .writeAt = 1, .place = inState<&QueltaState::Alignment>},
     .read = reads<&Quelta::Alignment, VT::Enumeration>,
     .write = writes<&Quelta::letAlignment>},
    {.name = "Appearance", .access = kGetLet, .type = VT::Enumeration, .enumeration = &E::kAppearance, .onlyConstants = true, .dispid = -520, .helpContext = 1020, .category = C::Appearance, .designTimeOnly = true,
     .helpString = "Returns/sets whether or not an object is painted at run time with 3-D effects.",
     .byDefault = number(qltaAppearance3D),
     .persisted = {.readAt = 2, .writeAt = 2, .place = inState<&QueltaState::Appearance>},
     .read = reads<&Quelta::Appearance, VT::Enumeration>,
     .write = writes<&Quelta::letAppearance>},
    {.name = "AutoSize", .access = kGetLet, .type = VT::Boolean, .dispid = 0x68030042, .helpContext = 1025, .designTimeOnly = true,
     .helpString = "Returns/sets whether or not an object is automatically sized according to its MaxLength property.",
     .byDefault = flag(false),
     .persisted = {.readAt = 8, .writeAt = 7, .place = inState<&QueltaState::AutoSize>},
     .read = reads<&Quelta::AutoSize, VT::Boolean>,
     .write = writes<&Quelta::letAutoSize>},
    {.name = "AutoTab", .access = kGetLet, .type = VT::Boolean, .dispid = 0x68030041, .helpContext = 1030,
     .helpString = "Returns/sets whether or not the next control in the tab order automatically receives the focus.",
     .byDefault = flag(false),
     .persisted = {.readAt = 7, .writeAt = 8, .place = inState<&QueltaState::AutoTab>},
     .read = reads<&Quelta::AutoTab, VT::Boolean>,
     .write = writes<&Quelta::letAutoTab>},
    {.name = "BackColor", .access = kGetLet, .type = VT::Color, .dispid = -501, .helpContext = 1040, .category = C::Appearance, .page = P::Color,
     .helpString = "Returns/sets the background color used to display text and graphics in an object.",
     .byDefault = number(kSystemWindowBackground),
     .persisted = {.readAt = 15, .writeAt = 15, .place = inTemplate<&EditBox::backColor, &EditBox::setBackColor>},
     .read = reads<&Quelta::BackColor>,
     .write = writes<&Quelta::letBackColor>},
    {.name = "BorderStyle", .access = kGetLet, .type = VT::Enumeration, .enumeration = &E::kBorderStyle, .onlyConstants = true, .dispid = -504, .helpContext = 1050, .category = C::Appearance, .designTimeOnly = true,
     .helpString = "Returns/sets the border style for an object.",
     .byDefault = number(qltaBorderFixedSingle),
     .persisted = {.readAt = 3, .writeAt = 3, .place = inState<&QueltaState::BorderStyle>},
     .read = reads<&Quelta::BorderStyle, VT::Enumeration>,
     .write = writes<&Quelta::letBorderStyle>},
    {.name = "DataType", .access = kGetLet, .type = VT::Enumeration, .enumeration = &E::kDataType, .onlyConstants = true, .dispid = 0x68030040, .helpContext = 1060, .category = C::Behavior,
     .helpString = "Returns/sets the data type of an object.",
     .byDefault = number(qltaText),
     .persisted = {.readAt = 4, .writeAt = 4, .place = inState<&QueltaState::DataType>},
     .read = reads<&Quelta::DataType, VT::Enumeration>,
     .write = writes<&Quelta::letDataType>},
    {.name = "DisabledGray", .access = kGetLet, .type = VT::Boolean, .dispid = 0x6803003F, .helpContext = 1070,
     .helpString = "Returns/sets whether or not the background color is gray if the control is disabled.",
     .byDefault = flag(false),
     .persisted = {.readAt = 9, .writeAt = 9, .place = inState<&QueltaState::DisabledGray>},
     .read = reads<&Quelta::DisabledGray, VT::Boolean>,
     .write = writes<&Quelta::letDisabledGray>},
    {.name = "Enabled", .access = kGetLet, .type = VT::Boolean, .dispid = -514, .helpContext = 1080,
     .helpString = "Returns/sets a value that determines whether an object can respond to user-generated events.",
     .byDefault = flag(true), .newControl = {.throughAccessor = true},
     .persisted = {.readAt = 26, .writeAt = 25, .place = inState<&QueltaState::Enabled>},
     .read = reads<&Quelta::Enabled, VT::Boolean>,
     .write = writes<&Quelta::letEnabled>},
    {.name = "Font", .access = kGetSet, .type = VT::Font, .dispid = 0x6803003E, .helpContext = 1090, .category = C::Font, .page = P::Font,
     .helpString = "Returns a Font object.",
     .byDefault = ambientFont(),
     .persisted = {.readAt = 27, .writeAt = 26, .place = inTemplate<&EditBox::font, &EditBox::setFont>},
     .read = reads<&Quelta::Font>,
     .write = writes<&Quelta::setFont>},
    {.name = "FontBold", .access = kGetLet, .type = VT::Boolean, .dispid = 0x6803003D, .flags = kNonBrowsable, .helpContext = 1090,
     .helpString = "Returns/sets bold font styles.",
     .read = reads<&Quelta::FontBold, VT::Boolean>,
     .write = writes<&Quelta::letFontBold>},
    {.name = "FontItalic", .access = kGetLet, .type = VT::Boolean, .dispid = 0x6803003C, .flags = kNonBrowsable, .helpContext = 1090,
     .helpString = "Returns/sets italic font styles.",
     .read = reads<&Quelta::FontItalic, VT::Boolean>,
     .write = writes<&Quelta::letFontItalic>},
    {.name = "FontName", .access = kGetLet, .type = VT::String, .dispid = 0x6803003B, .flags = kNonBrowsable, .helpContext = 1090,
     .helpString = "Specifies the name of the font that appears in each row for the given level.",
     .read = reads<&Quelta::FontName>,
     .write = writes<&Quelta::letFontName>},
    {.name = "FontSize", .access = kGetLet, .type = VT::Single, .dispid = 0x6803003A, .flags = kNonBrowsable, .helpContext = 1090,
     .helpString = "Specifies the size (in points) of the font that appears in each row for the given level.",
     .read = reads<&Quelta::FontSize>,
     .write = writes<&Quelta::letFontSize>},
    {.name = "FontStrikeThru", .access = kGetLet, .type = VT::Boolean, .dispid = 0x68030039, .flags = kNonBrowsable, .helpContext = 1090,
     .helpString = "Returns/sets strikethrough font styles.",
     .read = reads<&Quelta::FontStrikeThru, VT::Boolean>,
     .write = writes<&Quelta::letFontStrikeThru>},
    {.name = "FontUnderline", .access = kGetLet, .type = VT::Boolean, .dispid = 0x68030038, .flags = kNonBrowsable, .helpContext = 1090,
     .helpString = "Returns/sets underline font styles.",
     .read = reads<&Quelta::FontUnderline, VT::Boolean>,
     .write = writes<&Quelta::letFontUnderline>},
    {.name = "ForeColor", .access = kGetLet, .type = VT::Color, .dispid = -513, .helpContext = 1040, .category = C::Appearance, .page = P::Color,
     .helpString = "Returns/sets the foreground color used to display text and graphics in an object.",
     .byDefault = number(kSystemWindowText),
     .persisted = {.readAt = 16, .writeAt = 16, .place = inTemplate<&EditBox::foreColor, &EditBox::setForeColor>},
     .read = reads<&Quelta::ForeColor>,
     .write = writes<&Quelta::letForeColor>},
    {.name = "Format", .access = kGetLet, .type = VT::String, .dispid = 0x68030037, .helpContext = 1100,
     .helpString = "Specifies the format for displaying and printing numbers, dates, times, and text.",
     .byDefault = text(u""),
     .persisted = {.readAt = 14, .writeAt = 14, .place = inState<&QueltaState::Format>},
     .read = reads<&Quelta::Format>,
     .write = writes<&Quelta::letFormat>},
    {.name = "FormattedText", .access = kGet, .type = VT::String, .dispid = 0x68030036, .flags = kNonBrowsable, .helpContext = 1105,
     .helpString = "Returns the formatted text contained in the control.",
     .read = reads<&Quelta::FormattedText>},
    {.name = "HideSelection", .access = kGetLet, .type = VT::Boolean, .dispid = 0x68030035, .helpContext = 1110, .designTimeOnly = true,
     .helpString = "Specifies whether the selection in a control is hidden when the control loses focus.",
     .byDefault = flag(true),
     .persisted = {.readAt = 10, .writeAt = 10, .place = inState<&QueltaState::HideSelection>},
     .read = reads<&Quelta::HideSelection, VT::Boolean>,
     .write = writes<&Quelta::letHideSelection>},
    {.name = "hWnd", .access = kGet, .type = VT::Long, .dispid = -515, .flags = kNonBrowsable, .helpContext = 1120,
     .helpString = "Returns a handle (from Microsoft Windows) to an object's window.",
     .read = reads<&Quelta::hWnd>},
    {.name = "Locked", .access = kGetLet, .type = VT::Boolean, .dispid = 0x68030034, .helpContext = 1130,
     .helpString = "Determines whether a control can be edited.",
     .byDefault = flag(false),
     .persisted = {.readAt = 17, .writeAt = 17, .place = inTemplate<&EditBox::locked, &EditBox::setLocked>},
     .read = reads<&Quelta::Locked, VT::Boolean>,
     .write = writes<&Quelta::letLocked>},
    {.name = "MaxLength", .access = kGetLet, .type = VT::Long, .dispid = 0x68030033, .helpContext = 1140,
     .helpString = "Returns/sets the maximum number of characters that can be entered in a control.",
     .byDefault = number(0),
     .persisted = {.readAt = 19, .rereadAt = 25, .writeAt = 19, .place = inTemplate<&EditBox::maxLength, &EditBox::setMaxLength>},
     .read = reads<&Quelta::MaxLength>,
     .write = writes<&Quelta::letMaxLength>},
    {.name = "MouseIcon", .access = kGetSet, .type = VT::Picture, .dispid = 0x68030032, .helpContext = 1150, .category = C::Misc, .page = P::Picture,
     .helpString = "Sets a custom mouse icon.",
     .byDefault = noPicture(),
     .persisted = {.readAt = 28, .writeAt = 27, .place = inTemplate<&EditBox::mouseIcon, &EditBox::setMouseIcon>},
     .read = reads<&Quelta::MouseIcon>,
     .write = writes<&Quelta::setMouseIcon>},
    {.name = "MousePointer", .access = kGetLet, .type = VT::Enumeration, .enumeration = &E::kMousePointer, .onlyConstants = true, .dispid = 0x68030031, .helpContext = 1160, .category = C::Misc,
     .helpString = "Returns/sets the type of mouse pointer displayed when over part of an object.",
     .byDefault = number(qltaDefault),
     .persisted = {.readAt = 20, .writeAt = 20, .place = inTemplate<&EditBox::mousePointer, &EditBox::setMousePointer>},
     .read = reads<&Quelta::MousePointer, VT::Enumeration>,
     .write = writes<&Quelta::letMousePointer>},
    {.name = "MultiLine", .access = kGetLet, .type = VT::Boolean, .dispid = 0x68030030, .helpContext = 1170, .designTimeOnly = true,
     .helpString = "Returns/sets a value that determines whether the control can accept multiple lines of text.",
     .byDefault = flag(false),
     .persisted = {.readAt = 11, .writeAt = 11, .place = inState<&QueltaState::MultiLine>},
     .read = reads<&Quelta::MultiLine, VT::Boolean>,
     .write = writes<&Quelta::letMultiLine>},
    {.name = "OLEDragMode", .access = kGetLet, .type = VT::Enumeration, .enumeration = &E::kOLEDragMode, .dispid = 0x6803002F, .helpContext = 1172, .category = C::Behavior,
     .helpString = "Returns/Sets whether this object can act as an OLE drag/drop source, and whether this process is started automatically or under programmatic control.",
     .byDefault = number(qltaDragModeManual),
     .persisted = {.readAt = 21, .writeAt = 21, .place = inTemplate<&EditBox::oleDragMode, &EditBox::setOleDragMode>},
     .read = reads<&Quelta::OLEDragMode, VT::Enumeration>,
     .write = writes<&Quelta::letOLEDragMode>},
    {.name = "OLEDropMode", .access = kGetLet, .type = VT::Enumeration, .enumeration = &E::kOLEDropMode, .dispid = 0x6803002E, .helpContext = 1174, .category = C::Behavior,
     .helpString = "Returns/Sets whether this object can act as an OLE drop target, and whether this takes place automatically or under programmatic control.",
     .byDefault = number(qltaDropModeNone),
     .persisted = {.readAt = 22, .writeAt = 22, .place = inTemplate<&EditBox::oleDropMode, &EditBox::setOleDropMode>},
     .read = reads<&Quelta::OLEDropMode, VT::Enumeration>,
     .write = writes<&Quelta::letOLEDropMode>},
    {.name = "OverType", .access = kGetLet, .type = VT::Boolean, .dispid = 0x6803002D, .flags = kNonBrowsable, .helpContext = 1180, .category = C::Behavior,
     .helpString = "Determines whether characters typed by a user are inserted or replace the character at the caret position.",
     .read = reads<&Quelta::OverType, VT::Boolean>,
     .write = writes<&Quelta::letOverType>},
    {.name = "PasswordChar", .access = kGetLet, .type = VT::String, .dispid = 0x6803002C, .helpContext = 1190,
     .helpString = "Returns/sets a value that determines whether characters typed by a user or placeholder characters are displayed in a control.",
     .byDefault = text(u""),
     .persisted = {.readAt = 23, .writeAt = 23, .place = inTemplate<&EditBox::passwordChar, &EditBox::setPasswordChar>},
     .read = reads<&Quelta::PasswordChar>,
     .write = writes<&Quelta::letPasswordChar>},
    {.name = "RightToLeft", .access = kGetLet, .type = VT::Boolean, .dispid = 0x6803002B, .helpContext = 1195,
     .helpString = "Determines text display direction and control visual appearance on a biderectional system.",
     .byDefault = flag(false), .newControl = {.fromExtender = "RightToLeft"},
     .persisted = {.readAt = 18, .writeAt = 18, .place = inTemplate<&EditBox::rightToLeft, &EditBox::setRightToLeft>},
     .read = reads<&Quelta::RightToLeft, VT::Boolean>,
     .write = writes<&Quelta::letRightToLeft>},
    {.name = "ScrollBars", .access = kGetLet, .type = VT::Enumeration, .enumeration = &E::kScrollBars, .dispid = 0x6803002A, .helpContext = 1210, .category = C::Behavior,
     .helpString = "Returns/sets a value indicating whether an object has vertical or horizontal scroll bars.",
     .byDefault = number(qltaScrollBarsNone),
     .persisted = {.readAt = 5, .writeAt = 5, .place = inState<&QueltaState::ScrollBars>},
     .read = reads<&Quelta::ScrollBars, VT::Enumeration>,
     .write = writes<&Quelta::letScrollBars>},
    {.name = "ScaleDigits", .access = kGetLet, .type = VT::Integer, .dispid = 0x68030029, .helpContext = 1200,
     .helpString = "Returns/sets the precision for numeric data.",
     .byDefault = number(0),
     .persisted = {.readAt = 6, .writeAt = 6, .place = inState<&QueltaState::ScaleDigits>},
     .read = reads<&Quelta::ScaleDigits>,
     .write = writes<&Quelta::letScaleDigits>},
    {.name = "SelLength", .access = kGetLet, .type = VT::Long, .dispid = 0x68030028, .flags = kNonBrowsable, .helpContext = 1220,
     .helpString = "Returns/sets the number of characters selected.",
     .read = reads<&Quelta::SelLength>,
     .write = writes<&Quelta::letSelLength>},
    {.name = "SelStart", .access = kGetLet, .type = VT::Long, .dispid = 0x68030027, .flags = kNonBrowsable, .helpContext = 1220,
     .helpString = "Returns/sets the starting point of text selected.",
     .read = reads<&Quelta::SelStart>,
     .write = writes<&Quelta::letSelStart>},
    {.name = "SelText", .access = kGetLet, .type = VT::String, .dispid = 0x68030026, .flags = kNonBrowsable, .helpContext = 1220,
     .helpString = "Returns/sets the string containing the currently selected text.",
     .read = reads<&Quelta::SelText>,
     .write = writes<&Quelta::letSelText>},
    {.name = "StartSelected", .access = kGetLet, .type = VT::Boolean, .dispid = 0x68030025, .helpContext = 1230,
     .helpString = "Returns/sets whether or not the complete contents of a control is selected when it receives the focus.",
     .byDefault = flag(false),
     .persisted = {.readAt = 12, .writeAt = 12, .place = inState<&QueltaState::StartSelected>},
     .read = reads<&Quelta::StartSelected, VT::Boolean>,
     .write = writes<&Quelta::letStartSelected>},
    {.name = "Text", .access = kGetLet, .type = VT::String, .dispid = -517, .flags = kTextFlags, .helpContext = 1240,
     .helpString = "Returns/sets the text contained in the control.",
     .byDefault = text(u""), .newControl = {.fromExtender = "Name"},
     .persisted = {.readAt = 24, .writeAt = 24, .place = inTemplate<&EditBox::text, &EditBox::setText>},
     .read = reads<&Quelta::Text>,
     .write = writes<&Quelta::letText>},
    {.name = "TextDefault", .access = kGetLet, .type = VT::String, .dispid = DISPID_VALUE, .flags = FUNCFLAG_FHIDDEN,
     .writeArgument = "New_DefaultText",
     .read = reads<&Quelta::TextDefault>,
     .write = writes<&Quelta::letTextDefault>},
    {.name = "Value", .access = kGetLet, .type = VT::String, .dispid = 0x68030024, .flags = kNonBrowsable, .helpContext = 1250,
     .helpString = "Returns/sets the raw data for an object.",
     .read = reads<&Quelta::Value>,
     .write = writes<&Quelta::letValue>},
    {.name = "WordWrap", .access = kGetLet, .type = VT::Boolean, .dispid = 0x68030023, .helpContext = 1260,
     .helpString = "Returns/sets a value indicating whether the control scrolls or wraps words when the caret goes past its right edge.",
     .byDefault = flag(false),
     .persisted = {.readAt = 13, .writeAt = 13, .place = inState<&QueltaState::WordWrap>},
     .read = reads<&Quelta::WordWrap, VT::Boolean>,
     .write = writes<&Quelta::letWordWrap>},
    {.name = "Col", .access = kGet, .type = VT::Long, .dispid = 0x68030049, .flags = kNonBrowsable,
     .helpString = "Returns the current column (1-based).",
     .listedAfter = "BorderStyle",
     .read = reads<&Quelta::Col>},
    {.name = "Row", .access = kGet, .type = VT::Long, .dispid = 0x68030048, .flags = kNonBrowsable,
     .helpString = "Returns the current row (1-based).",
     .listedAfter = "RightToLeft",
     .read = reads<&Quelta::Row>},
    {.name = "RowLength", .access = kGet, .type = VT::Long, .dispid = 0x68030047, .flags = kNonBrowsable,
     .helpString = "Returns the length of a row.",
     .parameters = kRowLengthParameters,
     .listedAfter = "Row",
     .read = readsAt<&Quelta::RowLength>},
    {.name = "Rows", .access = kGet, .type = VT::Long, .dispid = 0x68030046, .flags = kNonBrowsable,
     .helpString = "Returns the number of rows.",
     .listedAfter = "RowLength",
     .read = reads<&Quelta::Rows>},
};
// clang-format on

}  // namespace quelta::table

namespace quelta {

using table::kMembers;

// The row of the member of that exact name; a name no member has does not compile.
consteval const MemberInfo& memberRow(std::string_view name) {
    for (const MemberInfo& member : kMembers) {
        if (member.name == name) return member;
    }
    throw "no member of that name";
}

}  // namespace quelta
