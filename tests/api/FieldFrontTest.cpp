// The typed front of include/quelta/: typed members reach the member of their name, events
// carry the handler's changes back, the form keeps fields and files, and errors come out as
// quelta::Error with their numbers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <span>
#include <type_traits>

#include "api/Dispatch.h"
#include "api/TypeLibrary.h"
#include "api/front/FieldCore.h"
#include "platform/container/Picture.h"
#include "platform/region/RegionalSettings.h"
#include "quelta/FieldForm.h"
#include "quelta/Keys.h"

namespace quelta {
namespace {

// The number of the quelta::Error the call raises, or 0.
int publicErrorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const Error& error) {
        return error.number();
    }
    return 0;
}

class FieldFrontTest : public ::testing::Test {
protected:
    void SetUp() override { selectRegion("en-US"); }
    // OverType is the thread's, not the field's: the tests after these must find it off.
    void TearDown() override { Field("reset").setOverType(false); }
};

// A typed value as the dispatch interface gives the member: objects by the file or name they
// carry, everything else as its text.
std::string shown(const Variant& value) {
    if (value.type() != VariantType::Object) return toUtf8(value.toString());
    auto picture = std::dynamic_pointer_cast<Picture>(value.toObject());
    return picture ? toUtf8(picture->source()) : "an object";
}
std::string shown(const std::string& value) {
    return value;
}
template <typename T>
std::string shown(T value) {
    if constexpr (std::is_same_v<T, bool>)
        return shown(Variant::boolean(value));
    else if constexpr (std::is_enum_v<T> || std::is_same_v<T, std::uint32_t>)
        return shown(Variant(static_cast<std::int32_t>(value)));
    else
        return shown(Variant(value));
}

// A member, a change of the field through typed setters, and what its typed getter reads.
struct TypedMember {
    const char16_t* member;
    std::function<void(Field&)> change;
    std::function<std::string(const Field&)> read;
    std::vector<Variant> arguments = {};
};

template <typename T, typename Argument>
TypedMember typed(const char16_t* member, void (FieldMembers::*set)(Argument),
                  T (FieldMembers::*get)() const, std::type_identity_t<T> value) {
    return {member, [=](Field& f) { (f.*set)(value); },
            [=](const Field& f) { return shown((f.*get)()); }};
}

// Every typed getter and setter against the member of its name as the dispatch interface
// reads it: a generated accessor wired to a neighbouring member, or converting its type
// wrongly, leaves the two apart, and a setter that reached nothing leaves the default.
TEST_F(FieldFrontTest, EveryTypedMemberReachesTheMemberOfItsName) {
    const std::string icon = ::testing::TempDir() + "/field-front.bmp";
    {  // a one-pixel bitmap: file header, info header, one padded row
        std::string bytes(58, '\0');
        const std::pair<std::size_t, std::uint8_t> fields[] = {
            {0, 'B'}, {1, 'M'}, {2, 58}, {10, 54}, {14, 40}, {18, 1}, {22, 1}, {26, 1}, {28, 24}};
        for (auto [at, byte] : fields)
            bytes[at] = static_cast<char>(byte);
        std::ofstream(icon, std::ios::binary) << bytes;
    }
    const FontSpec font{.name = "DejaVu Serif", .size = 11, .weight = 700, .italic = true};
    const auto multiLine = [](Field& f) { f.setMultiLine(true), f.setText("ab\r\ncdef"); };
    using F = FieldMembers;
    const TypedMember members[] = {
        typed(u"Alignment", &F::setAlignment, &F::alignment, Alignment::Center),
        typed(u"Appearance", &F::setAppearance, &F::appearance, Appearance::AppearanceFlat),
        typed(u"AutoSize", &F::setAutoSize, &F::autoSize, true),
        typed(u"AutoTab", &F::setAutoTab, &F::autoTab, true),
        typed(u"BackColor", &F::setBackColor, &F::backColor, 0x8000000F),
        typed(u"BorderStyle", &F::setBorderStyle, &F::borderStyle, BorderStyle::BorderNone),
        typed(u"DataType", &F::setDataType, &F::dataType, DataType::SignedNumeric),
        typed(u"DisabledGray", &F::setDisabledGray, &F::disabledGray, true),
        typed(u"Enabled", &F::setEnabled, &F::enabled, false),
        typed(u"FontBold", &F::setFontBold, &F::fontBold, true),
        typed(u"FontItalic", &F::setFontItalic, &F::fontItalic, true),
        typed(u"FontName", &F::setFontName, &F::fontName, "DejaVu Serif"),
        typed(u"FontSize", &F::setFontSize, &F::fontSize, 13.5f),
        typed(u"FontStrikeThru", &F::setFontStrikeThru, &F::fontStrikeThru, true),
        typed(u"FontUnderline", &F::setFontUnderline, &F::fontUnderline, true),
        typed(u"ForeColor", &F::setForeColor, &F::foreColor, 0x00336699),
        typed(u"Format", &F::setFormat, &F::format, "0.00 €"),
        typed(u"HideSelection", &F::setHideSelection, &F::hideSelection, false),
        typed(u"Locked", &F::setLocked, &F::locked, true),
        typed(u"MaxLength", &F::setMaxLength, &F::maxLength, 12),
        typed(u"MouseIcon", &F::setMouseIcon, &F::mouseIcon, icon),
        typed(u"MousePointer", &F::setMousePointer, &F::mousePointer, MousePointer::Custom),
        typed(u"MultiLine", &F::setMultiLine, &F::multiLine, true),
        typed(u"OLEDragMode", &F::setOLEDragMode, &F::oleDragMode, OLEDragMode::DragModeAutomatic),
        typed(u"OLEDropMode", &F::setOLEDropMode, &F::oleDropMode, OLEDropMode::DropModeManual),
        typed(u"OverType", &F::setOverType, &F::overType, true),
        typed(u"PasswordChar", &F::setPasswordChar, &F::passwordChar, "*"),
        typed(u"RightToLeft", &F::setRightToLeft, &F::rightToLeft, true),
        typed(u"ScrollBars", &F::setScrollBars, &F::scrollBars, ScrollBars::ScrollBarsBoth),
        typed(u"ScaleDigits", &F::setScaleDigits, &F::scaleDigits, 3),
        typed(u"StartSelected", &F::setStartSelected, &F::startSelected, true),
        typed(u"Text", &F::setText, &F::text, "né 42"),
        typed(u"WordWrap", &F::setWordWrap, &F::wordWrap, true),
        {u"Value", [](Field& f) { f.setDataType(DataType::Numeric), f.setValue("12.5"); },
         [](const Field& f) { return f.value(); }},
        {u"FormattedText", [](Field& f) { f.setFormat("0.00"), f.setText("7"); },
         [](const Field& f) { return f.formattedText(); }},
        {u"FontName", [&](Field& f) { f.setFont(font); },
         [&](const Field& f) { return f.font() == font ? f.font().name : "another font"; }},
        {u"SelStart", [](Field& f) { f.setText("abcdef"), f.setSelStart(2); },
         [](const Field& f) { return shown(f.selStart()); }},
        {u"SelLength", [](Field& f) { f.setText("abcdef"), f.setSelLength(4); },
         [](const Field& f) { return shown(f.selLength()); }},
        {u"SelText", [](Field& f) { f.setText("abcdef"), f.setSelLength(3); },
         [](const Field& f) { return f.selText(); }},
        {u"Text", [](Field& f) { f.setText("abcdef"), f.setSelLength(2), f.setSelText("XYZ"); },
         [](const Field& f) { return f.text(); }},
        {u"Rows", multiLine, [](const Field& f) { return shown(f.rows()); }},
        {u"RowLength",
         multiLine,
         [](const Field& f) { return shown(f.rowLength(1)); },
         {Variant(std::int32_t{1})}},
        {u"Row", [&](Field& f) { multiLine(f), f.setSelStart(6); },
         [](const Field& f) { return shown(f.row()); }},
        {u"Col", [&](Field& f) { multiLine(f), f.setSelStart(6); },
         [](const Field& f) { return shown(f.col()); }},
    };
    for (const TypedMember& c : members) {
        FieldForm form;
        form.setUserMode(false);  // the design-time properties take writes
        Field field = form.addField("txt");
        Quelta& control = detail::controlOf(*detail::FieldCore::of(field));
        std::vector<Variant> arguments = c.arguments;
        const auto dispatched = [&] {
            return shown(
                Invoke(control, GetIDsOfNames(c.member), InvokeKind::PropertyGet, arguments));
        };
        const std::string before = dispatched();
        c.change(field);
        EXPECT_NE(dispatched(), before) << toUtf8(c.member) << " kept its value";
        EXPECT_EQ(c.read(field), dispatched()) << toUtf8(c.member);
    }
    std::remove(icon.c_str());
}

// Each handler gets the control's arguments in their public types, and what it leaves in
// them goes back to the control; a call with the wrong number of arguments reaches no one.
TEST_F(FieldFrontTest, EventArgumentsGoBothWays) {
    Field field("txt");
    int calls = 0;
    field.onChange([&] { ++calls; });
    field.onClick([&] { ++calls; });
    field.onDblClick([&] { ++calls; });
    const auto key = [&](std::int16_t& code, std::int16_t& shift) { ++calls, ++code, shift = 4; };
    field.onKeyDown(key);
    field.onKeyUp([&](std::int16_t& code, std::int16_t& shift) { key(shift, code); });
    field.onKeyPress([&](std::int16_t& ascii) { ++calls, ascii = 0; });
    const auto mouse = [&](std::int16_t& button, std::int16_t& shift, float& x, float& y) {
        ++calls, button = 2, shift = 1, x += 1, y *= 2;
    };
    field.onMouseDown(mouse);
    field.onMouseMove(
        [&](std::int16_t& b, std::int16_t& s, float& x, float& y) { mouse(s, b, y, x); });
    field.onMouseUp(
        [&](std::int16_t& b, std::int16_t& s, float& x, float& y) { mouse(b, s, y, x); });
    field.onOLECompleteDrag([&](std::int32_t& effect) { ++calls, effect = 7; });
    field.onOLEGiveFeedback(
        [&](std::int32_t& effect, bool& cursors) { ++calls, effect = 3, cursors = false; });
    const Variant i16[] = {Variant(std::int16_t{0}), Variant(std::int16_t{1}),
                           Variant(std::int16_t{65})};
    struct Case {
        std::string_view event;
        std::vector<Variant> arguments;
        const char* after;
        int calls = 1;
    };
    const Case cases[] = {
        {"Change", {}, ""},
        {"Click", {}, ""},
        {"DblClick", {}, ""},
        {"KeyDown", {i16[2], i16[1]}, "66 4"},
        {"KeyUp", {i16[2], i16[1]}, "4 2"},
        {"KeyDown", {i16[2]}, "65", 0},
        {"KeyPress", {i16[2]}, "0"},
        {"MouseDown", {i16[1], i16[0], Variant(10.5f), Variant(3.0f)}, "2 1 11.5 6"},
        {"MouseMove", {i16[1], i16[0], Variant(10.5f), Variant(3.0f)}, "1 2 21 4"},
        {"MouseUp", {i16[1], i16[0], Variant(10.5f), Variant(3.0f)}, "2 1 21 4"},
        {"OLECompleteDrag", {Variant(std::int32_t{1})}, "7"},
        {"OLEGiveFeedback", {Variant(std::int32_t{1}), Variant::boolean(true)}, "3 False"},
        {"OLEStartDrag", {}, "", 0},  // no handler to give it to
    };
    const detail::FieldEventHandlers& handlers = detail::FieldCore::of(field)->handlers;
    for (const Case& c : cases) {
        const auto event = std::ranges::find(events(), c.event, &EventInfo::name);
        ASSERT_NE(event, events().end()) << c.event;
        std::vector<Variant> arguments = c.arguments;
        const int before = calls;
        detail::raiseFieldEvent(handlers, event->dispid, arguments);
        std::string after;
        for (const Variant& argument : arguments)
            after += (after.empty() ? "" : " ") + toUtf8(argument.toString());
        EXPECT_EQ(after, c.after) << c.event;
        EXPECT_EQ(calls - before, c.calls) << c.event;
    }
}

TEST_F(FieldFrontTest, RefusalsAreErrorsWithNumberAndMessage) {
    FieldForm form;
    Field field = form.addField("txt");
    EXPECT_EQ(publicErrorOf([&] { field.setAlignment(Alignment::Center); }), 382);
    EXPECT_EQ(publicErrorOf([&] { field.setFont(FontSpec{}); }), 380);  // no name
    EXPECT_EQ(publicErrorOf([&] { form.addField("TXT"); }), 5);
    try {
        field.setMaxLength(-1);
        FAIL() << "MaxLength -1 was taken";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "Invalid property value");
    }
}

// Keys reach the focused field's own handlers, and what they leave is what the field goes on
// with.
TEST_F(FieldFrontTest, KeysGoToTheFocusedFieldAndItsHandlersAndTabMovesOn) {
    FieldForm form;
    Field first = form.addField("first");
    Field off = form.addField("off");
    Field last = form.addField("last");
    int changes = 0;
    last.onChange([&] { ++changes; });
    last.onKeyPress([](std::int16_t& keyAscii) {
        if (keyAscii == 'b') keyAscii = 'B';
        if (keyAscii == 'x') keyAscii = 0;
    });
    off.setEnabled(false);
    first.setMaxLength(2);
    first.setAutoTab(true);
    first.typeText("ab{xbc");  // full after two characters: the automatic tab takes the rest on
    EXPECT_EQ(first.text(), "ab");
    EXPECT_EQ(last.text(), "{Bc");
    EXPECT_EQ(changes, 3);
    std::vector<std::string> changed;
    last.onPropertyChanged([&](std::string_view property) { changed.emplace_back(property); });
    last.setFormat("@");
    EXPECT_EQ(changed, std::vector<std::string>{"Format"});
    ASSERT_TRUE(form.focused());
    EXPECT_EQ(form.focused()->name(), "last");
    form.tab(false);
    EXPECT_TRUE(first.hasFocus());
    off.sendKeys("zz");  // a disabled field takes no keys and passes none on
    EXPECT_EQ(first.text(), "ab");
    EXPECT_EQ(publicErrorOf([&] { form.sendKeys("{NOSUCHKEY}"); }), 5);
}

TEST_F(FieldFrontTest, FormFilesRoundTripAndARefusalKeepsTheForm) {
    const std::string path = ::testing::TempDir() + "/field-front-form.json";
    {
        FieldForm form;
        form.addField("txtQty").setDataType(DataType::Numeric);
        form.addField("txtDue").setText("due");
        form.save(path);
    }
    FieldForm form;
    Field kept = form.addField("kept");
    EXPECT_EQ(publicErrorOf([&] { form.load(path + ".missing"); }), 53);
    EXPECT_TRUE(kept.valid());
    form.load(path);
    EXPECT_FALSE(kept.valid());
    EXPECT_EQ(publicErrorOf([&] { kept.refresh(); }), 424);
    ASSERT_EQ(form.fields().size(), 2u);
    EXPECT_EQ(form.fields()[0].dataType(), DataType::Numeric);
    EXPECT_EQ(form.find("TXTDUE")->text(), "due");
    std::ofstream(path) << "{\"format\": \"quelta-form\", \"version\": 1, \"controls\": [{}]}";
    try {
        form.load(path);
        FAIL() << "a damaged file was taken";
    } catch (const Error& error) {
        EXPECT_EQ(error.number(), 321);
        EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
    }
    EXPECT_EQ(form.fields().size(), 2u);
    std::remove(path.c_str());
}

TEST_F(FieldFrontTest, DrawingCountsBytesOfTheUtf8Text) {
    Field field("txt");
    field.typeText("né");
    FieldDrawing drawing = field.drawing({1, 40, 1, nullptr});
    ASSERT_EQ(drawing.rows.size(), 1u);
    EXPECT_EQ(drawing.rows[0].text, "né");
    ASSERT_TRUE(drawing.caret);
    EXPECT_EQ(drawing.caret->index, 3u);       // after the two bytes of é
    EXPECT_EQ(drawing.background, 0xFFFFFFu);  // the window colour of the classic scheme
    field.sendKeys("+{LEFT}");
    drawing = field.drawing({1, 40, 1, nullptr});
    EXPECT_EQ(drawing.rows[0].selectedFrom, 1u);
    EXPECT_EQ(drawing.rows[0].selectedTo, 3u);
}

}  // namespace
}  // namespace quelta
