#include "terminal/CursesSession.h"

#include <langinfo.h>
#include <signal.h>
#include <term.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>

#include "terminal/CommonKeySequences.h"

namespace quelta::terminal {
namespace {

constexpr std::array kRestoringSignals = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGSEGV,
                                          SIGBUS, SIGFPE,  SIGILL, SIGABRT};

// What the signal handler needs, prepared before it can run.
struct SavedTerminal {
    int descriptor = STDOUT_FILENO;  // the terminal's: standard output, or /dev/tty
    termios modes{};
    bool haveModes = false;
    char restore[256] = {};
    std::size_t restoreLength = 0;
};
SavedTerminal saved;

bool isString(const char* capability) {
    return capability != nullptr && capability != reinterpret_cast<const char*>(-1);
}

void appendRestoring(const char* text) {
    const std::size_t length = std::strlen(text);
    if (saved.restoreLength + length >= sizeof saved.restore) return;
    std::memcpy(saved.restore + saved.restoreLength, text, length);
    saved.restoreLength += length;
}

void appendCapability(const char* name) {
    const char* value = tigetstr(name);
    if (isString(value)) appendRestoring(value);
}

// Mouse reporting is a mode of the terminal, not of the screen: left on, it would send the
// shell that gets the terminal back an escape sequence for every click. The terminal
// description's own switch (XM with 0) turns it off; a terminal that reports the mouse
// without one speaks xterm's protocol, whose modes the xterm sequence clears.
void appendMouseOff() {
    const char* modes = tigetstr("XM");
    if (isString(modes)) {
        appendRestoring(tiparm(modes, 0));
    } else if (isString(tigetstr("kmous"))) {
        appendRestoring("\033[?1006l\033[?1003l\033[?1002l\033[?1000l");
    }
}

void restoreFromSignal(int signal) {
    if (saved.restoreLength > 0) {
        [[maybe_unused]] ssize_t written =
            write(saved.descriptor, saved.restore, saved.restoreLength);
    }
    if (saved.haveModes) tcsetattr(saved.descriptor, TCSAFLUSH, &saved.modes);
    ::signal(signal, SIG_DFL);
    raise(signal);
}

// Text is UTF-8 on the terminal; a locale of another code set would make ncurses write
// other bytes. Lines and blocks are drawn as their UTF-8 characters too, not through the
// terminal's alternate character set, which many UTF-8 terminals and multiplexers show as
// plain letters ("lqqk" for a frame's top).
void useUtf8() {
    std::setlocale(LC_ALL, "");
    if (std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0) std::setlocale(LC_CTYPE, "C.UTF-8");
    setenv("NCURSES_NO_UTF8_ACS", "1", /*overwrite=*/0);
}

}  // namespace

// A form whose values a shell script reads ($(quelta run --output json)) has its standard
// output in a pipe: the screen then goes to the controlling terminal itself.
CursesSession::CursesSession() {
    FILE* output = stdout;
    FILE* input = stdin;
    if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO)) {
        controllingTerminal_ = std::fopen("/dev/tty", "r+");
        if (controllingTerminal_ == nullptr) throw std::runtime_error("the form needs a terminal");
        output = input = controllingTerminal_;
    }
    saved.descriptor = fileno(output);
    useUtf8();
    saved.haveModes = tcgetattr(saved.descriptor, &saved.modes) == 0;
    terminal_ = newterm(nullptr, output, input);
    if (terminal_ == nullptr && controllingTerminal_ != nullptr) std::fclose(controllingTerminal_);
    if (terminal_ == nullptr) throw std::runtime_error("the terminal type is unknown (set TERM)");
    if (!isString(tigetstr("cup"))) {
        const char* type = std::getenv("TERM");
        const std::string refusal =
            "the terminal cannot place the cursor (TERM=" + std::string(type ? type : "") +
            "); use a terminal such as xterm";
        endwin();
        delscreen(terminal_);
        if (controllingTerminal_ != nullptr) std::fclose(controllingTerminal_);
        throw UnusableTerminal(refusal);
    }
    appendCapability("sgr0");
    appendCapability("cnorm");
    appendCapability("rmkx");
    appendCapability("rmcup");
    appendMouseOff();
    for (int signal : kRestoringSignals)
        ::signal(signal, restoreFromSignal);
    raw();
    noecho();
    nonl();
    keypad(stdscr, TRUE);
    defineCommonKeySequences();
    set_escdelay(25);
    mousemask(BUTTON1_CLICKED | BUTTON1_PRESSED | BUTTON1_DOUBLE_CLICKED, nullptr);
    mouseinterval(200);
}

CursesSession::~CursesSession() {
    endwin();
    for (int signal : kRestoringSignals)
        ::signal(signal, SIG_DFL);
    delscreen(terminal_);
    if (controllingTerminal_ != nullptr) std::fclose(controllingTerminal_);
}

}  // namespace quelta::terminal
