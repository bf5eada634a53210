#pragma once
// The platform's label control, as the control uses it: a frame drawn behind the live edit
// box on platforms without a sunken client edge. A plain model: hosts draw it.

#include <cstdint>

namespace quelta {

using OleColor = std::uint32_t;  // top bit set: a system colour index

class Label {
public:
    enum BorderStyle : std::int16_t { kBorderNone = 0, kBorderFixedSingle = 1 };
    enum Appearance : std::int16_t { kAppearanceFlat = 0, kAppearance3D = 1 };

    // Lengths are twips, in single precision like every length of the platform's forms.
    float left() const { return left_; }
    float top() const { return top_; }
    float width() const { return width_; }
    float height() const { return height_; }
    void setLeft(float left);
    void setTop(float top);
    void setWidth(float width);    // negative or not finite: error 380, nothing changes
    void setHeight(float height);  // likewise
    // Sets all four at once; a refused value leaves all four as they were.
    void move(float left, float top, float width, float height);

    OleColor backColor() const { return backColor_; }
    void setBackColor(OleColor color) { backColor_ = color; }
    bool visible() const { return visible_; }
    void setVisible(bool visible) { visible_ = visible; }

    std::int16_t borderStyle() const { return borderStyle_; }
    void setBorderStyle(std::int16_t style);  // 0 or 1, else error 380
    std::int16_t appearance() const { return appearance_; }
    void setAppearance(std::int16_t appearance);  // 0 or 1, else error 380

private:
    float left_ = 0;
    float top_ = 0;
    float width_ = 0;
    float height_ = 0;
    OleColor backColor_ = 0x8000000F;  // button face, the platform label's default
    bool visible_ = true;
    std::int16_t borderStyle_ = kBorderNone;
    std::int16_t appearance_ = kAppearance3D;
};

}  // namespace quelta
