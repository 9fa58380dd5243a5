#include "platform/sdl_gamepad.h"

#include <iostream>
#include <optional>
#include <utility>

#include "game/game.h"
#include "game/shell.h"
#include "platform/sdl_video.h"
#include "platform/sdl_virtual_gamepad.h"

namespace minamori {

namespace {

constexpr std::pair<SDL_GameControllerButton, PadButton> kButtons[] = {
    {SDL_CONTROLLER_BUTTON_A, PadButton::kA},
    {SDL_CONTROLLER_BUTTON_B, PadButton::kB},
    {SDL_CONTROLLER_BUTTON_X, PadButton::kX},
    {SDL_CONTROLLER_BUTTON_Y, PadButton::kY},
    {SDL_CONTROLLER_BUTTON_BACK, PadButton::kBack},
    {SDL_CONTROLLER_BUTTON_START, PadButton::kStart},
    {SDL_CONTROLLER_BUTTON_DPAD_UP, PadButton::kDpadUp},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, PadButton::kDpadDown},
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, PadButton::kDpadLeft},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, PadButton::kDpadRight},
};

constexpr std::pair<SDL_GameControllerAxis, PadAxis> kAxes[] = {
    {SDL_CONTROLLER_AXIS_LEFTX, PadAxis::kLeftX},
    {SDL_CONTROLLER_AXIS_LEFTY, PadAxis::kLeftY},
    {SDL_CONTROLLER_AXIS_TRIGGERRIGHT, PadAxis::kRightTrigger},
};

std::optional<PadButton> padButton(Uint8 button) {
    for (const auto& [sdl, pad] : kButtons)
        if (sdl == button) return pad;
    return std::nullopt;
}

std::optional<PadAxis> padAxis(Uint8 axis) {
    for (const auto& [sdl, pad] : kAxes)
        if (sdl == axis) return pad;
    return std::nullopt;
}

int64_t nowMs() {
    return static_cast<int64_t>(SDL_GetTicks64());
}

// The pad's keys on the game, as sdl_keys.cpp plays the keyboard's.
void play(Game& game, SdlVideo& video, const std::vector<PadKey>& keys) {
    for (const PadKey& k : keys) {
        if (!k.down)
            formKeyUp(game, k.key);
        else if (formKeyDown(game, k.key))
            video.warpPointer(game.mouseX, game.mouseY);
    }
}

}  // namespace

SdlGamepads::SdlGamepads() {
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        std::cerr << "minamori: no gamepads: " << SDL_GetError() << '\n';
        return;
    }
    ready_ = true;
    virtual_ = VirtualGamepad::fromEnvironment();
}

SdlGamepads::~SdlGamepads() {
    for (auto& [id, pad] : pads_) SDL_GameControllerClose(pad.controller);
    pads_.clear();
    virtual_.reset();
    if (ready_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

bool SdlGamepads::handle(Game& game, SdlVideo& video, const SDL_Event& e) {
    switch (e.type) {
        case SDL_CONTROLLERDEVICEADDED:
            added(e.cdevice.which);
            return true;
        case SDL_CONTROLLERDEVICEREMOVED:
            removed(game, video, e.cdevice.which);
            return true;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP: {
            const auto pad = pads_.find(e.cbutton.which);
            const std::optional<PadButton> button = padButton(e.cbutton.button);
            if (pad != pads_.end() && button)
                play(game, video,
                     pad->second.keys.button(*button, e.type == SDL_CONTROLLERBUTTONDOWN, nowMs()));
            return true;
        }
        case SDL_CONTROLLERAXISMOTION: {
            const auto pad = pads_.find(e.caxis.which);
            const std::optional<PadAxis> axis = padAxis(e.caxis.axis);
            if (pad != pads_.end() && axis)
                play(game, video, pad->second.keys.axis(*axis, e.caxis.value, nowMs()));
            return true;
        }
        case SDL_WINDOWEVENT:
            // SDL passes no presses to a window in the background: nothing may
            // stay held or go on repeating there.
            if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST)
                for (auto& [id, pad] : pads_) play(game, video, pad.keys.releaseAll());
            return false;
        default:
            return false;
    }
}

void SdlGamepads::frame(Game& game, SdlVideo& video, uint64_t now) {
    if (virtual_) virtual_->frame();
    for (auto& [id, pad] : pads_) {
        settle(game, video, pad, now);
        play(game, video, pad.keys.tick(static_cast<int64_t>(now)));
    }
}

void SdlGamepads::added(int deviceIndex) {
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (!controller) {
        std::cerr << "minamori: cannot open a gamepad: " << SDL_GetError() << '\n';
        return;
    }
    const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
    // A pad present at the start may be announced twice; SDL counts the opens.
    if (!pads_.emplace(id, Pad{controller, {}}).second) SDL_GameControllerClose(controller);
}

void SdlGamepads::removed(Game& game, SdlVideo& video, SDL_JoystickID id) {
    const auto pad = pads_.find(id);
    if (pad == pads_.end()) return;
    play(game, video, pad->second.keys.releaseAll());
    SDL_GameControllerClose(pad->second.controller);
    pads_.erase(pad);
}

// A box of the game runs its own loop and drops the pad's events, the
// releases too: what SDL no longer sees held is let go here.
void SdlGamepads::settle(Game& game, SdlVideo& video, Pad& pad, uint64_t now) {
    const auto ms = static_cast<int64_t>(now);
    for (const auto& [sdl, button] : kButtons)
        if (pad.keys.held(button) && !SDL_GameControllerGetButton(pad.controller, sdl))
            play(game, video, pad.keys.button(button, false, ms));
    for (const auto& [sdl, axis] : kAxes)
        if (pad.keys.held(axis))
            play(game, video,
                 pad.keys.axis(axis, SDL_GameControllerGetAxis(pad.controller, sdl), ms));
}

}  // namespace minamori
