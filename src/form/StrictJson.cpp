#include "form/StrictJson.h"

#include <utility>
#include <vector>

#include "form/FormFile.h"

namespace quelta {
namespace {

using Json = nlohmann::ordered_json;

// Builds the document from the parser's events, as the parser's own builder does, and knows
// at every step where in the document it is.
class StrictBuilder {
public:
    StrictBuilder(const std::string& file, const StrictJsonLimits& limits)
        : file_(file), limits_(limits) {}

    Json take() { return std::move(root_); }

    bool null() { return added(nullptr); }
    bool boolean(bool value) { return added(value); }
    bool number_integer(Json::number_integer_t value) { return added(value); }
    bool number_unsigned(Json::number_unsigned_t value) { return added(value); }
    bool number_float(Json::number_float_t value, const std::string&) { return added(value); }
    bool string(std::string& value) { return added(std::move(value)); }
    bool binary(Json::binary_t&) { return refuse("", "binary values are no JSON text"); }

    bool start_object(std::size_t) { return open(Json::value_t::object); }
    bool start_array(std::size_t) { return open(Json::value_t::array); }
    bool end_object() { return close(); }
    bool end_array() { return close(); }

    // Objects of a form are small, so a look through the keys so far is cheaper than any
    // index; the key limit keeps it so for a hostile file.
    bool key(std::string& key) {
        Frame& top = open_.back();
        Json::object_t& object = top.container->get_ref<Json::object_t&>();
        top.key = std::move(key);
        for (const auto& [existing, value] : object) {
            if (existing == top.key) return refuse(place(), "the key stands twice");
        }
        if (object.size() >= limits_.maxObjectKeys)
            return refuse(place(), "more keys in one object than a form holds");
        return true;
    }

    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& error) {
        // The parser's message names the line and column of the fault.
        return refuse("", std::string("not JSON: ") + error.what());
    }

private:
    struct Frame {
        Json* container;
        std::string key;  // of the value to come, in an object
    };

    // Where the value to come goes: the keys and element numbers of the open containers.
    std::string place() const {
        std::string path;
        for (const Frame& frame : open_) {
            if (frame.container->is_array()) {
                // An outer list already holds the element being read; the innermost one
                // not yet.
                const std::size_t index =
                    frame.container->size() - (&frame == &open_.back() ? 0 : 1);
                path += "[" + std::to_string(index) + "]";
            } else {
                if (!path.empty()) path += '.';
                path += frame.key;
            }
        }
        return path;
    }

    template <typename Value>
    bool added(Value&& value) {
        add(std::forward<Value>(value));
        return true;
    }

    template <typename Value>
    Json* add(Value&& value) {
        if (open_.empty()) {
            root_ = Json(std::forward<Value>(value));
            return &root_;
        }
        Frame& top = open_.back();
        if (top.container->is_array()) {
            auto& array = top.container->get_ref<Json::array_t&>();
            return &array.emplace_back(std::forward<Value>(value));
        }
        // The key was checked when it came; the map's own insert would search again.
        auto& entries = static_cast<std::vector<std::pair<const std::string, Json>>&>(
            top.container->get_ref<Json::object_t&>());
        return &entries.emplace_back(top.key, std::forward<Value>(value)).second;
    }

    bool open(Json::value_t type) {
        if (static_cast<int>(open_.size()) >= limits_.maxDepth)
            return refuse("", "the file nests deeper than a form does");
        Json* container = add(Json(type));
        open_.push_back({container, {}});
        return true;
    }

    bool close() {
        open_.pop_back();
        return true;
    }

    [[noreturn]] bool refuse(const std::string& place, const std::string& reason) const {
        throw FormFileError(file_, place, reason);
    }

    const std::string& file_;
    const StrictJsonLimits& limits_;
    Json root_;
    std::vector<Frame> open_;
};

}  // namespace

Json parseStrictJson(std::string_view text, const std::string& file,
                     const StrictJsonLimits& limits) {
    StrictBuilder builder(file, limits);
    Json::sax_parse(text.begin(), text.end(), &builder);
    return builder.take();
}

}  // namespace quelta
