#include "core/settings_file.h"

#include <algorithm>
#include <array>
#include <exception>

#include "core/file_io.h"
#include "core/text_util.h"

namespace minamori {

namespace fs = std::filesystem;

namespace {

// One line of the file: a number with its range, or a switch.
struct Field {
    std::string_view key;
    int32_t Settings::*number;
    bool Settings::*flag;
    int32_t min;
    int32_t max;
};

// The file's order.
constexpr std::array<Field, 6> kFields{{
    {"music_volume", &Settings::musicVolume, nullptr, kMinMusicVolume, kMaxMusicVolume},
    {"auto_advance_ms", &Settings::autoAdvanceMs, nullptr, kMinAutoAdvanceMs, kMaxAutoAdvanceMs},
    {"window_factor", &Settings::windowFactor, nullptr, 0, kMaxWindowFactor},
    {"fullscreen", nullptr, &Settings::fullscreen, 0, 0},
    {"day_hint", nullptr, &Settings::dayHint, 0, 0},
    {"help_hint_shown", nullptr, &Settings::helpHintShown, 0, 0},
}};

constexpr std::string_view kHeader =
    "# ミナモリ!! の設定: key = value の行 (window_factor 0 はウィンドウに任せる)\n";

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return asciiLower(x) == asciiLower(y);
           });
}

bool parseSwitch(std::string_view text, bool& out) {
    for (const bool value : {true, false}) {
        const std::array<std::string_view, 4> words =
            value ? std::array<std::string_view, 4>{"true", "1", "yes", "on"}
                  : std::array<std::string_view, 4>{"false", "0", "no", "off"};
        for (const std::string_view word : words) {
            if (!equalsIgnoringCase(text, word)) continue;
            out = value;
            return true;
        }
    }
    return false;
}

void applyLine(Settings& settings, std::string_view line) {
    line = trim(line);
    if (line.empty() || line.front() == '#' || line.front() == ';') return;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return;
    const std::string_view key = trim(line.substr(0, equals));
    const std::string_view value = trim(line.substr(equals + 1));
    for (const Field& field : kFields) {
        if (field.key != key) continue;
        if (field.number) {
            int32_t n = 0;
            if (parseInt32(value, n) && n >= field.min && n <= field.max)
                settings.*field.number = n;
        } else {
            bool b = false;
            if (parseSwitch(value, b)) settings.*field.flag = b;
        }
        return;
    }
}

bool isUsable(const char* value) {
    return value && *value && fs::path(value).is_absolute();
}

}  // namespace

Settings clampSettings(Settings settings) {
    for (const Field& field : kFields)
        if (field.number)
            settings.*field.number = std::clamp(settings.*field.number, field.min, field.max);
    return settings;
}

Settings parseSettings(std::string_view text) {
    Settings settings;
    if (startsWith(text, "\xEF\xBB\xBF")) text.remove_prefix(3);
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        applyLine(settings, text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return settings;
}

std::string formatSettings(const Settings& settings) {
    const Settings clamped = clampSettings(settings);
    std::string text(kHeader);
    for (const Field& field : kFields) {
        text.append(field.key).append(" = ");
        if (field.number)
            text += std::to_string(clamped.*field.number);
        else
            text += clamped.*field.flag ? "true" : "false";
        text += '\n';
    }
    return text;
}

Settings readSettings(const fs::path& file, std::string* why) {
    if (why) why->clear();
    try {
        std::string bytes, error;
        switch (readWholeFile(file, bytes, error, kSettingsFileLimit)) {
            case ReadResult::kRead:
                return parseSettings(bytes);
            case ReadResult::kMissing:
                return {};
            case ReadResult::kFailed:
                if (why) *why = error;
                return {};
        }
    } catch (const std::exception& e) {  // out of memory: the defaults will do
        if (why) *why = e.what();
    }
    return {};
}

std::string writeSettings(const fs::path& file, const Settings& settings) {
    if (file.empty()) return "設定ファイルの置き場所がありません (HOME が未設定)";
    try {
        return writeFileAtomically(file, formatSettings(settings));
    } catch (const std::exception& e) {
        return file.string() + ": " + e.what();
    }
}

fs::path settingsFolder(const char* xdgConfigHome, const char* home) {
    if (isUsable(xdgConfigHome)) return fs::path(xdgConfigHome) / "minamori";
    if (isUsable(home)) return fs::path(home) / ".config" / "minamori";
    return {};
}

fs::path settingsFile(const char* xdgConfigHome, const char* home) {
    const fs::path folder = settingsFolder(xdgConfigHome, home);
    return folder.empty() ? folder : folder / kSettingsFileName;
}

}  // namespace minamori
