// `quelta run` as a person uses it: the sample form in a real terminal (tmux), typed into
// and read back from the screen.
#include <gtest/gtest.h>

#include <ctime>
#include <nlohmann/json.hpp>
#include <string>

#include "terminal/TmuxScreen.h"

namespace {

using quelta::testing::commandOutput;
using quelta::testing::lineWith;

class TerminalRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!quelta::testing::haveTmux()) GTEST_SKIP() << "no tmux";
    }
    void start(const std::string& arguments) {
        ASSERT_TRUE(terminal.start(std::string(QUELTA_BINARY) + " run " + arguments));
    }

    // The screen once the line holding `marker` contains `expected`; fails after a bounded
    // wait, showing the screen.
    std::string waitFor(const std::string& marker, const std::string& expected) {
        std::string last;
        const std::string shown = terminal.waitForLine(marker, expected, &last);
        if (shown.empty())
            ADD_FAILURE() << "'" << expected << "' never appeared by '" << marker << "':\n" << last;
        return shown.empty() ? last : shown;
    }

    quelta::testing::TmuxScreen terminal;
};

TEST_F(TerminalRunTest, TypingIntoTheSampleFormShowsTheRegionalValues) {
    start("--region de-DE");
    waitFor("Customer name", "Customer name");

    // A full code moves on by itself; the digits that follow land in the quantity.
    terminal.keys("Jane Tab abc123 42");
    waitFor("Quantity", "42");
    EXPECT_NE(lineWith(terminal.screen(), "Customer code").find("[ABC123"), std::string::npos);

    // A full stop typed where the comma is the decimal separator becomes one.
    terminal.keys("Tab 1234.5 Tab");
    waitFor("Unit price", "1.234,50");

    // A partial date completes with the current year.
    const std::time_t now = std::time(nullptr);
    const std::string year = std::to_string(std::localtime(&now)->tm_year + 1900);
    terminal.keys("Tab Tab 3112 Tab");
    waitFor("Delivery date", "31.12." + year);

    // Insert switches to overtype: the first letter of the name is replaced.
    for (int back = 0; back < 7; ++back)
        terminal.keys("BTab");
    waitFor("txtCustomer", "txtCustomer");
    terminal.keys("Home IC X");
    waitFor("Customer name", "Xane");
    EXPECT_NE(lineWith(terminal.screen(), "txtCustomer").find("OVR"), std::string::npos);

    // Frames are drawn with line characters, not the alternate set's letters.
    EXPECT_NE(lineWith(terminal.screen(), "Notes").find("│Deliver"), std::string::npos);

    // Tab passes over the disabled order number, shown grey with its text.
    EXPECT_NE(lineWith(terminal.screen(), "Order number").find("A-10457"), std::string::npos);

    terminal.keys("C-q");
    const std::string after = waitFor("EXIT=", "EXIT=0");
    EXPECT_EQ(after.find("Customer name"), std::string::npos) << "the screen is given back";
}

// A signal gives the screen back whole: the shell's screen, and no mouse reporting left on.
class TerminalSignalTest : public TerminalRunTest,
                           public ::testing::WithParamInterface<std::pair<const char*, int>> {};

TEST_P(TerminalSignalTest, ASignalGivesTheTerminalBack) {
    const auto [signal, status] = GetParam();
    start("");
    waitFor("Customer name", "Customer name");
    EXPECT_EQ(terminal.paneFormat("#{mouse_any_flag}"), "1");
    const std::string child = commandOutput("pgrep -P " + terminal.shellPid() + " quelta");
    ASSERT_FALSE(child.empty());
    std::system(("kill -" + std::string(signal) + " " + child).c_str());
    const std::string after = waitFor("EXIT=", "EXIT=" + std::to_string(status));
    EXPECT_EQ(after.find("Customer name"), std::string::npos);
    EXPECT_EQ(terminal.paneFormat("#{mouse_any_flag}"), "0");
}

INSTANTIATE_TEST_SUITE_P(Signals, TerminalSignalTest,
                         ::testing::Values(std::pair{"INT", 130}, std::pair{"TERM", 143}),
                         [](const auto& info) { return std::string(info.param.first); });

// A form as a shell script's prompt: the screen goes to the terminal, the values to the
// script's pipe once F10 accepts them; Esc cancels with nothing printed.
TEST_F(TerminalRunTest, APromptPrintsTheAcceptedValuesOrNothing) {
    const std::string values = ::testing::TempDir() + "quelta-values-" + std::to_string(getpid());
    start("--region de-DE --output json --set txtQuantity=7 --set txtNotes=x >" + values);
    waitFor("Quantity", "7");
    terminal.keys("Tab Tab Tab 1234.5 Tab Tab Tab 3112 F10");
    waitFor("EXIT=", "EXIT=0");
    const auto printed = nlohmann::json::parse(commandOutput("cat " + values));
    EXPECT_EQ(printed["txtQuantity"]["Value"], "7");
    EXPECT_EQ(printed["txtPrice"]["FormattedText"], "1.234,50");
    EXPECT_EQ(printed["txtDate"]["FormattedText"].get<std::string>().substr(0, 6), "31.12.");
    EXPECT_EQ(printed["txtNotes"]["Value"], "x");

    quelta::testing::TmuxScreen cancelled;
    ASSERT_TRUE(cancelled.start(std::string(QUELTA_BINARY) + " run --output tsv >" + values));
    ASSERT_FALSE(cancelled.waitFor("Customer name").empty());
    cancelled.keys("abc Escape");
    EXPECT_FALSE(cancelled.waitFor("EXIT=1").empty());
    EXPECT_EQ(commandOutput("cat " + values), "");
    std::remove(values.c_str());
}

// A key the terminal description does not name arrives as a control sequence all the
// same; it is dropped, never typed. A terminal that cannot place the cursor is refused.
TEST_F(TerminalRunTest, UnknownSequencesAreDroppedAndADumbTerminalIsRefused) {
    ASSERT_TRUE(terminal.start(std::string(QUELTA_BINARY) + " run", "vt100"));
    waitFor("Customer name", "Customer name");
    // vt100 lists no Home or End and tmux sends them as ESC [1~ and ESC [4~ anyway.
    terminal.keys("ab S-Right C-Left Home c End d");
    waitFor("Customer name", "cabd");
    EXPECT_EQ(lineWith(terminal.screen(), "Customer name").find('['), std::string::npos);
    terminal.keys("C-q");
    waitFor("EXIT=", "EXIT=0");

    quelta::testing::TmuxScreen dumb;
    ASSERT_TRUE(dumb.start(std::string(QUELTA_BINARY) + " run", "dumb"));
    EXPECT_NE(dumb.waitFor("EXIT=2").find("cannot place the cursor"), std::string::npos);
}

// At 40 x 12 the notes lie below and right of the screen: the form follows the focus, what
// is typed wraps where it is drawn, the event pane leaves the field in view, and a screen
// too small for the notes asks for more until it has it.
TEST_F(TerminalRunTest, ASmallTerminalFollowsTheFocusAndAsksForRoom) {
    ASSERT_TRUE(terminal.start(std::string(QUELTA_BINARY) + " run", "xterm-256color", 40, 12));
    waitFor("txtCustomer", "txtCustomer");
    terminal.keys("Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab C-Home");
    waitFor("txtNotes", "txtNotes");
    terminal.keys("'every word of a long sentence stays where it is seen '");
    std::string shown = waitFor("", "seen");
    for (const char* word : {"\u2502every word of a long", "sentence", "stays", "where", "seen"})
        EXPECT_NE(shown.find(word), std::string::npos) << word << "\n" << shown;
    EXPECT_EQ(shown.substr(shown.rfind('\n', shown.size() - 2) + 1, 10), " txtNotes ") << shown;

    terminal.keys("F2");
    shown = waitFor("events and changes", "events");
    EXPECT_NE(shown.find("\u2502every"), std::string::npos) << shown;

    terminal.resize(30, 6);
    waitFor("too small", "too small");
    terminal.resize(40, 12);
    waitFor("\u2502every", "every");
}

// Right-aligned, the caret at the end has a cell of its own after the last digit.
TEST_F(TerminalRunTest, TheRightAlignedCaretStandsWhereTheNextDigitGoes) {
    start("--set txtQuantity=125");
    waitFor("Quantity", "125");
    terminal.keys("Tab Tab");
    waitFor("txtQuantity", "txtQuantity");
    terminal.keys("Right");  // the selected value gives way to the caret at its end
    usleep(300000);
    const int end = std::stoi(terminal.paneFormat("#{cursor_x}"));
    terminal.keys("Left");
    for (int tries = 0; tries < 100 && std::stoi(terminal.paneFormat("#{cursor_x}")) == end;
         ++tries)
        usleep(20000);
    EXPECT_EQ(std::stoi(terminal.paneFormat("#{cursor_x}")), end - 1);
    terminal.keys("7");
    waitFor("Quantity", "1275");
}

TEST(TerminalRunCommandTest, AFormThatCannotBeOpenedIsNamedAndFails) {
    const std::string missing = commandOutput(std::string(QUELTA_BINARY) +
                                              " run /nonexistent/form.json 2>&1; echo EXIT=$?");
    EXPECT_NE(missing.find("/nonexistent/form.json"), std::string::npos) << missing;
    EXPECT_NE(missing.find("EXIT=1"), std::string::npos) << missing;

    for (const char* wrongOption : {"--cell 0x0", "--output xml", "--set txtNone=1", "--set =1",
                                    "--set txtQuantity=x --output"}) {
        const std::string wrong = commandOutput(std::string(QUELTA_BINARY) + " run " + wrongOption +
                                                " 2>&1; echo EXIT=$?");
        EXPECT_NE(wrong.find("EXIT=2"), std::string::npos) << wrongOption << ": " << wrong;
    }
}

}  // namespace
