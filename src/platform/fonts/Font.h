#pragma once
// The platform's font object. It is shared by reference: every holder of the same Font
// sees a change made through any of them, which is how the edit box's Font shortcuts
// (FontBold, FontName, ...) change the font in place.

#include <cstdint>
#include <memory>

#include "platform/String.h"
#include "platform/runtime/Variant.h"

namespace quelta {

class Font : public AutomationObject {
public:
    Font() = default;
    Font(String name, float size);

    // A new font object with the same attributes (not shared with this one).
    std::shared_ptr<Font> clone() const { return std::make_shared<Font>(*this); }

    const String& name() const { return *name_; }
    float size() const { return size_; }  // points
    bool bold() const { return weight_ >= kBoldWeight; }
    bool italic() const { return italic_; }
    bool underline() const { return underline_; }
    bool strikethrough() const { return strikethrough_; }
    std::int16_t weight() const { return weight_; }
    std::int16_t charset() const { return charset_; }

    // An empty name and a size outside 1..2160 points are refused with error 380.
    void setName(String name);
    void setSize(float points);
    void setBold(bool bold) { change(weight_, bold ? kBoldWeight : kNormalWeight); }
    void setItalic(bool italic) { change(italic_, italic); }
    void setUnderline(bool underline) { change(underline_, underline); }
    void setStrikethrough(bool strikethrough) { change(strikethrough_, strikethrough); }
    void setWeight(std::int16_t weight);  // 1..1000, else error 380
    void setCharset(std::int16_t charset) { change(charset_, charset); }

    // Increases with every change, so that a cached measurement can tell it is stale.
    std::uint64_t revision() const { return revision_; }

    bool sameAttributes(const Font& other) const;

    Variant defaultValue() const override { return *name_; }  // the default member is Name

    static constexpr std::int16_t kNormalWeight = 400;
    static constexpr std::int16_t kBoldWeight = 700;

private:
    template <typename T>
    void change(T& field, T value) {
        if (field != value) {
            field = value;
            ++revision_;
        }
    }

    // Shared between copies, and with every font of the default name: a form holds a font per
    // control, nearly all with the same name, and a name is replaced, never changed in place.
    static const std::shared_ptr<const String>& defaultName();
    std::shared_ptr<const String> name_ = defaultName();
    float size_ = 8.25f;
    std::int16_t weight_ = kNormalWeight;
    bool italic_ = false;
    bool underline_ = false;
    bool strikethrough_ = false;
    std::int16_t charset_ = 0;
    std::uint64_t revision_ = 0;
};

using FontRef = std::shared_ptr<Font>;

}  // namespace quelta
