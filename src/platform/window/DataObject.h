#pragma once
// The data object that travels with an OLE drag-and-drop operation: data by clipboard
// format, plus the names of dropped files.

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "platform/runtime/Variant.h"

namespace quelta {

// Clipboard formats a data object may carry.
inline constexpr std::int16_t kFormatText = 1;
inline constexpr std::int16_t kFormatBitmap = 2;
inline constexpr std::int16_t kFormatFiles = 15;
inline constexpr std::int16_t kFormatUnicodeText = 13;

class DataObject : public AutomationObject {
public:
    // The data stored in a format; error 13 when the object holds nothing in it.
    Variant getData(std::int16_t format) const;
    bool getFormat(std::int16_t format) const { return data_.count(format) != 0; }
    // Stores data; an Empty value declares the format without data yet (the source
    // supplies it on demand).
    void setData(const Variant& value, std::int16_t format);
    void clear() {
        data_.clear();
        files_.clear();
    }

    const std::vector<String>& files() const { return files_; }
    void addFile(String path);

    std::vector<std::int16_t> formats() const;

private:
    std::map<std::int16_t, Variant> data_;
    std::vector<String> files_;
};

using DataObjectRef = std::shared_ptr<DataObject>;

}  // namespace quelta
