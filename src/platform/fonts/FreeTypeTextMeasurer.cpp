#include "platform/fonts/FreeTypeTextMeasurer.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <unicode/utf16.h>

#include <array>
#include <cstdint>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "platform/fonts/Font.h"
#include "platform/fonts/FontFileMatch.h"

namespace quelta {

namespace {

constexpr double kTwipsPerPoint = 20.0;
// Used only when no face can be loaded: rough proportions of a sans-serif face.
constexpr double kFallbackAdvanceEm = 0.5;
constexpr double kFallbackLineEm = 1.2;
// The cache of resolved names is bounded so that a host trying endless names cannot grow
// it without end; the faces themselves are bounded by the fonts installed.
constexpr std::size_t kMaxResolvedNames = 1024;

struct GlyphMetrics {
    FT_UInt index = 0;
    FT_Pos advance = 0;  // in the face's units (see LoadedFace)
};

// One opened face and the advances read from it so far. Scalable faces are measured in
// design units (unitsPerEm per em); a bitmap-only face in 26.6 pixels of its first strike.
class LoadedFace {
public:
    LoadedFace(FT_Face face, bool embolden) : face_(face) {
        scalable_ = FT_IS_SCALABLE(face) != 0;
        if (scalable_) {
            unitsPerEm_ = face->units_per_EM;
            lineUnits_ = face->height > 0 ? face->height : face->ascender - face->descender;
            // Synthetic emboldening widens each advance by 1/24 em, as FreeType's does.
            emboldenUnits_ = embolden ? face->units_per_EM / 24 : 0;
        } else if (FT_Select_Size(face, 0) == 0) {
            unitsPerEm_ = face->size->metrics.y_ppem * 64.0;
            lineUnits_ = face->size->metrics.height;
        }
        kerning_ = scalable_ && FT_HAS_KERNING(face);
        loadFlags_ = scalable_ ? FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING : FT_LOAD_DEFAULT;
    }
    ~LoadedFace() { FT_Done_Face(face_); }
    LoadedFace(const LoadedFace&) = delete;
    LoadedFace& operator=(const LoadedFace&) = delete;

    bool usable() const { return unitsPerEm_ > 0; }
    double unitsPerEm() const { return unitsPerEm_; }
    double lineUnits() const { return lineUnits_; }

    // Sum of advances and kerning of the text, in the face's units.
    std::int64_t widthUnits(StringView text) {
        std::int64_t total = 0;
        char32_t previousCharacter = 0;
        FT_UInt previous = 0;
        for (std::size_t i = 0; i < text.size();) {
            UChar32 codePoint = 0;
            U16_NEXT(text.data(), i, text.size(), codePoint);
            const auto character = static_cast<char32_t>(codePoint);
            const GlyphMetrics& glyph = glyphFor(character);
            total += glyph.advance + kerning(previousCharacter, previous, character, glyph.index);
            previousCharacter = character;
            previous = glyph.index;
        }
        return total;
    }

private:
    // Latin-1 is what forms mostly hold: it is kept in a table, the rest in a map.
    const GlyphMetrics& glyphFor(char32_t codePoint) {
        if (codePoint < kTableSize) {
            std::optional<GlyphMetrics>& slot = table_[codePoint];
            if (!slot) slot = readGlyph(codePoint);
            return *slot;
        }
        auto found = glyphs_.find(codePoint);
        if (found != glyphs_.end()) return found->second;
        return glyphs_.emplace(codePoint, readGlyph(codePoint)).first->second;
    }

    // A missing character maps to glyph 0, the face's replacement glyph.
    GlyphMetrics readGlyph(char32_t codePoint) {
        GlyphMetrics metrics;
        metrics.index = FT_Get_Char_Index(face_, codePoint);
        metrics.advance = advanceOf(metrics.index);
        return metrics;
    }

    FT_Pos advanceOf(FT_UInt glyphIndex) {
        if (FT_Load_Glyph(face_, glyphIndex, loadFlags_) != 0) return 0;
        const FT_Pos advance = face_->glyph->advance.x;
        return advance != 0 ? advance + emboldenUnits_ : 0;
    }

    // Kerning lookups cost more than the rest of a measurement, so the pairs of Latin-1
    // characters are remembered once asked.
    FT_Pos kerning(char32_t leftCharacter, FT_UInt left, char32_t rightCharacter, FT_UInt right) {
        if (!kerning_ || left == 0 || right == 0) return 0;
        if (leftCharacter >= kTableSize || rightCharacter >= kTableSize)
            return kerningBetween(left, right);
        if (kerningTable_.empty()) kerningTable_.assign(kTableSize * kTableSize, kUnknownKerning);
        std::int32_t& cached = kerningTable_[leftCharacter * kTableSize + rightCharacter];
        if (cached == kUnknownKerning)
            cached = static_cast<std::int32_t>(kerningBetween(left, right));
        return cached;
    }

    FT_Pos kerningBetween(FT_UInt left, FT_UInt right) const {
        if (!kerning_ || left == 0 || right == 0) return 0;
        FT_Vector delta{0, 0};
        if (FT_Get_Kerning(face_, left, right, FT_KERNING_UNSCALED, &delta) != 0) return 0;
        return delta.x;
    }

    FT_Face face_;
    bool scalable_ = false;
    bool kerning_ = false;
    FT_Int32 loadFlags_ = FT_LOAD_DEFAULT;
    double unitsPerEm_ = 0;
    double lineUnits_ = 0;
    FT_Pos emboldenUnits_ = 0;
    static constexpr char32_t kTableSize = 256;
    std::array<std::optional<GlyphMetrics>, kTableSize> table_{};
    std::unordered_map<char32_t, GlyphMetrics> glyphs_;
    static constexpr std::int32_t kUnknownKerning = std::numeric_limits<std::int32_t>::min();
    std::vector<std::int32_t> kerningTable_;  // kTableSize x kTableSize, filled on demand
};

// The faces one thread has opened. FreeType's library object must not be shared between
// threads, so each thread has its own; it is declared first so that it outlives the faces.
class ThreadFaces {
public:
    ThreadFaces() {
        if (FT_Init_FreeType(&library_) != 0) library_ = nullptr;
    }
    ~ThreadFaces() {
        resolved_.clear();
        files_.clear();
        if (library_) FT_Done_FreeType(library_);
    }
    ThreadFaces(const ThreadFaces&) = delete;
    ThreadFaces& operator=(const ThreadFaces&) = delete;

    // The face for the font's name and style, or null when none can be loaded.
    LoadedFace* faceFor(const Font& font) {
        // Consecutive measurements nearly always use the same font.
        if (last_ && std::get<0>(last_->first) == font.name() &&
            std::get<1>(last_->first) == font.weight() &&
            std::get<2>(last_->first) == font.italic()) {
            return last_->second;
        }
        NameKey key{font.name(), font.weight(), font.italic()};
        auto found = resolved_.find(key);
        if (found == resolved_.end()) {
            if (resolved_.size() >= kMaxResolvedNames) resolved_.clear();
            LoadedFace* face = resolve(FontFileRequest{font.name(), font.weight(), font.italic()});
            found = resolved_.emplace(std::move(key), face).first;
        }
        last_ = &*found;
        return found->second;
    }

private:
    using NameKey = std::tuple<String, int, bool>;
    using FileKey = std::tuple<std::string, int, bool>;

    LoadedFace* resolve(const FontFileRequest& request) {
        const std::optional<FontFile> file = matchFontFile(request);
        if (!file || !library_) return nullptr;
        FileKey key{file->path, file->faceIndex, file->embolden};
        auto found = files_.find(key);
        if (found != files_.end()) return found->second.get();
        std::unique_ptr<LoadedFace> face = open(*file);
        return files_.emplace(std::move(key), std::move(face)).first->second.get();
    }

    std::unique_ptr<LoadedFace> open(const FontFile& file) {
        FT_Face face = nullptr;
        if (FT_New_Face(library_, file.path.c_str(), file.faceIndex, &face) != 0) return nullptr;
        auto loaded = std::make_unique<LoadedFace>(face, file.embolden);
        if (!loaded->usable()) return nullptr;
        return loaded;
    }

    FT_Library library_ = nullptr;
    std::map<FileKey, std::unique_ptr<LoadedFace>> files_;
    std::map<NameKey, LoadedFace*> resolved_;
    const std::pair<const NameKey, LoadedFace*>* last_ = nullptr;  // an entry of resolved_
};

ThreadFaces& threadFaces() {
    thread_local ThreadFaces faces;
    return faces;
}

double twipsPerEm(const Font& font) {
    return static_cast<double>(font.size()) * kTwipsPerPoint;
}

}  // namespace

double FreeTypeTextMeasurer::textWidth(const Font& font, StringView text) const {
    if (text.empty()) return 0.0;
    LoadedFace* face = threadFaces().faceFor(font);
    if (!face) return static_cast<double>(text.size()) * kFallbackAdvanceEm * twipsPerEm(font);
    return static_cast<double>(face->widthUnits(text)) * twipsPerEm(font) / face->unitsPerEm();
}

double FreeTypeTextMeasurer::lineHeight(const Font& font) const {
    LoadedFace* face = threadFaces().faceFor(font);
    if (!face) return kFallbackLineEm * twipsPerEm(font);
    return face->lineUnits() * twipsPerEm(font) / face->unitsPerEm();
}

}  // namespace quelta
