#include "form/StrictJson.h"

#include <rapidjson/error/en.h>
#include <rapidjson/memorystream.h>
#include <rapidjson/reader.h>
#include <unicode/utf8.h>

#include <algorithm>

#include "form/FormFile.h"
#include "form/InputFile.h"

namespace quelta {

namespace {

// "at line 3, column 14" for a fault at that offset of the text.
std::string lineAndColumn(std::string_view text, std::size_t offset) {
    offset = std::min(offset, text.size());
    const std::string_view before = text.substr(0, offset);
    const std::size_t line =
        1 + static_cast<std::size_t>(std::count(before.begin(), before.end(), '\n'));
    const std::size_t lineStart =
        before.rfind('\n') == std::string_view::npos ? 0 : before.rfind('\n') + 1;
    return "at line " + std::to_string(line) + ", column " + std::to_string(offset - lineStart + 1);
}

}  // namespace

// The library's event parser, its events checked and handed on.
class StrictJsonReader::Parser {
public:
    Parser(StrictJsonReader& reader, JsonEvents& events, std::string_view text,
           const rapidjson::MemoryStream& stream)
        : reader_(reader), events_(events), text_(text), stream_(stream) {}

    using Size = rapidjson::SizeType;

    bool Null() { return scalar(nullptr); }
    bool Bool(bool value) { return scalar(value); }
    bool Int(int value) { return scalar(std::int64_t{value}); }
    bool Int64(std::int64_t value) { return scalar(value); }
    bool Uint(unsigned value) { return scalar(std::uint64_t{value}); }
    bool Uint64(std::uint64_t value) { return scalar(value); }
    bool Double(double value) { return scalar(value); }
    bool RawNumber(const char*, Size, bool) { return false; }  // not asked for
    bool String(const char* text, Size size, bool) {
        return scalar(checkedText(std::string_view(text, size)));
    }

    // The handler hears of a container while the place still names it as a value.
    bool StartObject() {
        reader_.valueStarts(true);
        events_.startObject();
        reader_.open(false);
        return true;
    }
    bool StartArray() {
        reader_.valueStarts(true);
        events_.startArray();
        reader_.open(true);
        return true;
    }
    bool EndObject(Size) {
        events_.endObject();
        reader_.close();
        return true;
    }
    bool EndArray(Size) {
        events_.endArray();
        reader_.close();
        return true;
    }
    bool Key(const char* text, Size size, bool) {
        const std::string_view key = checkedText(std::string_view(text, size));
        reader_.addKey(key);
        events_.key(key);
        return true;
    }

private:
    bool scalar(const JsonScalar& value) {
        reader_.valueStarts(false);
        events_.scalar(value);
        return true;
    }

    // Whole UTF-8, checked here rather than by the parser, which would look at every byte
    // of every string through its own tables: nearly all text in a form is ASCII.
    std::string_view checkedText(std::string_view text) {
        if (std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; }))
            return text;
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
        const auto size = static_cast<std::int32_t>(text.size());
        for (std::int32_t at = 0; at < size;) {
            UChar32 c = 0;
            U8_NEXT(bytes, at, size, c);
            if (c < 0) {
                reader_.refuse("", "not JSON " + lineAndColumn(text_, stream_.Tell()) +
                                       ": a string that is not UTF-8");
            }
        }
        return text;
    }

    StrictJsonReader& reader_;
    JsonEvents& events_;
    std::string_view text_;
    const rapidjson::MemoryStream& stream_;
};

StrictJsonReader::StrictJsonReader(const std::string& file, const StrictJsonLimits& limits)
    : file_(file), limits_(limits) {}

void StrictJsonReader::read(std::string_view text, JsonEvents& events) {
    text = withoutByteOrderMark(text);
    depth_ = 0;
    rapidjson::MemoryStream stream(text.data(), text.size());
    Parser parser(*this, events, text, stream);
    rapidjson::Reader reader;
    // Numbers read exactly as the C library reads them.
    constexpr unsigned kFlags = rapidjson::kParseFullPrecisionFlag;
    const rapidjson::ParseResult result = reader.Parse<kFlags>(stream, parser);
    if (result.IsError()) {
        refuse("", std::string("not JSON ") + lineAndColumn(text, result.Offset()) + ": " +
                       rapidjson::GetParseError_En(result.Code()));
    }
    // The parser takes a NUL byte for the end of the text.
    if (stream.Tell() != text.size())
        refuse("", "not JSON " + lineAndColumn(text, stream.Tell()) + ": a NUL byte");
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
