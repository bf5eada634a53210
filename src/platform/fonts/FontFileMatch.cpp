#include "platform/fonts/FontFileMatch.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <memory>

namespace quelta {

namespace {

struct PatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

Pattern requestPattern(const FontFileRequest& request) {
    Pattern pattern(FcPatternCreate());
    if (!pattern) return pattern;
    // Fontconfig reads names as NUL-terminated UTF-8: a name with an embedded NUL is cut
    // there, which only makes the match fall back sooner.
    const std::string family = toUtf8(request.family);
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    const int weight = std::clamp(request.weight, 1, 1000);
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, FcWeightFromOpenType(weight));
    FcPatternAddInteger(pattern.get(), FC_SLANT, request.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    return pattern;
}

std::optional<FontFile> fontFileOf(const FcPattern* match) {
    FcChar8* file = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &file) != FcResultMatch || !file) {
        return std::nullopt;
    }
    FontFile result;
    result.path = reinterpret_cast<const char*>(file);
    int index = 0;
    if (FcPatternGetInteger(match, FC_INDEX, 0, &index) == FcResultMatch) {
        result.faceIndex = index;
    }
    FcBool embolden = FcFalse;
    if (FcPatternGetBool(match, FC_EMBOLDEN, 0, &embolden) == FcResultMatch) {
        result.embolden = embolden == FcTrue;
    }
    return result;
}

// Fontconfig keeps its configuration for the life of the process; releasing it at exit keeps
// leak checkers to the leaks that are real. Every thread that matched fonts has ended by then.
class FontconfigSession {
public:
    FontconfigSession() : ready_(FcInit() == FcTrue) {}
    ~FontconfigSession() {
        if (ready_) FcFini();
    }
    FontconfigSession(const FontconfigSession&) = delete;
    FontconfigSession& operator=(const FontconfigSession&) = delete;
    bool ready() const { return ready_; }

private:
    bool ready_;
};

bool fontconfigReady() {
    static const FontconfigSession session;
    return session.ready();
}

}  // namespace

std::optional<FontFile> matchFontFile(const FontFileRequest& request) {
    if (!fontconfigReady()) return std::nullopt;
    Pattern pattern = requestPattern(request);
    if (!pattern) return std::nullopt;
    FcResult result = FcResultNoMatch;
    Pattern match(FcFontMatch(nullptr, pattern.get(), &result));
    if (!match) return std::nullopt;
    return fontFileOf(match.get());
}

}  // namespace quelta
