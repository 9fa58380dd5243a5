#include "platform/sdl_app.h"

#include <SDL.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>
#include <optional>

#include "game/game.h"
#include "game/preferences.h"
#include "game/shell.h"
#include "platform/sdl_audio.h"
#include "platform/sdl_dialogs.h"
#include "platform/sdl_gamepad.h"
#include "platform/sdl_keys.h"
#include "platform/sdl_video.h"
#include "platform/ttf_fonts.h"

namespace minamori {

namespace {

struct SdlWindowHost : WindowHost {
    explicit SdlWindowHost(SdlVideo& v) : video(v) {}
    void closeWindow() override { closed = true; }
    void setCaption(const std::string& caption) override {
        SDL_SetWindowTitle(video.window(), caption.c_str());
    }
    int largestWindowFactor() override { return video.largestScale(); }
    int windowFactor() override { return video.windowedScale(); }
    void applyWindow(int factor, bool fullscreen) override {
        video.setWindowedScale(factor);
        video.setFullscreen(fullscreen);
    }
    SdlVideo& video;
    bool closed = false;
};

bool hasDisplay() {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

// SDL falls back to drivers that show nothing; the game would run unseen.
bool isInvisibleDriver(const char* driver) {
    return !driver || std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0;
}

int fail(const std::string& why) {
    std::cerr << "minamori: " << why << '\n';
    return 1;
}

// MINAMORI_SEED=N plays the game of seed N again, as minamori-headless --seed
// does: for tests, and for a bug to be shown twice.
uint64_t clockSeed() {
    if (const char* seed = std::getenv("MINAMORI_SEED")) {
        char* end = nullptr;
        const unsigned long long n = std::strtoull(seed, &end, 10);
        if (*seed != '\0' && *end == '\0') return n;
    }
    return static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

// What the event handlers work on.
struct App {
    Game& game;
    SdlVideo& video;
    SdlDialogs& dialogs;
    SdlGamepads& pads;
};

// The window is asked to close: the game closes as every exit does. A box it
// asks on the way is the answer to this request (see SdlDialogs).
void closeRequested(App& app) {
    app.dialogs.setAnsweringClose(true);
    formClose(app.game);
    app.dialogs.setAnsweringClose(false);
}

void handleWindowEvent(App& app, const SDL_WindowEvent& e) {
    switch (e.event) {
        case SDL_WINDOWEVENT_CLOSE:
            // SDL follows the closing of its last window with a quit event: one
            // request, which must not close a box the closing asks.
            SDL_FlushEvent(SDL_QUIT);
            closeRequested(app);
            break;
        // An uncovered or resized window needs its picture even if nothing changed.
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            app.video.invalidate();
            break;
        // Keys let go in another window never come back as released here.
        case SDL_WINDOWEVENT_FOCUS_LOST:
            releaseHeldKeys(app.game);
            break;
        default:
            break;
    }
}

// The pointer over the black border around the picture leaves the game's
// pointer where it last was on the picture, as leaving the window does.
void handleMouse(Game& game, const SdlVideo& video, const SDL_Event& e) {
    if (e.type == SDL_MOUSEMOTION) {
        if (const std::optional<Point> p = video.pictureAt(e.motion.x, e.motion.y))
            cgMouseMove(game, p->x, p->y);
        return;
    }
    const Uint8 button = e.button.button;
    if (button != SDL_BUTTON_LEFT && button != SDL_BUTTON_MIDDLE && button != SDL_BUTTON_RIGHT)
        return;
    if (const std::optional<Point> p = video.pictureAt(e.button.x, e.button.y))
        cgMouseDown(game, p->x, p->y, button == SDL_BUTTON_RIGHT);
}

void handleEvent(App& app, const SDL_Event& e) {
    Game& game = app.game;
    SdlVideo& video = app.video;
    if (app.pads.handle(game, video, e)) return;
    switch (e.type) {
        case SDL_QUIT:
            closeRequested(app);
            break;
        case SDL_WINDOWEVENT:
            handleWindowEvent(app, e.window);
            break;
        case SDL_MOUSEMOTION:
        case SDL_MOUSEBUTTONDOWN:
            handleMouse(game, video, e);
            break;
        case SDL_MOUSEBUTTONUP:
            cgMouseUp(game);
            break;
        case SDL_MOUSEWHEEL:
            cgMouseWheel(game, wheelSteps(e.wheel));
            break;
        case SDL_KEYUP:
            keyReleased(game, e.key);
            break;
        case SDL_KEYDOWN:
            if (isFullscreenKey(e.key)) {
                if (!e.key.repeat) {
                    video.toggleFullscreen();
                    windowChanged(game, game.settings.windowFactor, video.isFullscreen());
                }
                break;
            }
            keyPressed(game, video, e.key);
            break;
        default:
            break;
    }
}

// With MINAMORI_REPORT_STARTUP set, the wall-clock time of the first frame on
// screen goes to standard error, for measuring start-up from outside.
void reportFirstFrame() {
    static bool reported = false;
    if (reported || !std::getenv("MINAMORI_REPORT_STARTUP")) return;
    reported = true;
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::cerr << "minamori: first frame at "
              << std::chrono::duration_cast<std::chrono::nanoseconds>(now).count() << " ns\n";
}

// Waits for events until the next frame is due; runs the frame when it is.
void runLoop(App& app, const SdlWindowHost& host) {
    Game& game = app.game;
    SdlVideo& video = app.video;
    uint64_t nextTick = SDL_GetTicks64();
    while (!host.closed) {
        const uint64_t now = SDL_GetTicks64();
        if (now >= nextTick) {
            app.pads.frame(game, video, now);
            timerTick(game, static_cast<int64_t>(now));
            video.present(game.screen.cg);
            reportFirstFrame();
            nextTick += static_cast<uint64_t>(std::max(game.frameInterval, 1));
            if (nextTick <= now) nextTick = now + static_cast<uint64_t>(game.frameInterval);
            continue;
        }
        SDL_Event e;
        if (SDL_WaitEventTimeout(&e, static_cast<int>(nextTick - now))) {
            do {
                handleEvent(app, e);
            } while (!host.closed && SDL_PollEvent(&e));
        }
    }
}

}  // namespace

int runDesktopGame(const GamePaths& paths, std::optional<bool> fullscreen) {
    if (!hasDisplay()) return fail("no display: DISPLAY is not set; the game needs a desktop");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    // The window's surface is plain memory shown by the window system; going
    // through a 3D renderer would load a graphics driver for nothing.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0)
        return fail(std::string("cannot open the display: ") + SDL_GetError());
    SdlVideo video;
    if (isInvisibleDriver(SDL_GetCurrentVideoDriver()))
        return fail("no display: SDL found no desktop to show the window on");

    if (const std::string error = video.open("ミナモリ!!"); !error.empty()) return fail(error);

    SdlDialogs dialogs;
    dialogs.setParent(video.window());
    SdlWindowHost host(video);
    SdlAudio audio;
    std::string fontError;
    std::unique_ptr<TtfFontEngine> fonts = TtfFontEngine::create(fontError);
    // Without Japanese glyphs every text would be boxes: say why and stop.
    if (!fonts) {
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "ミナモリ!!", fontError.c_str(),
                                 video.window());
        return fail(fontError);
    }

    Game game(Services{&audio, &dialogs, &host, fonts.get()}, paths, clockSeed());
    // From here on the boxes are the game's own, over its picture in its font.
    dialogs.attach(video, game.screen.cg, *fonts);
    formCreate(game);
    if (fullscreen) video.setFullscreen(*fullscreen);  // not remembered: F11 is what changes that
    SdlGamepads pads;  // SDL's controllers apart from SDL_Init: the game goes on without
    App app{game, video, dialogs, pads};
    runLoop(app, host);
    return 0;
}

}  // namespace minamori
