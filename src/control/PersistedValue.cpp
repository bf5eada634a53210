#include "control/PersistedValue.h"

#include <memory>

#include "platform/container/Picture.h"
#include "platform/fonts/Font.h"

namespace quelta {
namespace {

// An object of the given kind, or Nothing; error 13 for a value that is another kind of
// object or no object at all.
template <typename Object>
std::shared_ptr<Object> objectOfKind(const Variant& value) {
    ObjectRef object = value.toObject();
    if (!object) return nullptr;
    auto typed = std::dynamic_pointer_cast<Object>(object);
    if (!typed) raiseError(kErrTypeMismatch);
    return typed;
}

// A picture never changes, so every control without an icon holds the same empty one.
const std::shared_ptr<Picture>& noPicture() {
    static const auto none = std::make_shared<Picture>();
    return none;
}

}  // namespace

Variant fromSavedForm(ValueType type, const Variant& saved) {
    switch (type) {
        case ValueType::Boolean:
            return Variant(saved.toBoolean());
        case ValueType::Integer:
        case ValueType::Enumeration:
            return Variant(saved.toInteger());
        case ValueType::Long:
        case ValueType::Color:
            return Variant(saved.toLong());
        case ValueType::Single:
            return Variant(saved.toSingle());
        case ValueType::String:
            return Variant(saved.toString());
        case ValueType::Font:
            return Variant(ObjectRef(objectOfKind<Font>(saved)));
        case ValueType::Picture: {
            std::shared_ptr<Picture> picture = objectOfKind<Picture>(saved);
            return Variant(ObjectRef(picture ? picture : noPicture()));
        }
        case ValueType::DataObject:
        case ValueType::None:
            break;
    }
    raiseError(kErrTypeMismatch);  // no saved form holds such a value
}

Variant toSavedForm(ValueType type, Variant stored) {
    if (type == ValueType::Boolean) return Variant::boolean(isTrue(stored.toInteger()));
    if (type == ValueType::Picture) {
        auto picture = stored.objectAs<Picture>();
        if (picture && picture->empty()) return Variant::nothing();
    }
    return stored;
}

Variant savedDefault(ValueType type, const DefaultValue& value, const ControlContainer& container) {
    switch (value.kind) {
        case DefaultValue::Kind::Number:
            if (type == ValueType::Boolean) return Variant::boolean(value.number != 0);
            return Variant(static_cast<std::int32_t>(value.number));
        case DefaultValue::Kind::Text:
            return Variant(value.text);
        case DefaultValue::Kind::AmbientFont:
            return Variant(ObjectRef(container.ambientFont()));
        case DefaultValue::Kind::NoPicture:
        case DefaultValue::Kind::None:
            break;
    }
    return Variant::nothing();
}

}  // namespace quelta
