// Saving the settings file on a POSIX system.
//
// A save writes the whole text to a temporary file beside the file, flushes it and renames
// it over the file, so a crash leaves the old settings or the new ones. Several running
// copies of the game may save at once: each writes its own temporary file and the last
// rename wins, so every save is complete and none is lost. A settings file that is a
// symbolic link stays one: the save goes to the file it points to.
//
// A save cut short by a crash leaves its temporary file behind. The next save removes such
// files, and only them: the name marks them as ours, and a file is taken only when it is
// old and no save holds its lock, so another copy's save under way is never touched.

#include "platform/settings_storage.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>

#include "platform/registry_file.h"

namespace orbigolf::platform {

namespace {

namespace fs = std::filesystem;

// A temporary file is the settings file's name, this mark and six random characters.
constexpr const char* kTemporaryMark = ".orbigolf-save-";
constexpr size_t kRandomPart = 6;
// A save takes a moment; a temporary file this old was left by one that never finished.
constexpr auto kAbandonedAfter = std::chrono::minutes(10);
// As the system counts symbolic links followed in one path.
constexpr int kMaxLinks = 40;

// The file a save must replace: the settings file itself, or the file its chain of symbolic
// links ends at (which need not exist yet).
fs::path throughLinks(const fs::path& file, const std::string& failed) {
    fs::path at = file;
    for (int links = 0;; ++links) {
        std::error_code ec;
        if (!fs::is_symlink(at, ec)) return at;
        if (links == kMaxLinks) throw RegistryError(failed + ": " + std::strerror(ELOOP));
        const fs::path target = fs::read_symlink(at, ec);
        if (ec) throw RegistryError(failed + ": " + ec.message());
        at = target.is_absolute() ? target : at.parent_path() / target;
    }
}

bool isAbandonedTemporary(const fs::directory_entry& e, const std::string& prefix) {
    const std::string name = e.path().filename().string();
    std::error_code ec;
    if (name.size() != prefix.size() + kRandomPart || name.compare(0, prefix.size(), prefix) != 0) return false;
    if (!e.is_regular_file(ec) || e.is_symlink(ec)) return false;
    const auto written = e.last_write_time(ec);
    return !ec && written < fs::file_time_type::clock::now() - kAbandonedAfter;
}

void removeAbandonedTemporaries(const fs::path& folder, const std::string& prefix) {
    std::error_code ec;
    try {
        for (const auto& e : fs::directory_iterator(folder, ec)) {
            if (!isAbandonedTemporary(e, prefix)) continue;
            // A save holds the lock on its temporary file until the rename; a crashed one
            // holds nothing.
            const int fd = ::open(e.path().c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
            if (fd < 0) continue;
            if (::flock(fd, LOCK_EX | LOCK_NB) == 0) ::unlink(e.path().c_str());
            ::close(fd);
        }
    } catch (const fs::filesystem_error&) {
        // The settings are saved; tidying up can wait for the next save.
    }
}

bool writeAll(int fd, const std::string& text) {
    for (size_t done = 0; done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += size_t(n);
    }
    return true;
}

}  // namespace

void storeSettingsText(const fs::path& file, const std::string& text, const std::string& failed) {
    const fs::path target = throughLinks(file, failed);
    std::error_code ec;
    if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
    const std::string prefix = target.filename().string() + kTemporaryMark;
    std::string temporary = (target.parent_path() / prefix).string() + std::string(kRandomPart, 'X');
    const int fd = mkstemp(temporary.data());
    if (fd < 0) throw RegistryError(failed + ": " + std::strerror(errno));
    // Held until the rename, so that another copy's tidy-up leaves this file alone.
    ::flock(fd, LOCK_EX | LOCK_NB);
    // The file keeps its permissions (a player may keep it private); a new one is 0644.
    struct stat old {};
    const mode_t mode = ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    bool ok = writeAll(fd, text) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    int err = errno;
    if (ok && registrySaveHook) registrySaveHook(temporary);
    if (ok && std::rename(temporary.c_str(), target.c_str()) != 0) {
        ok = false;
        err = errno;
    }
    if (!ok) ::unlink(temporary.c_str());
    ::close(fd);
    if (!ok) throw RegistryError(failed + ": " + std::strerror(err));

    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    removeAbandonedTemporaries(folder, prefix);
    // The rename itself reaches the disk with the folder.
    const int dfd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
}

}  // namespace orbigolf::platform
