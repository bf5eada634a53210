#pragma once
// Resolution of a font's name and style to a font file, through fontconfig. A name that
// fontconfig does not know resolves to its default face, so a form written on another
// machine still measures and draws.

#include <optional>
#include <string>

#include "platform/String.h"

namespace quelta {

struct FontFileRequest {
    String family;
    int weight = 400;  // 1..1000, as the font object keeps it
    bool italic = false;
};

struct FontFile {
    std::string path;
    int faceIndex = 0;
    // The matched face is lighter than asked and should be emboldened synthetically.
    bool embolden = false;

    bool operator==(const FontFile&) const = default;
};

// The best font file for the request; nullopt only when fontconfig knows no font at all.
std::optional<FontFile> matchFontFile(const FontFileRequest& request);

}  // namespace quelta
