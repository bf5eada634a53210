// Drives an edit box with arbitrary input: keys, characters, clicks, selection and text
// writes, size and style changes. Bad input may be refused with an automation error but
// must never crash, and the box's rows must always equal a fresh layout of its text.

#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/AutomationError.h"
#include "platform/editbox/EditBox.h"
#include "platform/editbox/EditLayout.h"
#include "platform/fonts/TextMeasurer.h"

namespace {

using namespace quelta;

class NarrowMeasurer : public TextMeasurer {
public:
    double textWidth(const Font&, StringView text) const override {
        double width = 0;
        for (char16_t c : text)
            width += 40 + (c % 7) * 10;
        return width;
    }
    double lineHeight(const Font&) const override { return 200; }
};

class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool done() const { return at_ >= size_; }
    std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
    std::int16_t word() { return static_cast<std::int16_t>(byte() | (byte() << 8)); }
    std::int32_t number() { return word() * 37 + byte(); }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

void step(EditBox& box, Reader& in) {
    static const char16_t kAlphabet[] = u"ab \r\n\t.Z\u00e9\u263a\xD83D\xDE00";
    switch (in.byte() % 10) {
        case 0:
            box.typeCharacter(kAlphabet[in.byte() % (std::size(kAlphabet) - 1)]);
            break;
        case 1:
            box.pressKey(static_cast<std::int16_t>(in.byte()),
                         static_cast<std::int16_t>(in.byte() % 8));
            break;
        case 2:
            box.click(static_cast<float>(in.number()), static_cast<float>(in.number()),
                      static_cast<std::int16_t>(in.byte() % 2));
            break;
        case 3:
            box.setSelStart(in.number());
            box.setSelLength(in.number());
            break;
        case 4:
            box.setSelText(String(in.byte() % 5, kAlphabet[in.byte() % 4]));
            break;
        case 5:
            box.move(0, 0, in.number(), in.number());
            break;
        case 6:
            box.setMaxLength(in.number());
            break;
        case 7:
            box.setLocked(static_cast<Boolean>(-(in.byte() % 2)));
            break;
        case 8:
            box.doubleClick(static_cast<float>(in.number()), static_cast<float>(in.number()));
            break;
        default:
            box.keyPress(static_cast<char16_t>(in.word()));
            break;
    }
}

void checkRows(EditBox& box) {
    const std::int32_t rows = box.rowCount();
    EditLayout fresh;
    fresh.layout(box.text(), {box.isMultiLine(), box.wordWraps(), box.width()}, [](char32_t c) {
        String unit;
        if (c >= 0x10000) {
            unit += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            unit += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            unit += static_cast<char16_t>(c);
        }
        return NarrowMeasurer().textWidth(Font(), unit);
    });
    if (fresh.rowCount() != rows) __builtin_trap();
    for (std::int32_t row = 0; row < rows; ++row)
        if (fresh.rowStart(row) != box.rowStart(row)) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    setTextMeasurer(std::make_shared<NarrowMeasurer>());
    Reader in(data, size);
    EditBoxCreation creation;
    creation.style = (in.byte() & 1 ? ES_MULTILINE : 0) | (in.byte() & 1 ? ES_AUTOHSCROLL : 0) |
                     (in.byte() & 1 ? ES_UPPERCASE : 0);
    creation.properties.width = 1500;
    auto box = EditBox::create(creation);
    while (!in.done()) {
        try {
            step(*box, in);
        } catch (const AutomationError&) {
        }
        checkRows(*box);
    }
    return 0;
}
