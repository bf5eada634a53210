// The typed front of include/quelta/: typed members reach the member of their name, events
// carry the handler's changes back, the form keeps fields and files, and errors come out as
// quelta::Error with their numbers.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

#include "api/Dispatch.h"
#include "api/front/FieldCore.h"
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
};

// A generated accessor that called a neighbouring member, or converted its type wrongly,
// would leave a different value behind the member's name.
TEST_F(FieldFrontTest, TypedSettersReachTheMemberOfTheirName) {
    struct Case {
        const char16_t* member;
        std::function<void(Field&)> set;
        Variant expected;
    };
    const Case cases[] = {
        {u"AutoTab", [](Field& f) { f.setAutoTab(true); }, Variant::boolean(true)},
        {u"ScaleDigits", [](Field& f) { f.setScaleDigits(3); }, Variant(std::int16_t{3})},
        {u"MaxLength", [](Field& f) { f.setMaxLength(12); }, Variant(std::int32_t{12})},
        {u"FontSize", [](Field& f) { f.setFontSize(12.0f); }, Variant(12.0f)},
        {u"Format", [](Field& f) { f.setFormat("0.00 €"); }, Variant(u"0.00 €")},
        {u"BackColor", [](Field& f) { f.setBackColor(0x8000000F); },
         Variant(static_cast<std::int32_t>(0x8000000F))},
        {u"DataType", [](Field& f) { f.setDataType(DataType::SignedNumeric); },
         Variant(std::int32_t{5})},
        {u"MousePointer", [](Field& f) { f.setMousePointer(MousePointer::Custom); },
         Variant(std::int32_t{99})},
    };
    for (const Case& c : cases) {
        FieldForm form;
        Field field = form.addField("txt");
        c.set(field);
        Quelta& control = detail::controlOf(*detail::FieldCore::of(field));
        Variant read = Invoke(control, GetIDsOfNames(c.member), InvokeKind::PropertyGet, {});
        EXPECT_EQ(read.toString(), c.expected.toString()) << toUtf8(c.member);
    }
}

TEST_F(FieldFrontTest, TypedGettersGiveThePublicTypes) {
    Field field("txtAmount");
    field.setDataType(DataType::Numeric);
    field.setText("1234.5");
    EXPECT_EQ(field.dataType(), DataType::Numeric);
    EXPECT_EQ(field.text(), "1234.5");
    EXPECT_TRUE(field.enabled());
    FontSpec font = field.font();
    font.name = "DejaVu Sans";
    font.weight = 700;
    field.setFont(font);
    EXPECT_EQ(field.font(), font);
    EXPECT_TRUE(field.fontBold());
}

TEST_F(FieldFrontTest, RefusalsAreErrorsWithNumberAndMessage) {
    FieldForm form;
    Field field = form.addField("txt");
    EXPECT_EQ(publicErrorOf([&] { field.setMousePointer(static_cast<MousePointer>(50)); }), 380);
    EXPECT_EQ(publicErrorOf([&] { field.setAlignment(Alignment::Center); }), 382);
    EXPECT_EQ(publicErrorOf([&] { field.setFont(FontSpec{}); }), 380);  // no name
    EXPECT_EQ(publicErrorOf([&] { form.addField("TXT"); }), 5);
    form.setUserMode(false);
    field.setAlignment(Alignment::Center);
    EXPECT_EQ(field.alignment(), Alignment::Center);
    try {
        field.setMousePointer(static_cast<MousePointer>(16));
        FAIL() << "MousePointer 16 was taken";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "Invalid property value");
    }
}

TEST_F(FieldFrontTest, HandlersChangeWhatTheControlGoesOnWith) {
    FieldForm form;
    Field field = form.addField("txt");
    int changes = 0;
    std::int16_t keyDown = 0;
    field.onChange([&] { ++changes; });
    field.onKeyDown([&](std::int16_t& keyCode, std::int16_t&) { keyDown = keyCode; });
    field.onKeyPress([](std::int16_t& keyAscii) {
        if (keyAscii == 'b') keyAscii = 'B';
        if (keyAscii == 'x') keyAscii = 0;
    });
    field.sendKeys("abxc");
    EXPECT_EQ(field.text(), "aBc");
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(keyDown, 'C');
    std::vector<std::string> changed;
    field.onPropertyChanged([&](std::string_view property) { changed.emplace_back(property); });
    field.setFormat("@");
    EXPECT_EQ(changed, std::vector<std::string>{"Format"});
}

TEST_F(FieldFrontTest, KeysGoToTheFocusedFieldAndTabMovesOn) {
    FieldForm form;
    Field first = form.addField("first");
    Field off = form.addField("off");
    Field last = form.addField("last");
    off.setEnabled(false);
    first.setMaxLength(2);
    first.setAutoTab(true);
    first.typeText("ab{c");  // full after two characters: the automatic tab takes the rest on
    EXPECT_EQ(first.text(), "ab");
    EXPECT_EQ(last.text(), "{c");
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
    EXPECT_EQ(publicErrorOf([&] { (void)kept.text(); }), 424);
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
