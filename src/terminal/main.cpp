// quelta: the form host, the script host and the type library printer in one program.
#include <cstdio>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "api/TypeLibraryText.h"
#include "form/EscapedText.h"
#include "form/InputFile.h"
#include "quelta/Version.h"
#include "script/ScriptHost.h"
#include "terminal/DesignCommand.h"
#include "terminal/RunCommand.h"

namespace {

constexpr const char* kUsage =
    "usage: quelta run [FORM]      open a form at run time (the sample form without FORM)\n"
    "       quelta design [FORM]   open a form in the designer\n"
    "       quelta script [FILE]   run an automation script (standard input without FILE)\n"
    "       quelta typelib         print the type library\n"
    "       quelta --version       print the version\n"
    "       quelta --help          print this text\n";

// A mistake in the command line: the usage on standard error, and status 2.
int usage() {
    std::fputs(kUsage, stderr);
    return 2;
}

// Script files are read whole: they are small, and a file that cannot be read is named
// before anything runs.
int runScript(int argc, char** argv) {
    quelta::script::ScriptHost host(std::cout);
    if (argc < 3 || std::strcmp(argv[2], "-") == 0) return host.run(std::cin);
    constexpr std::size_t kMaxScriptBytes = 64 * 1024 * 1024;
    try {
        std::istringstream text(quelta::readInputFile(argv[2], kMaxScriptBytes));
        return host.run(text);
    } catch (const quelta::InputFileError& refusal) {
        std::fprintf(stderr, "quelta script: %s: %s\n", quelta::quotedText(argv[2]).c_str(),
                     refusal.what());
        return 1;
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    const char* command = argv[1];
    if (std::strcmp(command, "--version") == 0 && argc == 2) {
        std::printf("quelta %s\n", quelta::kVersion);
        return 0;
    }
    if ((std::strcmp(command, "--help") == 0 || std::strcmp(command, "-h") == 0) && argc == 2) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    // A stray argument is a mistake to point out, not something to ignore.
    if (std::strcmp(command, "script") == 0) return argc > 3 ? usage() : runScript(argc, argv);
    if (std::strcmp(command, "typelib") == 0) {
        if (argc > 2) return usage();
        std::fputs(quelta::typeLibraryText().c_str(), stdout);
        return 0;
    }
    if (std::strcmp(command, "run") == 0) {
        return quelta::terminal::runCommand(std::vector<std::string>(argv + 2, argv + argc));
    }
    if (std::strcmp(command, "design") == 0) {
        return quelta::terminal::designCommand(std::vector<std::string>(argv + 2, argv + argc));
    }
    return usage();
}
