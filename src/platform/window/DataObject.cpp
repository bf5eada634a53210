#include "platform/window/DataObject.h"

namespace quelta {

Variant DataObject::getData(std::int16_t format) const {
    auto entry = data_.find(format);
    if (entry == data_.end()) raiseError(kErrTypeMismatch);
    return entry->second;
}

void DataObject::setData(const Variant& value, std::int16_t format) {
    if (format == 0) raiseError(kErrInvalidProcedureCall);
    data_[format] = value;
}

void DataObject::addFile(String path) {
    files_.push_back(std::move(path));
    data_.emplace(kFormatFiles, Variant());
}

std::vector<std::int16_t> DataObject::formats() const {
    std::vector<std::int16_t> result;
    for (const auto& entry : data_)
        result.push_back(entry.first);
    return result;
}

}  // namespace quelta
