// What a saved form keeps of a control: every property survives a save and a load, a
// missing key reads its default, and a value that cannot be converted ends the load there.
#include <gtest/gtest.h>

#include <algorithm>

#include "TestSupport.h"
#include "control/DisabledGray.h"
#include "control/Enumerations.h"
#include "control/Quelta.h"
#include "platform/container/PropertyBag.h"
#include "platform/container/RecordingContainer.h"

namespace quelta::testing {
namespace {

// The bag's entries as "key=value" texts, in the bag's order, for comparisons that name
// the key that differs.
std::vector<std::string> listing(const PropertyBag& bag) {
    std::vector<std::string> lines;
    for (const PropertyBag::Entry& entry : bag.entries()) {
        const bool object = entry.value.type() == VariantType::Object;
        lines.push_back(u8(entry.key) + "=" + (object ? "(object)" : u8(entry.value.toString())));
    }
    return lines;
}

std::ptrdiff_t positionOf(const PropertyBag& bag, StringView key) {
    const auto& entries = bag.entries();
    return std::find_if(entries.begin(), entries.end(),
                        [&](const PropertyBag::Entry& e) { return e.key == key; }) -
           entries.begin();
}

// Saving and loading into a new control gives back every property, including the raw text
// of a number the control shows formatted and a colour that the grey background hides.
TEST(PropertyPersistenceTest, EveryPropertySurvivesASaveAndALoad) {
    RecordingContainer container;
    container.setUserMode(false);  // the design-time-only properties can be written
    Quelta original(container);
    startControl(original, nullptr);
    original.letAlignment(qltaRightJustify);
    original.letAppearance(qltaAppearanceFlat);
    original.letBorderStyle(qltaBorderNone);
    original.letDataType(qltaNumeric);
    original.letScrollBars(qltaScrollBarsVertical);
    original.letScaleDigits(2);
    original.letAutoTab(kTrue);
    original.letDisabledGray(kTrue);
    original.letHideSelection(kFalse);
    original.letMultiLine(kTrue);
    original.letStartSelected(kTrue);
    original.letWordWrap(kTrue);
    original.letFormat(u"#,##0.00");
    original.letBackColor(0x00FF00);
    original.letForeColor(0x0000FF);
    original.letLocked(kTrue);
    original.letRightToLeft(kTrue);
    original.letMousePointer(qltaCross);
    original.letOLEDragMode(qltaDragModeAutomatic);
    original.letOLEDropMode(qltaDropModeManual);
    original.letPasswordChar(u"*");
    original.letText(u"1234.5");
    original.letEnabled(kFalse);
    original.templateBox().setMaxLength(12);
    PropertyBag saved;
    original.WriteProperties(saved);
    saved.write(u"AutoSize", Variant::boolean(true));  // no accessor to set it through yet
    ASSERT_EQ(u8(original.FormattedText()), "1,234.50");

    RecordingContainer runTime;
    Quelta loaded(runTime);
    startControl(loaded, &saved);
    PropertyBag again;
    loaded.WriteProperties(again);
    std::vector<std::string> expected = listing(saved);
    std::vector<std::string> actual = listing(again);
    std::sort(expected.begin(), expected.end());
    std::sort(actual.begin(), actual.end());
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(u8(loaded.Text()), "1234.5");
    EXPECT_EQ(loaded.BackColor(), 0x00FF00u);
    EXPECT_EQ(loaded.liveBox()->backColor(), kSystemButtonFace) << "grey at run time";
    EXPECT_TRUE(runTime.changedProperties().empty()) << "a load reports no changes";
    // AutoSize is written before AutoTab, though read after it; MaxLength once.
    EXPECT_LT(positionOf(again, u"AutoSize"), positionOf(again, u"AutoTab"));
    EXPECT_EQ(std::count_if(again.entries().begin(), again.entries().end(),
                            [](const PropertyBag::Entry& e) { return e.key == u"MaxLength"; }),
              1);
}

// An empty bag is a control with every default: unlike a new control, its text is empty
// rather than its name, and saving it again leaves nothing but its font behind (a property
// is written only when it differs from its default, so this checks every default).
TEST(PropertyPersistenceTest, AnEmptyBagGivesTheDefaults) {
    RecordingContainer container;
    container.defineExtenderProperty(u"Name", Variant(String(u"txtName")));
    Quelta control(container);
    PropertyBag empty;
    startControl(control, &empty);
    EXPECT_EQ(u8(control.Text()), "");
    EXPECT_TRUE(control.templateBox().font()->sameAttributes(*container.ambientFont()));

    PropertyBag saved;
    control.WriteProperties(saved);
    EXPECT_EQ(listing(saved), std::vector<std::string>{"Font=(object)"});
}

// A value its key cannot take ends the load with the conversion's error: the keys read
// before it keep their values, the later ones their initial ones, and there is no live box.
// Stored enumerations get no range test.
TEST(PropertyPersistenceTest, AValueThatDoesNotConvertEndsTheLoadThere) {
    RecordingContainer container;
    Quelta control(container);
    control.Initialize();
    PropertyBag bag;
    bag.write(u"Alignment", Variant(std::int32_t{7}));
    bag.write(u"ScaleDigits", Variant(std::int32_t{40000}));
    bag.write(u"Format", Variant(u"0.00"));
    EXPECT_EQ(errorNumberOf([&] { control.ReadProperties(bag); }), kErrOverflow);
    EXPECT_EQ(control.state().Alignment, 7);
    EXPECT_EQ(control.state().Format, u"");
    EXPECT_EQ(control.state().EditBoxLoaded, kFalse);

    bag.write(u"ScaleDigits", Variant(u"two"));
    EXPECT_EQ(errorNumberOf([&] { control.ReadProperties(bag); }), kErrTypeMismatch);
}

// The help file is set only when the host's mode differs from the last one seen, which
// starts as the designer's.
TEST(PropertyPersistenceTest, HelpFileFollowsTheHostsMode) {
    RecordingContainer designer;
    designer.setUserMode(false);
    Quelta designed(designer);
    PropertyBag bag;
    startControl(designed, &bag);
    EXPECT_TRUE(designer.helpFiles().empty());

    RecordingContainer running;
    Quelta shown(running);
    startControl(shown, &bag);
    ASSERT_EQ(running.helpFiles().size(), 1u);
    EXPECT_NE(running.helpFiles()[0].find(u"Qelt532.hlp"), String::npos);
}

}  // namespace
}  // namespace quelta::testing
