#include "form/FormFile.h"

#include <algorithm>
#include <array>
#include <limits>
#include <memory>
#include <nlohmann/json.hpp>

#include "form/EscapedText.h"
#include "form/FileReplacement.h"
#include "form/InputFile.h"
#include "form/StoredValueRegion.h"
#include "form/StrictJson.h"
#include "platform/AutomationError.h"
#include "platform/container/Picture.h"
#include "platform/fonts/Font.h"
#include "platform/region/RegionalSettings.h"

namespace quelta {
namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view kFormat = "quelta-form";
// Version 2 added the region; version 1 files are read in the current region.
constexpr int kVersion = 2;
constexpr int kFirstVersion = 1;
// The deepest a valid file nests (the file, its control list, a control, its properties, a
// font value and the font's fields) and the most keys an object of it holds, with room for
// properties to come.
constexpr StrictJsonLimits kJsonLimits{.maxDepth = 6, .maxObjectKeys = 64};

constexpr std::array<std::u16string_view, 9> kExtenderKeys = {
    u"Name",     u"Left",        u"Top",           u"Width",           u"Height",
    u"TabIndex", u"ToolTipText", u"HelpContextID", u"WhatsThisHelpID",
};

// Where a reader is in the file, for the refusal. The path is spelled out only for a
// refusal: a file read whole names thousands of places and refuses at most one. A place
// refers to the one it was made from, which must outlive it.
class Place {
public:
    explicit Place(const std::string& file) : file_(file) {}
    Place member(std::string_view key) const {
        return Place(file_, this, std::string(key), 0, false);
    }
    Place element(std::size_t index) const { return Place(file_, this, {}, index, true); }
    [[noreturn]] void refuse(const std::string& reason) const {
        throw FormFileError(file_, path(), reason);
    }

private:
    Place(const std::string& file, const Place* outer, std::string key, std::size_t index,
          bool isElement)
        : file_(file), outer_(outer), key_(std::move(key)), index_(index), isElement_(isElement) {}

    std::string path() const {
        if (!outer_) return {};
        std::string outer = outer_->path();
        if (isElement_) return outer + "[" + std::to_string(index_) + "]";
        return outer.empty() ? key_ : outer + "." + key_;
    }

    const std::string& file_;
    const Place* outer_ = nullptr;
    std::string key_;
    std::size_t index_ = 0;
    bool isElement_ = false;
};

// Writing.

Json fontJson(const Font& font) {
    return Json{{"name", toUtf8(font.name())},   {"size", font.size()},
                {"weight", font.weight()},       {"italic", font.italic()},
                {"underline", font.underline()}, {"strikethrough", font.strikethrough()},
                {"charset", font.charset()}};
}

Json objectJson(const ObjectRef& object) {
    if (!object) return nullptr;
    if (auto font = std::dynamic_pointer_cast<Font>(object)) return Json{{"font", fontJson(*font)}};
    if (auto picture = std::dynamic_pointer_cast<Picture>(object)) {
        if (picture->empty()) return nullptr;
        return Json{{"picture", toUtf8(picture->source())}};
    }
    // Other objects (data objects, the host's own) are not part of a saved form.
    return nullptr;
}

Json valueJson(const Variant& value) {
    switch (value.type()) {
        case VariantType::Boolean:
            return value.toBool();
        case VariantType::Integer:
        case VariantType::Long:
            return value.toLong();
        case VariantType::Single:
        case VariantType::Double:
        case VariantType::Currency:
        case VariantType::Date:
            return value.toDouble();
        case VariantType::String:
            return toUtf8(value.toString());
        case VariantType::Object:
            return objectJson(value.toObject());
        case VariantType::Empty:
        case VariantType::Null:
        case VariantType::Error:
            return nullptr;
    }
    return nullptr;
}

// Writes JSON into the form's text as it goes, with no document or copy of its own: a form
// of ten thousand controls is written key by key. The library's own writer does the
// escaping and the layout, the one the library's dump(2) gives.
class JsonWriter {
public:
    explicit JsonWriter(std::string& text)
        : text_(text), writer_(nlohmann::detail::output_adapter<char>(text), ' ') {}

    void value(const Json& value, unsigned indent) {
        writer_.dump(value, true, false, kIndentStep, indent);
    }

    // A bag as an object whose braces stand at `indent`.
    void bag(const PropertyBag& bag, unsigned indent) {
        if (bag.empty()) {
            text_ += "{}";
            return;
        }
        text_ += "{\n";
        const unsigned inner = indent + kIndentStep;
        for (std::size_t i = 0; i < bag.size(); ++i) {
            const PropertyBag::Entry& entry = bag.entries()[i];
            if (i > 0) text_ += ",\n";
            text_.append(inner, ' ');
            value(Json(toUtf8(entry.key)), inner);
            text_ += ": ";
            value(valueJson(entry.value), inner);
        }
        text_ += '\n';
        text_.append(indent, ' ');
        text_ += '}';
    }

private:
    static constexpr unsigned kIndentStep = 2;

    std::string& text_;
    nlohmann::detail::serializer<Json> writer_;
};

// Reading.

const Json& field(const Json& object, std::string_view key, const Place& place) {
    auto found = object.find(key);
    if (found == object.end()) place.refuse("\"" + std::string(key) + "\" is missing");
    return *found;
}

void requireType(const Json& value, Json::value_t type, const char* expected, const Place& place) {
    const bool numberWanted = type == Json::value_t::number_float;
    if (numberWanted ? !value.is_number() : value.type() != type) place.refuse(expected);
}

FontRef fontFromJson(const Json& fields, const Place& place) {
    requireType(fields, Json::value_t::object, "a font's fields must be an object", place);
    auto font = std::make_shared<Font>();
    try {
        for (const auto& [key, value] : fields.items()) {
            const Place at = place.member(key);
            if (key == "name" && value.is_string()) {
                font->setName(fromUtf8(value.get<std::string>()));
            } else if (key == "size" && value.is_number()) {
                font->setSize(value.get<float>());
            } else if (key == "weight" && value.is_number_integer()) {
                font->setWeight(static_cast<std::int16_t>(
                    std::clamp<std::int64_t>(value.get<std::int64_t>(), -1, 1001)));
            } else if (key == "charset" && value.is_number_integer()) {
                const auto charset = value.get<std::int64_t>();
                if (charset < 0 || charset > 255) at.refuse("a charset is 0 to 255");
                font->setCharset(static_cast<std::int16_t>(charset));
            } else if (key == "italic" && value.is_boolean()) {
                font->setItalic(value.get<bool>());
            } else if (key == "underline" && value.is_boolean()) {
                font->setUnderline(value.get<bool>());
            } else if (key == "strikethrough" && value.is_boolean()) {
                font->setStrikethrough(value.get<bool>());
            } else {
                at.refuse("not a font field of the right type");
            }
        }
    } catch (const AutomationError& error) {
        place.refuse("the font is refused with error " + std::to_string(error.number()));
    }
    return font;
}

Variant objectFromJson(const Json& object, const Place& place) {
    if (object.size() != 1) place.refuse("an object value holds exactly one of font, picture");
    if (auto font = object.find("font"); font != object.end())
        return Variant(ObjectRef(fontFromJson(*font, place.member("font"))));
    if (auto picture = object.find("picture"); picture != object.end()) {
        const Place at = place.member("picture");
        requireType(*picture, Json::value_t::string, "a picture is the name of its file", at);
        try {
            return Variant(ObjectRef(loadPicture(fromUtf8(picture->get<std::string>()))));
        } catch (const AutomationError& error) {
            at.refuse("the picture cannot be loaded (error " + std::to_string(error.number()) +
                      ")");
        }
    }
    place.refuse("an object value holds exactly one of font, picture");
}

Variant numberFromJson(const Json& value) {
    if (value.is_number_integer()) {
        const auto number = value.get<std::int64_t>();
        if (number >= std::numeric_limits<std::int32_t>::min() &&
            number <= std::numeric_limits<std::int32_t>::max()) {
            return Variant(static_cast<std::int32_t>(number));
        }
    }
    return Variant(value.get<double>());
}

Variant valueFromJson(const Json& value, const Place& place) {
    switch (value.type()) {
        case Json::value_t::boolean:
            return Variant::boolean(value.get<bool>());
        case Json::value_t::number_integer:
        case Json::value_t::number_unsigned:
        case Json::value_t::number_float:
            return numberFromJson(value);
        case Json::value_t::string:
            return Variant(fromUtf8(value.get<std::string>()));
        case Json::value_t::null:
            return Variant::nothing();
        case Json::value_t::object:
            return objectFromJson(value, place);
        default:
            place.refuse("a value is a Boolean, a number, a string, null, a font or a picture");
    }
}

PropertyBag bagFromJson(const Json& object, const Place& place, bool extender) {
    requireType(object, Json::value_t::object, "must be an object", place);
    PropertyBag bag;
    bag.reserve(object.size());
    for (const auto& [key, value] : object.items()) {
        const Place at = place.member(key);
        const String name = fromUtf8(key);
        if (name.empty()) at.refuse("a key may not be empty");
        if (bag.contains(name)) at.refuse("the key stands twice");
        if (extender && !isExtenderKey(name)) at.refuse("not a value a form keeps for a control");
        bag.write(name, valueFromJson(value, at));
    }
    return bag;
}

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

// The extender values as reading accepts them; saving holds to the same.
void checkExtender(const PropertyBag& extender, const Place& place) {
    const Variant name = extender.read(u"Name");
    if (name.type() != VariantType::String || name.toString().empty())
        place.member("Name").refuse("every control needs a name");
    if (extender.contains(u"ToolTipText") &&
        extender.read(u"ToolTipText").type() != VariantType::String)
        place.member("ToolTipText").refuse("must be a string");
    for (std::u16string_view key : {u"TabIndex", u"HelpContextID", u"WhatsThisHelpID"}) {
        if (extender.contains(key) && !isWholeNumber(extender.read(key)))
            place.member(toUtf8(key)).refuse("must be a 32-bit whole number");
    }
    for (std::u16string_view key : {u"Left", u"Top", u"Width", u"Height"}) {
        if (!extender.contains(key)) continue;
        const Variant value = extender.read(key);
        const bool isSize = key == u"Width" || key == u"Height";
        if (!isNumber(value) || !(value.toDouble() >= (isSize ? 0 : -kMaxTwips)) ||
            !(value.toDouble() <= kMaxTwips)) {
            place.member(toUtf8(key))
                .refuse(isSize ? "a size is 0 to 10,000,000 twips"
                               : "a position is within 10,000,000 twips");
        }
    }
}

StoredControl controlFromJson(const Json& object, const Place& place) {
    requireType(object, Json::value_t::object, "a control must be an object", place);
    for (const auto& item : object.items()) {
        if (item.key() != "extender" && item.key() != "properties")
            place.member(item.key()).refuse("a control holds only extender and properties");
    }
    StoredControl control;
    control.extender =
        bagFromJson(field(object, "extender", place), place.member("extender"), true);
    checkExtender(control.extender, place.member("extender"));
    control.properties =
        bagFromJson(field(object, "properties", place), place.member("properties"), false);
    return control;
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

// The text is written control by control, without a document of the whole form or of a
// control, laid out as a document of the whole form would be.
std::string formFileText(const StoredForm& form, const std::string& file) {
    std::string text =
        "{\n  \"format\": \"quelta-form\",\n  \"version\": " + std::to_string(kVersion) + ",\n";
    // Settings a host defined field by field have no region to name; such a file reads in
    // the region of its reader, as files did before regions were recorded.
    const std::string& region = currentRegionalSettings().regionName;
    if (isKnownRegion(region)) text += "  \"region\": " + Json(region).dump() + ",\n";
    text += "  \"controls\": [";
    JsonWriter writer(text);
    const Place root(file);
    const Place list = root.member("controls");
    for (std::size_t i = 0; i < form.controls.size(); ++i) {
        const StoredControl& control = form.controls[i];
        // What reading would refuse is refused here, before anything is written.
        checkExtender(control.extender, list.element(i).member("extender"));
        text += i == 0 ? "\n    {\n      \"extender\": " : ",\n    {\n      \"extender\": ";
        writer.bag(control.extender, 6);
        text += ",\n      \"properties\": ";
        writer.bag(control.properties, 6);
        text += "\n    }";
        if (text.size() > kMaxFormFileBytes) {
            list.element(i).refuse("the form takes more than the " +
                                   std::to_string(kMaxFormFileBytes >> 20) +
                                   " MB a form file may hold");
        }
    }
    text += form.controls.empty() ? "]\n}\n" : "\n  ]\n}\n";
    if (text.size() > kMaxFormFileBytes)
        root.refuse("the form takes more than a form file may hold");
    return text;
}

namespace {

// The region a file's values are written in; empty for files that do not name one.
std::string regionOf(const Json& file, const Place& root) {
    auto region = file.find("region");
    if (region == file.end()) return {};
    const Place at = root.member("region");
    if (!region->is_string() || !isKnownRegion(region->get<std::string>()))
        at.refuse("not the name of a region this program knows");
    return region->get<std::string>();
}

}  // namespace

StoredForm parseFormFile(std::string_view text, const std::string& file) {
    const Place root(file);
    if (text.size() > kMaxFormFileBytes) root.refuse("the file is too large for a form");
    Json json = parseStrictJson(text, file, kJsonLimits);
    requireType(json, Json::value_t::object, "a form file is a JSON object", root);
    const Json& format = field(json, "format", root);
    if (!format.is_string() || format.get<std::string>() != kFormat)
        root.member("format").refuse("not a form file");
    const Json& version = field(json, "version", root);
    if (!version.is_number_integer() || version.get<std::int64_t>() < kFirstVersion ||
        version.get<std::int64_t>() > kVersion)
        root.member("version").refuse("a version this program does not read");
    for (const auto& item : json.items()) {
        const bool known = item.key() == "format" || item.key() == "version" ||
                           item.key() == "controls" ||
                           (item.key() == "region" && version.get<std::int64_t>() >= 2);
        if (!known) root.member(item.key()).refuse("not a key of a form file");
    }
    const std::string region = regionOf(json, root);
    const Place list = root.member("controls");
    auto found = json.find("controls");
    if (found == json.end()) root.refuse("\"controls\" is missing");
    Json& controls = *found;
    requireType(controls, Json::value_t::array, "must be a list", list);
    StoredForm form;
    form.controls.reserve(controls.size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
        form.controls.push_back(controlFromJson(controls[i], list.element(i)));
        controls[i] = nullptr;  // so that the file is not held twice
    }
    if (!region.empty()) carryValuesIntoCurrentRegion(form.controls, region);
    return form;
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
