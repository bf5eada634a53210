#include "form/FormFile.h"

#include <algorithm>
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

// The extender values as reading accepts them; saving holds to the same. The bag is looked
// through once, as every control of a form is checked on every load and save.
std::optional<ExtenderFault> extenderFault(const PropertyBag& extender) {
    std::array<const Variant*, kExtenderKeys.size()> values{};
    for (const PropertyBag::Entry& entry : extender.entries()) {
        const bool ascii =
            std::all_of(entry.key.begin(), entry.key.end(), [](char16_t c) { return c < 0x80; });
        for (std::size_t i = 0; i < kExtenderKeys.size(); ++i) {
            const std::u16string_view known = kExtenderKeys[i];
            if (ascii
                    ? entry.key.size() == known.size() && equalsIgnoringAsciiCase(entry.key, known)
                    : sameKey(entry.key, known)) {
                values[i] = &entry.value;
                break;
            }
        }
    }
    // By their places in kExtenderKeys.
    const Variant* name = values[0];
    if (!name || name->type() != VariantType::String || *name == Variant(String()))
        return ExtenderFault{kExtenderKeys[0], "every control needs a name"};
    if (const Variant* tip = values[6]; tip && tip->type() != VariantType::String)
        return ExtenderFault{kExtenderKeys[6], "must be a string"};
    for (std::size_t i : {5, 7, 8}) {  // TabIndex, HelpContextID, WhatsThisHelpID
        if (values[i] && !isWholeNumber(*values[i]))
            return ExtenderFault{kExtenderKeys[i], "must be a 32-bit whole number"};
    }
    for (std::size_t i : {1, 2, 3, 4}) {  // Left, Top, Width, Height
        const Variant* value = values[i];
        if (!value) continue;
        const bool isSize = i >= 3;
        if (!isNumber(*value) || !(value->toDouble() >= (isSize ? 0 : -kMaxTwips)) ||
            !(value->toDouble() <= kMaxTwips)) {
            return ExtenderFault{kExtenderKeys[i], isSize
                                                       ? "a size is 0 to 10,000,000 twips"
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
