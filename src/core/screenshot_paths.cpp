#include "core/screenshot_paths.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

#include "core/file_io.h"
#include "core/text_util.h"

namespace minamori {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kUserDirsLimit = std::size_t{64} << 10;

bool isUsable(const char* value) {
    return value && *value && fs::path(value).is_absolute();
}

// Lexically normal and without a trailing slash (but "/" stays "/").
fs::path normal(const fs::path& path) {
    fs::path out = path.lexically_normal();
    if (!out.has_filename() && out.has_relative_path()) out = out.parent_path();
    return out;
}

void skipBlanks(std::string_view& text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
}

bool take(std::string_view& text, std::string_view prefix) {
    if (!startsWith(text, prefix)) return false;
    text.remove_prefix(prefix.size());
    return true;
}

// The value of one line when it is a usable XDG_PICTURES_DIR line.
std::optional<fs::path> picturesLine(std::string_view line, const fs::path& home) {
    skipBlanks(line);
    if (!take(line, "XDG_PICTURES_DIR")) return std::nullopt;
    skipBlanks(line);
    if (!take(line, "=")) return std::nullopt;
    skipBlanks(line);
    if (!take(line, "\"")) return std::nullopt;
    std::string path;
    if (take(line, "$HOME/")) {
        if (home.empty()) return std::nullopt;
        path = home.string() + "/";
    } else if (!startsWith(line, "/")) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < line.size() && line[i] != '"'; ++i) {
        if (line[i] == '\\' && i + 1 < line.size()) ++i;
        path += line[i];
    }
    return normal(path);
}

}  // namespace

std::optional<fs::path> picturesDirFromUserDirs(std::string_view text, const fs::path& home) {
    std::optional<fs::path> found;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (std::optional<fs::path> value = picturesLine(line, home)) found = std::move(value);
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    if (found && !home.empty() && *found == normal(home)) return fs::path();  // disabled
    return found;
}

fs::path picturesFolder(const char* xdgConfigHome, const char* home, const char* xdgDataHome) {
    const fs::path homeDir = isUsable(home) ? fs::path(home) : fs::path();
    const fs::path config = isUsable(xdgConfigHome) ? fs::path(xdgConfigHome)
                            : homeDir.empty()       ? fs::path()
                                                    : homeDir / ".config";
    std::error_code ec;
    std::optional<fs::path> named;
    if (!config.empty()) {
        std::string bytes, error;
        if (readWholeFile(config / "user-dirs.dirs", bytes, error, kUserDirsLimit) ==
            ReadResult::kRead)
            named = picturesDirFromUserDirs(bytes, homeDir);
    }
    if (named && !named->empty() && fs::is_directory(*named, ec)) return *named;
    if (!named && !homeDir.empty() && fs::is_directory(homeDir / "Pictures", ec))
        return homeDir / "Pictures";
    if (isUsable(xdgDataHome)) return fs::path(xdgDataHome) / "minamori" / "screenshots";
    if (!homeDir.empty()) return homeDir / ".local" / "share" / "minamori" / "screenshots";
    return {};
}

std::string screenshotName(const std::tm& local) {
    char text[160];
    using Wide = long long;  // no overflow whatever the fields hold
    std::snprintf(text, sizeof text, "minamori-%04lld%02lld%02lld-%02lld%02lld%02lld.png",
                  Wide{local.tm_year} + 1900, Wide{local.tm_mon} + 1, Wide{local.tm_mday},
                  Wide{local.tm_hour}, Wide{local.tm_min}, Wide{local.tm_sec});
    return text;
}

fs::path freeScreenshotPath(const fs::path& folder, const std::tm& local) {
    const std::string name = screenshotName(local);
    const std::string stem = name.substr(0, name.size() - 4);  // without .png
    for (int n = 1; n <= 9999; ++n) {
        const fs::path path = folder / (n == 1 ? name : stem + "-" + std::to_string(n) + ".png");
        if (!somethingAt(path)) return path;
    }
    return {};
}

}  // namespace minamori
