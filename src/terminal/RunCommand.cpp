#include "terminal/RunCommand.h"

#include "form/Form.h"
#include "terminal/FormCommand.h"
#include "terminal/TerminalHost.h"

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
