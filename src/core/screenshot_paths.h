// Where a screenshot of the picture goes, and under what name.
#pragma once

#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace minamori {

// XDG_PICTURES_DIR as the text of a user-dirs.dirs file gives it, read the way
// xdg-user-dirs reads it: a line `XDG_PICTURES_DIR="$HOME/Pictures"` (blanks
// allowed before the name and around the `=`) whose quoted value begins with
// `$HOME/` (expanded with home) or `/`; a backslash takes the next character as
// it is. Other values (a relative path, another variable, no quotes) are
// ignored, as are lines of other names; of two usable lines the later wins.
// Returns nullopt when the text says nothing usable, and an empty path when it
// says the folder is disabled: a value that is home itself, e.g. "$HOME/". A
// `$HOME/` value with an empty home is ignored. The path is lexically normal,
// without a trailing slash.
std::optional<std::filesystem::path> picturesDirFromUserDirs(std::string_view text,
                                                             const std::filesystem::path& home);

// The folder screenshots go to. Null or empty values count as unset; relative
// XDG_CONFIG_HOME, XDG_DATA_HOME and HOME are ignored too.
//  1. XDG_PICTURES_DIR of user-dirs.dirs in $XDG_CONFIG_HOME (else ~/.config),
//     when it names a folder that exists;
//  2. when the file says nothing usable (missing, no line, an ignored value),
//     ~/Pictures when it exists;
//  3. otherwise (disabled, or the named folder missing) the game's own
//     $XDG_DATA_HOME/minamori/screenshots, by default
//     ~/.local/share/minamori/screenshots, which the writer makes;
// an empty path when there is no usable HOME or XDG_DATA_HOME either.
std::filesystem::path picturesFolder(const char* xdgConfigHome, const char* home,
                                     const char* xdgDataHome);

// minamori-YYYYMMDD-HHMMSS.png for the local time.
std::string screenshotName(const std::tm& local);

// folder / screenshotName(local), or with -2, -3, ... before .png when
// something (even a dangling link) is already there; an empty path when the
// first 9999 are all taken. The check is not a reservation: the writer should
// still refuse to replace a file.
std::filesystem::path freeScreenshotPath(const std::filesystem::path& folder, const std::tm& local);

}  // namespace minamori
