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
        for (std::size_t i = 0; i < kExtenderKeys.size(); ++i) {
            if (sameKey(entry.key, kExtenderKeys[i])) values[i] = &entry.value;
        }
    }
    auto valueOf = [&](std::u16string_view key) {
        return values[static_cast<std::size_t>(
            std::find(kExtenderKeys.begin(), kExtenderKeys.end(), key) - kExtenderKeys.begin())];
    };
    const Variant* name = valueOf(u"Name");
    if (!name || name->type() != VariantType::String || *name == Variant(String()))
        return ExtenderFault{u"Name", "every control needs a name"};
    if (const Variant* tip = valueOf(u"ToolTipText"); tip && tip->type() != VariantType::String)
        return ExtenderFault{u"ToolTipText", "must be a string"};
    for (std::u16string_view key : {u"TabIndex", u"HelpContextID", u"WhatsThisHelpID"}) {
        if (const Variant* value = valueOf(key); value && !isWholeNumber(*value))
            return ExtenderFault{key, "must be a 32-bit whole number"};
    }
    for (std::u16string_view key : {u"Left", u"Top", u"Width", u"Height"}) {
        const Variant* value = valueOf(key);
        if (!value) continue;
        const bool isSize = key == u"Width" || key == u"Height";
        if (!isNumber(*value) || !(value->toDouble() >= (isSize ? 0 : -kMaxTwips)) ||
            !(value->toDouble() <= kMaxTwips)) {
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
