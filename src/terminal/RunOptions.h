#pragma once
// The command line of `quelta run`:
//
//   quelta run [--region NAME] [--cell WxH] [--output json|tsv] [--set NAME=VALUE]...
//              [--form FILE | FILE]
//
// --region takes regional settings by name (BCP 47, e.g. de-DE) instead of the
// environment's, and refuses a name ICU does not know; --cell sets twips per column and per row
// (CellScale.h); without a form file the sample form opens. --output makes the form a prompt
// for a shell script: F10 accepts and prints the values, Esc cancels; --set presets a
// control's Value before the form opens.

#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "form/FormValues.h"
#include "terminal/CellScale.h"

namespace quelta::terminal {

struct RunOptions {
    std::string formFile;  // empty: the sample form
    std::string region;    // empty: from the environment
    CellScale scale;
    std::optional<ValuesFormat> output;                        // none: no values printed
    std::vector<std::pair<std::string, std::string>> presets;  // NAME, VALUE, in order
    bool help = false;
    // What is wrong with the command line, quoting it unescaped; empty when nothing is.
    std::string error;
};

// `arguments` are those after "run".
RunOptions parseRunOptions(std::span<const std::string> arguments);

extern const char* const kRunUsage;

}  // namespace quelta::terminal
