// settings.ini: the player's preferences, kept apart from the save so a new
// game or a lost save keeps them. A side file like history.csv: a file that
// cannot be read gives the defaults, and nothing of play depends on it.
//
// The file is UTF-8 text of `key = value` lines (LF or CR LF). Blanks around
// the `=` and at either end of a line are ignored, and so are empty lines and
// lines whose first non-blank character is `#` or `;`. A UTF-8 BOM at the start
// is skipped. Keys are matched exactly (lower case). A line with an unknown
// key, without `=`, or whose value is not a whole decimal number in the
// setting's range (or, for a switch, true/false, 1/0, yes/no, on/off in any
// case) is ignored: the setting keeps the default or an earlier good line's
// value. Out-of-range numbers are not clamped; they are ignored like any other
// damage. Of two good lines for one key the later wins. A file over 64 KiB, or
// anything but a regular file, is not read at all (every setting its default).
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace minamori {

inline constexpr int32_t kMinMusicVolume = 0;  // percent
inline constexpr int32_t kMaxMusicVolume = 100;
inline constexpr int32_t kMinAutoAdvanceMs = 400;
inline constexpr int32_t kMaxAutoAdvanceMs = 4000;
// 0 is "not chosen"; 16 x 640 is wider than any screen, so a larger factor in
// the file is damage, not a wish.
inline constexpr int32_t kMaxWindowFactor = 16;
inline constexpr std::size_t kSettingsFileLimit = std::size_t{64} << 10;
inline constexpr const char* kSettingsFileName = "settings.ini";

struct Settings {
    int32_t musicVolume = 100;     // music_volume, percent 0..100
    int32_t autoAdvanceMs = 1500;  // auto_advance_ms, 400..4000: the interval of auto-advance
    int32_t windowFactor = 0;      // window_factor, 1..16, 0: not chosen, the window picks
                                   // (the window clamps a chosen one to what fits)
    bool fullscreen = false;       // fullscreen
    bool dayHint = true;           // day_hint: a hovered menu row shows its day cost
    bool helpHintShown = false;    // help_hint_shown: the one-time hint was shown

    bool operator==(const Settings&) const = default;
};

// Every figure brought into its range (a window factor below 0 becomes 0, not
// chosen); for the game's own changes, e.g. a volume stepped past 100.
Settings clampSettings(Settings settings);

// The settings a file's text gives (see above).
Settings parseSettings(std::string_view text);
// The file's text: a comment line, then one `key = value` line per setting in
// the order of the struct, LF line ends. The figures are clamped first, so the
// text always reads back: parseSettings(formatSettings(s)) == clampSettings(s).
std::string formatSettings(const Settings& settings);

// The settings in file; a missing, unreadable, oversized or irregular file
// gives the defaults. When why is given it receives the reason a file that is
// there could not be read (empty otherwise).
Settings readSettings(const std::filesystem::path& file, std::string* why = nullptr);
// Writes the settings to file atomically (writeFileAtomically: a new file
// renamed over the old, the folder made when missing). Returns an empty text on
// success, else the reason; then any old file is untouched. Never throws.
std::string writeSettings(const std::filesystem::path& file, const Settings& settings);

// The folder of the settings by the XDG rule: $XDG_CONFIG_HOME/minamori when
// XDG_CONFIG_HOME is set, non-empty and absolute, else $HOME/.config/minamori
// when HOME is set, non-empty and absolute; an empty path when neither is
// usable (then there is no settings file). Null values count as unset.
std::filesystem::path settingsFolder(const char* xdgConfigHome, const char* home);
// settingsFolder / settings.ini, or an empty path with it.
std::filesystem::path settingsFile(const char* xdgConfigHome, const char* home);

}  // namespace minamori
