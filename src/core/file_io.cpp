#include "core/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <system_error>

namespace minamori {

namespace {

std::string systemError(const std::filesystem::path& path) {
    return path.string() + ": " + std::strerror(errno);
}

bool writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Creates the temporary file new. A leftover of a save that was killed, or a
// link planted in its place, is removed (the link itself, never its target)
// and the creation tried once more; O_EXCL with O_NOFOLLOW never opens
// anything that already exists.
int createTemporary(const std::filesystem::path& temp, mode_t mode) {
    constexpr int kFlags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
    int fd = ::open(temp.c_str(), kFlags, mode);
    if (fd < 0 && errno == EEXIST && ::unlink(temp.c_str()) == 0)
        fd = ::open(temp.c_str(), kFlags, mode);
    return fd;
}

// Fails with the reason when the file at path may not be replaced.
std::string replaceableError(const std::filesystem::path& path, mode_t& mode) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {};  // nothing there yet
    if (S_ISDIR(st.st_mode)) return path.string() + ": " + std::strerror(EISDIR);
    // Root may write anything, so the permission bits are read rather than asked.
    if ((st.st_mode & 0222) == 0) return path.string() + ": 読み取り専用のファイルです";
    mode = st.st_mode & 07777;
    return {};
}

std::string timeStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

uint64_t changeCount = 0;

}  // namespace

uint64_t filesChanged() { return changeCount; }
void noteFileChanged() { ++changeCount; }

std::string writeFileAtomically(const std::filesystem::path& path, const std::string& bytes) {
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) return folder.string() + ": " + ec.message();

    mode_t mode = 0644;
    if (std::string why = replaceableError(path, mode); !why.empty()) return why;
    const std::filesystem::path temp = path.string() + ".tmp";
    const int fd = createTemporary(temp, mode);
    if (fd < 0) return systemError(path);
    ::fchmod(fd, mode);  // the old file's permissions, whatever the umask
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0) {
        const std::string reason = systemError(path);
        ::close(fd);
        ::unlink(temp.c_str());
        return reason;
    }
    if (::close(fd) != 0) {
        const std::string reason = systemError(path);
        ::unlink(temp.c_str());
        return reason;
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const std::string reason = systemError(path);
        ::unlink(temp.c_str());
        return reason;
    }
    noteFileChanged();
    // Make the rename itself durable.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {};
}

ReadResult readWholeFile(const std::filesystem::path& path, std::string& bytes, std::string& error,
                         std::size_t limit) {
    // Without O_NONBLOCK a pipe would wait for a writer for ever.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) return ReadResult::kMissing;
        error = systemError(path);
        return ReadResult::kFailed;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        error = path.string() + ": 通常のファイルではありません";
        ::close(fd);
        return ReadResult::kFailed;
    }
    if (static_cast<std::size_t>(st.st_size) > limit) {
        error = path.string() + ": ファイルが大きすぎます (" + std::to_string(st.st_size) + " バイト)";
        ::close(fd);
        return ReadResult::kFailed;
    }
    bytes.clear();
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            error = systemError(path);
            ::close(fd);
            return ReadResult::kFailed;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
        if (bytes.size() > limit) {  // it grew while being read
            error = path.string() + ": ファイルが大きすぎます";
            ::close(fd);
            return ReadResult::kFailed;
        }
    }
    ::close(fd);
    return ReadResult::kRead;
}

bool somethingAt(const std::filesystem::path& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

bool renameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to) {
#ifdef __EMSCRIPTEN__
    // The page's files have one writer, the page itself, and its file system
    // makes no links: looking first cannot race.
    if (somethingAt(to)) {
        errno = EEXIST;
        return false;
    }
    return ::rename(from.c_str(), to.c_str()) == 0;
#else
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // A file system without the no-replace rename: a link made anew cannot
    // replace anything either.
    if (::link(from.c_str(), to.c_str()) != 0) return false;
    ::unlink(from.c_str());
    return true;
#endif
}

std::filesystem::path moveAside(const std::filesystem::path& path, const std::string& tag,
                                std::string& error) {
    const std::string base = path.string() + "." + tag + "-" + timeStamp();
    for (int n = 1; n < 1000; ++n) {
        const std::filesystem::path aside = n == 1 ? base : base + "-" + std::to_string(n);
        if (renameNoReplace(path, aside)) {
            noteFileChanged();
            return aside;
        }
        if (errno != EEXIST) break;
    }
    error = systemError(path);
    return {};
}

}  // namespace minamori
