// Runs `quelta script` on every script in tests/scripts and compares what it prints with
// the expected output beside it (NAME.qs → NAME.out).
#include <gtest/gtest.h>
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

// Runs in a folder of its own, where the script's `save` and `load` find their files.
std::string runScript(const fs::path& script) {
    const fs::path folder = fs::temp_directory_path() / ("quelta-script-" + script.stem().string() +
                                                         "-" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::string command = "cd '" + folder.string() + "' && " + std::string(QUELTA_BINARY) +
                          " script '" + script.string() + "' 2>&1";
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return "popen failed";
    std::array<char, 4096> buffer;
    std::size_t read;
    while ((read = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
        output.append(buffer.data(), read);
    }
    int status = pclose(pipe);
    if (status != 0) output += "[exit status " + std::to_string(status) + "]";
    fs::remove_all(folder);
    return output;
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
    EXPECT_EQ(runScript(script), readFile(expected));
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
