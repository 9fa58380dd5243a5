#include "platform/sdl_dialogs.h"

#include <SDL.h>

#include <iostream>
#include <optional>

#include "platform/sdl_keys.h"
#include "platform/sdl_video.h"

namespace minamori {

namespace {

constexpr const char* kCaption = "ミナモリ!!";
// A box waits for events; now and then it shows itself again all the same.
constexpr int kRedrawMs = 250;

std::optional<BoxKey> boxKey(const SDL_Keysym& key) {
    switch (key.sym) {
        case SDLK_LEFT:
            return BoxKey::kLeft;
        case SDLK_RIGHT:
            return BoxKey::kRight;
        case SDLK_TAB:
            return (key.mod & KMOD_SHIFT) ? BoxKey::kBackTab : BoxKey::kTab;
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            return BoxKey::kEnter;
        case SDLK_SPACE:
            return BoxKey::kSpace;
        case SDLK_ESCAPE:
            return BoxKey::kEscape;
        default:
            return std::nullopt;
    }
}

// A pad's buttons in a box: A presses the button chosen, B answers いいえ (or
// closes a message), the D-pad's sides choose.
std::optional<BoxKey> boxPadKey(uint8_t button) {
    switch (button) {
        case SDL_CONTROLLER_BUTTON_A:
            return BoxKey::kEnter;
        case SDL_CONTROLLER_BUTTON_B:
            return BoxKey::kEscape;
        case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
            return BoxKey::kLeft;
        case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
            return BoxKey::kRight;
        default:
            return std::nullopt;
    }
}

// Whether a pad's button is down on any pad open, as the A that chose a row
// still is when its box opens.
bool padButtonDown(SDL_GameControllerButton button) {
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
        SDL_GameController* pad =
            SDL_GameControllerFromInstanceID(SDL_JoystickGetDeviceInstanceID(i));
        if (pad && SDL_GameControllerGetButton(pad, button)) return true;
    }
    return false;
}

// Whether a fresh press of the key waits in the queue: it came after the event
// that opened the box, so the key's being down is that press, not a key held
// from before.
bool pressWaits(SDL_Scancode key) {
    SDL_Event waiting[64];
    const int n = SDL_PeepEvents(waiting, 64, SDL_PEEKEVENT, SDL_KEYDOWN, SDL_KEYDOWN);
    for (int i = 0; i < n; ++i)
        if (waiting[i].key.keysym.scancode == key && !waiting[i].key.repeat) return true;
    return false;
}

bool heldFromBefore(SDL_Scancode key) {
    return SDL_GetKeyboardState(nullptr)[key] && !pressWaits(key);
}

// The keys that press a button and are down as the box opens: the Enter or
// Space that chose the row is still held, and must be let go first.
void holdPressedKeys(DialogBox& box) {
    if (heldFromBefore(SDL_SCANCODE_RETURN) || heldFromBefore(SDL_SCANCODE_KP_ENTER))
        box.keyHeld(BoxKey::kEnter);
    if (heldFromBefore(SDL_SCANCODE_SPACE)) box.keyHeld(BoxKey::kSpace);
    if (heldFromBefore(SDL_SCANCODE_ESCAPE)) box.keyHeld(BoxKey::kEscape);
    if (padButtonDown(SDL_CONTROLLER_BUTTON_A)) box.keyHeld(BoxKey::kEnter);
    if (padButtonDown(SDL_CONTROLLER_BUTTON_B)) box.keyHeld(BoxKey::kEscape);
}

}  // namespace

SdlDialogs::SdlDialogs() = default;
SdlDialogs::~SdlDialogs() = default;

void SdlDialogs::attach(SdlVideo& video, const Canvas& picture, FontEngine& fonts) {
    video_ = &video;
    picture_ = &picture;
    text_ = std::make_unique<TextPainter>(fonts);
}

bool SdlDialogs::askYesNo(const std::string& text) {
    return attached() ? run(text, BoxKind::kYesNo) : fallbackYesNo(text);
}

void SdlDialogs::showMessage(const std::string& text) {
    if (attached())
        run(text, BoxKind::kMessage);
    else
        fallbackMessage(text);
}

bool SdlDialogs::run(const std::string& text, BoxKind kind) {
    DialogBox box(*text_, text, kind);
    holdPressedKeys(box);
    bool closeRequested = false;
    Canvas shown;
    while (!box.answered()) {
        box.draw(shown, *picture_);
        video_->present(shown);
        SDL_Event e;
        if (!SDL_WaitEventTimeout(&e, kRedrawMs)) continue;
        do {
            handle(box, e, closeRequested);
        } while (!box.answered() && SDL_PollEvent(&e));
    }
    if (closeRequested) {
        // One request to close, however many events carried it; it goes on to
        // the game's own closing unless this box was the game's closing.
        SDL_FlushEvent(SDL_QUIT);
        if (!answeringClose_) {
            SDL_Event quit{};
            quit.type = SDL_QUIT;
            SDL_PushEvent(&quit);
        }
    }
    return box.answer();
}

void SdlDialogs::handle(DialogBox& box, const SDL_Event& e, bool& closeRequested) {
    switch (e.type) {
        case SDL_QUIT:
            closeRequested = true;
            box.cancel();
            break;
        case SDL_WINDOWEVENT:
            switch (e.window.event) {
                case SDL_WINDOWEVENT_CLOSE:
                    closeRequested = true;
                    box.cancel();
                    break;
                case SDL_WINDOWEVENT_EXPOSED:
                case SDL_WINDOWEVENT_SIZE_CHANGED:
                    video_->invalidate();
                    break;
                case SDL_WINDOWEVENT_LEAVE:
                    box.pointerLeave();
                    break;
                default:
                    break;
            }
            break;
        case SDL_KEYDOWN:
            if (isFullscreenKey(e.key)) {
                if (!e.key.repeat) video_->toggleFullscreen();
            } else if (const std::optional<BoxKey> key = boxKey(e.key.keysym)) {
                box.keyDown(*key, e.key.repeat != 0);
            }
            break;
        case SDL_KEYUP:
            if (const std::optional<BoxKey> key = boxKey(e.key.keysym)) box.keyUp(*key);
            break;
        case SDL_CONTROLLERBUTTONDOWN:
            if (const std::optional<BoxKey> key = boxPadKey(e.cbutton.button)) box.keyDown(*key);
            break;
        case SDL_CONTROLLERBUTTONUP:
            if (const std::optional<BoxKey> key = boxPadKey(e.cbutton.button)) box.keyUp(*key);
            break;
        case SDL_MOUSEMOTION:
            if (const std::optional<Point> p = video_->pictureAt(e.motion.x, e.motion.y))
                box.pointerMove(p->x, p->y);
            else
                box.pointerLeave();
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            if (e.button.button != SDL_BUTTON_LEFT) break;
            // The black border around the picture is no button.
            const Point p = video_->pictureAt(e.button.x, e.button.y).value_or(Point{-1, -1});
            if (e.type == SDL_MOUSEBUTTONDOWN)
                box.pointerDown(p.x, p.y);
            else
                box.pointerUp(p.x, p.y);
            break;
        }
        default:
            break;
    }
}

bool SdlDialogs::fallbackYesNo(const std::string& text) {
    std::cerr << "minamori: " << text << '\n';
    // いいえ is the default here too: Return and Esc both answer it.
    const SDL_MessageBoxButtonData buttons[] = {
        {0, 1, "はい"},
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 0,
         "いいえ"},
    };
    const SDL_MessageBoxData box = {SDL_MESSAGEBOX_INFORMATION, parent_, kCaption, text.c_str(),
                                    SDL_arraysize(buttons),     buttons, nullptr};
    int chosen = 0;
    if (SDL_ShowMessageBox(&box, &chosen) != 0) return false;
    return chosen == 1;
}

void SdlDialogs::fallbackMessage(const std::string& text) {
    std::cerr << "minamori: " << text << '\n';
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, kCaption, text.c_str(), parent_);
}

}  // namespace minamori
