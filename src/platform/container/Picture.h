#pragma once
// The platform's picture object, as the edit box's MouseIcon holds it: an icon, a cursor,
// a bitmap, or no picture at all. Like the font it is shared by reference.
//
// Width and Height are in HIMETRIC (hundredths of a millimetre), as the platform's pictures
// report them, converted from pixels with the thread's twips per pixel (1 inch = 1440 twips
// = 2540 HIMETRIC); the pixel sizes are available too.

#include <cstdint>
#include <memory>

#include "platform/String.h"
#include "platform/container/PictureFormat.h"
#include "platform/runtime/Variant.h"

namespace quelta {

class Picture : public AutomationObject {
public:
    // The platform's picture type numbers; a cursor reports itself as an icon.
    static constexpr std::int16_t kTypeNone = 0;
    static constexpr std::int16_t kTypeBitmap = 1;
    static constexpr std::int16_t kTypeIcon = 3;

    Picture() = default;  // no picture
    // `source` is the file the picture was loaded from, so that a saved form can name it.
    explicit Picture(const PictureInfo& info, String source = {});

    PictureKind kind() const { return info_.kind; }
    bool empty() const { return info_.kind == PictureKind::None; }
    std::int16_t type() const;
    std::int32_t widthPixels() const { return info_.widthPixels; }
    std::int32_t heightPixels() const { return info_.heightPixels; }
    std::int32_t width() const;                               // HIMETRIC
    std::int32_t height() const;                              // HIMETRIC
    std::int32_t hotspotX() const { return info_.hotspotX; }  // cursors; 0 otherwise
    std::int32_t hotspotY() const { return info_.hotspotY; }
    // A number that tells loaded pictures apart; 0 for no picture.
    std::int32_t handle() const { return handle_; }
    const String& source() const { return source_; }

    Variant defaultValue() const override { return handle_; }  // the default member is Handle

private:
    PictureInfo info_;
    std::int32_t handle_ = 0;
    String source_;
};

using PictureRef = std::shared_ptr<Picture>;

// Loads an icon (.ico), cursor (.cur) or bitmap (.bmp), recognised by its contents, not its
// name. An empty path gives no picture. Errors: 53 when the file does not exist, 75 when it
// cannot be read (a folder, no permission), 481 when it is not a picture of these kinds or
// is damaged.
PictureRef loadPicture(StringView path);

}  // namespace quelta
