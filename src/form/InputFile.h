#pragma once
// Reading a file the program was given (a script, a form) whole, with the reason a person
// can act on when it cannot be: it is missing, a directory or other non-file, unreadable,
// or larger than the reader accepts.

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quelta {

class InputFileError : public std::runtime_error {
public:
    enum class Problem { Missing, NotAFile, Unreadable, TooLarge };
    // reason: what is wrong, without the file's name ("no such file").
    InputFileError(Problem problem, const std::string& reason)
        : std::runtime_error(reason), problem_(problem) {}
    Problem problem() const { return problem_; }

private:
    Problem problem_;
};

std::string readInputFile(const std::string& path, std::size_t maxBytes);

// The text without a leading UTF-8 byte-order mark, which editors on some systems write
// and which is no part of the text; the readers of scripts and forms drop it.
std::string_view withoutByteOrderMark(std::string_view text);

}  // namespace quelta
