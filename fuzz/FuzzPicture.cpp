// Feeds arbitrary bytes to the picture header reader. The bytes are either refused with
// error 481 or describe a picture of positive size.

#include <cstddef>
#include <cstdint>

#include "platform/AutomationError.h"
#include "platform/container/PictureFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const quelta::MemoryByteSource source(std::vector<std::uint8_t>(data, data + size));
    try {
        const quelta::PictureInfo info = quelta::readPictureInfo(source);
        if (info.kind == quelta::PictureKind::None || info.widthPixels <= 0 ||
            info.heightPixels <= 0) {
            __builtin_trap();
        }
    } catch (const quelta::AutomationError& error) {
        if (error.number() != quelta::kErrInvalidPicture) __builtin_trap();
    }
    return 0;
}
