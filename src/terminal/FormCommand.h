#pragma once
// What `quelta run` and `quelta design` share around their hosts: reading the options,
// choosing the region and telling why a form cannot be opened. Messages go to standard
// error before the screen is taken, so that they stay readable.

#include <functional>
#include <string>
#include <vector>

#include "form/FormFile.h"
#include "terminal/RunOptions.h"

namespace quelta::terminal {

struct FormCommand {
    const char* name;  // as typed after `quelta`
    const char* usage;
    // Opens the form in its host, in the region already chosen, and runs it to the end;
    // answers the exit status.
    std::function<int(const RunOptions&, const std::string& region)> openAndRun;
    bool promptsForValues = false;  // takes --output and --set
};

// The form the options name: the compiled-in sample form without a file, else the file,
// read and checked whole.
StoredForm namedForm(const RunOptions& options);
// The options' cell scale with its rows even for the form (evenRows).
CellScale cellScaleFor(const RunOptions& options, const StoredForm& form);
// What the form is called in messages: its file, or the sample form's name.
std::string formName(const RunOptions& options);

// The exit status: the host's, 0 after --help, 1 for a form that cannot be opened or no
// terminal, 2 for a wrong command line (a --set the form cannot take included).
int runFormCommand(const FormCommand& command, const std::vector<std::string>& arguments);

}  // namespace quelta::terminal
