// A file or a region that a command cannot use is named, escaped, and the command fails.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

std::string outcomeOf(const std::string& command) {
    std::string text;
    if (FILE* pipe = popen((command + " 2>&1; echo EXIT=$?").c_str(), "r")) {
        char buffer[4096];
        while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
            text.append(buffer, n);
        pclose(pipe);
    }
    return text;
}

TEST(FrontDoorTest, UnusableFilesAndRegionsAreNamedAndFail) {
    const std::string quelta = QUELTA_BINARY;
    const std::string folder = std::filesystem::temp_directory_path().string();
    struct Case {
        std::string command;
        std::string startsWith;
        int status;
    };
    const Case cases[] = {
        {quelta + " script \"$(printf '/nonexistent/\\377\\033')\"",
         "quelta script: '/nonexistent/\\xFF\\x1B': no such file\n", 1},
        {quelta + " script " + folder, "quelta script: '" + folder + "': a directory, not a file\n",
         1},
        {quelta + " run " + folder, "quelta run: " + folder + ": a directory, not a file\n", 1},
        {quelta + " run --region \"$(printf 'xx\\033[2J')\"",
         "quelta run: unknown region 'xx\\x1B[2J'\nusage:", 2},
        // A byte-order mark before standard input's first line is skipped.
        {"printf '\\357\\273\\277? 12345\\n' | " + quelta + " script", "12345\n", 0},
    };
    for (const Case& c : cases) {
        const std::string outcome = outcomeOf(c.command);
        EXPECT_TRUE(outcome.starts_with(c.startsWith)) << c.command << "\n" << outcome;
        EXPECT_TRUE(outcome.ends_with("EXIT=" + std::to_string(c.status) + "\n")) << outcome;
    }
}

}  // namespace
