#pragma once
// A saved form: its controls in tab order, each with what the host keeps for it (the
// extender values: name, position, size, tab index, tooltip, help numbers) and the property
// bag the control wrote. On disk it is JSON:
//
//   {"format": "quelta-form", "version": 2, "region": "en-US", "controls": [
//     {"extender": {"Name": "txtAmount", "Left": 120, "Top": 120, "Width": 1245, ...},
//      "properties": {"DataType": 4, "Format": "#,##0.00", "Font": {"font": {...}}}}]}
//
// Values are JSON's own Booleans, numbers and strings; null is Nothing; a font is
// {"font": {"name", "size", "weight", "italic", "underline", "strikethrough", "charset"}}
// and a picture {"picture": "the file it was loaded from"}. "region" names the region whose
// notation the numeric and date values are written in (StoredValueRegion.h); version 1
// files have none and are read in the current region.
//
// Reading checks the whole file before it hands anything back, so that a damaged or hostile
// file is refused without touching what is open; the refusal names the file, the place of
// the fault and the key. A key that stands twice anywhere, or a top-level key other
// than the four above, is such a fault.

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "form/InputFile.h"
#include "platform/container/PropertyBag.h"

namespace quelta {

struct StoredControl {
    PropertyBag extender;
    PropertyBag properties;
};

struct StoredForm {
    std::vector<StoredControl> controls;
};

// The one limit on a file's size, for reading and saving alike, so that what saves loads:
// a form of a thousand controls takes well under a megabyte, and this leaves room for
// controls holding long texts while a refused file costs little to find out.
inline constexpr std::size_t kMaxFormFileBytes = 32 * 1024 * 1024;

class FormFileError : public std::runtime_error {
public:
    // place: where in the file, e.g. "controls[2].properties.Alignment"; empty for the file
    // as a whole.
    FormFileError(std::string file, std::string place, const std::string& reason);
    // A file that could not be read at all, with what kept it from being read.
    FormFileError(std::string file, const InputFileError& unread);
    const std::string& file() const { return file_; }
    const std::string& place() const { return place_; }
    // Why the file could not be read; nothing when it was read and its content refused.
    std::optional<InputFileError::Problem> readProblem() const { return readProblem_; }

private:
    std::string file_;
    std::string place_;
    std::optional<InputFileError::Problem> readProblem_;
};

// The file's text for a form, its values in the current region's notation. Raises
// FormFileError naming `file` when the text would be one that reading refuses (too large, a
// control's position or size beyond the limits).
std::string formFileText(const StoredForm& form, const std::string& file = "form");

// The same text written a control at a time, for a host that stores its controls one by
// one (Form::fileText) instead of holding them all as a StoredForm first.
class FormFileText {
public:
    // `controls`: how many will be added, so that the text is reserved once.
    FormFileText(std::string file, std::size_t controls);
    // Raises FormFileError as formFileText does, naming the control's place in the file.
    void add(const StoredControl& control);
    std::string finish() &&;

private:
    std::string file_;
    std::size_t controls_;
    std::size_t added_ = 0;
    std::string text_;
};
// Reads a form from a file's text; `file` names it in errors.
StoredForm parseFormFile(std::string_view text, const std::string& file);

// Writes the file whole or not at all (FileReplacement.h): a failed or refused save leaves
// the previous file as it was.
void saveFormFile(const std::string& path, const StoredForm& form);
StoredForm loadFormFile(const std::string& path);

// The extender values a saved control may carry; others are refused.
bool isExtenderKey(StringView key);

}  // namespace quelta
