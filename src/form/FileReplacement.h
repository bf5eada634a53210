#pragma once
// Replacing a file's content whole or not at all, as a person expects of "save": the new
// text is written to a temporary file in the same folder, flushed to the disk and renamed
// over the file, so that a failure or a kill at any moment leaves either the old file or the
// new one, never a mix.
//
// The file keeps its standing: the new file gets the old one's mode, and its owner and group
// where the process may set them; a path that is a symbolic link (or a chain of them)
// replaces the file the link points to and keeps the link. The temporary file has a short
// name of its own (a dot, a digest of the file's name, the process number), so that any name
// the folder allows can be saved, and a temporary file of the same file left by a process
// that has died is removed by the next save.

#include <string>
#include <string_view>

#include "platform/AutomationError.h"

namespace quelta {

// Error 75 (path/file access) with what kept the file from being written, in the system's
// words ("Permission denied"), so that a host can name the reason as it does for a read.
class FileWriteError : public AutomationError {
public:
    explicit FileWriteError(std::string reason)
        : AutomationError(kErrPathFileAccess), reason_(std::move(reason)) {}
    const std::string& reason() const { return reason_; }

private:
    std::string reason_;
};

// Throws FileWriteError when the file cannot be written; the old file is then as it was.
void replaceFileContent(const std::string& path, std::string_view content);

// The name of the temporary file a process uses for the file named `fileName` (the last part
// of a path), and the part that all processes share for that file.
std::string temporaryNameFor(std::string_view fileName, long processId);
std::string temporaryNamePrefixFor(std::string_view fileName);

}  // namespace quelta
