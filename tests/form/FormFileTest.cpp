// Form files: a saved form loads back to the same controls, and a damaged or hostile file
// is refused with its place while the open form stays as it was.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "TestSupport.h"
#include "form/Form.h"
#include "form/FormFile.h"
#include "format/ValueControlSupport.h"

namespace quelta::testing {
namespace {

namespace fs = std::filesystem;

std::string savedText(Form& form) {
    return formFileText(form.store());
}

// A form of two controls, one with values of every kind: numbers, text, a Boolean, a font.
void fillForm(Form& form) {
    Quelta& amount = form.addControl(u"txtAmount");
    amount.letDataType(4);
    amount.letFormat(u"#,##0.00");
    amount.letText(u"1234.5");
    amount.letAutoTab(kTrue);
    amount.templateBox().setFontBold(kTrue);
    form.addControl(u"txtName").letText(u"Grüße \"quoted\"");
}

TEST(FormFileTest, ASavedFormLoadsBackToTheSameControls) {
    inRegion("en-US", [] {
        Form form;
        fillForm(form);
        const std::string text = savedText(form);
        Form loaded;
        loaded.replaceWith(parseFormFile(text, "form.json"), "form.json");
        EXPECT_EQ(savedText(loaded), text);
        Form marked;  // after the byte-order mark some editors write
        marked.replaceWith(parseFormFile("\xEF\xBB\xBF" + text, "form.json"), "form.json");
        EXPECT_EQ(savedText(marked), text);
        ASSERT_NE(loaded.find(u"TXTAMOUNT"), nullptr);
        EXPECT_EQ(u8(loaded.find(u"txtAmount")->FormattedText()), "1,234.50");
    });
}

TEST(FormFileTest, ADamagedOrHostileFileIsRefusedAndChangesNothing) {
    const std::string control = R"({"extender": {"Name": "txtA"}, "properties": {}})";
    auto file = [](const std::string& controls) {
        return R"({"format": "quelta-form", "version": 1, "controls": [)" + controls + "]}";
    };
    struct Case {
        const char* name;
        std::string text;
        const char* place;
    };
    const Case cases[] = {
        {"truncated", file(control).substr(0, 40), ""},
        {"not a form", R"({"format": "other", "version": 1, "controls": []})", "format"},
        {"wrong type", file(R"({"extender": {"Name": "txtA"}, "properties": {"Alignment": "x"}})"),
         "controls[0].properties.Alignment"},
        {"out of range", file(R"({"extender": {"Name": "a"}, "properties": {"DataType": 1e9}})"),
         "controls[0].properties.DataType"},
        {"unknown property", file(R"({"extender": {"Name": "a"}, "properties": {"Colour": 1}})"),
         "controls[0].properties.Colour"},
        {"unknown extender", file(R"({"extender": {"Name": "a", "Visible": 1}, "properties": {}})"),
         "controls[0].extender.Visible"},
        {"huge size", file(R"({"extender": {"Name": "a", "Width": 1e40}, "properties": {}})"),
         "controls[0].extender.Width"},
        {"no name", file(R"({"extender": {}, "properties": {}})"), "controls[0].extender.Name"},
        {"name twice", file(control + "," + control), "controls[1].extender.Name"},
        {"bad font",
         file(R"({"extender": {"Name": "a"}, "properties": {"Font": {"font": {"size": -1}}}})"),
         "controls[0].properties.Font.font"},
        {"deep nesting", file(std::string(5000, '[') + std::string(5000, ']')), ""},
        {"terminal escape in a key",
         file(R"({"extender": {"Name": "a"}, "properties": {"\u001b[2J\u009b": 1}})"),
         "controls[0].properties.\x1b[2J\xc2\x9b"},
        {"byte that is not UTF-8", file("\xff\x1b"), ""},
        {"10 MB", file(R"({"extender": {"Name": ")" + std::string(10'000'000, 'x') + R"("}})"), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Form form;
        form.addControl(u"txtKept").letText(u"kept");
        try {
            form.replaceWith(parseFormFile(c.text, "form.json"), "form.json");
            ADD_FAILURE() << "accepted";
        } catch (const FormFileError& refusal) {
            EXPECT_EQ(refusal.file(), "form.json");
            EXPECT_EQ(refusal.place(), c.place) << refusal.what();
            const std::string message = refusal.what();  // quotes keys and text, escaped
            EXPECT_EQ(message.find_first_of("\x1b\x9b\xff"), std::string::npos) << message;
        }
        ASSERT_NE(form.find(u"txtKept"), nullptr);
        EXPECT_EQ(u8(form.find(u"txtKept")->Text()), "kept");
        EXPECT_EQ(form.find(u"txtA"), nullptr);
    }
}

// The file is written beside the old one and renamed over it; when writing fails, the old
// file is still whole.
TEST(FormFileTest, AFailedSaveLeavesThePreviousFileIntact) {
    const fs::path folder =
        fs::temp_directory_path() / ("quelta-form-file-test-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string path = (folder / "form.json").string();
    Form form;
    fillForm(form);
    saveFormFile(path, form.store());
    const std::string before = formFileText(loadFormFile(path));

    // A folder where the temporary file would go makes the write fail.
    fs::create_directory(path + ".saving-" + std::to_string(::getpid()));
    form.find(u"txtName")->letText(u"changed");
    EXPECT_EQ(errorNumberOf([&] { saveFormFile(path, form.store()); }), kErrPathFileAccess);
    EXPECT_EQ(formFileText(loadFormFile(path)), before);
    fs::remove_all(folder);
}

}  // namespace
}  // namespace quelta::testing
