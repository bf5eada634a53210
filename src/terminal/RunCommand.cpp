#include "terminal/RunCommand.h"

#include <cstdio>

#include "form/Form.h"
#include "form/FormValues.h"
#include "platform/window/WindowSystem.h"
#include "terminal/FormCommand.h"
#include "terminal/TerminalHost.h"

namespace quelta::terminal {
namespace {

int openAndRun(const RunOptions& options, const std::string& region) {
    Form form;
    form.setUserMode(true);
    StoredForm stored = namedForm(options);
    TerminalHost host(form, cellScaleFor(options, stored), region);
    form.replaceWith(std::move(stored), formName(options));
    presetValues(form, options.presets);
    host.setPrompting(options.output.has_value());
    const int status = host.run();
    if (!options.output || host.ending() != TerminalHost::Ending::Accepted) return status;
    // Leaving the focused field completes what was typed there ("3112" becomes a date), as
    // a Tab would; the values are read after that, with the screen given back.
    SetFocus(0);
    std::fputs(formValuesText(form, *options.output).c_str(), stdout);
    return status;
}

}  // namespace

int runCommand(const std::vector<std::string>& arguments) {
    return runFormCommand({"run", kRunUsage, openAndRun, /*promptsForValues=*/true}, arguments);
}

}  // namespace quelta::terminal
