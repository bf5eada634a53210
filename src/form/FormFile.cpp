#include "form/FormFile.h"

#include <array>

#include "form/EscapedText.h"
#include "form/FileReplacement.h"
#include "form/FormFileRules.h"
#include "form/InputFile.h"

namespace quelta {
namespace {

constexpr std::array<std::u16string_view, 9> kExtenderKeys = {
    u"Name",     u"Left",        u"Top",           u"Width",           u"Height",
    u"TabIndex", u"ToolTipText", u"HelpContextID", u"WhatsThisHelpID",
};

// Positions and sizes are twips; a form larger than about 7,000 inches is no form.
constexpr double kMaxTwips = 1e7;

// Whether a value is written as a whole number / as a number. Reading gives only Long and
// Double; saving sees the types the form and its host hold them in.
bool isWholeNumber(const Variant& value) {
    return value.type() == VariantType::Long || value.type() == VariantType::Integer;
}
bool isNumber(const Variant& value) {
    return isWholeNumber(value) || value.type() == VariantType::Double ||
           value.type() == VariantType::Single || value.type() == VariantType::Currency;
}

}  // namespace

FormFileError::FormFileError(std::string file, std::string place, const std::string& reason)
    // The file name, the keys in the place and a parser's quote of the text come from
    // outside and may hold any bytes.
    : std::runtime_error(escapedText(file + (place.empty() ? "" : ": " + place) + ": " + reason)),
      file_(std::move(file)),
      place_(std::move(place)) {}

FormFileError::FormFileError(std::string file, const InputFileError& unread)
    : FormFileError(std::move(file), "", unread.what()) {
    readProblem_ = unread.problem();
}

bool isExtenderKey(StringView key) {
    for (std::u16string_view known : kExtenderKeys) {
        if (equalsIgnoringAsciiCase(key, known)) return true;
    }
    return false;
}

// The extender values as reading accepts them; saving holds to the same.
std::optional<ExtenderFault> extenderFault(const PropertyBag& extender) {
    const Variant name = extender.read(u"Name");
    if (name.type() != VariantType::String || name.toString().empty())
        return ExtenderFault{u"Name", "every control needs a name"};
    if (extender.contains(u"ToolTipText") &&
        extender.read(u"ToolTipText").type() != VariantType::String)
        return ExtenderFault{u"ToolTipText", "must be a string"};
    for (std::u16string_view key : {u"TabIndex", u"HelpContextID", u"WhatsThisHelpID"}) {
        if (extender.contains(key) && !isWholeNumber(extender.read(key)))
            return ExtenderFault{key, "must be a 32-bit whole number"};
    }
    for (std::u16string_view key : {u"Left", u"Top", u"Width", u"Height"}) {
        if (!extender.contains(key)) continue;
        const Variant value = extender.read(key);
        const bool isSize = key == u"Width" || key == u"Height";
        if (!isNumber(value) || !(value.toDouble() >= (isSize ? 0 : -kMaxTwips)) ||
            !(value.toDouble() <= kMaxTwips)) {
            return ExtenderFault{key, isSize ? "a size is 0 to 10,000,000 twips"
                                             : "a position is within 10,000,000 twips"};
        }
    }
    return std::nullopt;
}

void saveFormFile(const std::string& path, const StoredForm& form) {
    replaceFileContent(path, formFileText(form, path));
}

StoredForm loadFormFile(const std::string& path) {
    try {
        return parseFormFile(readInputFile(path, kMaxFormFileBytes), path);
    } catch (const InputFileError& unread) {
        throw FormFileError(path, unread);
    }
}

}  // namespace quelta
