#include "platform/pages/WidgetSet.h"

#include <algorithm>

#include "platform/pages/StaticWidgets.h"

namespace quelta {

PageWidget& WidgetSet::widget(StringView name) const {
    for (const auto& widget : widgets_) {
        if (equalsIgnoringAsciiCase(widget->name(), name)) return *widget;
    }
    raiseError(kErrNotSupported);
}

std::vector<PageWidget*> WidgetSet::inTabOrder() const {
    std::vector<PageWidget*> ordered;
    for (const auto& widget : widgets_)
        ordered.push_back(widget.get());
    std::stable_sort(ordered.begin(), ordered.end(), [](const PageWidget* a, const PageWidget* b) {
        return a->tabIndex() < b->tabIndex();
    });
    return ordered;
}

PageWidget* WidgetSet::accessKeyTarget(char16_t key) const {
    const std::vector<PageWidget*> ordered = inTabOrder();
    for (std::size_t i = 0; i < ordered.size(); ++i) {
        if (asciiLower(ordered[i]->accessKey()) != asciiLower(key) || key == 0) continue;
        const bool isLabel = dynamic_cast<const PageLabel*>(ordered[i]) != nullptr;
        if (!isLabel) return ordered[i];
        return i + 1 < ordered.size() ? ordered[i + 1] : nullptr;
    }
    return nullptr;
}

}  // namespace quelta
