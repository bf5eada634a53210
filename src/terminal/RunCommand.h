#pragma once
// `quelta run`: opens a form in the terminal at run time (ambient UserMode True). Returns
// the exit status: 0 after the person leaves, 1 for a form that cannot be opened or no
// terminal, 2 for a wrong command line. Messages go to standard error before the screen is
// taken, so that they stay readable.

#include <string>
#include <vector>

namespace quelta::terminal {

int runCommand(const std::vector<std::string>& arguments);

}  // namespace quelta::terminal
