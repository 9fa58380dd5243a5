#include "platform/sdl_keys.h"

#include "game/game.h"
#include "game/shell.h"
#include "platform/sdl_video.h"

namespace minamori {

namespace {

Key keyFromSdl(SDL_Keycode code) {
    switch (code) {
        case SDLK_ESCAPE:
            return Key::kEscape;
        case SDLK_UP:
            return Key::kUp;
        case SDLK_DOWN:
            return Key::kDown;
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            return Key::kEnter;
        case SDLK_SPACE:
            return Key::kSpace;
        case SDLK_BACKSPACE:
            return Key::kBackspace;
        case SDLK_PAGEUP:
            return Key::kPageUp;
        case SDLK_PAGEDOWN:
            return Key::kPageDown;
        case SDLK_g:
            return Key::kG;
        case SDLK_LEFT:
            return Key::kLeft;
        case SDLK_RIGHT:
            return Key::kRight;
        case SDLK_TAB:
            return Key::kTab;
        case SDLK_LCTRL:
        case SDLK_RCTRL:
            return Key::kCtrl;
        case SDLK_a:
            return Key::kA;
        case SDLK_p:
            return Key::kP;
        case SDLK_F1:
            return Key::kF1;
        case SDLK_F12:
            return Key::kF12;
        default:
            return Key::kOther;
    }
}

bool keyRepeats(Key key) {
    return key == Key::kUp || key == Key::kDown || key == Key::kPageUp || key == Key::kPageDown ||
           key == Key::kLeft || key == Key::kRight;
}

}  // namespace

void keyPressed(Game& game, SdlVideo& video, const SDL_KeyboardEvent& e) {
    const Key key = keyFromSdl(e.keysym.sym);
    if (e.repeat && !keyRepeats(key)) return;
    if (formKeyDown(game, key)) video.warpPointer(game.mouseX, game.mouseY);
}

void keyReleased(Game& game, const SDL_KeyboardEvent& e) {
    const Key key = keyFromSdl(e.keysym.sym);
    // Of two Ctrl keys held, letting one go leaves the other holding.
    if (key == Key::kCtrl && (SDL_GetModState() & KMOD_CTRL)) return;
    formKeyUp(game, key);
}

bool isFullscreenKey(const SDL_KeyboardEvent& key) {
    const SDL_Keycode sym = key.keysym.sym;
    return sym == SDLK_F11 ||
           ((sym == SDLK_RETURN || sym == SDLK_KP_ENTER) && (key.keysym.mod & KMOD_ALT));
}

int32_t wheelSteps(const SDL_MouseWheelEvent& wheel) {
    return wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -wheel.y : wheel.y;
}

}  // namespace minamori
