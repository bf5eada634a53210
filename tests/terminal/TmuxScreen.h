#pragma once
// A program in a terminal (of 100 x 30 cells unless it says otherwise) on a tmux server of its own,
// so that tests and people's own sessions do not meet: keys go in with send-keys, the screen comes
// back with capture-pane.

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "TestSupport.h"

namespace quelta::testing {

// The line of the screen that holds `marker`, or "" when none does.
inline std::string lineWith(const std::string& screen, const std::string& marker) {
    const std::size_t at = screen.find(marker);
    if (at == std::string::npos) return {};
    const std::size_t start = screen.rfind('\n', at) + 1;
    return screen.substr(start, screen.find('\n', at) - start);
}

inline bool haveTmux() {
    return std::system("command -v tmux >/dev/null 2>&1") == 0;
}

class TmuxScreen {
public:
    TmuxScreen()
        : socket_("quelta-test-" + std::to_string(getpid()) + "-" + std::to_string(++count_)) {}
    ~TmuxScreen() {
        if (started_) std::system((tmux() + " kill-server 2>/dev/null").c_str());
    }
    TmuxScreen(const TmuxScreen&) = delete;
    TmuxScreen& operator=(const TmuxScreen&) = delete;

    // Runs `command` in a UTF-8 terminal of the given type and size; "EXIT=status" follows
    // when it ends.
    bool start(const std::string& command, const std::string& term = "xterm-256color",
               int columns = 100, int rows = 30) {
        const std::string shell =
            "env LANG=C.UTF-8 TERM=" + term + " " + command + "; echo EXIT=$?; sleep 60";
        started_ = std::system((tmux() + " new-session -d -s form -x " + std::to_string(columns) +
                                " -y " + std::to_string(rows) + " '" + shell + "'")
                                   .c_str()) == 0;
        return started_;
    }
    void resize(int columns, int rows) {
        std::system((tmux() + " resize-window -t form -x " + std::to_string(columns) + " -y " +
                     std::to_string(rows))
                        .c_str());
    }
    // tmux key names, separated by spaces.
    void keys(const std::string& tmuxKeys) {
        std::system((tmux() + " send-keys -t form " + tmuxKeys).c_str());
    }
    std::string screen() { return commandOutput(tmux() + " capture-pane -p -t form"); }
    // A tmux format of the pane, such as #{mouse_any_flag}.
    std::string paneFormat(const std::string& format) {
        std::string value = commandOutput(tmux() + " display -p -t form '" + format + "'");
        return value.erase(value.find_last_not_of('\n') + 1);
    }
    // The process id of the shell that runs the command.
    std::string shellPid() {
        std::string pid = commandOutput(tmux() + " display -p -t form '#{pane_pid}'");
        return pid.erase(pid.find_last_not_of('\n') + 1);
    }

    // The screen once it shows `expected`, or after a bounded wait "" (and the last screen
    // in `last`).
    std::string waitFor(const std::string& expected, std::string* last = nullptr) {
        return waitForLine("", expected, last);
    }
    // The same for `expected` on the line that holds `marker`.
    std::string waitForLine(const std::string& marker, const std::string& expected,
                            std::string* last = nullptr) {
        std::string shown;
        for (int tries = 0; tries < 200; ++tries) {
            shown = screen();
            const std::string line = marker.empty() ? shown : lineWith(shown, marker);
            if (line.find(expected) != std::string::npos) return shown;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        if (last) *last = shown;
        return {};
    }

private:
    std::string tmux() const { return "tmux -L " + socket_ + " -f /dev/null"; }

    static inline int count_ = 0;
    std::string socket_;
    bool started_ = false;
};

}  // namespace quelta::testing
