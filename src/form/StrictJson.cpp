#include "form/StrictJson.h"

#include <nlohmann/json.hpp>

#include "form/FormFile.h"

namespace quelta {

// The library's event parser, its events checked and handed on.
class StrictJsonReader::Parser {
public:
    Parser(StrictJsonReader& reader, JsonEvents& events) : reader_(reader), events_(events) {}

    using Json = nlohmann::json;

    bool null() { return scalar(nullptr); }
    bool boolean(bool value) { return scalar(value); }
    bool number_integer(Json::number_integer_t value) { return scalar(std::int64_t{value}); }
    bool number_unsigned(Json::number_unsigned_t value) { return scalar(std::uint64_t{value}); }
    bool number_float(Json::number_float_t value, const std::string&) { return scalar(value); }
    bool string(std::string& value) { return scalar(std::string_view(value)); }
    bool binary(Json::binary_t&) { reader_.refuse("", "binary values are no JSON text"); }

    // The handler hears of a container while the place still names it as a value.
    bool start_object(std::size_t) {
        reader_.valueStarts(true);
        events_.startObject();
        reader_.open(false);
        return true;
    }
    bool start_array(std::size_t) {
        reader_.valueStarts(true);
        events_.startArray();
        reader_.open(true);
        return true;
    }
    bool end_object() {
        events_.endObject();
        reader_.close();
        return true;
    }
    bool end_array() {
        events_.endArray();
        reader_.close();
        return true;
    }
    bool key(std::string& key) {
        reader_.addKey(key);
        events_.key(key);
        return true;
    }

    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& error) {
        // The parser's message names the line and column of the fault.
        reader_.refuse("", std::string("not JSON: ") + error.what());
    }

private:
    bool scalar(const JsonScalar& value) {
        reader_.valueStarts(false);
        events_.scalar(value);
        return true;
    }

    StrictJsonReader& reader_;
    JsonEvents& events_;
};

StrictJsonReader::StrictJsonReader(const std::string& file, const StrictJsonLimits& limits)
    : file_(file), limits_(limits) {}

void StrictJsonReader::read(std::string_view text, JsonEvents& events) {
    depth_ = 0;
    Parser parser(*this, events);
    nlohmann::json::sax_parse(text.begin(), text.end(), &parser);
}

std::string_view StrictJsonReader::Frame::lastKey() const {
    if (spans.empty()) return {};
    return std::string_view(keys).substr(spans.back().begin, spans.back().size);
}

std::string StrictJsonReader::place(std::size_t levels) const {
    std::string path;
    for (std::size_t i = 0; i < std::min(levels, depth_); ++i) {
        const Frame& frame = frames_[i];
        if (frame.isArray) {
            // The element being read; before the first one starts, the place it will take.
            const std::size_t index = frame.elements == 0 ? 0 : frame.elements - 1;
            path += "[" + std::to_string(index) + "]";
        } else {
            if (!path.empty()) path += '.';
            path += frame.lastKey();
        }
    }
    return path;
}

void StrictJsonReader::valueStarts(bool isContainer) {
    if (isContainer && static_cast<int>(depth_) >= limits_.maxDepth)
        refuse("", "the file nests deeper than a form does");
    if (depth_ > 0 && frames_[depth_ - 1].isArray) ++frames_[depth_ - 1].elements;
}

void StrictJsonReader::open(bool isArray) {
    if (frames_.size() == depth_) frames_.emplace_back();
    Frame& frame = frames_[depth_++];
    frame.isArray = isArray;
    frame.elements = 0;
    frame.keys.clear();
    frame.spans.clear();
}

void StrictJsonReader::close() {
    --depth_;
}

// Objects of a form are small, so a look through the keys so far is cheaper than any index;
// the key limit keeps it so for a hostile file. A hash of each key makes most comparisons
// one of two numbers.
void StrictJsonReader::addKey(std::string_view key) {
    Frame& frame = frames_[depth_ - 1];
    std::uint32_t hash = 2166136261u;
    for (char c : key)
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    const std::string_view keys = frame.keys;
    bool twice = false;
    for (const Frame::Key& span : frame.spans) {
        if (span.hash == hash && keys.substr(span.begin, span.size) == key) twice = true;
    }
    frame.spans.push_back({static_cast<std::uint32_t>(frame.keys.size()),
                           static_cast<std::uint32_t>(key.size()), hash});
    frame.keys += key;
    if (twice) refuse(place(), "the key stands twice");
    if (frame.spans.size() > limits_.maxObjectKeys)
        refuse(place(), "more keys in one object than a form holds");
}

void StrictJsonReader::refuse(const std::string& place, const std::string& reason) const {
    throw FormFileError(file_, place, reason);
}

}  // namespace quelta
