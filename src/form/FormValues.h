#pragma once
// A form's values as a shell script sees them: preset by control name before the form
// opens, and printed once the person accepts it, each control with its Value (the canonical
// text, "." as the decimal separator) and its FormattedText (what the field shows).

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "form/Form.h"

namespace quelta {

enum class ValuesFormat { Json, Tsv };

// "json" or "tsv" (any letter case); nullopt for anything else.
std::optional<ValuesFormat> valuesFormatNamed(std::string_view name);

// Every control in tab order. JSON is one object keyed by control name:
//   {"txtQuantity": {"Value": "12", "FormattedText": "12"}, ...}
// TSV is one line per control: name, Value, FormattedText, separated by tabs, with tab,
// line break and backslash written \t, \n, \r and \\ so that each control stays one line.
std::string formValuesText(Form& form, ValuesFormat format);

// Writes `Value` of each named control in order. Throws std::invalid_argument, with a
// message naming the control, for a name the form does not have or a value the control
// refuses; the controls before it keep their new values.
void presetValues(Form& form, const std::vector<std::pair<std::string, std::string>>& presets);

}  // namespace quelta
