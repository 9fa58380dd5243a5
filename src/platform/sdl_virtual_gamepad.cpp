#include "platform/sdl_virtual_gamepad.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

namespace minamori {

namespace {

constexpr size_t kMaxLines = 100000;
constexpr int kMaxWait = 100000;

// The line's words, up to a #.
std::vector<std::string> words(const std::string& line) {
    std::istringstream in(line.substr(0, line.find('#')));
    std::vector<std::string> out;
    for (std::string word; in >> word;) out.push_back(word);
    return out;
}

bool parseInt(const std::string& text, int low, int high, int& value) {
    const char* end = text.data() + text.size();
    const auto [rest, fault] = std::from_chars(text.data(), end, value);
    return fault == std::errc() && rest == end && value >= low && value <= high;
}

SDL_GameControllerButton buttonNamed(const std::string& name) {
    if (name == "up") return SDL_CONTROLLER_BUTTON_DPAD_UP;
    if (name == "down") return SDL_CONTROLLER_BUTTON_DPAD_DOWN;
    if (name == "left") return SDL_CONTROLLER_BUTTON_DPAD_LEFT;
    if (name == "right") return SDL_CONTROLLER_BUTTON_DPAD_RIGHT;
    return SDL_GameControllerGetButtonFromString(name.c_str());
}

bool isTrigger(SDL_GameControllerAxis axis) {
    return axis == SDL_CONTROLLER_AXIS_TRIGGERLEFT || axis == SDL_CONTROLLER_AXIS_TRIGGERRIGHT;
}

}  // namespace

std::unique_ptr<VirtualGamepad> VirtualGamepad::fromEnvironment() {
    const char* path = std::getenv("MINAMORI_GAMEPAD_SCRIPT");
    if (!path || !*path) return nullptr;
    std::ifstream in(path);
    if (!in) {
        std::cerr << "minamori: cannot read the gamepad script " << path << '\n';
        return nullptr;
    }
    std::vector<std::string> lines;
    for (std::string line; lines.size() < kMaxLines && std::getline(in, line);)
        lines.push_back(line);
    return std::make_unique<VirtualGamepad>(std::move(lines));
}

VirtualGamepad::VirtualGamepad(std::vector<std::string> lines) : lines_(std::move(lines)) {
    if (const char* fault = plug()) std::cerr << "minamori: no virtual gamepad: " << fault << '\n';
}

VirtualGamepad::~VirtualGamepad() {
    unplug();
}

void VirtualGamepad::frame() {
    if (!SDL_GetKeyboardFocus()) return;
    step();
    // SDL reads a virtual pad only when it next updates the joysticks. A late
    // frame, run straight after the one before, would come first, and a tap
    // would come and go unseen; updated here, every line makes its events.
    if (joystick_) SDL_JoystickUpdate();
}

void VirtualGamepad::step() {
    if (tapped_ >= 0) {
        if (joystick_) SDL_JoystickSetVirtualButton(joystick_, tapped_, 0);
        tapped_ = -1;
        return;
    }
    if (waitFrames_ > 0) {
        --waitFrames_;
        return;
    }
    // Lines that do nothing take no frame.
    while (next_ < lines_.size())
        if (play(lines_[next_++])) return;
}

bool VirtualGamepad::play(const std::string& line) {
    const std::vector<std::string> w = words(line);
    if (w.empty()) return false;
    const std::string& command = w[0];
    const char* fault = "unknown command";
    if ((command == "press" || command == "release" || command == "tap") && w.size() == 2) {
        fault = press(w[1], command == "release" ? 0 : 1);
        if (!fault && command == "tap") tapped_ = buttonNamed(w[1]);
    } else if (command == "axis" && w.size() == 3) {
        fault = setAxis(w[1], w[2]);
    } else if (command == "trigger" && w.size() == 2) {
        fault = setAxis("righttrigger", w[1]);
    } else if (command == "wait" && w.size() == 2) {
        int frames = 0;
        fault = parseInt(w[1], 0, kMaxWait, frames) ? nullptr : "not a number of frames";
        // This frame is the first of the wait.
        if (!fault) waitFrames_ = std::max(frames - 1, 0);
        if (!fault && frames == 0) return false;
    } else if (command == "plug" && w.size() == 1) {
        fault = plug();
    } else if (command == "unplug" && w.size() == 1) {
        fault = unplug();
    }
    if (fault)
        std::cerr << "minamori: gamepad script: ignored \"" << line << "\": " << fault << '\n';
    return !fault;
}

const char* VirtualGamepad::press(const std::string& name, Uint8 state) {
    const SDL_GameControllerButton button = buttonNamed(name);
    if (button == SDL_CONTROLLER_BUTTON_INVALID) return "no such button";
    if (!joystick_) return "no pad plugged in";
    return SDL_JoystickSetVirtualButton(joystick_, button, state) == 0 ? nullptr : SDL_GetError();
}

const char* VirtualGamepad::setAxis(const std::string& name, const std::string& text) {
    const SDL_GameControllerAxis axis = SDL_GameControllerGetAxisFromString(name.c_str());
    if (axis == SDL_CONTROLLER_AXIS_INVALID) return "no such axis";
    int value = 0;
    if (!parseInt(text, isTrigger(axis) ? 0 : SDL_JOYSTICK_AXIS_MIN, SDL_JOYSTICK_AXIS_MAX, value))
        return "the value lies outside the axis";
    if (!joystick_) return "no pad plugged in";
    // A trigger's travel spans the joystick's whole axis, at rest at its low end.
    const int raw = isTrigger(axis)
                        ? std::min(value * 2 + SDL_JOYSTICK_AXIS_MIN, SDL_JOYSTICK_AXIS_MAX)
                        : value;
    return SDL_JoystickSetVirtualAxis(joystick_, axis, static_cast<Sint16>(raw)) == 0
               ? nullptr
               : SDL_GetError();
}

const char* VirtualGamepad::plug() {
    if (joystick_) return "the pad is plugged in already";
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    // All of a standard controller's axes and buttons, in SDL's order: SDL
    // maps them as a game controller by themselves.
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.name = "minamori test pad";
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    if (index < 0) return SDL_GetError();
    joystick_ = SDL_JoystickOpen(index);
    if (!joystick_) {
        SDL_JoystickDetachVirtual(index);
        return SDL_GetError();
    }
    SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_TRIGGERLEFT, SDL_JOYSTICK_AXIS_MIN);
    SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, SDL_JOYSTICK_AXIS_MIN);
    return nullptr;
}

const char* VirtualGamepad::unplug() {
    if (!joystick_) return "no pad plugged in";
    const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
    SDL_JoystickClose(joystick_);
    joystick_ = nullptr;
    tapped_ = -1;
    for (int i = 0; i < SDL_NumJoysticks(); ++i)
        if (SDL_JoystickGetDeviceInstanceID(i) == id)
            return SDL_JoystickDetachVirtual(i) == 0 ? nullptr : SDL_GetError();
    return nullptr;
}

}  // namespace minamori
