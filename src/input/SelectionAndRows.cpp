// Positions count the characters of the live box's text, CR LF included; rows and columns
// count from 1. The rows are the box's display rows, so in wrapped text they follow the
// width.
#include "control/NarrowInteger.h"
#include "control/Quelta.h"
#include "control/SupportModul.h"

namespace quelta {
namespace {

// The line messages take their argument as a signed number; lParam is unused.
std::int32_t send(WindowHandle window, std::uint32_t message, std::int32_t wParam) {
    return SupportModul::SendMessageA(window, message, static_cast<std::uint32_t>(wParam), 0);
}

}  // namespace

std::int32_t Quelta::SelStart() {
    EditBox* live = liveBox();
    return live ? live->selStart() : 0;
}

// An equal value leaves the box alone, so that a selection there survives.
void Quelta::letSelStart(std::int32_t New_SelStart) {
    EditBox* live = liveBox();
    if (live && live->selStart() != New_SelStart) live->setSelStart(New_SelStart);
}

std::int32_t Quelta::SelLength() {
    EditBox* live = liveBox();
    return live ? live->selLength() : 0;
}

void Quelta::letSelLength(std::int32_t New_SelLength) {
    EditBox* live = liveBox();
    if (live && live->selLength() != New_SelLength) live->setSelLength(New_SelLength);
}

String Quelta::SelText() {
    EditBox* live = liveBox();
    return live ? live->selText() : String();
}

// A different text replaces the selection as the user would, so the change handler runs
// in full, the automatic Tab included.
void Quelta::letSelText(StringView New_SelText) {
    EditBox* live = liveBox();
    if (live && live->selText() != New_SelText) live->setSelText(New_SelText);
}

std::int32_t Quelta::Col() {
    EditBox* live = liveBox();
    if (!live) return 0;
    const WindowHandle window = live->hWnd();
    const std::int32_t start = live->selStart();
    const std::int32_t row = send(window, SupportModul::EM_LINEFROMCHAR, start);
    const std::int32_t rowStart = send(window, SupportModul::EM_LINEINDEX, row);
    return narrowToLong(std::int64_t{start} - rowStart + 1);
}

// The row of the selection's start, not of its end.
std::int32_t Quelta::Row() {
    EditBox* live = liveBox();
    if (!live) return 0;
    return narrowToLong(std::int64_t{send(live->hWnd(), SupportModul::EM_LINEFROMCHAR, -1)} + 1);
}

std::int32_t Quelta::Rows() {
    EditBox* live = liveBox();
    return live ? send(live->hWnd(), SupportModul::EM_GETLINECOUNT, 0) : 0;
}

// No range check: Line 0 and a line past the last one ask the box for "no line", which it
// answers with the caret line's free length; only Line - 1 itself can overflow.
std::int32_t Quelta::RowLength(const std::int32_t& Line) {
    EditBox* live = liveBox();
    if (!live) return 0;
    const WindowHandle window = live->hWnd();
    const std::int32_t rowStart =
        send(window, SupportModul::EM_LINEINDEX, narrowToLong(std::int64_t{Line} - 1));
    return send(window, SupportModul::EM_LINELENGTH, rowStart);
}

}  // namespace quelta
