#pragma once
// The platform clipboard as the edit boxes use it: text only, one per thread, so that tests
// and hosts on different threads never see each other's copies.

#include "platform/String.h"

namespace quelta {

bool clipboardHasText();
String clipboardText();  // empty when the clipboard holds nothing
void setClipboardText(String text);
void clearClipboard();

}  // namespace quelta
