#pragma once
// The platform clipboard as the edit boxes use it: text only, one per thread, so that tests
// and hosts on different threads never see each other's copies. A host with a clipboard of
// its own (a toolkit's, shared with other applications) installs it as the thread's
// backend; without one the clipboard lives in the thread alone.

#include <memory>

#include "platform/String.h"

namespace quelta {

bool clipboardHasText();
String clipboardText();  // empty when the clipboard holds nothing
void setClipboardText(String text);
void clearClipboard();

class ClipboardBackend {
public:
    virtual ~ClipboardBackend() = default;
    virtual bool hasText() const = 0;
    virtual String text() const = 0;
    virtual void setText(String text) = 0;
    virtual void clear() = 0;
};

// Null returns the thread to its own clipboard, empty.
void setClipboardBackend(std::shared_ptr<ClipboardBackend> backend);

}  // namespace quelta
