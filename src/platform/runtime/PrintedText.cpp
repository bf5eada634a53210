#include "platform/runtime/PrintedText.h"

namespace quelta {

String printedText(const Variant& value) {
    if (value.isNull()) return u"Null";
    return value.toString();
}

}  // namespace quelta
