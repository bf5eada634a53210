// `quelta run` as a person uses it: the sample form in a real terminal (tmux), typed into
// and read back from the screen.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>
#include <thread>

namespace {

std::string output(const std::string& command) {
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
            text.append(buffer, n);
        pclose(pipe);
    }
    return text;
}

// The line of the screen that holds `marker`, or "" when none does.
std::string lineWith(const std::string& screen, const std::string& marker) {
    const std::size_t at = screen.find(marker);
    if (at == std::string::npos) return {};
    const std::size_t start = screen.rfind('\n', at) + 1;
    return screen.substr(start, screen.find('\n', at) - start);
}

// A terminal of 100 x 30 cells on a tmux server of its own, so that tests and people's own
// sessions do not meet.
class TerminalRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::system("command -v tmux >/dev/null 2>&1") != 0) GTEST_SKIP() << "no tmux";
    }
    void TearDown() override {
        if (started_) std::system((tmux() + " kill-server 2>/dev/null").c_str());
    }

    std::string tmux() const { return "tmux -L " + socket_ + " -f /dev/null"; }

    void start(const std::string& arguments) {
        const std::string command = std::string("env LANG=C.UTF-8 TERM=xterm-256color ") +
                                    QUELTA_BINARY + " run " + arguments +
                                    "; echo EXIT=$?; sleep 60";
        ASSERT_EQ(std::system(
                      (tmux() + " new-session -d -s form -x 100 -y 30 '" + command + "'").c_str()),
                  0);
        started_ = true;
    }

    void keys(const std::string& tmuxKeys) {
        std::system((tmux() + " send-keys -t form " + tmuxKeys).c_str());
    }

    std::string screen() { return output(tmux() + " capture-pane -p -t form"); }

    // The screen once `line` (the line holding `marker`) contains `expected`; fails after
    // a bounded wait, showing the screen.
    std::string waitFor(const std::string& marker, const std::string& expected) {
        std::string shown;
        for (int tries = 0; tries < 200; ++tries) {
            shown = screen();
            if (lineWith(shown, marker).find(expected) != std::string::npos) return shown;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        ADD_FAILURE() << "'" << expected << "' never appeared by '" << marker << "':\n" << shown;
        return shown;
    }

    static inline int sessions_ = 0;
    std::string socket_ =
        "quelta-test-" + std::to_string(getpid()) + "-" + std::to_string(++sessions_);
    bool started_ = false;
};

TEST_F(TerminalRunTest, TypingIntoTheSampleFormShowsTheRegionalValues) {
    start("--region de-DE");
    waitFor("Customer name", "Customer name");

    // A full code moves on by itself; the digits that follow land in the quantity.
    keys("Jane Tab abc123 42");
    waitFor("Quantity", "42");
    EXPECT_NE(lineWith(screen(), "Customer code").find("[ABC123"), std::string::npos);

    // A full stop typed where the comma is the decimal separator becomes one.
    keys("Tab 1234.5 Tab");
    waitFor("Unit price", "1.234,50");

    // A partial date completes with the current year.
    const std::time_t now = std::time(nullptr);
    const std::string year = std::to_string(std::localtime(&now)->tm_year + 1900);
    keys("Tab Tab 3112 Tab");
    waitFor("Delivery date", "31.12." + year);

    // Insert switches to overtype: the first letter of the name is replaced.
    for (int back = 0; back < 7; ++back)
        keys("BTab");
    waitFor("txtCustomer", "txtCustomer");
    keys("Home IC X");
    waitFor("Customer name", "Xane");
    EXPECT_NE(lineWith(screen(), "txtCustomer").find("OVR"), std::string::npos);

    // Tab passes over the disabled order number, shown grey with its text.
    EXPECT_NE(lineWith(screen(), "Order number").find("A-10457"), std::string::npos);

    keys("C-q");
    const std::string after = waitFor("EXIT=", "EXIT=0");
    EXPECT_EQ(after.find("Customer name"), std::string::npos) << "the screen is given back";
}

TEST_F(TerminalRunTest, AnInterruptGivesTheScreenBack) {
    start("");
    waitFor("Customer name", "Customer name");
    std::string shell = output(tmux() + " display -p -t form '#{pane_pid}'");
    shell.erase(shell.find_last_not_of('\n') + 1);
    const std::string child = output("pgrep -P " + shell + " quelta");
    ASSERT_FALSE(child.empty());
    std::system(("kill -INT " + child).c_str());
    const std::string after = waitFor("EXIT=", "EXIT=130");
    EXPECT_EQ(after.find("Customer name"), std::string::npos);
}

TEST(TerminalRunCommandTest, AFormThatCannotBeOpenedIsNamedAndFails) {
    const std::string missing =
        output(std::string(QUELTA_BINARY) + " run /nonexistent/form.json 2>&1; echo EXIT=$?");
    EXPECT_NE(missing.find("/nonexistent/form.json"), std::string::npos) << missing;
    EXPECT_NE(missing.find("EXIT=1"), std::string::npos) << missing;

    const std::string wrong =
        output(std::string(QUELTA_BINARY) + " run --cell 0x0 2>&1; echo EXIT=$?");
    EXPECT_NE(wrong.find("--cell"), std::string::npos) << wrong;
    EXPECT_NE(wrong.find("EXIT=2"), std::string::npos) << wrong;
}

}  // namespace
