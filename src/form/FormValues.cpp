#include "form/FormValues.h"

#include <nlohmann/json.hpp>
#include <stdexcept>

#include "form/EscapedText.h"
#include "platform/AutomationError.h"

namespace quelta {
namespace {

std::string tsvField(const String& text) {
    std::string field;
    for (char c : toUtf8(text)) {
        switch (c) {
            case '\t':
                field += "\\t";
                break;
            case '\n':
                field += "\\n";
                break;
            case '\r':
                field += "\\r";
                break;
            case '\\':
                field += "\\\\";
                break;
            default:
                field += c;
        }
    }
    return field;
}

}  // namespace

std::optional<ValuesFormat> valuesFormatNamed(std::string_view name) {
    if (equalsIgnoringAsciiCase(name, "json")) return ValuesFormat::Json;
    if (equalsIgnoringAsciiCase(name, "tsv")) return ValuesFormat::Tsv;
    return std::nullopt;
}

std::string formValuesText(Form& form, ValuesFormat format) {
    const std::vector<Quelta*> controls = form.controls();
    if (format == ValuesFormat::Tsv) {
        std::string text;
        for (Quelta* control : controls) {
            text += tsvField(control->container().extenderProperty(u"Name").toString()) + '\t' +
                    tsvField(control->Value()) + '\t' + tsvField(control->FormattedText()) + '\n';
        }
        return text;
    }
    nlohmann::ordered_json values = nlohmann::ordered_json::object();
    for (Quelta* control : controls) {
        const std::string name = toUtf8(control->container().extenderProperty(u"Name").toString());
        values[name] = {{"Value", toUtf8(control->Value())},
                        {"FormattedText", toUtf8(control->FormattedText())}};
    }
    // Text that is not UTF-8 cannot reach a control, but a replacement beats an exception.
    return values.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + '\n';
}

void presetValues(Form& form, const std::vector<std::pair<std::string, std::string>>& presets) {
    for (const auto& [name, value] : presets) {
        Quelta* control = form.find(fromUtf8(name));
        if (control == nullptr)
            throw std::invalid_argument("the form has no control named " + quotedText(name));
        try {
            control->letValue(fromUtf8(value));
        } catch (const AutomationError& error) {
            throw std::invalid_argument(quotedText(name) + " refuses the value " +
                                        quotedText(value) + " (error " +
                                        std::to_string(error.number()) + ")");
        }
    }
}

}  // namespace quelta
