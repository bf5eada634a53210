#include <cstddef>

#include "api/MemberBinding.h"
#include "api/TypeLibrary.h"

namespace quelta {
namespace {

using binding::calls;
using binding::reads;
using binding::readsAt;
using binding::writes;
using VT = ValueType;
using MK = MemberKind;
using C = Category;
using P = StandardPage;

constexpr std::uint8_t kGetLet = kGet | kLet;
constexpr std::uint8_t kGetSet = kGet | kSet;
constexpr std::uint16_t kNonBrowsable = FUNCFLAG_FNONBROWSABLE;
constexpr std::uint16_t kTextFlags =
    FUNCFLAG_FBINDABLE | FUNCFLAG_FREQUESTEDIT | FUNCFLAG_FDEFAULTBIND | FUNCFLAG_FUIDEFAULT;

constexpr ParameterInfo kRowLengthParameters[] = {{"Line", VT::Long}};

// The members of _Quelta in slot order. A member without a reader, writer or caller is one
// whose behaviour this build does not offer yet: dispatch answers it with error 438.
// clang-format off
constexpr MemberInfo kMembers[] = {
    {.name = "AboutBox", .kind = MK::Method, .dispid = -552, .helpContext = 10,
     .call = calls<&Quelta::AboutBox>},
    {.name = "OLEDrag", .kind = MK::Method, .dispid = 0x60030044, .helpContext = 2005,
     .helpString = "Starts an OLE drag/drop operation with the given control as the source.",
     .call = calls<&Quelta::OLEDrag>},
    {.name = "Refresh", .kind = MK::Method, .dispid = 0x60030045, .helpContext = 2010,
     .helpString = "Forces a complete repaint of an object.",
     .call = calls<&Quelta::Refresh>},
    {.name = "Alignment", .access = kGetLet, .type = VT::Enumeration, .enumeration = "qltaAlignmentProperties", .dispid = 0x68030043, .helpContext = 1010, .category = C::Misc, .designTimeOnly = true,
     .helpString = "Returns/sets the alignment of a control's text.",
     .read = reads<&Quelta::Alignment>,
     .write = writes<&Quelta::letAlignment>},
    {.name = "Appearance", .access = kGetLet, .type = VT::Enumeration, .enumeration = "qltaAppearanceProperties", .dispid = -520, .helpContext = 1020, .category = C::Appearance, .designTimeOnly = true,
     .helpString = "Returns/sets whether or not an object is painted at run time with 3-D effects.",
     .read = reads<&Quelta::Appearance>,
     .write = writes<&Quelta::letAppearance>},
    {.name = "AutoSize", .access = kGetLet, .type = VT::Boolean, .dispid = 0x68030042, .helpContext = 1025, .designTimeOnly = true,
     .helpString = "Returns/sets whether or not an object is automatically sized according to its MaxLength property.",
     .read = reads<&Quelta::AutoSize>,
     .write = writes<&Quelta::letAutoSize>},
    {.name = "AutoTab", .access = kGetLet, .type = VT::Boolean, .dispid = 0x68030041, .helpContext = 1030,
     .helpString = "Returns/sets whether or not the next control in the tab order automatically receives the focus.",
     .read = reads<&Quelta::AutoTab>,
     .write = writes<&Quelta::letAutoTab>},
    {.name = "BackColor", .access = kGetLet, .type = VT::Color, .dispid = -501, .helpContext = 1040, .category = C::Appearance, .page = P::Color,
     .helpString = "Returns/sets the background color used to display text and graphics in an object.",
     .read = reads<&Quelta::BackColor>,
     .write = writes<&Quelta::letBackColor>},
    {.name = "BorderStyle", .access = kGetLet, .type = VT::Enumeration, .enumeration = "qltaBorderStyleProperties", .dispid = -504, .helpContext = 1050, .category = C::Appearance, .designTimeOnly = true,
     .helpString = "Returns/sets the border style for an object.",
     .read = reads<&Quelta::BorderStyle>,
     .write = writes<&Quelta::letBorderStyle>},
    {.name = "DataType", .access = kGetLet, .type = VT::Enumeration, .enumeration = "qltaDataTypeProperties", .dispid = 0x68030040, .helpContext = 1060, .category = C::Behavior,
     .helpString = "Returns/sets the data type of an object.",
     .read = reads<&Quelta::DataType>,
     .write = writes<&Quelta::letDataType>},
    {.name = "DisabledGray", .access = kGetLet, .type = VT::Boolean, .dispid = 0x6803003F, .helpContext = 1070,
     .helpString = "Returns/sets whether or not the background color is gray if the control is disabled.",
     .read = reads<&Quelta::DisabledGray>,
     .write = writes<&Quelta::letDisabledGray>},
    {.name = "Enabled", .access = kGetLet, .type = VT::Boolean, .dispid = -514, .helpContext = 1080,
     .helpString = "Returns/sets a value that determines whether an object can respond to user-generated events.",
     .read = reads<&Quelta::Enabled>,
     .write = writes<&Quelta::letEnabled>},
    {.name = "Font", .access = kGetSet, .type = VT::Font, .dispid = 0x6803003E, .helpContext = 1090, .category = C::Font, .page = P::Font,
     .helpString = "Returns a Font object.",
     .read = reads<&Quelta::Font>,
     .write = writes<&Quelta::setFont>},
    {.name = "FontBold", .access = kGetLet, .type = VT::Boolean, .dispid = 0x6803003D, .flags = kNonBrowsable, .helpContext = 1090,
     .helpString = "Returns/sets bold font styles.",
     .read = reads<&Quelta::FontBold>,
     .write = writes<&Quelta::letFontBold>},
    {.name = "FontItalic", .access = kGetLet, .type = VT::Boolean, .dispid = 0x6803003C, .flags = kNonBrowsable, .helpContext = 1090,
     .helpString = "Returns/sets italic font styles.",
     .read = reads<&Quelta::FontItalic>,
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
     .read = reads<&Quelta::FontStrikeThru>,
     .write = writes<&Quelta::letFontStrikeThru>},
    {.name = "FontUnderline", .access = kGetLet, .type = VT::Boolean, .dispid = 0x68030038, .flags = kNonBrowsable, .helpContext = 1090,
     .helpString = "Returns/sets underline font styles.",
     .read = reads<&Quelta::FontUnderline>,
     .write = writes<&Quelta::letFontUnderline>},
    {.name = "ForeColor", .access = kGetLet, .type = VT::Color, .dispid = -513, .helpContext = 1040, .category = C::Appearance, .page = P::Color,
     .helpString = "Returns/sets the foreground color used to display text and graphics in an object.",
     .read = reads<&Quelta::ForeColor>,
     .write = writes<&Quelta::letForeColor>},
    {.name = "Format", .access = kGetLet, .type = VT::String, .dispid = 0x68030037, .helpContext = 1100,
     .helpString = "Specifies the format for displaying and printing numbers, dates, times, and text.",
     .read = reads<&Quelta::Format>,
     .write = writes<&Quelta::letFormat>},
    {.name = "FormattedText", .access = kGet, .type = VT::String, .dispid = 0x68030036, .flags = kNonBrowsable, .helpContext = 1105,
     .helpString = "Returns the formatted text contained in the control.",
     .read = reads<&Quelta::FormattedText>},
    {.name = "HideSelection", .access = kGetLet, .type = VT::Boolean, .dispid = 0x68030035, .helpContext = 1110, .designTimeOnly = true,
     .helpString = "Specifies whether the selection in a control is hidden when the control loses focus.",
     .read = reads<&Quelta::HideSelection>,
     .write = writes<&Quelta::letHideSelection>},
    {.name = "hWnd", .access = kGet, .type = VT::Long, .dispid = -515, .flags = kNonBrowsable, .helpContext = 1120,
     .helpString = "Returns a handle (from Microsoft Windows) to an object's window.",
     .read = reads<&Quelta::hWnd>},
    {.name = "Locked", .access = kGetLet, .type = VT::Boolean, .dispid = 0x68030034, .helpContext = 1130,
     .helpString = "Determines whether a control can be edited.",
     .read = reads<&Quelta::Locked>,
     .write = writes<&Quelta::letLocked>},
    {.name = "MaxLength", .access = kGetLet, .type = VT::Long, .dispid = 0x68030033, .helpContext = 1140,
     .helpString = "Returns/sets the maximum number of characters that can be entered in a control.",
     .read = reads<&Quelta::MaxLength>,
     .write = writes<&Quelta::letMaxLength>},
    {.name = "MouseIcon", .access = kGetSet, .type = VT::Picture, .dispid = 0x68030032, .helpContext = 1150, .category = C::Misc, .page = P::Picture,
     .helpString = "Sets a custom mouse icon.",
     .read = reads<&Quelta::MouseIcon>,
     .write = writes<&Quelta::setMouseIcon>},
    {.name = "MousePointer", .access = kGetLet, .type = VT::Enumeration, .enumeration = "qltaMousePointerProperties", .dispid = 0x68030031, .helpContext = 1160, .category = C::Misc,
     .helpString = "Returns/sets the type of mouse pointer displayed when over part of an object.",
     .read = reads<&Quelta::MousePointer>,
     .write = writes<&Quelta::letMousePointer>},
    {.name = "MultiLine", .access = kGetLet, .type = VT::Boolean, .dispid = 0x68030030, .helpContext = 1170, .designTimeOnly = true,
     .helpString = "Returns/sets a value that determines whether the control can accept multiple lines of text.",
     .read = reads<&Quelta::MultiLine>,
     .write = writes<&Quelta::letMultiLine>},
    {.name = "OLEDragMode", .access = kGetLet, .type = VT::Enumeration, .enumeration = "qltaOLEDragModeProperties", .dispid = 0x6803002F, .helpContext = 1172, .category = C::Behavior,
     .helpString = "Returns/Sets whether this object can act as an OLE drag/drop source, and whether this process is started automatically or under programmatic control.",
     .read = reads<&Quelta::OLEDragMode>,
     .write = writes<&Quelta::letOLEDragMode>},
    {.name = "OLEDropMode", .access = kGetLet, .type = VT::Enumeration, .enumeration = "qltaOLEDropModeProperties", .dispid = 0x6803002E, .helpContext = 1174, .category = C::Behavior,
     .helpString = "Returns/Sets whether this object can act as an OLE drop target, and whether this takes place automatically or under programmatic control.",
     .read = reads<&Quelta::OLEDropMode>,
     .write = writes<&Quelta::letOLEDropMode>},
    {.name = "OverType", .access = kGetLet, .type = VT::Boolean, .dispid = 0x6803002D, .flags = kNonBrowsable, .helpContext = 1180, .category = C::Behavior,
     .helpString = "Determines whether characters typed by a user are inserted or replace the character at the caret position.",
     .read = reads<&Quelta::OverType>,
     .write = writes<&Quelta::letOverType>},
    {.name = "PasswordChar", .access = kGetLet, .type = VT::String, .dispid = 0x6803002C, .helpContext = 1190,
     .helpString = "Returns/sets a value that determines whether characters typed by a user or placeholder characters are displayed in a control.",
     .read = reads<&Quelta::PasswordChar>,
     .write = writes<&Quelta::letPasswordChar>},
    {.name = "RightToLeft", .access = kGetLet, .type = VT::Boolean, .dispid = 0x6803002B, .helpContext = 1195,
     .helpString = "Determines text display direction and control visual appearance on a biderectional system.",
     .read = reads<&Quelta::RightToLeft>,
     .write = writes<&Quelta::letRightToLeft>},
    {.name = "ScrollBars", .access = kGetLet, .type = VT::Enumeration, .enumeration = "qltaScrollBarsProperties", .dispid = 0x6803002A, .helpContext = 1210, .category = C::Behavior,
     .helpString = "Returns/sets a value indicating whether an object has vertical or horizontal scroll bars.",
     .read = reads<&Quelta::ScrollBars>,
     .write = writes<&Quelta::letScrollBars>},
    {.name = "ScaleDigits", .access = kGetLet, .type = VT::Integer, .dispid = 0x68030029, .helpContext = 1200,
     .helpString = "Returns/sets the precision for numeric data.",
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
     .read = reads<&Quelta::StartSelected>,
     .write = writes<&Quelta::letStartSelected>},
    {.name = "Text", .access = kGetLet, .type = VT::String, .dispid = -517, .flags = kTextFlags, .helpContext = 1240,
     .helpString = "Returns/sets the text contained in the control.",
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
     .read = reads<&Quelta::WordWrap>,
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

// A DISPID names one member only, and every member has its own.
constexpr bool hasDistinctDispatchIds(std::span<const MemberInfo> rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].dispid == DISPID_UNKNOWN) return false;
        for (std::size_t j = i + 1; j < rows.size(); ++j) {
            if (rows[i].dispid == rows[j].dispid) return false;
        }
    }
    return true;
}
static_assert(hasDistinctDispatchIds(kMembers));

}  // namespace

std::span<const MemberInfo> members() {
    return kMembers;
}

}  // namespace quelta
