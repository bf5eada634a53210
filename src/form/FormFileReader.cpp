// Reading a form file's text into a StoredForm straight from the JSON events, with no
// document of the file, of a control or of a bag in between: each key and value goes into
// its bag as it is read.
//
// A fault of the form's rules is held until the text has been read to its end, because a
// fault of JSON anywhere in the text comes first; and of two faults of the form, the one
// checked first is named whatever their order in the text: the format before the version,
// the top level before the controls, a control's extender before its properties.
#include <algorithm>
#include <limits>
#include <memory>
#include <optional>

#include "form/FormFile.h"
#include "form/FormFileRules.h"
#include "form/StoredValueRegion.h"
#include "form/StrictJson.h"
#include "platform/AutomationError.h"
#include "platform/container/Picture.h"
#include "platform/fonts/Font.h"
#include "platform/region/RegionalSettings.h"

namespace quelta {
namespace {

// The deepest a valid file nests (the file, its control list, a control, its properties, a
// font value and the font's fields) and the most keys an object of it holds, with room for
// properties to come.
constexpr StrictJsonLimits kJsonLimits{.maxDepth = 6, .maxObjectKeys = 64};

// What a saved control nearly always holds: all but Left and Top of the extender, and the
// handful of properties a designer sets.
constexpr std::size_t kUsualExtenderKeys = 9;
constexpr std::size_t kUsualPropertyKeys = 8;

// The levels the reader knows, as the file nests them.
enum class Level { Top, Controls, Control, Bag, ObjectValue, FontFields, Skipped };

// The place in the file, counted in levels, of what a level holds.
constexpr std::size_t kControlLevels = 2;      // controls[3]
constexpr std::size_t kPropertyLevels = 4;     // controls[3].properties.Font
constexpr std::size_t kObjectFieldLevels = 5;  // controls[3].properties.Font.font

// Where the value that comes next goes.
enum class Slot {
    Skip,
    Format,
    Version,
    Region,
    Controls,  // the list
    Control,   // an element of it
    Extender,
    Properties,
    BagValue,
    FontValue,
    PictureValue,
    FontField,
};

enum class FontField { Name, Size, Weight, Charset, Italic, Underline, Strikethrough, Unknown };

FontField fontFieldOf(std::string_view key) {
    constexpr std::pair<std::string_view, FontField> kFields[] = {
        {"name", FontField::Name},
        {"size", FontField::Size},
        {"weight", FontField::Weight},
        {"charset", FontField::Charset},
        {"italic", FontField::Italic},
        {"underline", FontField::Underline},
        {"strikethrough", FontField::Strikethrough},
    };
    for (const auto& [name, field] : kFields) {
        if (name == key) return field;
    }
    return FontField::Unknown;
}

// Whether a top-level value the file must hold is there and of the right kind.
enum class Presence { Missing, Wrong, Right };

struct Fault {
    int rank = 0;  // the lower is checked first
    std::string place;
    std::string reason;
};

// Keeps the fault checked first; of two of one rank, the first in the text.
void note(std::optional<Fault>& slot, int rank, std::string place, std::string reason) {
    if (!slot || rank < slot->rank) slot = Fault{rank, std::move(place), std::move(reason)};
}

// The ranks of a control's faults.
enum ControlRank {
    kForeignKey,
    kNoExtender,
    kInExtender,
    kExtenderValue,
    kNoProperties,
    kInProperties
};

std::optional<std::int64_t> wholeNumber(const JsonScalar& value) {
    if (const auto* number = std::get_if<std::int64_t>(&value)) return *number;
    if (const auto* number = std::get_if<std::uint64_t>(&value))
        return static_cast<std::int64_t>(std::min<std::uint64_t>(
            *number, static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())));
    return std::nullopt;
}

std::optional<double> anyNumber(const JsonScalar& value) {
    if (const auto* number = std::get_if<double>(&value)) return *number;
    if (const auto* number = std::get_if<std::int64_t>(&value)) return static_cast<double>(*number);
    if (const auto* number = std::get_if<std::uint64_t>(&value))
        return static_cast<double>(*number);
    return std::nullopt;
}

// A value that is not an object, as a bag keeps it: a whole number that fits 32 bits is a
// Long, any other number a Double.
Variant variantOf(const JsonScalar& value) {
    struct Convert {
        Variant operator()(std::nullptr_t) const { return Variant::nothing(); }
        Variant operator()(bool flag) const { return Variant::boolean(flag); }
        Variant operator()(std::int64_t number) const {
            if (number >= std::numeric_limits<std::int32_t>::min() &&
                number <= std::numeric_limits<std::int32_t>::max())
                return Variant(static_cast<std::int32_t>(number));
            return Variant(static_cast<double>(number));
        }
        Variant operator()(std::uint64_t number) const {
            if (number <= static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max()))
                return Variant(static_cast<std::int32_t>(number));
            return Variant(static_cast<double>(number));
        }
        Variant operator()(double number) const { return Variant(number); }
        Variant operator()(std::string_view text) const { return Variant(fromUtf8(text)); }
    };
    return std::visit(Convert{}, value);
}

class FormFileReader final : public JsonEvents {
public:
    explicit FormFileReader(const std::string& file) : file_(file), json_(file, kJsonLimits) {}

    StoredForm read(std::string_view text) {
        json_.read(text, *this);
        refuseWhatTheRulesRefuse();
        if (!region_.empty()) carryValuesIntoCurrentRegion(form_.controls, region_);
        return std::move(form_);
    }

    void startObject() override { startValue(true); }
    void startArray() override { startValue(false); }
    void scalar(const JsonScalar& value) override;
    void key(std::string_view key) override;
    void endObject() override;
    void endArray() override { levels_.pop_back(); }

private:
    Slot slotOfValue() const;
    void startValue(bool isObject);
    void startControl();
    void topKey(std::string_view key);
    void topValue(const JsonScalar& value);
    void bagKey(std::string_view key);
    bool standsTwice(StringView key);
    void fontField(const JsonScalar& value);
    void endControl();
    void endObjectValue();
    void refuseWhatTheRulesRefuse() const;

    // Whether a part of the current control whose faults have that rank may still change
    // which fault the control is refused with.
    bool wanted(int rank) const { return !controlFault_ || rank < controlFault_->rank; }
    void noteInBag(std::string place, std::string reason) {
        note(controlFault_, bagRank_, std::move(place), std::move(reason));
    }

    const std::string& file_;
    StrictJsonReader json_;
    StoredForm form_;
    std::vector<Level> levels_;
    Slot slot_ = Slot::Skip;  // set by each key of an object

    // The top level, judged when the whole text has been read.
    bool isObject_ = false;
    Presence format_ = Presence::Missing;
    std::optional<std::int64_t> version_;
    bool versionSeen_ = false;
    std::size_t keysSeen_ = 0;
    std::optional<std::pair<std::size_t, std::string>> foreignKey_;  // the first, and where
    std::optional<std::size_t> regionKey_;
    bool regionKnown_ = false;
    std::string region_;
    Presence controls_ = Presence::Missing;  // Right when a list
    std::optional<Fault> formFault_;         // the first control's that is refused

    // The control being read.
    std::optional<Fault> controlFault_;
    bool hasExtender_ = false;
    bool hasProperties_ = false;
    PropertyBag* bag_ = nullptr;
    bool isExtender_ = false;
    int bagRank_ = kInProperties;
    String bagKey_;
    std::vector<std::uint32_t> keyHashes_;  // of the bag's keys so far
    bool hasNonAsciiKey_ = false;

    // An object value being read: {"font": {...}} or {"picture": "FILE"}.
    std::size_t objectKeys_ = 0;
    Slot objectKind_ = Slot::Skip;
    std::optional<Fault> objectFault_;
    FontRef font_;
    FontField fontField_ = FontField::Unknown;
    std::string pictureFile_;
};

Slot FormFileReader::slotOfValue() const {
    switch (levels_.back()) {
        case Level::Controls:
            return formFault_ ? Slot::Skip : Slot::Control;
        case Level::Skipped:
            return Slot::Skip;
        default:
            return slot_;
    }
}

void FormFileReader::startValue(bool isObject) {
    if (levels_.empty()) {
        isObject_ = isObject;
        levels_.push_back(isObject ? Level::Top : Level::Skipped);
        return;
    }
    Level level = Level::Skipped;
    switch (const Slot slot = slotOfValue()) {
        case Slot::Format:
        case Slot::Version:
        case Slot::Region:
            topValue(nullptr);  // of the wrong type, as null is
            break;
        case Slot::Controls:
            controls_ = isObject ? Presence::Wrong : Presence::Right;
            if (!isObject) level = Level::Controls;
            break;
        case Slot::Control:
            if (isObject) {
                startControl();
                level = Level::Control;
            } else {
                formFault_ = Fault{0, json_.place(), "a control must be an object"};
            }
            break;
        case Slot::Extender:
        case Slot::Properties:
            isExtender_ = slot == Slot::Extender;
            bagRank_ = isExtender_ ? kInExtender : kInProperties;
            if (!isObject) {
                noteInBag(json_.place(), "must be an object");
            } else if (wanted(bagRank_)) {
                StoredControl& control = form_.controls.back();
                bag_ = isExtender_ ? &control.extender : &control.properties;
                // Room for what a saved control usually holds, so that the bag does not
                // grow by steps: every step is an allocation for each control of the file.
                bag_->reserve(isExtender_ ? kUsualExtenderKeys : kUsualPropertyKeys);
                keyHashes_.clear();
                hasNonAsciiKey_ = false;
                level = Level::Bag;
            }
            break;
        case Slot::BagValue:
            if (isObject) {
                objectKeys_ = 0;
                objectKind_ = Slot::Skip;
                objectFault_.reset();
                level = Level::ObjectValue;
            } else {
                noteInBag(json_.place(),
                          "a value is a Boolean, a number, a string, null, a font or a picture");
            }
            break;
        case Slot::FontValue:
            if (isObject) {
                font_ = std::make_shared<Font>();
                level = Level::FontFields;
            } else {
                objectFault_ = Fault{0, json_.place(), "a font's fields must be an object"};
            }
            break;
        case Slot::PictureValue:
            objectFault_ = Fault{0, json_.place(), "a picture is the name of its file"};
            break;
        case Slot::FontField:
            objectFault_ = Fault{0, json_.place(), "not a font field of the right type"};
            break;
        case Slot::Skip:
            break;
    }
    levels_.push_back(level);
}

void FormFileReader::startControl() {
    form_.controls.emplace_back();
    controlFault_.reset();
    hasExtender_ = false;
    hasProperties_ = false;
}

void FormFileReader::key(std::string_view key) {
    slot_ = Slot::Skip;
    switch (levels_.back()) {
        case Level::Top:
            topKey(key);
            break;
        case Level::Control:
            if (key == "extender") {
                hasExtender_ = true;
                slot_ = Slot::Extender;
            } else if (key == "properties") {
                hasProperties_ = true;
                slot_ = Slot::Properties;
            } else {
                note(controlFault_, kForeignKey, json_.place(),
                     "a control holds only extender and properties");
            }
            break;
        case Level::Bag:
            bagKey(key);
            break;
        case Level::ObjectValue:
            // More than one key is refused when the object ends.
            if (++objectKeys_ == 1 && (key == "font" || key == "picture"))
                objectKind_ = slot_ = key == "font" ? Slot::FontValue : Slot::PictureValue;
            break;
        case Level::FontFields:
            fontField_ = fontFieldOf(key);
            if (!objectFault_) slot_ = Slot::FontField;
            break;
        default:
            break;
    }
}

void FormFileReader::topKey(std::string_view key) {
    const std::size_t ordinal = keysSeen_++;
    if (key == "format") {
        slot_ = Slot::Format;
    } else if (key == "version") {
        slot_ = Slot::Version;
    } else if (key == "region") {
        regionKey_ = ordinal;
        slot_ = Slot::Region;
    } else if (key == "controls") {
        slot_ = Slot::Controls;
    } else if (!foreignKey_) {
        foreignKey_.emplace(ordinal, json_.place());
    }
}

void FormFileReader::bagKey(std::string_view key) {
    if (!wanted(bagRank_)) return;
    if (std::all_of(key.begin(), key.end(), [](char c) { return (c & 0x80) == 0; }))
        bagKey_.assign(key.begin(), key.end());  // into the room the last key left
    else
        bagKey_ = fromUtf8(key);
    if (bagKey_.empty()) {
        noteInBag(json_.place(), "a key may not be empty");
    } else if (standsTwice(bagKey_)) {
        noteInBag(json_.place(), "the key stands twice");
    } else if (isExtender_ && !isExtenderKey(bagKey_)) {
        noteInBag(json_.place(), "not a value a form keeps for a control");
    } else {
        slot_ = Slot::BagValue;
    }
}

// Whether the bag holds the key in another spelling already. A bag compares keys without
// regard to case; a hash of the ASCII-lowered key spares asking it for all but the keys that
// may be the same.
bool FormFileReader::standsTwice(StringView key) {
    std::uint32_t hash = 2166136261u;
    bool ascii = true;
    for (char16_t c : key) {
        ascii = ascii && c < 0x80;
        hash = (hash ^ asciiLower(c)) * 16777619u;
    }
    const bool maybe = !ascii || hasNonAsciiKey_ ||
                       std::find(keyHashes_.begin(), keyHashes_.end(), hash) != keyHashes_.end();
    keyHashes_.push_back(hash);
    hasNonAsciiKey_ = hasNonAsciiKey_ || !ascii;
    return maybe && bag_->contains(key);
}

void FormFileReader::scalar(const JsonScalar& value) {
    if (levels_.empty()) return;  // a file that is not an object
    switch (const Slot slot = slotOfValue()) {
        case Slot::Format:
        case Slot::Version:
        case Slot::Region:
            topValue(value);
            break;
        case Slot::Controls:
            controls_ = Presence::Wrong;
            break;
        case Slot::Control:
            formFault_ = Fault{0, json_.place(), "a control must be an object"};
            break;
        case Slot::Extender:
        case Slot::Properties:
            bagRank_ = slot == Slot::Extender ? kInExtender : kInProperties;
            noteInBag(json_.place(), "must be an object");
            break;
        case Slot::BagValue:
            bag_->write(bagKey_, variantOf(value));
            break;
        case Slot::FontValue:
            objectFault_ = Fault{0, json_.place(), "a font's fields must be an object"};
            break;
        case Slot::PictureValue:
            if (const auto* file = std::get_if<std::string_view>(&value))
                pictureFile_ = *file;
            else
                objectFault_ = Fault{0, json_.place(), "a picture is the name of its file"};
            break;
        case Slot::FontField:
            fontField(value);
            break;
        case Slot::Skip:
            break;
    }
}

void FormFileReader::topValue(const JsonScalar& value) {
    const auto* text = std::get_if<std::string_view>(&value);
    if (slot_ == Slot::Format) {
        format_ = text && *text == kFormFileFormat ? Presence::Right : Presence::Wrong;
    } else if (slot_ == Slot::Version) {
        versionSeen_ = true;
        version_ = wholeNumber(value);
    } else {
        regionKnown_ = text && isKnownRegion(std::string(*text));
        if (regionKnown_) region_ = *text;
    }
}

void FormFileReader::fontField(const JsonScalar& value) {
    auto wrongType = [&] {
        objectFault_ = Fault{0, json_.place(), "not a font field of the right type"};
    };
    const auto* flag = std::get_if<bool>(&value);
    try {
        switch (fontField_) {
            case FontField::Name:
                if (const auto* name = std::get_if<std::string_view>(&value))
                    font_->setName(fromUtf8(*name));
                else
                    wrongType();
                break;
            case FontField::Size:
                if (auto size = anyNumber(value))
                    font_->setSize(static_cast<float>(*size));
                else
                    wrongType();
                break;
            case FontField::Weight:
                if (auto weight = wholeNumber(value))
                    font_->setWeight(
                        static_cast<std::int16_t>(std::clamp<std::int64_t>(*weight, -1, 1001)));
                else
                    wrongType();
                break;
            case FontField::Charset:
                if (auto charset = wholeNumber(value)) {
                    if (*charset < 0 || *charset > 255)
                        objectFault_ = Fault{0, json_.place(), "a charset is 0 to 255"};
                    else
                        font_->setCharset(static_cast<std::int16_t>(*charset));
                } else {
                    wrongType();
                }
                break;
            case FontField::Italic:
                flag ? font_->setItalic(*flag) : wrongType();
                break;
            case FontField::Underline:
                flag ? font_->setUnderline(*flag) : wrongType();
                break;
            case FontField::Strikethrough:
                flag ? font_->setStrikethrough(*flag) : wrongType();
                break;
            case FontField::Unknown:
                wrongType();
                break;
        }
    } catch (const AutomationError& error) {
        objectFault_ = Fault{0, json_.place(kObjectFieldLevels),
                             "the font is refused with error " + std::to_string(error.number())};
    }
}

void FormFileReader::endObject() {
    const Level level = levels_.back();
    if (level == Level::Control) endControl();
    if (level == Level::ObjectValue) endObjectValue();
    levels_.pop_back();
}

void FormFileReader::endControl() {
    const std::string control = json_.place(kControlLevels);
    if (!hasExtender_) {
        note(controlFault_, kNoExtender, control, "\"extender\" is missing");
    } else if (wanted(kExtenderValue)) {
        if (auto fault = extenderFault(form_.controls.back().extender)) {
            note(controlFault_, kExtenderValue, control + ".extender." + toUtf8(fault->key),
                 fault->reason);
        }
    }
    if (!hasProperties_) note(controlFault_, kNoProperties, control, "\"properties\" is missing");
    if (controlFault_) formFault_ = std::move(controlFault_);
}

void FormFileReader::endObjectValue() {
    if (!wanted(bagRank_)) return;
    if (objectKeys_ != 1 || objectKind_ == Slot::Skip) {
        noteInBag(json_.place(kPropertyLevels),
                  "an object value holds exactly one of font, picture");
    } else if (objectFault_) {
        noteInBag(std::move(objectFault_->place), std::move(objectFault_->reason));
    } else if (objectKind_ == Slot::FontValue) {
        bag_->write(bagKey_, Variant(ObjectRef(std::move(font_))));
    } else {
        try {
            bag_->write(bagKey_, Variant(ObjectRef(loadPicture(fromUtf8(pictureFile_)))));
        } catch (const AutomationError& error) {
            noteInBag(json_.place(kObjectFieldLevels), "the picture cannot be loaded (error " +
                                                           std::to_string(error.number()) + ")");
        }
    }
}

// In the order the rules are checked, so that a file with several faults is always refused
// for the same one.
void FormFileReader::refuseWhatTheRulesRefuse() const {
    auto refuse = [&](const std::string& place, const std::string& reason) {
        throw FormFileError(file_, place, reason);
    };
    if (!isObject_) refuse("", "a form file is a JSON object");
    if (format_ == Presence::Missing) refuse("", "\"format\" is missing");
    if (format_ == Presence::Wrong) refuse("format", "not a form file");
    if (!versionSeen_) refuse("", "\"version\" is missing");
    if (!version_ || *version_ < kFirstFormFileVersion || *version_ > kFormFileVersion)
        refuse("version", "a version this program does not read");
    std::optional<std::pair<std::size_t, std::string>> foreign = foreignKey_;
    if (regionKey_ && *version_ < 2 && (!foreign || *regionKey_ < foreign->first))
        foreign.emplace(*regionKey_, "region");
    if (foreign) refuse(foreign->second, "not a key of a form file");
    if (regionKey_ && !regionKnown_)
        refuse("region", "not the name of a region this program knows");
    if (controls_ == Presence::Missing) refuse("", "\"controls\" is missing");
    if (controls_ == Presence::Wrong) refuse("controls", "must be a list");
    if (formFault_) refuse(formFault_->place, formFault_->reason);
}

}  // namespace

StoredForm parseFormFile(std::string_view text, const std::string& file) {
    if (text.size() > kMaxFormFileBytes)
        throw FormFileError(file, "", "the file is too large for a form");
    return FormFileReader(file).read(text);
}

}  // namespace quelta
