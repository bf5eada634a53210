// A file or a region that a command cannot use is named, escaped, and the command fails.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "TestSupport.h"

namespace {

// The first line the command prints and its exit status.
std::string outcomeOf(const std::string& command) {
    return quelta::testing::commandOutput("{ " + command +
                                          " 2>&1; echo EXIT=$?; } | sed -n '1p;$p'");
}

TEST(FrontDoorTest, UnusableFilesAndRegionsAreNamedAndFail) {
    const std::string quelta = QUELTA_BINARY;
    const std::string folder = std::filesystem::temp_directory_path().string();
    // A file that reads but is no form.
    const std::string damaged = folder + "/quelta-damaged-" + std::to_string(getpid()) + ".json";
    std::ofstream(damaged) << "{";
    const std::pair<std::string, std::string> cases[] = {
        {quelta + " script \"$(printf '/nonexistent/\\377\\033')\"",
         "quelta script: '/nonexistent/\\xFF\\x1B': no such file\nEXIT=1\n"},
        {quelta + " script " + folder,
         "quelta script: '" + folder + "': a directory, not a file\nEXIT=1\n"},
        {quelta + " run " + folder,
         "quelta run: " + folder + ": a directory, not a file\nEXIT=1\n"},
        {quelta + " run --region \"$(printf 'xx\\033[2J')\"",
         "quelta run: unknown region 'xx\\x1B[2J'\nEXIT=2\n"},
        {quelta + " design --region de-YY", "quelta design: unknown region 'de-YY'\nEXIT=2\n"},
        {quelta + " typelib extra", "usage: quelta typelib\nEXIT=2\n"},
        // A byte-order mark before standard input's first line is skipped.
        {"printf '\\357\\273\\277? 12345\\n' | " + quelta + " script", "12345\nEXIT=0\n"},
        {"echo 'load " + damaged + "' | " + quelta + " script", "Error 321\nEXIT=1\n"},
        // Asked for, usage goes to standard output and is no failure.
        {quelta + " --help 2>/dev/null",
         "usage: quelta run [FORM]      open a form at run time (the "
         "sample form without FORM)\nEXIT=0\n"},
        {quelta + " script -h 2>/dev/null", "usage: quelta script [FILE | -]\nEXIT=0\n"},
        // A NUL in a script line is quoted like any control character, not where a message ends.
        {"printf 'new a\\000b\\n' | " + quelta + " script",
         "Line 1: a control name is a letter, then letters, digits or _: 'a\\x00b'\nEXIT=1\n"},
    };
    for (const auto& [command, expected] : cases)
        EXPECT_EQ(outcomeOf(command), expected) << command;
    std::filesystem::remove(damaged);
}

}  // namespace
