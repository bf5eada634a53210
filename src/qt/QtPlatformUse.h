#pragma once
// The platform services Qt provides on a thread while something uses them: Qt's measure of
// text (QtTextMeasurer), the screen's twips per pixel, the application's beep and its
// clipboard (QtClipboard). The first
// use on a thread installs them, the end of the last one restores the platform's defaults.
// Every FieldWidget holds one; so does whatever starts controls for Qt widgets before
// a widget exists.

namespace quelta::qt {

class QtPlatformUse {
public:
    QtPlatformUse();
    ~QtPlatformUse();
    QtPlatformUse(const QtPlatformUse&) = delete;
    QtPlatformUse& operator=(const QtPlatformUse&) = delete;
};

}  // namespace quelta::qt
