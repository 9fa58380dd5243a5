#include "platform/sdl_app.h"

#include <SDL.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>
#include <vector>

#include "core/game.h"
#include "core/shell.h"
#include "platform/sdl_audio.h"
#include "platform/sdl_dialogs.h"
#include "platform/sdl_keys.h"
#include "platform/ttf_fonts.h"

namespace minamori {

namespace {

constexpr const char* kCaption =
    "ミナモリ!!  (↑↓: 選ぶ  Enter: 決定  Backspace: 戻る  PageUp: 履歴)";

struct SdlWindowHost : WindowHost {
    void closeWindow() override { closed = true; }
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

uint64_t clockSeed() {
    return static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

void handleEvent(Game& game, SDL_Window* window, const SDL_Event& e) {
    switch (e.type) {
        case SDL_QUIT:
            formClose(game);
            break;
        case SDL_WINDOWEVENT:
            if (e.window.event == SDL_WINDOWEVENT_CLOSE) formClose(game);
            break;
        case SDL_MOUSEMOTION:
            cgMouseMove(game, e.motion.x, e.motion.y);
            break;
        case SDL_MOUSEBUTTONDOWN:
            if (e.button.button == SDL_BUTTON_LEFT || e.button.button == SDL_BUTTON_MIDDLE ||
                e.button.button == SDL_BUTTON_RIGHT)
                cgMouseDown(game, e.button.x, e.button.y, e.button.button == SDL_BUTTON_RIGHT);
            break;
        case SDL_MOUSEBUTTONUP:
            cgMouseUp(game);
            break;
        case SDL_MOUSEWHEEL:
            cgMouseWheel(game, wheelSteps(e.wheel));
            break;
        case SDL_KEYDOWN:
            keyPressed(game, window, e.key);
            break;
        default:
            break;
    }
}

// The picture is drawn in memory; the window's own surface shows it, which
// needs no graphics driver and costs one copy a frame.
struct SdlVideo {
    SDL_Window* window = nullptr;
    std::vector<Pixel> shown;  // the picture on screen, to skip frames that change nothing
    ~SdlVideo() {
        if (window) SDL_DestroyWindow(window);
        SDL_Quit();
    }
};

void present(SdlVideo& video, const Canvas& cg) {
    if (video.shown == cg.pixels()) return;
    SDL_Surface* target = SDL_GetWindowSurface(video.window);
    SDL_Surface* picture = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<Pixel*>(cg.pixels().data()), cg.width(), cg.height(), 32,
        cg.width() * static_cast<int>(sizeof(Pixel)), SDL_PIXELFORMAT_RGB888);
    if (!target || !picture) {
        if (picture) SDL_FreeSurface(picture);
        return;
    }
    SDL_BlitSurface(picture, nullptr, target, nullptr);
    SDL_FreeSurface(picture);
    if (SDL_UpdateWindowSurface(video.window) == 0) video.shown = cg.pixels();
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
void runLoop(Game& game, SdlVideo& video, const SdlWindowHost& host) {
    uint64_t nextTick = SDL_GetTicks64();
    while (!host.closed) {
        const uint64_t now = SDL_GetTicks64();
        if (now >= nextTick) {
            timerTick(game, static_cast<int64_t>(now));
            present(video, game.screen.cg);
            reportFirstFrame();
            nextTick += static_cast<uint64_t>(std::max(game.frameInterval, 1));
            if (nextTick <= now) nextTick = now + static_cast<uint64_t>(game.frameInterval);
            continue;
        }
        SDL_Event e;
        if (SDL_WaitEventTimeout(&e, static_cast<int>(nextTick - now))) {
            do {
                // A window uncovered again needs its picture even if nothing changed.
                if (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_EXPOSED)
                    video.shown.clear();
                handleEvent(game, video.window, e);
            } while (!host.closed && SDL_PollEvent(&e));
        }
    }
}

}  // namespace

int runDesktopGame(const std::filesystem::path& dataDir) {
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

    video.window = SDL_CreateWindow(kCaption, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                    kScreenWidth, kScreenHeight, SDL_WINDOW_SHOWN);
    if (!video.window) return fail(std::string("cannot create the window: ") + SDL_GetError());
    if (!SDL_GetWindowSurface(video.window))
        return fail(std::string("cannot draw in the window: ") + SDL_GetError());

    SdlDialogs dialogs;
    dialogs.setParent(video.window);
    SdlWindowHost host;
    SdlAudio audio;
    std::string fontError;
    std::unique_ptr<TtfFontEngine> fonts = TtfFontEngine::create(fontError);
    if (!fonts) dialogs.showMessage("フォントを読み込めませんでした。\n" + fontError);

    Game game(Services{&audio, &dialogs, &host, fonts.get()}, dataDir, clockSeed());
    formCreate(game);
    runLoop(game, video, host);
    return 0;
}

}  // namespace minamori
