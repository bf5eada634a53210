#pragma once
// The platform clipboard of a thread that hosts Qt widgets: the application's clipboard
// (QGuiApplication::clipboard()), so that a copy in a Quelta field pastes into any other
// widget or application and back. Text only, as the edit boxes use it.

#include "platform/window/Clipboard.h"

namespace quelta::qt {

class QtClipboard : public ClipboardBackend {
public:
    bool hasText() const override;
    String text() const override;
    void setText(String text) override;
    void clear() override;
};

}  // namespace quelta::qt
