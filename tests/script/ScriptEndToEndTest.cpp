// Runs `quelta script` on every script in tests/scripts and compares what it prints with
// the expected output beside it (NAME.qs → NAME.out).
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

struct ScriptRun {
    std::string output;
    int status = -1;
};

// Runs in a folder of its own, where the script's `save` and `load` find their files.
ScriptRun runScript(const fs::path& script) {
    const fs::path folder = fs::temp_directory_path() / ("quelta-script-" + script.stem().string() +
                                                         "-" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::string command = "cd '" + folder.string() + "' && " + std::string(QUELTA_BINARY) +
                          " script '" + script.string() + "' 2>&1";
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return {"popen failed"};
    std::array<char, 4096> buffer;
    std::size_t read;
    while ((read = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
        output.append(buffer.data(), read);
    }
    const int status = pclose(pipe);
    fs::remove_all(folder);
    return {output, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

// A script fails, status 1, when any statement failed: an "Error N" or a "Line N:" report.
int expectedStatus(const std::string& output) {
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("Error ") ||
            (line.starts_with("Line ") && line.find(':') != line.npos))
            return 1;
    }
    return 0;
}

std::vector<std::string> scriptNames() {
    std::vector<std::string> names;
    fs::path folder = fs::path(QUELTA_TEST_SCRIPTS);
    if (fs::exists(folder)) {
        for (const auto& entry : fs::directory_iterator(folder)) {
            if (entry.path().extension() == ".qs") names.push_back(entry.path().stem().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

class ScriptEndToEndTest : public testing::TestWithParam<std::string> {};

TEST_P(ScriptEndToEndTest, PrintsExpectedOutput) {
    fs::path folder = fs::path(QUELTA_TEST_SCRIPTS);
    fs::path script = folder / (GetParam() + ".qs");
    fs::path expected = folder / (GetParam() + ".out");
    ASSERT_TRUE(fs::exists(expected)) << "missing " << expected;
    const ScriptRun run = runScript(script);
    const std::string expectedOutput = readFile(expected);
    EXPECT_EQ(run.output, expectedOutput);
    EXPECT_EQ(run.status, expectedStatus(expectedOutput));
}

INSTANTIATE_TEST_SUITE_P(Scripts, ScriptEndToEndTest, testing::ValuesIn(scriptNames()),
                         [](const auto& info) {
                             std::string name = info.param;  // test names allow only [A-Za-z0-9_]
                             for (char& c : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             }
                             return name;
                         });
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(ScriptEndToEndTest);

}  // namespace
