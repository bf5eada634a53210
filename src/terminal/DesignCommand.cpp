#include "terminal/DesignCommand.h"

#include <filesystem>

#include "form/Form.h"
#include "terminal/DesignHost.h"
#include "terminal/FormCommand.h"

namespace quelta::terminal {

const char* const kDesignUsage =
    "usage: quelta design [--region NAME] [--cell WxH] [--form FILE | FILE]\n"
    "  Opens a form in the designer: the sample order form without FILE; a FILE that does\n"
    "  not exist yet starts an empty form saved under that name.\n"
    "  --region NAME  regional settings by name, e.g. de-DE (default: from LANG/LC_ALL)\n"
    "  --cell WxH     twips per character cell across and down (default 120x240)\n"
    "  Keys: Tab/Shift+Tab select a control, arrows move it and Shift+arrows size it by a\n"
    "  cell, Insert adds a control, Delete deletes it, Enter (or F4) opens its property\n"
    "  pages, F1 the About box, Ctrl+S (or F2) saves, Ctrl+Q (or F10) leaves.\n";

namespace {

// A new form has no controls to read; a file that exists is read and refused whole when
// it is damaged, so that saving over it can never lose it.
StoredForm formToOpen(const RunOptions& options) {
    std::error_code error;
    const bool isNew =
        !options.formFile.empty() && !std::filesystem::exists(options.formFile, error) && !error;
    return isNew ? StoredForm{} : namedForm(options);
}

int openAndRun(const RunOptions& options, const std::string& /*region*/) {
    Form form;
    form.setUserMode(false);
    StoredForm stored = formToOpen(options);
    DesignHost host(form, cellScaleFor(options, stored), options.formFile);
    form.replaceWith(std::move(stored), formName(options));
    return host.run();
}

}  // namespace

int designCommand(const std::vector<std::string>& arguments) {
    return runFormCommand({"design", kDesignUsage, openAndRun}, arguments);
}

}  // namespace quelta::terminal
