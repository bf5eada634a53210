// Any bytes as a form file: no crash and no hang; a file that loads saves to a text that
// loads to the same controls, which save to the same text again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "host/Form.h"
#include "host/FormFile.h"
#include "platform/AutomationError.h"
#include "platform/region/RegionalSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quelta;
    static const bool region = [] {
        selectRegion("de-DE");
        return true;
    }();
    (void)region;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Form form;
    try {
        form.replaceWith(parseFormFile(text, "fuzz.json"), "fuzz.json");
    } catch (const FormFileError&) {
        return 0;
    }
    const std::string saved = formFileText(form.store());
    Form again;
    try {
        again.replaceWith(parseFormFile(saved, "saved.json"), "saved.json");
    } catch (const FormFileError&) {
        std::abort();  // what was saved must load
    }
    if (formFileText(again.store()) != saved) std::abort();
    return 0;
}
