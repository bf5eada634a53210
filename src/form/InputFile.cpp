#include "form/InputFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace quelta {

std::string readInputFile(const std::string& path, std::size_t maxBytes) {
    namespace fs = std::filesystem;
    using Problem = InputFileError::Problem;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (!fs::exists(status)) throw InputFileError(Problem::Missing, "no such file");
    if (fs::is_directory(status))
        throw InputFileError(Problem::NotAFile, "a directory, not a file");
    if (!fs::is_regular_file(status)) throw InputFileError(Problem::NotAFile, "not a file");
    const auto size = fs::file_size(path, error);
    if (error) throw InputFileError(Problem::Unreadable, "cannot be read");
    if (size > maxBytes) throw InputFileError(Problem::TooLarge, "the file is too large");
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw InputFileError(Problem::Unreadable,
                             std::string("cannot be read: ") + std::strerror(errno));
    // Read straight into one string of the size found: a large file is held once.
    std::string text(static_cast<std::size_t>(size), '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad()) throw InputFileError(Problem::Unreadable, "cannot be read");
    text.resize(static_cast<std::size_t>(in.gcount()));  // a file that shrank meanwhile
    return text;
}

std::string_view withoutByteOrderMark(std::string_view text) {
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    return text.starts_with(kMark) ? text.substr(kMark.size()) : text;
}

}  // namespace quelta
