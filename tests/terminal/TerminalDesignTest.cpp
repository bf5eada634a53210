// `quelta design` as a person uses it: a copy of a form file opened in a real terminal
// (tmux), a control selected and moved, a property changed on its page, the form saved and
// read back by the script host.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "terminal/TmuxScreen.h"

namespace {

namespace fs = std::filesystem;
using quelta::testing::commandOutput;
using quelta::testing::TmuxScreen;

constexpr const char* kForm = R"({"format": "quelta-form", "version": 1, "controls": [
 {"extender": {"Name": "txtName", "Left": 2400, "Top": 240, "Width": 1200, "Height": 285},
  "properties": {"Text": "Jane"}},
 {"extender": {"Name": "txtAmount", "ToolTipText": "Amount", "Left": 2400, "Top": 720,
   "Width": 1200, "Height": 285}, "properties": {"DataType": 4, "Text": "12"}}]})";

TEST(TerminalDesignTest, APropertyChangedOnAPageIsSavedAndReadBack) {
    if (!quelta::testing::haveTmux()) GTEST_SKIP() << "no tmux";
    const fs::path folder =
        fs::temp_directory_path() / ("quelta-design-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const std::string file = (folder / "form.json").string();
    std::ofstream(file) << kForm;

    TmuxScreen terminal;
    ASSERT_TRUE(terminal.start(std::string(QUELTA_BINARY) + " design " + file));
    std::string last;
    ASSERT_NE(terminal.waitFor("txtName 2400,240", &last), "") << last;

    // The Text page's box edits one character at a time with the keys tmux really sends:
    // Home and End at either end, Delete the character after the caret. Esc writes nothing.
    terminal.keys("Enter NPage Home x End y Home Right DC");
    EXPECT_NE(terminal.waitFor("Text:         xaney ", &last), "") << last;
    terminal.keys("Escape");
    ASSERT_NE(terminal.waitFor("txtName 2400,240", &last), "") << last;

    // Select the amount, move it a cell right, and right-justify it on the General page.
    terminal.keys("Tab Right Enter");
    ASSERT_NE(terminal.waitFor("Properties of txtAmount", &last), "") << last;
    terminal.keys("Tab Down");
    EXPECT_NE(terminal.waitFor("1 - Right Justify", &last), "") << last;
    terminal.keys("Enter");
    EXPECT_NE(terminal.waitFor("Amount▶▕     12 ▏◀", &last), "") << last;

    // Leaving with changes asks first; Esc stays; Ctrl+S saves, and then Ctrl+Q leaves.
    terminal.keys("C-q");
    EXPECT_NE(terminal.waitFor("Save changes? (y/n/Esc)", &last), "") << last;
    terminal.keys("Escape C-s");
    EXPECT_NE(terminal.waitFor("Saved " + file, &last), "") << last;
    terminal.keys("C-q");
    EXPECT_NE(terminal.waitFor("EXIT=0", &last), "") << last;

    const std::string script = "load " + file + "\n? txtAmount.Alignment\n? txtAmount.Text\n";
    std::ofstream(folder / "check.qs") << script;
    EXPECT_EQ(
        commandOutput(std::string(QUELTA_BINARY) + " script " + (folder / "check.qs").string()),
        "1\n12\n");
    std::ifstream saved(file);
    const std::string text((std::istreambuf_iterator<char>(saved)), {});
    EXPECT_NE(text.find("\"Left\": 2520"), std::string::npos) << text;
    fs::remove_all(folder);
}

}  // namespace
