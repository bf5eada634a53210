#include "platform/container/Picture.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>

#include "platform/AutomationError.h"
#include "platform/fonts/TextMeasurer.h"

namespace quelta {

namespace {

constexpr double kHimetricPerTwip = 2540.0 / 1440.0;

std::int32_t nextHandle() {
    static std::atomic<std::int32_t> counter{0x10000};
    return counter.fetch_add(1, std::memory_order_relaxed);
}

std::int32_t pixelsToHimetric(std::int32_t pixels, double twipsPerPixel) {
    const double himetric = std::round(pixels * twipsPerPixel * kHimetricPerTwip);
    // Huge bitmaps at a coarse scale would not fit the 32-bit size.
    if (himetric > std::numeric_limits<std::int32_t>::max()) raiseError(kErrOverflow);
    return static_cast<std::int32_t>(himetric);
}

// Reads a file on demand, so that a large bitmap is checked without being loaded.
class FileByteSource : public ByteSource {
public:
    FileByteSource(const std::filesystem::path& path, std::uint64_t size)
        : stream_(path, std::ios::binary), size_(size) {}

    bool isOpen() const { return stream_.is_open(); }
    std::uint64_t size() const override { return size_; }

    std::vector<std::uint8_t> read(std::uint64_t offset, std::size_t length) const override {
        if (offset >= size_) return {};
        const std::size_t available =
            static_cast<std::size_t>(std::min<std::uint64_t>(length, size_ - offset));
        std::vector<std::uint8_t> bytes(available);
        stream_.clear();
        stream_.seekg(static_cast<std::streamoff>(offset));
        stream_.read(reinterpret_cast<char*>(bytes.data()),
                     static_cast<std::streamsize>(available));
        bytes.resize(static_cast<std::size_t>(std::max<std::streamsize>(stream_.gcount(), 0)));
        return bytes;
    }

private:
    mutable std::ifstream stream_;
    std::uint64_t size_;
};

std::filesystem::path pathOf(StringView path) {
    const std::string utf8 = toUtf8(path);
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace

Picture::Picture(const PictureInfo& info, String source)
    : info_(info),
      handle_(info.kind == PictureKind::None ? 0 : nextHandle()),
      source_(std::move(source)) {}

std::int16_t Picture::type() const {
    switch (info_.kind) {
        case PictureKind::None:
            return kTypeNone;
        case PictureKind::Bitmap:
            return kTypeBitmap;
        case PictureKind::Icon:
        case PictureKind::Cursor:
            return kTypeIcon;
    }
    return kTypeNone;
}

std::int32_t Picture::width() const {
    return pixelsToHimetric(info_.widthPixels, twipsPerPixelX());
}

std::int32_t Picture::height() const {
    return pixelsToHimetric(info_.heightPixels, twipsPerPixelY());
}

PictureRef loadPicture(StringView path) {
    if (path.empty()) return std::make_shared<Picture>();
    if (path.find(u'\0') != StringView::npos) raiseError(kErrFileNotFound);
    const std::filesystem::path file = pathOf(path);
    std::error_code error;
    const auto status = std::filesystem::status(file, error);
    if (!std::filesystem::exists(status)) raiseError(kErrFileNotFound);
    if (!std::filesystem::is_regular_file(status)) raiseError(kErrPathFileAccess);
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error) raiseError(kErrPathFileAccess);
    const FileByteSource source(file, size);
    if (!source.isOpen()) raiseError(kErrPathFileAccess);
    return std::make_shared<Picture>(readPictureInfo(source), String(path));
}

}  // namespace quelta
