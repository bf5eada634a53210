#include "terminal/FormCommand.h"

#include <cstdio>
#include <exception>
#include <stdexcept>

#include "form/EscapedText.h"
#include "form/RegionOption.h"
#include "form/SampleForm.h"
#include "platform/AutomationError.h"
#include "platform/region/RegionalSettings.h"
#include "terminal/CursesSession.h"

namespace quelta::terminal {

StoredForm namedForm(const RunOptions& options) {
    if (options.formFile.empty())
        return parseFormFile(kSampleFormText, std::string(kSampleFormName));
    return loadFormFile(options.formFile);
}

CellScale cellScaleFor(const RunOptions& options, const StoredForm& form) {
    std::vector<double> tops;
    for (const StoredControl& control : form.controls) {
        try {
            tops.push_back(control.extender.read(u"Top", Variant(0.0)).toDouble());
        } catch (const AutomationError&) {
            // A top that is not a number is the form's to refuse as it opens.
        }
    }
    return evenRows(options.scale, std::move(tops));
}

std::string formName(const RunOptions& options) {
    return options.formFile.empty() ? std::string(kSampleFormName) : options.formFile;
}

int runFormCommand(const FormCommand& command, const std::vector<std::string>& arguments) {
    RunOptions options = parseRunOptions(arguments);
    if (options.error.empty() && !command.promptsForValues &&
        (options.output || !options.presets.empty())) {
        options.error = "--output and --set belong to quelta run";
    }
    if (options.help) {
        std::fputs(command.usage, stdout);
        return 0;
    }
    if (!options.error.empty()) {
        std::fprintf(stderr, "quelta %s: %s\n%s", command.name, escapedText(options.error).c_str(),
                     command.usage);
        return kCommandLineMistake;
    }
    const std::string region =
        options.region.empty() ? regionNameFromEnvironment() : options.region;
    try {
        selectRegion(region);
        return command.openAndRun(options, region);
    } catch (const std::invalid_argument& refusal) {
        // A --set that the form cannot take is a mistake on the command line.
        std::fprintf(stderr, "quelta %s: --set: %s\n", command.name, refusal.what());
        return 2;
    } catch (const UnusableTerminal& refusal) {
        std::fprintf(stderr, "quelta %s: %s\n", command.name, escapedText(refusal.what()).c_str());
        return 2;
    } catch (const FormFileError& refusal) {
        // Its message is escaped already.
        std::fprintf(stderr, "quelta %s: %s\n", command.name, refusal.what());
    } catch (const AutomationError& error) {
        std::fprintf(stderr, "quelta %s: the form cannot be opened (error %d)\n", command.name,
                     error.number());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "quelta %s: %s\n", command.name, escapedText(error.what()).c_str());
    }
    return 1;
}

}  // namespace quelta::terminal
