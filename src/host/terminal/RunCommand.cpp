#include "host/terminal/RunCommand.h"

#include "host/Form.h"
#include "host/terminal/FormCommand.h"
#include "host/terminal/TerminalHost.h"

namespace quelta::terminal {
namespace {

int openAndRun(const RunOptions& options, const std::string& region) {
    Form form;
    form.setUserMode(true);
    TerminalHost host(form, options.scale, region);
    form.replaceWith(namedForm(options), formName(options));
    return host.run();
}

}  // namespace

int runCommand(const std::vector<std::string>& arguments) {
    return runFormCommand({"run", kRunUsage, openAndRun}, arguments);
}

}  // namespace quelta::terminal
