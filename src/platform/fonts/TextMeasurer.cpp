#include "platform/fonts/TextMeasurer.h"

#include <cmath>

#include "platform/AutomationError.h"
#include "platform/fonts/FreeTypeTextMeasurer.h"

namespace quelta {

namespace {

constexpr double kDefaultTwipsPerPixel = 15.0;

struct ThreadScreen {
    std::shared_ptr<const TextMeasurer> hostMeasurer;
    double twipsPerPixelX = kDefaultTwipsPerPixel;
    double twipsPerPixelY = kDefaultTwipsPerPixel;
};

ThreadScreen& threadScreen() {
    thread_local ThreadScreen screen;
    return screen;
}

const TextMeasurer& defaultMeasurer() {
    static const FreeTypeTextMeasurer measurer;  // stateless: its caches are per thread
    return measurer;
}

bool validTwipsPerPixel(double value) {
    return std::isfinite(value) && value > 0.0;
}

}  // namespace

const TextMeasurer& textMeasurer() {
    const auto& host = threadScreen().hostMeasurer;
    return host ? *host : defaultMeasurer();
}

void setTextMeasurer(std::shared_ptr<const TextMeasurer> measurer) {
    threadScreen().hostMeasurer = std::move(measurer);
}

double twipsPerPixelX() {
    return threadScreen().twipsPerPixelX;
}
double twipsPerPixelY() {
    return threadScreen().twipsPerPixelY;
}

void setTwipsPerPixel(double x, double y) {
    // A zero, negative or non-finite scale would turn every pixel length into nonsense.
    if (!validTwipsPerPixel(x) || !validTwipsPerPixel(y)) raiseError(kErrInvalidPropertyValue);
    threadScreen().twipsPerPixelX = x;
    threadScreen().twipsPerPixelY = y;
}

}  // namespace quelta
