#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "TestSupport.h"
#include "platform/AutomationError.h"
#include "platform/container/Picture.h"
#include "platform/fonts/TextMeasurer.h"

namespace quelta {
namespace {

using testing::errorNumberOf;

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& bytes, std::size_t at, std::uint16_t value) {
    if (bytes.size() < at + 2) bytes.resize(at + 2);
    bytes[at] = value & 0xFF;
    bytes[at + 1] = value >> 8;
}

void put32(Bytes& bytes, std::size_t at, std::uint32_t value) {
    put16(bytes, at, value & 0xFFFF);
    put16(bytes, at + 2, value >> 16);
}

// A bitmap with a 40-byte info header (or the 12-byte core header) and its pixel rows.
Bytes bitmapFile(std::int32_t width, std::int32_t height, std::uint16_t bits,
                 bool coreHeader = false) {
    const std::uint32_t headerSize = coreHeader ? 12 : 40;
    const std::uint32_t dataOffset = 14 + headerSize;
    const std::uint32_t stride = (static_cast<std::uint32_t>(width) * bits + 31) / 32 * 4;
    const std::uint32_t rows = static_cast<std::uint32_t>(height < 0 ? -height : height);
    Bytes bytes(dataOffset + stride * rows, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(bytes, 2, static_cast<std::uint32_t>(bytes.size()));
    put32(bytes, 10, dataOffset);
    put32(bytes, 14, headerSize);
    if (coreHeader) {
        put16(bytes, 18, static_cast<std::uint16_t>(width));
        put16(bytes, 20, static_cast<std::uint16_t>(height));
        put16(bytes, 22, 1);
        put16(bytes, 24, bits);
    } else {
        put32(bytes, 18, static_cast<std::uint32_t>(width));
        put32(bytes, 22, static_cast<std::uint32_t>(height));
        put16(bytes, 26, 1);
        put16(bytes, 28, bits);
    }
    return bytes;
}

// An icon (type 1) or cursor (type 2) with one image: a small bitmap without file header,
// or a PNG header when png is set.
Bytes iconFile(std::uint16_t type, std::uint8_t width, std::uint8_t height,
               std::uint16_t hotspotX = 0, std::uint16_t hotspotY = 0, bool png = false) {
    Bytes image;
    if (png) {
        image = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0,    0, 0, 13, 'I', 'H', 'D',
                 'R',  0,   0,   1,   0x2C, 0,    0,    0,    0x60, 8, 6, 0,  0,   0};  // 300 x 96
    } else {
        image.resize(40 + 64, 0);
        put32(image, 0, 40);
        put32(image, 4, width);
        put32(image, 8, height * 2u);
        put16(image, 12, 1);
        put16(image, 14, 4);
    }
    Bytes bytes(22, 0);
    put16(bytes, 2, type);
    put16(bytes, 4, 1);
    bytes[6] = width;
    bytes[7] = height;
    put16(bytes, 10, hotspotX);
    put16(bytes, 12, hotspotY);
    put32(bytes, 14, static_cast<std::uint32_t>(image.size()));
    put32(bytes, 18, 22);
    bytes.insert(bytes.end(), image.begin(), image.end());
    return bytes;
}

PictureInfo infoOf(Bytes bytes) {
    return readPictureInfo(MemoryByteSource(std::move(bytes)));
}

TEST(PictureFormatTest, RecognisesValidPictures) {
    struct Case {
        const char* name;
        Bytes bytes;
        PictureInfo expected;
    };
    const Case cases[] = {
        {"24-bit bitmap", bitmapFile(5, 3, 24), {PictureKind::Bitmap, 5, 3, 0, 0}},
        {"1-bit bitmap", bitmapFile(33, 2, 1), {PictureKind::Bitmap, 33, 2, 0, 0}},
        {"top-down bitmap", bitmapFile(4, -6, 32), {PictureKind::Bitmap, 4, 6, 0, 0}},
        {"core-header bitmap", bitmapFile(7, 7, 8, true), {PictureKind::Bitmap, 7, 7, 0, 0}},
        {"icon", iconFile(1, 32, 32), {PictureKind::Icon, 32, 32, 0, 0}},
        {"256-pixel icon", iconFile(1, 0, 0), {PictureKind::Icon, 256, 256, 0, 0}},
        {"cursor", iconFile(2, 32, 32, 3, 30), {PictureKind::Cursor, 32, 32, 3, 30}},
        {"PNG icon", iconFile(1, 0, 96, 0, 0, true), {PictureKind::Icon, 300, 96, 0, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(infoOf(c.bytes), c.expected) << c.name;
    }
}

// Whatever the headers claim, a file cut short anywhere is refused, never read past its end.
TEST(PictureFormatTest, EveryTruncationIsInvalid) {
    for (const Bytes& whole : {bitmapFile(5, 3, 24), bitmapFile(7, 7, 8, true), iconFile(1, 16, 16),
                               iconFile(2, 32, 32, 1, 1), iconFile(1, 0, 96, 0, 0, true)}) {
        for (std::size_t length = 0; length < whole.size(); ++length) {
            const Bytes part(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
            EXPECT_EQ(errorNumberOf([&] { infoOf(part); }), kErrInvalidPicture) << length;
        }
    }
}

TEST(PictureFormatTest, DamagedHeadersAreInvalid) {
    struct Case {
        const char* name;
        Bytes base;
        std::function<void(Bytes&)> damage;
    };
    const Bytes bmp = bitmapFile(5, 3, 24);
    const Bytes ico = iconFile(1, 32, 32);
    const Case cases[] = {
        {"two planes", bmp, [](Bytes& b) { put16(b, 26, 2); }},
        {"7 bits per pixel", bmp, [](Bytes& b) { put16(b, 28, 7); }},
        {"zero width", bmp, [](Bytes& b) { put32(b, 18, 0); }},
        {"negative width", bmp, [](Bytes& b) { put32(b, 18, 0xFFFFFFFB); }},
        {"most negative height", bmp, [](Bytes& b) { put32(b, 22, 0x80000000); }},
        {"huge width", bmp, [](Bytes& b) { put32(b, 18, 0x7FFFFFFF); }},
        {"unknown header size", bmp, [](Bytes& b) { put32(b, 14, 41); }},
        {"data inside the header", bmp, [](Bytes& b) { put32(b, 10, 20); }},
        {"data past the end", bmp, [](Bytes& b) { put32(b, 10, 0xFFFFFFFF); }},
        {"embedded JPEG", bmp, [](Bytes& b) { put32(b, 30, 4); }},
        {"run length with 24 bits", bmp, [](Bytes& b) { put32(b, 30, 1); }},
        {"no images", ico, [](Bytes& b) { put16(b, 4, 0); }},
        {"reserved word set", ico, [](Bytes& b) { put16(b, 0, 1); }},
        {"unknown resource type", ico, [](Bytes& b) { put16(b, 2, 3); }},
        {"image inside the directory", ico, [](Bytes& b) { put32(b, 18, 10); }},
        {"image past the end", ico, [](Bytes& b) { put32(b, 18, 0xFFFFFFF0); }},
        {"image longer than the file", ico, [](Bytes& b) { put32(b, 14, 0xFFFFFFFF); }},
        {"empty image", ico, [](Bytes& b) { put32(b, 14, 0); }},
        {"image neither bitmap nor PNG", ico, [](Bytes& b) { put32(b, 22, 12); }},
    };
    for (const Case& c : cases) {
        Bytes bytes = c.base;
        c.damage(bytes);
        EXPECT_EQ(errorNumberOf([&] { infoOf(bytes); }), kErrInvalidPicture) << c.name;
    }
}

class PictureFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = std::filesystem::temp_directory_path() /
                  ("quelta-picture-" + std::to_string(::getpid()) + "-" + test->name());
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    String write(const std::string& name, const Bytes& bytes) const {
        const auto path = folder_ / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return fromUtf8(path.string());
    }
    String pathOf(const std::string& name) const { return fromUtf8((folder_ / name).string()); }

    std::filesystem::path folder_;
};

// What the reader found (above) is what the picture reports.
TEST_F(PictureFileTest, LoadsByContentNotByName) {
    const PictureRef cursor = loadPicture(write("pointer.cur", iconFile(2, 16, 16, 8, 9)));
    EXPECT_EQ(cursor->type(), Picture::kTypeIcon);  // cursors report the icon type
    EXPECT_EQ(std::pair(cursor->hotspotX(), cursor->hotspotY()), std::pair(8, 9));
    const PictureRef bitmap = loadPicture(write("named-like-an-icon.ico", bitmapFile(8, 4, 24)));
    EXPECT_EQ(bitmap->type(), Picture::kTypeBitmap);
    EXPECT_EQ(bitmap->widthPixels(), 8);
}

TEST_F(PictureFileTest, SizesAreInHimetricOfTheScreen) {
    const PictureRef icon = loadPicture(write("a.ico", iconFile(1, 32, 16)));
    EXPECT_EQ(icon->width(), 847);  // 32 pixels at 15 twips: 480 twips = 846.67 HIMETRIC
    EXPECT_EQ(icon->height(), 423);
    setTwipsPerPixel(12.0, 15.0);
    EXPECT_EQ(icon->width(), 677);
    setTwipsPerPixel(15.0, 15.0);
}

TEST_F(PictureFileTest, EmptyPathGivesNoPicture) {
    const PictureRef none = loadPicture(u"");
    EXPECT_TRUE(none->empty());
    EXPECT_EQ(none->type(), Picture::kTypeNone);
    EXPECT_EQ(none->handle(), 0);
}

// Damaged contents are the reader's to find (above); here, each way a load can fail once.
TEST_F(PictureFileTest, FailuresCarryThePlatformsNumbers) {
    const String text = write("notes.bmp", Bytes{'h', 'e', 'l', 'l', 'o', '\n'});
    const std::pair<String, int> cases[] = {
        {text, kErrInvalidPicture},
        {pathOf("missing.ico"), kErrFileNotFound},
        {fromUtf8(folder_.string()), kErrPathFileAccess},
        {String(u"a\0b", 3), kErrFileNotFound},
    };
    for (const auto& c : cases)
        EXPECT_EQ(errorNumberOf([&] { loadPicture(c.first); }), c.second) << toUtf8(c.first);
}

}  // namespace
}  // namespace quelta
