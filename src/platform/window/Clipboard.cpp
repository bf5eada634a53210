#include "platform/window/Clipboard.h"

#include <optional>

namespace quelta {
namespace {

class ThreadClipboard : public ClipboardBackend {
public:
    bool hasText() const override { return text_.has_value(); }
    String text() const override { return text_.value_or(String()); }
    void setText(String text) override { text_ = std::move(text); }
    void clear() override { text_.reset(); }

private:
    std::optional<String> text_;
};

std::shared_ptr<ClipboardBackend>& threadClipboard() {
    thread_local std::shared_ptr<ClipboardBackend> clipboard = std::make_shared<ThreadClipboard>();
    return clipboard;
}

}  // namespace

bool clipboardHasText() {
    return threadClipboard()->hasText();
}

String clipboardText() {
    return threadClipboard()->text();
}

void setClipboardText(String text) {
    threadClipboard()->setText(std::move(text));
}

void clearClipboard() {
    threadClipboard()->clear();
}

void setClipboardBackend(std::shared_ptr<ClipboardBackend> backend) {
    threadClipboard() = backend ? std::move(backend) : std::make_shared<ThreadClipboard>();
}

}  // namespace quelta
