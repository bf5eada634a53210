// Any bytes as a form file: no crash and no hang; what loads saves to a file that loads
// again, and saving settles: from the second save on, a form saves to the same text.
// (The first round may still change a stored text, as each control normalizes what it
// holds: a number that does not convert is emptied, and an empty number then becomes 0.)
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "form/Form.h"
#include "form/FormFile.h"
#include "platform/region/RegionalSettings.h"

namespace {

using namespace quelta;

// The text a form file saves to after a load; aborts when a saved text is refused.
std::string resaved(std::string_view text) {
    Form form;
    try {
        form.replaceWith(parseFormFile(text, "saved.json"), "saved.json");
    } catch (const FormFileError&) {
        std::abort();
    }
    return formFileText(form.store());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool region = [] {
        selectRegion("de-DE");
        return true;
    }();
    (void)region;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string first;
    {
        Form form;
        try {
            form.replaceWith(parseFormFile(text, "fuzz.json"), "fuzz.json");
        } catch (const FormFileError&) {
            return 0;
        }
        first = formFileText(form.store());
    }
    const std::string second = resaved(first);
    if (resaved(second) != second) std::abort();
    return 0;
}
