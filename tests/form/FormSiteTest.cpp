// A form's sites: the extender values a control reads, and what of them a saved form keeps.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "form/Form.h"

namespace quelta::testing {
namespace {

std::vector<String> keysOf(const PropertyBag& bag) {
    std::vector<String> keys;
    for (const PropertyBag::Entry& entry : bag.entries())
        keys.push_back(entry.key);
    return keys;
}

// Names in any case; Left and Top only once the form placed the control; a written value
// takes the value's type; the name stays the one the site was placed under.
TEST(FormSiteTest, ExtenderValuesByNameInAnyCase) {
    const bool userMode = true;
    FormSite site(0, u"txtA", 3, userMode);
    EXPECT_EQ(site.extenderProperty(u"NAME"), Variant(u"txtA"));
    EXPECT_EQ(site.extenderProperty(u"tabindex"), Variant(std::int16_t{3}));
    EXPECT_EQ(site.extenderProperty(u"VI\u017FIBLE"), Variant::boolean(true))
        << "long s folds to s";
    EXPECT_EQ(errorNumberOf([&] { site.extenderProperty(u"Colour"); }), kErrNotSupported);
    EXPECT_EQ(errorNumberOf([&] { site.extenderProperty(u"Left"); }), kErrNotSupported);
    EXPECT_EQ(errorNumberOf([&] { site.setExtenderProperty(u"Left", Variant(std::int32_t{5})); }),
              kErrNotSupported)
        << "only the form places a control";
    site.defineExtenderProperty(u"left", Variant(std::int32_t{120}));
    EXPECT_EQ(site.extenderProperty(u"Left"), Variant(std::int32_t{120}));
    site.setExtenderProperty(u"DataChanged", Variant::boolean(true));
    EXPECT_EQ(site.extenderProperty(u"datachanged"), Variant::boolean(true));
    EXPECT_EQ(errorNumberOf([&] { site.setExtenderProperty(u"HelpContextID", Variant(u"x")); }),
              kErrTypeMismatch);
    EXPECT_EQ(errorNumberOf([&] { site.setExtenderProperty(u"Name", Variant(u"txtB")); }), 383);
    EXPECT_EQ(site.name(), u"txtA");
}

// What a file gives a site comes back from a save, whole numbers still whole, in the order
// a saved form lists it; the tab index is the place in the form.
TEST(FormSiteTest, AFilesExtenderValuesComeBackFromASave) {
    const std::string text = R"({"format": "quelta-form", "version": 1, "controls": [
        {"extender": {"Name": "txtB", "top": 60.5, "Left": 120, "ToolTipText": "tip",
                      "HelpContextID": 7, "TabIndex": 9, "Width": 2000}, "properties": {}},
        {"extender": {"Name": "txtA"}, "properties": {}}]})";
    Form form;
    form.replaceWith(parseFormFile(text, "form.json"), "form.json");
    EXPECT_EQ(form.find(u"TXTB")->container().extenderProperty(u"HelpContextID"),
              Variant(std::int32_t{7}));
    const StoredForm saved = form.store();
    ASSERT_EQ(saved.controls.size(), 2u);
    const PropertyBag& first = saved.controls[0].extender;
    EXPECT_EQ(keysOf(first),
              (std::vector<String>{u"Name", u"WhatsThisHelpID", u"HelpContextID", u"ToolTipText",
                                   u"TabIndex", u"Left", u"Top", u"Width", u"Height"}));
    EXPECT_EQ(first.read(u"Left"), Variant(std::int32_t{120}));
    EXPECT_EQ(first.read(u"Top"), Variant(60.5));
    EXPECT_EQ(first.read(u"ToolTipText"), Variant(u"tip"));
    EXPECT_EQ(first.read(u"TabIndex"), Variant(std::int32_t{0}));
    EXPECT_EQ(first.read(u"Width").toDouble(), 2000);
    EXPECT_FALSE(saved.controls[1].extender.contains(u"Left"));
    EXPECT_EQ(saved.controls[1].extender.read(u"TabIndex"), Variant(std::int32_t{1}));
}

}  // namespace
}  // namespace quelta::testing
