// Writing a form's file text straight from its bags: each key and value goes into the text
// as it stands, with no JSON value built for any of them, laid out as a document of the
// whole form would be (two spaces a level, one key a line).
#include <algorithm>
#include <string>

#include "form/FormFile.h"
#include "form/FormFileRules.h"
#include "form/JsonText.h"
#include "platform/container/Picture.h"
#include "platform/fonts/Font.h"
#include "platform/region/RegionalSettings.h"

namespace quelta {
namespace {

constexpr unsigned kIndentStep = 2;

class FormTextWriter {
public:
    explicit FormTextWriter(std::string& text) : text_(text) {}

    // A bag as an object whose braces stand at `indent`.
    void bag(const PropertyBag& bag, unsigned indent) {
        if (bag.empty()) {
            text_ += "{}";
            return;
        }
        text_ += '{';
        bool first = true;
        for (const PropertyBag::Entry& entry : bag.entries()) {
            startMember(first, indent + kIndentStep);
            appendJsonString(text_, entry.key);
            text_ += ": ";
            value(entry.value, indent + kIndentStep);
        }
        endObject(indent);
    }

private:
    void value(const Variant& value, unsigned indent) {
        switch (value.type()) {
            case VariantType::Boolean:
                text_ += value.toBool() ? "true" : "false";
                return;
            case VariantType::Integer:
            case VariantType::Long:
                appendJsonNumber(text_, value.toLong());
                return;
            case VariantType::Single:
            case VariantType::Double:
            case VariantType::Currency:
            case VariantType::Date:
                appendJsonNumber(text_, value.toDouble());
                return;
            case VariantType::String:
                appendJsonString(text_, value.toString());
                return;
            case VariantType::Object:
                object(value, indent);
                return;
            case VariantType::Empty:
            case VariantType::Null:
            case VariantType::Error:
                break;
        }
        text_ += "null";
    }

    // A font or a picture; other objects (data objects, the host's own) are not part of a
    // saved form.
    void object(const Variant& value, unsigned indent) {
        if (auto font = value.objectAs<Font>()) {
            text_ += '{';
            bool first = true;
            startMember(first, indent + kIndentStep);
            text_ += "\"font\": ";
            fontFields(*font, indent + kIndentStep);
            endObject(indent);
        } else if (auto picture = value.objectAs<Picture>(); picture && !picture->empty()) {
            text_ += '{';
            bool first = true;
            startMember(first, indent + kIndentStep);
            text_ += "\"picture\": ";
            appendJsonString(text_, picture->source());
            endObject(indent);
        } else {
            text_ += "null";
        }
    }

    void fontFields(const Font& font, unsigned indent) {
        text_ += '{';
        bool first = true;
        auto field = [&](const char* name) {
            startMember(first, indent + kIndentStep);
            text_ += '"';
            text_ += name;
            text_ += "\": ";
        };
        auto flag = [&](const char* name, bool on) {
            field(name);
            text_ += on ? "true" : "false";
        };
        field("name");
        appendJsonString(text_, font.name());
        field("size");
        appendJsonNumber(text_, static_cast<double>(font.size()));
        field("weight");
        appendJsonNumber(text_, std::int32_t{font.weight()});
        flag("italic", font.italic());
        flag("underline", font.underline());
        flag("strikethrough", font.strikethrough());
        field("charset");
        appendJsonNumber(text_, std::int32_t{font.charset()});
        endObject(indent);
    }

    void startMember(bool& first, unsigned indent) {
        text_ += first ? "\n" : ",\n";
        first = false;
        text_.append(indent, ' ');
    }

    void endObject(unsigned indent) {
        text_ += '\n';
        text_.append(indent, ' ');
        text_ += '}';
    }

    std::string& text_;
};

std::string controlPlace(std::size_t index) {
    return "controls[" + std::to_string(index) + "]";
}

// Room for a form whose controls are about the size of its first one, so that a large form
// is not copied over and over as its text grows (each copy into fresh pages, which the
// system must also fault in). What is never written is never touched.
void reserveForTheRest(std::string& text, std::size_t controls) {
    const std::size_t estimate = text.size() + text.size() * controls + text.size() * controls / 4;
    text.reserve(std::min(estimate, kMaxFormFileBytes + 1));
}

}  // namespace

FormFileText::FormFileText(std::string file, std::size_t controls)
    : file_(std::move(file)), controls_(controls) {
    text_ = "{\n  \"format\": \"quelta-form\",\n  \"version\": ";
    appendJsonNumber(text_, std::int32_t{kFormFileVersion});
    text_ += ",\n";
    // Settings a host defined field by field have no region to name; such a file reads in
    // the region of its reader, as files did before regions were recorded.
    const std::string& region = currentRegionalSettings().regionName;
    if (isKnownRegion(region)) {
        text_ += "  \"region\": ";
        appendJsonString(text_, fromUtf8(region));
        text_ += ",\n";
    }
    text_ += "  \"controls\": [";
}

void FormFileText::add(const StoredControl& control) {
    const std::size_t i = added_++;
    // What reading would refuse is refused here, before anything is written.
    if (auto fault = extenderFault(control.extender)) {
        throw FormFileError(file_, controlPlace(i) + ".extender." + toUtf8(fault->key),
                            fault->reason);
    }
    text_ += i == 0 ? "\n    {\n      \"extender\": " : ",\n    {\n      \"extender\": ";
    FormTextWriter writer(text_);
    writer.bag(control.extender, 6);
    text_ += ",\n      \"properties\": ";
    writer.bag(control.properties, 6);
    text_ += "\n    }";
    if (i == 0) reserveForTheRest(text_, controls_);
    if (text_.size() > kMaxFormFileBytes) {
        throw FormFileError(file_, controlPlace(i),
                            "the form takes more than the " +
                                std::to_string(kMaxFormFileBytes >> 20) +
                                " MB a form file may hold");
    }
}

std::string FormFileText::finish() && {
    text_ += added_ == 0 ? "]\n}\n" : "\n  ]\n}\n";
    if (text_.size() > kMaxFormFileBytes)
        throw FormFileError(file_, "", "the form takes more than a form file may hold");
    return std::move(text_);
}

std::string formFileText(const StoredForm& form, const std::string& file) {
    FormFileText text(file, form.controls.size());
    for (const StoredControl& control : form.controls)
        text.add(control);
    return std::move(text).finish();
}

}  // namespace quelta
