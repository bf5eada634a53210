#include "host/terminal/RunCommand.h"

#include <cstdio>
#include <exception>

#include "host/EscapedText.h"
#include "host/Form.h"
#include "host/FormFile.h"
#include "host/terminal/RunOptions.h"
#include "host/terminal/SampleForm.h"
#include "host/terminal/TerminalHost.h"
#include "platform/AutomationError.h"
#include "platform/region/RegionalSettings.h"

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

}  // namespace

int runCommand(const std::vector<std::string>& arguments) {
    const RunOptions options = parseRunOptions(arguments);
    if (options.help) {
        std::fputs(kRunUsage, stdout);
        return 0;
    }
    if (!options.error.empty()) {
        std::fprintf(stderr, "quelta run: %s\n%s", escapedText(options.error).c_str(), kRunUsage);
        return 2;
    }
    const std::string region =
        options.region.empty() ? regionNameFromEnvironment() : options.region;
    try {
        selectRegion(region);
        Form form;
        form.setUserMode(true);
        TerminalHost host(form, options.scale, region);
        form.replaceWith(formToOpen(options), fileName(options));
        return host.run();
    } catch (const FormFileError& refusal) {
        // Its message is escaped already.
        std::fprintf(stderr, "quelta run: %s\n", refusal.what());
    } catch (const AutomationError& error) {
        std::fprintf(stderr, "quelta run: the form cannot be opened (error %d)\n", error.number());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "quelta run: %s\n", escapedText(error.what()).c_str());
    }
    return 1;
}

}  // namespace quelta::terminal
