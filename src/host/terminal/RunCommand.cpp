#include "host/terminal/RunCommand.h"

#include "host/Form.h"
#include "host/FormFile.h"
#include "host/terminal/FormCommand.h"
#include "host/terminal/SampleForm.h"
#include "host/terminal/TerminalHost.h"

namespace quelta::terminal {
namespace {

StoredForm formToOpen(const RunOptions& options) {
    if (options.formFile.empty())
        return parseFormFile(kSampleFormText, std::string(kSampleFormName));
    return loadFormFile(options.formFile);
}

std::string fileName(const RunOptions& options) {
    return options.formFile.empty() ? std::string(kSampleFormName) : options.formFile;
}

int openAndRun(const RunOptions& options, const std::string& region) {
    Form form;
    form.setUserMode(true);
    TerminalHost host(form, options.scale, region);
    form.replaceWith(formToOpen(options), fileName(options));
    return host.run();
}

}  // namespace

int runCommand(const std::vector<std::string>& arguments) {
    return runFormCommand({"run", kRunUsage, openAndRun}, arguments);
}

}  // namespace quelta::terminal
