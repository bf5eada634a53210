// quelta-codegen: prints the files derived from the control's member table (the typed
// front's members, the Qt widget's properties and the reference page) into the source tree, or
// checks that the files there are what the table gives today.
//
//   quelta-codegen write SOURCE_DIR    rewrites the files that differ
//   quelta-codegen check SOURCE_DIR    status 1, naming each stale file, when any differs

#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>

#include "FieldMembersText.h"
#include "QtWidgetText.h"
#include "ReferencePage.h"

namespace {

struct Generated {
    const char* path;  // under the source folder
    // The file's text from the one there now (only a file written partly by hand reads it).
    std::function<std::string(const std::string& current)> text;
};

template <std::string (*whole)()>
std::string wholeFile(const std::string&) {
    return whole();
}

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

int main(int argc, char** argv) {
    const bool write = argc == 3 && std::strcmp(argv[1], "write") == 0;
    if (argc != 3 || (!write && std::strcmp(argv[1], "check") != 0)) {
        std::fputs("usage: quelta-codegen write|check SOURCE_DIR\n", stderr);
        return 2;
    }
    const Generated files[] = {
        {"include/quelta/FieldMembers.h", wholeFile<quelta::codegen::fieldMembersHeader>},
        {"src/api/front/FieldMembers.cpp", wholeFile<quelta::codegen::fieldMembersSource>},
        {"src/api/front/FieldEventHandlers.h", wholeFile<quelta::codegen::fieldEventHandlers>},
        {"include/quelta/qt/FieldWidget.h", quelta::codegen::qtWidgetHeader},
        {"src/qt/FieldWidgetProperties.cpp", wholeFile<quelta::codegen::qtWidgetSource>},
        {"docs/reference.md", wholeFile<quelta::codegen::referencePage>},
    };
    int stale = 0;
    for (const Generated& file : files) {
        const std::string path = std::string(argv[2]) + "/" + file.path;
        const std::string current = fileText(path);
        std::string text;
        try {
            text = file.text(current);
        } catch (const std::runtime_error& error) {
            std::fprintf(stderr, "quelta-codegen: %s\n", error.what());
            return 1;
        }
        if (current == text) continue;
        if (!write) {
            std::fprintf(stderr,
                         "%s is stale: run `cmake --build build --target quelta-regenerate`\n",
                         file.path);
            ++stale;
            continue;
        }
        std::ofstream out(path, std::ios::binary);
        out << text;
        if (!out.flush()) {
            std::fprintf(stderr, "quelta-codegen: cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("wrote %s\n", file.path);
    }
    return stale == 0 ? 0 : 1;
}
