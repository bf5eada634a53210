#include "terminal/RunOptions.h"

#include "form/RegionOption.h"

namespace quelta::terminal {

const char* const kRunUsage =
    "usage: quelta run [--region NAME] [--cell WxH] [--output json|tsv] [--set NAME=VALUE]...\n"
    "                  [--form FILE | FILE]\n"
    "  Opens a form in the terminal at run time: the sample order form without FILE.\n"
    "  --region NAME     regional settings by name, e.g. de-DE (default: from LANG/LC_ALL)\n"
    "  --cell WxH        twips per character cell across and down (default 120x240)\n"
    "  --output FORMAT   a prompt for scripts: F10 accepts and prints each control's Value and\n"
    "                    FormattedText as json or tsv (status 0); Esc cancels (status 1)\n"
    "  --set NAME=VALUE  sets the control's Value before the form opens (repeatable)\n"
    "  --form FILE       the form file to open (the same as giving FILE alone)\n"
    "  Keys: Tab/Shift+Tab move, Insert toggles overtype, F2 shows events, Ctrl+Q quits.\n";

namespace {

bool takeValue(std::span<const std::string> arguments, std::size_t& i, std::string& value,
               RunOptions& options) {
    if (i + 1 >= arguments.size()) {
        options.error = arguments[i] + " needs a value";
        return false;
    }
    value = arguments[++i];
    return true;
}

void setFormFile(RunOptions& options, const std::string& file) {
    if (!options.formFile.empty())
        options.error =
            "only one form file, not both '" + options.formFile + "' and '" + file + "'";
    options.formFile = file;
}

}  // namespace

RunOptions parseRunOptions(std::span<const std::string> arguments) {
    RunOptions options;
    for (std::size_t i = 0; i < arguments.size() && options.error.empty(); ++i) {
        const std::string& argument = arguments[i];
        std::string value;
        if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--region") {
            if (!takeValue(arguments, i, value, options)) break;
            options.error = regionRefusal(value);
            if (options.error.empty()) options.region = value;
        } else if (argument == "--output") {
            if (!takeValue(arguments, i, value, options)) break;
            options.output = valuesFormatNamed(value);
            if (!options.output) options.error = "--output wants json or tsv, not '" + value + "'";
        } else if (argument == "--set") {
            if (!takeValue(arguments, i, value, options)) break;
            const std::size_t equals = value.find('=');
            if (equals == std::string::npos || equals == 0) {
                options.error = "--set wants NAME=VALUE, not '" + value + "'";
            } else {
                options.presets.emplace_back(value.substr(0, equals), value.substr(equals + 1));
            }
        } else if (argument == "--form") {
            if (takeValue(arguments, i, value, options)) setFormFile(options, value);
        } else if (argument == "--cell") {
            if (!takeValue(arguments, i, value, options)) break;
            if (std::optional<CellScale> scale = parseCellScale(value)) {
                options.scale = *scale;
            } else {
                options.error = "--cell wants WxH in twips, e.g. 120x240, not '" + value + "'";
            }
        } else if (argument.starts_with("-") && argument != "-") {
            options.error = "unknown option '" + argument + "'";
        } else {
            setFormFile(options, argument);
        }
    }
    return options;
}

}  // namespace quelta::terminal
