#pragma once
// `quelta design`: opens a form in the terminal at design time (ambient UserMode False)
// to lay it out, set its controls' properties on their pages and save it. Takes the
// options of `quelta run`. A FORM that does not exist yet is a new, empty form saved under
// that name; without FORM the sample form opens and its first save asks for a name.
// Returns the exit status: 0 after the person leaves, 1 for a form that cannot be opened
// or no terminal, 2 for a wrong command line.

#include <string>
#include <vector>

namespace quelta::terminal {

int designCommand(const std::vector<std::string>& arguments);

extern const char* const kDesignUsage;

}  // namespace quelta::terminal
