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
    "       quelta COMMAND --help  the options of one command\n"
    "       quelta --version       print the version\n";
constexpr const char* kScriptUsage =
    "usage: quelta script [FILE | -]\n"
    "Runs the statements of FILE (standard input without FILE or with -), one per line.\n"
    "Exits with status 1 when the file cannot be read or any statement failed.\n";
constexpr const char* kTypelibUsage =
    "usage: quelta typelib\n"
    "Prints the control's type library: interfaces, members, events and enumerations.\n";

// Asked for, the usage is the answer and goes to standard output; after a mistake it is
// the complaint and goes to standard error.
int usage(const char* text = kUsage, bool asked = false) {
    std::fputs(text, asked ? stdout : stderr);
    return asked ? 0 : 2;
}

bool asksForHelp(const char* argument) {
    return std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0;
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
    if (asksForHelp(command)) return usage(kUsage, true);
    if (std::strcmp(command, "--version") == 0 && argc == 2) {
        std::printf("quelta %s\n", quelta::kVersion);
        return 0;
    }
    // A stray argument is a mistake to point out, not something to ignore.
    if (std::strcmp(command, "script") == 0) {
        if (argc == 3 && asksForHelp(argv[2])) return usage(kScriptUsage, true);
        return argc > 3 ? usage(kScriptUsage) : runScript(argc, argv);
    }
    if (std::strcmp(command, "typelib") == 0) {
        if (argc == 3 && asksForHelp(argv[2])) return usage(kTypelibUsage, true);
        if (argc > 2) return usage(kTypelibUsage);
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
