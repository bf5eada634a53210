#include "platform/window/Clipboard.h"

#include <optional>

namespace quelta {
namespace {

std::optional<String>& threadClipboard() {
    thread_local std::optional<String> clipboard;
    return clipboard;
}

}  // namespace

bool clipboardHasText() {
    return threadClipboard().has_value();
}

String clipboardText() {
    return threadClipboard().value_or(String());
}

void setClipboardText(String text) {
    threadClipboard() = std::move(text);
}

void clearClipboard() {
    threadClipboard().reset();
}

}  // namespace quelta
