// Any bytes as a form file: no crash and no hang; what loads saves to a file that loads
// again, and saving settles: from the second save on, a form saves to the same text.
// (The first round may still change a stored text, as each control normalizes what it
// holds: a number that does not convert is emptied, and an empty number then becomes 0.)
//
// A settled file carried into another region and back keeps every value: the numbers and
// dates are respelled on the way, never changed. Each region runs on a thread of its own,
// as controls fix their notation once per thread. And a settled file with any one of its
// keys written twice is refused.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "form/Form.h"
#include "form/FormFile.h"
#include "platform/region/PlatformClock.h"
#include "platform/region/RegionalSettings.h"

namespace {

using namespace quelta;

constexpr const char* kRegions[] = {"en-US", "fr-FR", "ja-JP", "de-DE"};

// The text a form file saves to after a load in the region; nothing when it is refused.
std::optional<std::string> savedIn(const char* region, std::string_view text) {
    std::optional<std::string> saved;
    std::thread([&] {
        selectRegion(region);
        pinClock(37057.4375);  // 15 June 2001: completions do not move with the day
        Form form;
        try {
            form.replaceWith(parseFormFile(text, "fuzz.json"), "fuzz.json");
            saved = form.fileText();
            // Written control by control, the text is the one of the whole stored form.
            if (*saved != formFileText(form.store())) std::abort();
        } catch (const FormFileError&) {
        }
    }).join();
    return saved;
}

std::string mustSaveIn(const char* region, std::string_view text) {
    std::optional<std::string> saved = savedIn(region, text);
    if (!saved) std::abort();  // a saved form was refused
    return *saved;
}

// The text with the line of one key-value pair written twice; the file as it is when it
// has no such line.
std::string withKeyTwice(const std::string& text, std::size_t choice) {
    std::size_t lines = 0;
    for (std::size_t at = text.find("\": "); at != std::string::npos;
         at = text.find("\": ", at + 1))
        ++lines;
    if (lines == 0) return text;
    std::size_t at = text.find("\": ");
    for (std::size_t k = choice % lines; k > 0; --k)
        at = text.find("\": ", at + 1);
    const std::size_t start = text.rfind('\n', at) + 1;
    const std::size_t end = text.find('\n', at);
    std::string line = text.substr(start, end - start);
    if (!line.ends_with(',')) line += ',';
    return text.substr(0, start) + line + "\n" + text.substr(start);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<std::string> first = savedIn("de-DE", text);
    if (!first) return 0;
    const std::string settled = mustSaveIn("de-DE", *first);
    if (mustSaveIn("de-DE", settled) != settled) std::abort();

    const char* elsewhere = kRegions[size % std::size(kRegions)];
    if (mustSaveIn("de-DE", mustSaveIn(elsewhere, settled)) != settled) std::abort();

    const std::string doubled = withKeyTwice(settled, size / std::size(kRegions));
    if (doubled != settled && savedIn("de-DE", doubled)) std::abort();
    return 0;
}
