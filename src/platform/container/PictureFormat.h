#pragma once
// Recognition of picture files by their headers: bitmaps (.bmp), icons (.ico) and cursors
// (.cur). Only what a picture object needs is read (kind, size in pixels, a cursor's hot
// spot), and every size and offset in the file is checked against the file's real length
// before it is believed, so that a damaged or hostile file is refused, never trusted.

#include <cstdint>
#include <functional>
#include <vector>

namespace quelta {

enum class PictureKind { None, Bitmap, Icon, Cursor };

struct PictureInfo {
    PictureKind kind = PictureKind::None;
    std::int32_t widthPixels = 0;
    std::int32_t heightPixels = 0;
    std::int32_t hotspotX = 0;  // cursors only
    std::int32_t hotspotY = 0;

    bool operator==(const PictureInfo&) const = default;
};

// Random access to the bytes of a file of a known size. read() returns fewer bytes than
// asked (possibly none) where the file ends.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t size() const = 0;
    virtual std::vector<std::uint8_t> read(std::uint64_t offset, std::size_t length) const = 0;
};

class MemoryByteSource : public ByteSource {
public:
    explicit MemoryByteSource(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
    std::uint64_t size() const override { return bytes_.size(); }
    std::vector<std::uint8_t> read(std::uint64_t offset, std::size_t length) const override;

private:
    std::vector<std::uint8_t> bytes_;
};

// The picture the bytes hold; error 481 when they are not a bitmap, icon or cursor, or when
// the headers claim more data than the file has. Icons and cursors are described by the
// first image of their directory, as that is the one shown.
PictureInfo readPictureInfo(const ByteSource& source);

}  // namespace quelta
