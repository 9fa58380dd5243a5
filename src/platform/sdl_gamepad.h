// Gamepads through SDL's game controller API, plugged in and out while the
// game runs, played as the game's keys (platform/gamepad_keys.h).
#pragma once

#include <SDL.h>

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "platform/gamepad_keys.h"

namespace minamori {

class Game;
class SdlVideo;
class VirtualGamepad;

class SdlGamepads {
public:
    // Starts SDL's controllers; when they cannot start there is no pad and
    // the game goes on without. The controllers present come as added events.
    SdlGamepads();
    SdlGamepads(const SdlGamepads&) = delete;
    SdlGamepads& operator=(const SdlGamepads&) = delete;
    ~SdlGamepads();

    // A pad's event, played on the game; the window losing the focus lets go
    // of all the pads hold. Returns whether the event was a pad's.
    bool handle(Game& game, SdlVideo& video, const SDL_Event& e);
    // Once a frame, before it is drawn: the repeats due, and what was let go
    // while a box of the game took the events.
    void frame(Game& game, SdlVideo& video, uint64_t nowMs);

private:
    struct Pad {
        SDL_GameController* controller;
        GamepadKeys keys;
    };

    void added(int deviceIndex);
    void removed(Game& game, SdlVideo& video, SDL_JoystickID id);
    void settle(Game& game, SdlVideo& video, Pad& pad, uint64_t nowMs);

    bool ready_ = false;
    std::map<SDL_JoystickID, Pad> pads_;
    std::unique_ptr<VirtualGamepad> virtual_;
};

}  // namespace minamori
