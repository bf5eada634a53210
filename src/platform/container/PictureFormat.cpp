#include "platform/container/PictureFormat.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>

#include "platform/AutomationError.h"

namespace quelta {

namespace {

constexpr std::size_t kBitmapFileHeaderSize = 14;
constexpr std::size_t kLargestInfoHeaderSize = 124;
constexpr std::size_t kIconDirectorySize = 6;
constexpr std::size_t kIconEntrySize = 16;
constexpr std::size_t kImageHeaderProbe = 24;
constexpr std::uint16_t kIconResource = 1;
constexpr std::uint16_t kCursorResource = 2;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kRunLength8 = 1;
constexpr std::uint32_t kRunLength4 = 2;
constexpr std::uint32_t kBitFields = 3;
constexpr std::uint32_t kAlphaBitFields = 6;
constexpr std::array<std::uint8_t, 8> kPngSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

[[noreturn]] void invalidPicture() {
    raiseError(kErrInvalidPicture);
}

// Reads little- and big-endian fields of a block; a field past the end of the block means
// the file is shorter than its headers say.
class Fields {
public:
    explicit Fields(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}

    std::uint8_t u8(std::size_t at) const { return bytes_[checked(at, 1)]; }
    std::uint16_t u16(std::size_t at) const {
        checked(at, 2);
        return static_cast<std::uint16_t>(bytes_[at] | bytes_[at + 1] << 8);
    }
    std::uint32_t u32(std::size_t at) const {
        checked(at, 4);
        return static_cast<std::uint32_t>(bytes_[at]) | bytes_[at + 1] << 8 | bytes_[at + 2] << 16 |
               static_cast<std::uint32_t>(bytes_[at + 3]) << 24;
    }
    std::int32_t i32(std::size_t at) const { return static_cast<std::int32_t>(u32(at)); }
    std::uint32_t u32BigEndian(std::size_t at) const {
        checked(at, 4);
        return static_cast<std::uint32_t>(bytes_[at]) << 24 | bytes_[at + 1] << 16 |
               bytes_[at + 2] << 8 | bytes_[at + 3];
    }
    bool startsWith(const std::array<std::uint8_t, 8>& prefix) const {
        return bytes_.size() >= prefix.size() &&
               std::equal(prefix.begin(), prefix.end(), bytes_.begin());
    }

private:
    std::size_t checked(std::size_t at, std::size_t length) const {
        if (at > bytes_.size() || bytes_.size() - at < length) invalidPicture();
        return at;
    }

    const std::vector<std::uint8_t>& bytes_;
};

bool validBitCount(std::uint16_t bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

bool validInfoHeaderSize(std::uint32_t size) {
    return size == kCoreHeaderSize || size == 40 || size == 52 || size == 56 || size == 64 ||
           size == 108 || size == kLargestInfoHeaderSize;
}

struct BitmapHeader {
    std::int64_t width = 0;
    std::int64_t height = 0;  // negative for a top-down bitmap
    std::uint16_t planes = 0;
    std::uint16_t bitCount = 0;
    std::uint32_t compression = kUncompressed;
};

// The core header of old bitmaps has 16-bit sizes; every later one 32-bit signed sizes.
BitmapHeader readBitmapHeader(const Fields& fields, std::size_t at, std::uint32_t headerSize) {
    BitmapHeader header;
    if (headerSize == kCoreHeaderSize) {
        header.width = fields.u16(at + 4);
        header.height = fields.u16(at + 6);
        header.planes = fields.u16(at + 8);
        header.bitCount = fields.u16(at + 10);
        return header;
    }
    header.width = fields.i32(at + 4);
    header.height = fields.i32(at + 8);
    header.planes = fields.u16(at + 12);
    header.bitCount = fields.u16(at + 14);
    header.compression = fields.u32(at + 16);
    return header;
}

// The pixel rows must fit between the data offset and the end of the file.
void checkPixelData(const BitmapHeader& header, std::uint64_t dataOffset, std::uint64_t fileSize) {
    if (dataOffset >= fileSize) invalidPicture();
    const std::uint64_t available = fileSize - dataOffset;
    switch (header.compression) {
        case kUncompressed:
        case kBitFields:
        case kAlphaBitFields: {
            const std::uint64_t rowBits =
                static_cast<std::uint64_t>(header.width) * header.bitCount;
            const std::uint64_t stride = (rowBits + 31) / 32 * 4;
            const std::uint64_t rows = static_cast<std::uint64_t>(std::abs(header.height));
            if (rows > available / stride) invalidPicture();
            return;
        }
        case kRunLength8:
            if (header.bitCount != 8) invalidPicture();
            return;
        case kRunLength4:
            if (header.bitCount != 4) invalidPicture();
            return;
        default:
            invalidPicture();  // embedded JPEG or PNG and unknown methods are not read
    }
}

PictureInfo readBitmap(const ByteSource& source) {
    const std::vector<std::uint8_t> head =
        source.read(0, kBitmapFileHeaderSize + kLargestInfoHeaderSize);
    const Fields fields(head);
    const std::uint32_t dataOffset = fields.u32(10);
    const std::uint32_t headerSize = fields.u32(kBitmapFileHeaderSize);
    if (!validInfoHeaderSize(headerSize)) invalidPicture();
    const BitmapHeader header = readBitmapHeader(fields, kBitmapFileHeaderSize, headerSize);
    const std::int64_t maxSize = std::numeric_limits<std::int32_t>::max();
    if (header.planes != 1 || !validBitCount(header.bitCount) || header.width <= 0 ||
        header.height == 0 || header.height < -maxSize) {
        invalidPicture();
    }
    if (dataOffset < kBitmapFileHeaderSize + headerSize) invalidPicture();
    checkPixelData(header, dataOffset, source.size());
    return PictureInfo{PictureKind::Bitmap, static_cast<std::int32_t>(header.width),
                       static_cast<std::int32_t>(std::abs(header.height)), 0, 0};
}

struct IconEntry {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t planesOrHotspotX = 0;
    std::uint16_t bitCountOrHotspotY = 0;
    std::uint32_t length = 0;
    std::uint32_t offset = 0;
};

IconEntry readIconEntry(const Fields& fields, std::size_t at) {
    IconEntry entry;
    entry.width = fields.u8(at) == 0 ? 256 : fields.u8(at);  // 0 stands for 256
    entry.height = fields.u8(at + 1) == 0 ? 256 : fields.u8(at + 1);
    entry.planesOrHotspotX = fields.u16(at + 4);
    entry.bitCountOrHotspotY = fields.u16(at + 6);
    entry.length = fields.u32(at + 8);
    entry.offset = fields.u32(at + 12);
    return entry;
}

// Every image of the directory must lie inside the file, after the directory.
std::vector<IconEntry> readIconDirectory(const ByteSource& source, std::uint16_t count) {
    const std::size_t directoryLength = kIconEntrySize * count;
    const std::vector<std::uint8_t> block = source.read(kIconDirectorySize, directoryLength);
    const Fields fields(block);
    const std::uint64_t directoryEnd = kIconDirectorySize + directoryLength;
    std::vector<IconEntry> entries;
    for (std::size_t i = 0; i < count; ++i) {
        const IconEntry entry = readIconEntry(fields, i * kIconEntrySize);
        if (entry.length == 0 || entry.offset < directoryEnd ||
            std::uint64_t{entry.offset} + entry.length > source.size()) {
            invalidPicture();
        }
        entries.push_back(entry);
    }
    return entries;
}

// An icon image is a PNG stream (whose header gives the true size) or a bitmap without
// file header (whose size the directory gives).
void readIconImage(const ByteSource& source, const IconEntry& entry, PictureInfo& info) {
    const std::vector<std::uint8_t> probe = source.read(entry.offset, kImageHeaderProbe);
    const Fields fields(probe);
    if (fields.startsWith(kPngSignature)) {
        constexpr std::uint32_t kHeaderChunk = 0x49484452;  // "IHDR"
        const std::uint32_t width = fields.u32BigEndian(16);
        const std::uint32_t height = fields.u32BigEndian(20);
        const std::uint32_t maxSize = std::numeric_limits<std::int32_t>::max();
        if (fields.u32BigEndian(12) != kHeaderChunk || width == 0 || height == 0 ||
            width > maxSize || height > maxSize) {
            invalidPicture();
        }
        info.widthPixels = static_cast<std::int32_t>(width);
        info.heightPixels = static_cast<std::int32_t>(height);
        return;
    }
    if (fields.u32(0) != kInfoHeaderSize || fields.u16(12) != 1 || !validBitCount(fields.u16(14))) {
        invalidPicture();
    }
}

PictureInfo readIconOrCursor(const ByteSource& source, std::uint16_t resourceType) {
    const std::vector<std::uint8_t> head = source.read(0, kIconDirectorySize);
    const std::uint16_t count = Fields(head).u16(4);
    if (count == 0) invalidPicture();
    const std::vector<IconEntry> entries = readIconDirectory(source, count);
    const IconEntry& first = entries.front();
    PictureInfo info;
    info.kind = resourceType == kCursorResource ? PictureKind::Cursor : PictureKind::Icon;
    info.widthPixels = first.width;
    info.heightPixels = first.height;
    if (info.kind == PictureKind::Cursor) {
        info.hotspotX = first.planesOrHotspotX;
        info.hotspotY = first.bitCountOrHotspotY;
    }
    readIconImage(source, first, info);
    return info;
}

}  // namespace

std::vector<std::uint8_t> MemoryByteSource::read(std::uint64_t offset, std::size_t length) const {
    if (offset >= bytes_.size()) return {};
    const std::size_t start = static_cast<std::size_t>(offset);
    const std::size_t end = start + std::min(length, bytes_.size() - start);
    return std::vector<std::uint8_t>(bytes_.begin() + start, bytes_.begin() + end);
}

PictureInfo readPictureInfo(const ByteSource& source) {
    const std::vector<std::uint8_t> head = source.read(0, 4);
    if (head.size() < 4) invalidPicture();
    if (head[0] == 'B' && head[1] == 'M') return readBitmap(source);
    const std::uint16_t reserved = static_cast<std::uint16_t>(head[0] | head[1] << 8);
    const std::uint16_t type = static_cast<std::uint16_t>(head[2] | head[3] << 8);
    if (reserved == 0 && (type == kIconResource || type == kCursorResource)) {
        return readIconOrCursor(source, type);
    }
    invalidPicture();
}

}  // namespace quelta
