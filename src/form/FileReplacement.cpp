#include "form/FileReplacement.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>

#include "platform/AutomationError.h"

namespace quelta {
namespace {

namespace fs = std::filesystem;

// As many links as the system itself follows before it gives up on a loop.
constexpr int kMaxLinkHops = 40;

// The system's reason for the call that just failed, taken before cleanup can change it.
[[noreturn]] void refuseAccess() {
    throw FileWriteError(std::strerror(errno));
}

[[noreturn]] void refuseAccess(const char* reason) {
    throw FileWriteError(reason);
}

// The file a path finally names: the path itself, or what its chain of links points to.
// A link to a file that does not exist yet names that file, which the save creates.
fs::path linkTarget(fs::path path) {
    for (int hops = 0; hops <= kMaxLinkHops; ++hops) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error))) return path;
        fs::path next = fs::read_symlink(path, error);
        if (error) refuseAccess(error.message().c_str());
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    refuseAccess("too many levels of symbolic links");
}

// Closes the descriptor when it goes, and removes the temporary file unless it was renamed.
class TemporaryFile {
public:
    TemporaryFile(fs::path path, int descriptor) : path_(std::move(path)), fd_(descriptor) {}
    ~TemporaryFile() {
        close();
        if (!renamed_) ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fd() const { return fd_; }
    bool close() {
        const bool closed = fd_ < 0 || ::close(fd_) == 0;
        fd_ = -1;
        return closed;
    }
    void renameOver(const fs::path& target) {
        if (!close() || ::rename(path_.c_str(), target.c_str()) != 0) refuseAccess();
        renamed_ = true;
    }

private:
    fs::path path_;
    int fd_;
    bool renamed_ = false;
};

void writeAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) refuseAccess();
        content.remove_prefix(static_cast<std::size_t>(written));
    }
}

// The old file's mode, owner and group go to the new one; a process that may not give
// the file away keeps at least the group where it can.
void takeStanding(int fd, const std::optional<struct stat>& old) {
    if (!old) return;
    if (old->st_uid != ::geteuid() || old->st_gid != ::getegid()) {
        if (::fchown(fd, old->st_uid, old->st_gid) != 0 &&
            ::fchown(fd, static_cast<uid_t>(-1), old->st_gid) != 0) {
            // Neither may be given away: the file becomes the saving user's, as a copy does.
        }
    }
    if (::fchmod(fd, old->st_mode & 07777) != 0) refuseAccess();
}

// Whether the process of that number has ended. A process of another user that lives
// still answers, with a refusal.
bool processEnded(long processId) {
    return ::kill(static_cast<pid_t>(processId), 0) != 0 && errno == ESRCH;
}

// Temporary files of this file from processes that died during a save.
void removeLeftovers(const fs::path& folder, std::string_view fileName) {
    const std::string prefix = temporaryNamePrefixFor(fileName);
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with(prefix)) continue;
        long processId = 0;
        const char* digits = name.data() + prefix.size();
        const auto [end, fault] = std::from_chars(digits, name.data() + name.size(), processId);
        if (fault != std::errc() || end != name.data() + name.size() || processId <= 0) continue;
        if (processEnded(processId)) ::unlink(entry.path().c_str());
    }
}

void flushFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) refuseAccess();
    const bool flushed = ::fsync(fd) == 0;
    ::close(fd);
    if (!flushed) refuseAccess();
}

}  // namespace

std::string temporaryNamePrefixFor(std::string_view fileName) {
    // FNV-1a: short, stable across runs and builds, and enough to tell the files of one
    // folder apart.
    std::uint64_t digest = 14695981039346656037ull;
    for (unsigned char c : fileName) {
        digest ^= c;
        digest *= 1099511628211ull;
    }
    char text[40];
    std::snprintf(text, sizeof text, ".%016llx.saving-", static_cast<unsigned long long>(digest));
    return text;
}

std::string temporaryNameFor(std::string_view fileName, long processId) {
    return temporaryNamePrefixFor(fileName) + std::to_string(processId);
}

void replaceFileContent(const std::string& path, std::string_view content) {
    const fs::path target = linkTarget(fs::path(path));
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const std::string fileName = target.filename().string();
    if (fileName.empty()) refuseAccess("a folder, not a file");

    std::optional<struct stat> old;
    if (struct stat status; ::stat(target.c_str(), &status) == 0) {
        if (S_ISDIR(status.st_mode)) refuseAccess("a directory, not a file");
        if (!S_ISREG(status.st_mode)) refuseAccess("not a regular file");
        old = status;
    }
    removeLeftovers(folder, fileName);

    const fs::path temporary = folder / temporaryNameFor(fileName, ::getpid());
    // A new file gets the mode the process's mask gives; an old one's is set below, and
    // until then nobody else may read the text.
    const mode_t mode = old ? 0600 : 0666;
    const int flags = O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC;
    int fd = ::open(temporary.c_str(), flags, mode);
    if (fd < 0 && errno == EEXIST) {
        // Left by an earlier process of the same number: that one is gone.
        ::unlink(temporary.c_str());
        fd = ::open(temporary.c_str(), flags, mode);
    }
    if (fd < 0) refuseAccess();
    TemporaryFile file(temporary, fd);
    writeAll(file.fd(), content);
    takeStanding(file.fd(), old);
    if (::fsync(file.fd()) != 0) refuseAccess();
    file.renameOver(target);
    flushFolder(folder);
}

}  // namespace quelta
