// A form's values for a shell script: presets by name, and the values printed as JSON or TSV.
#include <gtest/gtest.h>

#include <stdexcept>

#include "TestSupport.h"
#include "form/FormValues.h"
#include "platform/region/RegionTestSupport.h"

namespace quelta::testing {
namespace {

TEST(FormValuesTest, PresetValuesPrintAsJsonAndTsv) {
    inRegion("de-DE", [] {
        Form form;
        Quelta& price = form.addControl(u"txtPrice");
        price.letDataType(4);
        price.letScaleDigits(2);
        price.letFormat(u"Standard");
        form.addControl(u"txtNote");
        presetValues(form, {{"txtPrice", "1234.5"}, {"txtNote", "a\tb \"c\"\\"}});

        EXPECT_EQ(formValuesText(form, ValuesFormat::Json),
                  "{\n  \"txtPrice\": {\n    \"Value\": \"1234.5\",\n    \"FormattedText\": "
                  "\"1.234,50\"\n  },\n  \"txtNote\": {\n    \"Value\": \"a\\tb \\\"c\\\"\\\\\",\n"
                  "    \"FormattedText\": \"a\\tb \\\"c\\\"\\\\\"\n  }\n}\n");
        EXPECT_EQ(formValuesText(form, ValuesFormat::Tsv),
                  "txtPrice\t1234.5\t1.234,50\ntxtNote\ta\\tb \"c\"\\\\\ta\\tb \"c\"\\\\\n");
    });
}

TEST(FormValuesTest, APresetForNoControlIsNamedAfterThoseBeforeItApply) {
    Form form;
    form.addControl(u"txtPrice").letDataType(4);
    try {
        presetValues(form, {{"txtPrice", "12"}, {"txtAlso", "x"}});
        FAIL() << "an unknown control is refused";
    } catch (const std::invalid_argument& refusal) {
        EXPECT_STREQ(refusal.what(), "the form has no control named 'txtAlso'");
    }
    EXPECT_EQ(toUtf8(form.find(u"txtPrice")->Value()), "12");
    EXPECT_EQ(valuesFormatNamed("TSV"), ValuesFormat::Tsv);
    EXPECT_EQ(valuesFormatNamed("xml"), std::nullopt);
}

}  // namespace
}  // namespace quelta::testing
