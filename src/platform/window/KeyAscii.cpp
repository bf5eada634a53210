#include "platform/window/KeyAscii.h"

#include <unicode/ucnv.h>

#include <memory>

namespace quelta {
namespace {

struct ConverterCloser {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};

// The thread's ANSI converter; null when ICU lacks the code page, in which case only the
// ASCII range counts as ANSI.
UConverter* ansiConverter() {
    thread_local std::unique_ptr<UConverter, ConverterCloser> converter = [] {
        UErrorCode status = U_ZERO_ERROR;
        UConverter* opened = ucnv_open("windows-1252", &status);
        if (U_FAILURE(status)) return std::unique_ptr<UConverter, ConverterCloser>();
        ucnv_setFromUCallBack(opened, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                              &status);
        ucnv_setToUCallBack(opened, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
        return std::unique_ptr<UConverter, ConverterCloser>(opened);
    }();
    return converter.get();
}

}  // namespace

std::int16_t keyAsciiOf(char16_t character) {
    if (character < 0x80) return static_cast<std::int16_t>(character);
    UConverter* converter = ansiConverter();
    if (converter != nullptr) {
        char byte[4];
        UErrorCode status = U_ZERO_ERROR;
        ucnv_reset(converter);
        const int32_t length = ucnv_fromUChars(
            converter, byte, sizeof byte, reinterpret_cast<const UChar*>(&character), 1, &status);
        if (U_SUCCESS(status) && length == 1)
            return static_cast<std::int16_t>(static_cast<unsigned char>(byte[0]));
    }
    return static_cast<std::int16_t>(character);
}

char16_t characterOfKeyAscii(std::int16_t keyAscii) {
    if (keyAscii >= 0 && keyAscii < 0x80) return static_cast<char16_t>(keyAscii);
    UConverter* converter = ansiConverter();
    if (keyAscii > 0 && keyAscii <= 0xFF && converter != nullptr) {
        const char byte = static_cast<char>(keyAscii);
        UChar result[2];
        UErrorCode status = U_ZERO_ERROR;
        ucnv_reset(converter);
        const int32_t length = ucnv_toUChars(converter, result, 2, &byte, 1, &status);
        if (U_SUCCESS(status) && length == 1) return static_cast<char16_t>(result[0]);
    }
    return static_cast<char16_t>(static_cast<std::uint16_t>(keyAscii));
}

}  // namespace quelta
