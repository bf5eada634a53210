// Form files: a saved form loads back to the same controls, and a damaged or hostile file
// is refused with its place while the open form stays as it was.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "TestSupport.h"
#include "control/Enumerations.h"
#include "form/FileReplacement.h"
#include "form/Form.h"
#include "form/FormFile.h"
#include "format/ValueControlSupport.h"
#include "platform/fonts/Font.h"
#include "platform/region/Calendar.h"
#include "platform/runtime/Conversions.h"

namespace quelta::testing {
namespace {

namespace fs = std::filesystem;

std::string savedText(Form& form) {
    return form.fileText();
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

TEST(FormFileTest, ADamagedOrHostileFileIsRefusedAndChangesNothing) {
    const std::string control = R"({"extender": {"Name": "txtA"}, "properties": {}})";
    auto file = [](const std::string& controls) {
        return R"({"format": "quelta-form", "version": 1, "controls": [)" + controls + "]}";
    };
    struct Case {
        const char* name;
        std::string text;
        const char* place;
        const char* says = "";  // in the message
    };
    const Case cases[] = {
        {"truncated", file(control).substr(0, 40), "", "line 1, column 41"},
        {"not a form", R"({"format": "other", "version": 1, "controls": []})", "format"},
        {"wrong type", file(R"({"extender": {"Name": "txtA"}, "properties": {"Alignment": "x"}})"),
         "controls[0].properties.Alignment"},
        {"out of range", file(R"({"extender": {"Name": "a"}, "properties": {"DataType": 1e9}})"),
         "controls[0].properties.DataType"},
        {"unknown property", file(R"({"extender": {"Name": "a"}, "properties": {"Colour": 1}})"),
         "controls[0].properties.Colour"},
        {"a property's name only by folding",
         file(R"({"extender": {"Name": "a"}, "properties": {"Bac\u212AColor": 1}})"),
         "controls[0].properties.Bac\u212AColor"},
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
        {"40 MB", file(R"({"extender": {"Name": ")" + std::string(40'000'000, 'x') + R"("}})"), ""},
        {"key twice", file(R"({"extender": {"Name": "c", "Name": "d"}, "properties": {}})"),
         "controls[0].extender.Name"},
        {"unknown top-level key", R"({"format": "quelta-form", "version": 1, "extra": 1})",
         "extra"},
        {"unknown region",
         R"({"format": "quelta-form", "version": 2, "region": "xx-Nowhere", "controls": []})",
         "region"},
        // Of several faults, the one checked first, wherever it stands in the text.
        {"a fault of JSON after others", file(R"({"extender": {"Visible": 1}})") + "x", ""},
        {"the format before the rest", R"({"controls": [5], "version": 9, "format": "x"})",
         "format"},
        {"a region in a version 1 file", R"({"format": "quelta-form", "region": "en-US",
          "version": 1, "controls": []})",
         "region"},
        {"the extender before the properties",
         file(R"({"properties": {"Font": {"font": 1}}, "extender": {"Left": "x"}})"),
         "controls[0].extender.Name"},
        {"name twice in other letters",
         file(R"({"extender": {"Name": "c", "NAME": "d"}, "properties": {}})"),
         "controls[0].extender.NAME"},
        {"a font field twice",
         file(R"({"extender": {"Name": "a"}, "properties": {"Font": {"font": {"size": 9,
              "size": 10}}}})"),
         "controls[0].properties.Font.font.size"},
        {"a lone surrogate", file(R"({"extender": {"Name": "\udc00"}, "properties": {}})"), "",
         "not UTF-8"},
        {"text after a NUL byte", file(control) + std::string(1, '\0') + "]", "", "NUL"},
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
            EXPECT_NE(message.find(c.says), std::string::npos) << message;
            EXPECT_EQ(message.find_first_of("\x1b\x9b\xff"), std::string::npos) << message;
        }
        ASSERT_NE(form.find(u"txtKept"), nullptr);
        EXPECT_EQ(u8(form.find(u"txtKept")->Text()), "kept");
        EXPECT_EQ(form.find(u"txtA"), nullptr);
    }
}

// The saved text keeps the layout files always had (two spaces a level, a key a line), so
// that a file saved again compares alike with the one saved before.
TEST(FormFileTest, SavedTextKeepsItsLayout) {
    StoredForm form;
    StoredControl& control = form.controls.emplace_back();
    control.extender.write(u"Name", Variant(u"txtA"));
    control.extender.write(u"Left", Variant(120.5));
    control.properties.write(u"AutoTab", Variant::boolean(true));
    control.properties.write(u"DataIcon", Variant::nothing());
    control.properties.write(u"Font", Variant(ObjectRef(std::make_shared<Font>(u"Arial", 9.0f))));
    form.controls.emplace_back().extender.write(u"Name", Variant(u"txtB"));
    inRegion("en-US", [&] {
        EXPECT_EQ(formFileText(form), R"({
  "format": "quelta-form",
  "version": 2,
  "region": "en-US",
  "controls": [
    {
      "extender": {
        "Name": "txtA",
        "Left": 120.5
      },
      "properties": {
        "AutoTab": true,
        "DataIcon": null,
        "Font": {
          "font": {
            "name": "Arial",
            "size": 9.0,
            "weight": 400,
            "italic": false,
            "underline": false,
            "strikethrough": false,
            "charset": 0
          }
        }
      }
    },
    {
      "extender": {
        "Name": "txtB"
      },
      "properties": {}
    }
  ]
}
)");
    });
}

// A save keeps what the file was: its mode, the link it is reached through, its place in a
// long name; it clears what a dead saver left, and refuses what would not load again
// before it writes anything.
TEST(FormFileTest, SavingKeepsTheFileAsItStood) {
    const fs::path folder =
        fs::temp_directory_path() / ("quelta-form-file-test-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    Form form;
    fillForm(form);
    const StoredForm stored = form.store();
    auto modeOf = [](const fs::path& path) {
        struct stat status {};
        ::stat(path.c_str(), &status);
        return status.st_mode & 07777;
    };

    const fs::path target = folder / std::string(255, 'f');  // the longest name a folder takes
    const pid_t ended = ::fork();
    if (ended == 0) ::_exit(0);
    ::waitpid(ended, nullptr, 0);
    const fs::path leftover = folder / temporaryNameFor(target.filename().string(), ended);
    std::ofstream(leftover) << "half a form";
    form.save(target.string());  // written control by control, as the whole stored form
    EXPECT_FALSE(fs::exists(leftover));
    EXPECT_EQ(formFileText(loadFormFile(target.string())), formFileText(stored));

    ::chmod(target.c_str(), 0600);
    const fs::path link = folder / "link.json";
    fs::create_symlink(target.filename(), link);
    form.find(u"txtName")->letText(u"through the link");
    form.save(link.string());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(modeOf(target), 0600u);
    EXPECT_EQ(u8(loadFormFile(target.string()).controls[1].properties.read(u"Text").toString()),
              "through the link");

    const std::string before = formFileText(loadFormFile(target.string()));
    StoredForm tooLarge = stored;
    tooLarge.controls[1].properties.write(u"Text", Variant(String(kMaxFormFileBytes, u'x')));
    StoredForm faraway = stored;
    faraway.controls[0].extender.write(u"Left", Variant(1e12));
    for (const StoredForm* refused : {&tooLarge, &faraway}) {
        EXPECT_THROW(saveFormFile(link.string(), *refused), FormFileError);
        EXPECT_EQ(formFileText(loadFormFile(target.string())), before);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2);
    fs::remove_all(folder);
}

// A form saved in one region reads in another with the same number and the same date,
// and a file that names no region reads in the region at hand, as such files always did.
TEST(FormFileTest, ValuesKeepTheirMeaningInAnotherRegion) {
    std::string text;
    inRegion("en-US", [&] {
        Form form;
        Quelta& amount = form.addControl(u"txtAmount");
        amount.letDataType(qltaNumeric);
        amount.letValue(u"1234.5");
        Quelta& date = form.addControl(u"txtDate");
        date.letDataType(qltaDateTime);
        date.letText(u"3/4/2001");
        text = savedText(form);
    });
    const double march4 = dateSerial(2001, 3, 4);
    for (const char* region : {"de-DE", "fr-FR", "ja-JP", "en-US"}) {
        SCOPED_TRACE(region);
        inRegion(region, [&] {
            Form form;  // after the byte-order mark some editors write
            form.replaceWith(parseFormFile("\xEF\xBB\xBF" + text, "form.json"), "form.json");
            EXPECT_EQ(u8(form.find(u"txtAmount")->Value()), "1234.5");
            EXPECT_EQ(textToDate(form.find(u"txtDate")->Text()), march4);
        });
    }
    inRegion("de-DE", [&] {
        std::string unnamed = text;
        unnamed.replace(unnamed.find(R"("version": 2)"), 12, R"("version": 1)");
        unnamed.erase(unnamed.find(R"("region")"), std::string(R"("region": "en-US",)").size());
        Form form;
        form.replaceWith(parseFormFile(unnamed, "form.json"), "form.json");
        EXPECT_EQ(u8(form.find(u"txtAmount")->Value()), "12345");
    });
}

}  // namespace
}  // namespace quelta::testing
