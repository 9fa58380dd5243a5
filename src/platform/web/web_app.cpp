// The game in a web page: started by page.js once the saves are read from the
// browser's storage, then run frame by frame from the browser's timer. The
// functions marked EMSCRIPTEN_KEEPALIVE are what page.js calls.
#include <emscripten.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "core/file_io.h"
#include "core/save_file.h"
#include "driver.h"
#include "game/caption.h"
#include "game/game.h"
#include "game/preferences.h"
#include "game/shell.h"
#include "platform/web/dom_keys.h"
#include "platform/web/stb_fonts.h"
#include "platform/web/touch_gestures.h"
#include "platform/web/web_audio.h"
#include "platform/web/web_dialogs.h"
#include "platform/web/web_page.h"
#include "platform/web/web_storage.h"
#include "view/fonts.h"

namespace minamori {

namespace {

constexpr char kContent[] = "/content";
constexpr char kSaves[] = "/save";
constexpr char kScreenshots[] = "/screenshots";

GamePaths webGamePaths() {
    GamePaths paths(kContent, std::filesystem::path(kSaves) / "my.dat", kSaves);
    paths.settingsFile = std::filesystem::path(kSaves) / "config" / "settings.ini";
    paths.screenshotsDir = kScreenshots;
    return paths;
}

EM_JS(void, jsFail, (const char* text), { Module.minamoriPage.fail(UTF8ToString(text)); });
EM_JS(void, jsOfferDownload, (const char* path), { Module.minamoriPage.offerDownload(UTF8ToString(path)); });
EM_JS(void, jsStorageFailed, (const char* text), { Module.minamoriPage.storageFailed(UTF8ToString(text)); });
EM_JS(void, jsMarkReady, (), { Module.minamoriPage.ready(); });
EM_JS(void, jsStoreNow, (const char* path), { Module.minamoriStorage.storeNow([UTF8ToString(path)]); });

struct WebApp {
    WebPage page;
    WebDialogs dialogs;
    WebAudio audio;
    WebStorage storage;
    TouchGestures touch;
    std::unique_ptr<FontEngine> fonts;
    std::unique_ptr<Game> game;
    // The headless driver's commands on this game. Once a test runs one
    // (window.minamori.run) it has taken the page over: the page's own timer
    // stops and the driver's clock goes on from where it stood.
    std::unique_ptr<HeadlessDriver> driver;
    bool driven = false;
    int64_t clockMs = 0;
    double nextTickMs = 0;
    bool screenshotAsked = false;
    double nextKeepMs = 0;
    std::string keptSave;  // the save's bytes as last written by keepSaved
    std::string shownFailure;
};

WebApp* app = nullptr;

HeadlessDriver& driver(WebApp& a) {
    if (!a.driver) a.driver = std::make_unique<HeadlessDriver>(*a.game, a.clockMs);
    return *a.driver;
}

// From here on the game's sounds and boxes are recorded, for `state` to show.
void takeOver(WebApp& a) {
    if (a.driven) return;
    a.driven = true;
    a.game->useServices(Services{nullptr, nullptr, nullptr, a.fonts.get()});
    a.audio.stopMusic();
    a.driver.reset();  // its clock starts from the page's
}

void present(WebApp& a) { a.page.present(a.game->screen.cg); }

// F12 wrote a picture into the page's memory: the browser offers it as a download.
void offerScreenshots(WebApp& a) {
    a.screenshotAsked = false;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(kScreenshots, ec))
        if (entry.path().extension() == ".png") jsOfferDownload(entry.path().c_str());
}

void reportStorage(WebApp& a) {
    const std::string& why = a.storage.failure();
    if (why == a.shownFailure) return;
    a.shownFailure = why;
    jsStorageFailed(why.empty() ? "" : storageFailureMessage(why).c_str());
    if (!why.empty()) showNotice(*a.game, storageFailureMessage(why));
}

// A browser may end a page without waiting for what its pagehide handler
// starts, so leaving cannot be where the game is saved: the page keeps the
// save as it would be written on closing, every couple of seconds it changed.
void keepSaved(WebApp& a, double now) {
    constexpr double kEveryMs = 2000;
    if (a.driven || now < a.nextKeepMs) return;
    a.nextKeepMs = now + kEveryMs;
    std::string bytes = encodeSave(*a.game);
    if (bytes == a.keptSave) return;
    if (writeSaveFile(*a.game).empty()) a.keptSave = std::move(bytes);
}

void frame() {
    WebApp& a = *app;
    Game& game = *a.game;
    const double now = emscripten_get_now();
    if (!a.driven && !a.page.closed() && now >= a.nextTickMs) {
        if (const auto g = a.touch.tick(static_cast<int64_t>(now))) cgMouseDown(game, g->x, g->y, true);
        a.clockMs = static_cast<int64_t>(now);
        timerTick(game, a.clockMs);
        a.nextTickMs += std::max(game.frameInterval, 1);
        if (a.nextTickMs <= now) a.nextTickMs = now + game.frameInterval;
    }
    present(a);
    if (a.screenshotAsked) offerScreenshots(a);
    if (!a.page.closed()) keepSaved(a, now);
    a.storage.persistIfChanged(now);
    reportStorage(a);
    // Wake when the next frame is due, not at every refresh of the screen.
    const double wait = a.driven ? 50 : std::max(1.0, a.nextTickMs - emscripten_get_now());
    emscripten_set_main_loop_timing(EM_TIMING_SETTIMEOUT, static_cast<int>(wait));
}

bool running() { return app && app->game && !app->game->closing; }

}  // namespace

}  // namespace minamori

using namespace minamori;

extern "C" {

// The saves are read (storageOk) or could not be. From the page's address:
// the seed; driven, a test takes the page over from the start; boxFonts, text
// is measured by fixed metrics and not drawn, as the headless driver's
// --box-fonts does (the recorded replays are played so).
EMSCRIPTEN_KEEPALIVE void minamori_start(double seed, int driven, int boxFonts, int storageOk,
                                         const char* storageWhy) {
    app = new WebApp();
    std::string error;
    if (boxFonts)
        app->fonts = std::make_unique<BoxFontEngine>();
    else
        app->fonts = StbFontEngine::create(
            StbFontFiles{"/content/fonts/minamori-pgothic.ttf", "/content/fonts/minamori-gothic.ttf",
                         "/content/fonts/glyph-reach.txt"},
            error);
    if (!app->fonts) {
        jsFail(("文字を表示できません: " + error).c_str());
        return;
    }
    app->game = std::make_unique<Game>(
        Services{&app->audio, &app->dialogs, &app->page, app->fonts.get()}, webGamePaths(),
        static_cast<uint64_t>(seed));
    if (driven) takeOver(*app);
    formCreate(*app->game);
    app->keptSave = encodeSave(*app->game);  // what is saved already, or a new game
    if (!storageOk) {
        app->shownFailure = storageWhy;
        const std::string text = "ブラウザの保存領域が使えません（" + std::string(storageWhy) +
                                 "）。この回のプレイは保存されません。";
        jsStorageFailed(text.c_str());
    }
    app->nextTickMs = emscripten_get_now();
    present(*app);
    emscripten_set_main_loop(frame, 0, false);
    jsMarkReady();
}

EMSCRIPTEN_KEEPALIVE void minamori_pointer_move(int x, int y) {
    if (running()) cgMouseMove(*app->game, x, y);
}

EMSCRIPTEN_KEEPALIVE void minamori_pointer_down(int x, int y, int right) {
    if (running()) cgMouseDown(*app->game, x, y, right != 0);
}

EMSCRIPTEN_KEEPALIVE void minamori_pointer_up() {
    if (running()) cgMouseUp(*app->game);
}

EMSCRIPTEN_KEEPALIVE void minamori_wheel(int steps) {
    if (running()) cgMouseWheel(*app->game, steps);
}

// Returns whether the game took the key, so that the browser does nothing else with it.
EMSCRIPTEN_KEEPALIVE int minamori_key(const char* code, int down, int repeat, int alt) {
    if (!running()) return 0;
    Game& game = *app->game;
    if (isDomFullscreenKey(code, alt != 0)) {
        if (down && !repeat) {
            app->page.toggleFullscreen();
            windowChanged(game, game.settings.windowFactor, app->page.isFullscreen());
        }
        return 1;
    }
    const Key key = keyFromDomCode(code);
    if (key == Key::kOther) return 0;
    if (!down) {
        formKeyUp(game, key);
        return 1;
    }
    if (repeat && !domKeyRepeats(key)) return 1;
    formKeyDown(game, key);
    if (key == Key::kF12) app->screenshotAsked = true;
    return 1;
}

// kind: 0 down, 1 move, 2 up, 3 cancel; at picture points.
EMSCRIPTEN_KEEPALIVE void minamori_touch(int kind, int id, int x, int y) {
    if (!running()) return;
    Game& game = *app->game;
    const int64_t now = static_cast<int64_t>(emscripten_get_now());
    std::optional<Gesture> g;
    switch (kind) {
        case 0: g = app->touch.down(id, x, y, now); break;
        case 1: g = app->touch.move(id, x, y); break;
        case 2: g = app->touch.up(id, now); break;
        default: app->touch.cancel(); break;
    }
    if (!g) return;
    switch (g->kind) {
        case GestureKind::kTap:
        case GestureKind::kRightClick:
            cgMouseMove(game, g->x, g->y);
            cgMouseDown(game, g->x, g->y, g->kind == GestureKind::kRightClick);
            cgMouseUp(game);
            break;
        case GestureKind::kSwipeUp: cgMouseWheel(game, 1); break;
        case GestureKind::kSwipeDown: cgMouseWheel(game, -1); break;
    }
}

EMSCRIPTEN_KEEPALIVE void minamori_focus_lost() {
    if (running()) releaseHeldKeys(*app->game);
}

// The page is hidden or left: the game is saved as closing the window saves
// it, and the saves go to the browser's storage at once.
EMSCRIPTEN_KEEPALIVE void minamori_page_hidden() {
    if (!running()) return;
    releaseHeldKeys(*app->game);
    if (!writeSaveFile(*app->game).empty()) return;
    app->keptSave = encodeSave(*app->game);
    jsStoreNow(app->game->savePath().c_str());
}

EMSCRIPTEN_KEEPALIVE void minamori_fullscreen_changed(int on) {
    if (running()) windowChanged(*app->game, app->game->settings.windowFactor, on != 0);
}

EMSCRIPTEN_KEEPALIVE void minamori_storage_copied(int ok, const char* why) {
    if (app) app->storage.copied(ok != 0, why);
}

// One command of the headless driver; its answer lives until the next call.
EMSCRIPTEN_KEEPALIVE const char* minamori_run(const char* line) {
    static std::string answer;
    if (!app || !app->game) return "error: the game has not started";
    takeOver(*app);
    answer = driver(*app).execute(line);
    present(*app);
    return answer.c_str();
}

// The driver's `state`, without taking the page over: a test playing in real
// time looks on.
EMSCRIPTEN_KEEPALIVE const char* minamori_state() {
    static std::string answer;
    if (!app || !app->game) return "error: the game has not started";
    answer = driver(*app).execute("state");
    return answer.c_str();
}

}  // extern "C"

int main() {
    EM_ASM({ Module.minamoriPage.boot(); });
    return 0;
}
