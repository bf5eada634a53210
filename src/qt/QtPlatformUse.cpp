#include "qt/QtPlatformUse.h"

#include <QApplication>
#include <QScreen>
#include <memory>

#include "platform/fonts/TextMeasurer.h"
#include "platform/window/Clipboard.h"
#include "platform/window/WindowSystem.h"
#include "qt/QtClipboard.h"
#include "qt/QtTextMeasurer.h"

namespace quelta::qt {
namespace {

thread_local int usesOnThread = 0;

constexpr double kTwipsPerInch = 1440;

}  // namespace

QtPlatformUse::QtPlatformUse() {
    if (usesOnThread++ > 0) return;
    setTextMeasurer(std::make_shared<QtTextMeasurer>());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        setTwipsPerPixel(kTwipsPerInch / screen->logicalDotsPerInchX(),
                         kTwipsPerInch / screen->logicalDotsPerInchY());
    }
    setBeepListener([] { QApplication::beep(); });
    setClipboardBackend(std::make_shared<QtClipboard>());
}

QtPlatformUse::~QtPlatformUse() {
    if (--usesOnThread > 0) return;
    setTextMeasurer(nullptr);
    setBeepListener(nullptr);
    setClipboardBackend(nullptr);
}

}  // namespace quelta::qt
