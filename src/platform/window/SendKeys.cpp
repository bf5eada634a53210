#include "platform/window/SendKeys.h"

namespace quelta {

void sendKeys(StringView keys) {
    // Parsing first means that a malformed text leaves the queue as it was.
    for (const KeyInput& input : parseKeys(keys))
        postKeyInput(input);
}

}  // namespace quelta
