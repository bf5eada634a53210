#include "platform/pages/PageWidget.h"

namespace quelta {

char16_t accessKeyOf(StringView caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&') continue;
        if (caption[i + 1] != u'&') return caption[i + 1];
        ++i;  // "&&": a literal ampersand, not a marker
    }
    return 0;
}

}  // namespace quelta
