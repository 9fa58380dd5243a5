#include "platform/web/dom_keys.h"

#include <utility>

namespace minamori {

Key keyFromDomCode(std::string_view code) {
    static constexpr std::pair<std::string_view, Key> kCodes[] = {
        {"Escape", Key::kEscape},     {"ArrowUp", Key::kUp},         {"ArrowDown", Key::kDown},
        {"Enter", Key::kEnter},       {"NumpadEnter", Key::kEnter},  {"Space", Key::kSpace},
        {"Backspace", Key::kBackspace}, {"PageUp", Key::kPageUp},    {"PageDown", Key::kPageDown},
        {"KeyG", Key::kG},            {"ArrowLeft", Key::kLeft},     {"ArrowRight", Key::kRight},
        {"Tab", Key::kTab},           {"ControlLeft", Key::kCtrl},   {"ControlRight", Key::kCtrl},
        {"KeyA", Key::kA},            {"KeyP", Key::kP},             {"F1", Key::kF1},
        {"F12", Key::kF12},
    };
    for (const auto& [name, key] : kCodes)
        if (name == code) return key;
    return Key::kOther;
}

bool domKeyRepeats(Key key) {
    return key == Key::kUp || key == Key::kDown || key == Key::kPageUp || key == Key::kPageDown ||
           key == Key::kLeft || key == Key::kRight;
}

bool isDomFullscreenKey(std::string_view code, bool alt) {
    return code == "F11" || (alt && (code == "Enter" || code == "NumpadEnter"));
}

}  // namespace minamori
