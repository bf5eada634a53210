#include "terminal/CursesReader.h"

#include <string>

#include "terminal/EscapeSequence.h"

namespace quelta::terminal {
namespace {

// How long the rest of a sequence may take behind its ESC: long enough for a slow link,
// short enough that the Escape key still feels immediate.
constexpr int kSequenceWaitMilliseconds = 100;

struct Read {
    int status = ERR;
    wint_t code = 0;
};

Read readCode(WINDOW* window) {
    Read read;
    read.status = wget_wch(window, &read.code);
    return read;
}

// The codes behind an ESC, until they complete a sequence, show that the ESC stood alone,
// or stop coming. True when the ESC was the Escape key; a code that followed it and is
// input of its own is put back to be read next.
bool escapeStandsAlone(WINDOW* window) {
    wtimeout(window, kSequenceWaitMilliseconds);
    std::u32string after;
    EscapeFollow follow = EscapeFollow::MoreToCome;
    while (follow == EscapeFollow::MoreToCome) {
        const Read next = readCode(window);
        if (next.status == KEY_CODE_YES) {
            ungetch(static_cast<int>(next.code));  // a named key of its own: read it next
            break;
        }
        if (next.status != OK) break;  // nothing more in time
        after.push_back(static_cast<char32_t>(next.code));
        follow = escapeFollow(after);
    }
    wtimeout(window, -1);
    if (follow == EscapeFollow::EscapeKey) {
        unget_wch(static_cast<wchar_t>(after.back()));
        return true;
    }
    return after.empty();
}

}  // namespace

CursesInput readCursesInput(WINDOW* window) {
    const Read read = readCode(window);
    if (read.status == ERR) return {};
    const bool isKeyCode = read.status == KEY_CODE_YES;
    if (!isKeyCode && read.code == 0x1B && !escapeStandsAlone(window)) return {};
    const char* name = isKeyCode ? keyname(static_cast<int>(read.code)) : nullptr;
    return cursesInput(isKeyCode, read.code, name ? name : "");
}

}  // namespace quelta::terminal
