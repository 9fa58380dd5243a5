#include "driver.h"

#include <sstream>

#include <nlohmann/json.hpp>

#include "core/history_file.h"
#include "core/settings_file.h"
#include "core/save_file.h"
#include "core/text_util.h"
#include "fields.h"
#include "game/advance.h"
#include "game/choice_guard.h"
#include "game/interpreter.h"
#include "game/shell.h"
#include "view/png_file.h"
#include "state_hash.h"
#include "view/chart.h"
#include "view/colours.h"
#include "view/dialog_box.h"

namespace minamori {

namespace {

constexpr int kPictureWidth = 640;
constexpr int kPictureHeight = 480;
constexpr int kMaxTicks = 100000;

std::string error(const std::string& why) { return "error: " + why; }

// Splits "word rest of line" at the first space.
std::pair<std::string, std::string> splitWord(const std::string& line) {
    const auto space = line.find(' ');
    if (space == std::string::npos) return {line, {}};
    return {line.substr(0, space), line.substr(space + 1)};
}

bool parsePoint(const std::string& args, int32_t& x, int32_t& y) {
    const auto [xs, ys] = splitWord(args);
    return parseInt32(xs, x) && parseInt32(ys, y) && inRange(x, kPictureWidth) &&
           inRange(y, kPictureHeight);
}

nlohmann::ordered_json takeAll(std::vector<std::string>& names) {
    nlohmann::ordered_json out = names;
    names.clear();
    return out;
}

const char* overlayName(Overlay o) {
    switch (o) {
        case Overlay::kHistory: return "history";
        case Overlay::kChart: return "chart";
        case Overlay::kHelp: return "help";
        case Overlay::kPreferences: return "preferences";
        default: return "none";
    }
}

GamePaths driverPaths(const std::filesystem::path& dataDir, const std::filesystem::path& configDir) {
    GamePaths paths(dataDir);
    paths.settingsFile = (configDir.empty() ? dataDir / "config" : configDir) / kSettingsFileName;
    paths.screenshotsDir = dataDir / "screenshots";
    return paths;
}

}  // namespace

HeadlessDriver::HeadlessDriver(const std::filesystem::path& dataDir, uint64_t seed,
                               FontEngine* fonts, const std::filesystem::path& configDir)
    : owned_(std::make_unique<Game>(Services{nullptr, nullptr, nullptr, fonts},
                                    driverPaths(dataDir, configDir), seed)),
      game_(*owned_) {
    formCreate(game_);
}

HeadlessDriver::HeadlessDriver(Game& game, int64_t clockMs) : game_(game), clockMs_(clockMs) {}

std::string HeadlessDriver::execute(const std::string& rawLine) {
    std::string line = rawLine;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto [command, args] = splitWord(line);

    if (command == "state") return state();
    if (command == "settings") return settings();
    if (command == "hash") return hashText(stateHash(game_));
    if (command == "quit") {
        if (!formClose(game_)) return error("the save failed; the game stays open");
        finished_ = true;
        return "ok";
    }
    if (command.empty()) return error("empty command");
    if (game_.closing) return error("the game has closed");

    if (command == "click") return click(args, false);
    if (command == "rclick") return click(args, true);
    if (command == "row") return clickRow(args);
    if (command == "move") {
        int32_t x = 0, y = 0;
        if (!parsePoint(args, x, y)) return error("move X Y, inside 640 x 480");
        cgMouseMove(game_, x, y);
        return "ok";
    }
    if (command == "key") return key(args, KeyMove::kPress);
    if (command == "keydown") return key(args, KeyMove::kDown);
    if (command == "keyup") return key(args, KeyMove::kUp);
    if (command == "pad") return pad(args, KeyMove::kPress);
    if (command == "paddown") return pad(args, KeyMove::kDown);
    if (command == "padup") return pad(args, KeyMove::kUp);
    if (command == "wheel") {
        int32_t steps = 0;
        if (!parseInt32(args, steps)) return error("wheel N, above 0 up, below 0 down");
        cgMouseWheel(game_, steps);
        return "ok";
    }
    if (command == "tick") return tick(args);
    if (command == "shot") return shot(args);
    if (command == "chart") return chart(args);
    if (command == "boxshot") return boxshot(args);
    if (command == "push") {
        game_.queue.pushLine(args);
        return "ok";
    }
    if (command == "set") {
        const auto [path, value] = splitWord(args);
        const std::string why = setField(game_, path, value);
        return why.empty() ? "ok" : error(why);
    }
    if (command == "answer") {
        if (args != "yes" && args != "no") return error("answer yes|no");
        game_.recorder().answerYes = args == "yes";
        return "ok";
    }
    if (command == "save") return saveGame(game_) ? "ok" : error("the save failed");
    if (command == "load") {
        loadGame(game_);
        return "ok";
    }
    return error("unknown command: " + command);
}

std::string HeadlessDriver::click(const std::string& args, bool rightButton) {
    int32_t x = 0, y = 0;
    if (!parsePoint(args, x, y)) return error("click X Y, inside 640 x 480");
    // A mouse that stays where it is sends no move: a click there is a click
    // on whatever came up under it.
    if (x != game_.mouseX || y != game_.mouseY) cgMouseMove(game_, x, y);
    cgMouseDown(game_, x, y, rightButton);
    cgMouseUp(game_);  // the button is released
    return "ok";
}

std::string HeadlessDriver::key(const std::string& name, KeyMove move) {
    static const std::pair<const char*, Key> kKeys[] = {
        {"up", Key::kUp},       {"down", Key::kDown},     {"enter", Key::kEnter},
        {"space", Key::kSpace}, {"backspace", Key::kBackspace}, {"pageup", Key::kPageUp},
        {"pagedown", Key::kPageDown}, {"esc", Key::kEscape}, {"g", Key::kG},
        {"left", Key::kLeft},   {"right", Key::kRight},   {"tab", Key::kTab},
        {"ctrl", Key::kCtrl},   {"a", Key::kA},           {"p", Key::kP},
        {"f1", Key::kF1},       {"f12", Key::kF12},
    };
    for (const auto& [word, k] : kKeys) {
        if (name != word) continue;
        if (move != KeyMove::kUp) formKeyDown(game_, k);
        if (move != KeyMove::kDown) formKeyUp(game_, k);
        return "ok";
    }
    return error(
        "key up|down|left|right|enter|space|backspace|pageup|pagedown|esc|g|tab|ctrl|a|p|f1|f12");
}

std::string HeadlessDriver::pad(const std::string& name, KeyMove move) {
    static const std::pair<const char*, PadButton> kButtons[] = {
        {"a", PadButton::kA},          {"b", PadButton::kB},
        {"x", PadButton::kX},          {"y", PadButton::kY},
        {"start", PadButton::kStart},  {"back", PadButton::kBack},
        {"up", PadButton::kDpadUp},    {"down", PadButton::kDpadDown},
        {"left", PadButton::kDpadLeft}, {"right", PadButton::kDpadRight},
    };
    for (const auto& [word, button] : kButtons) {
        if (name != word) continue;
        if (move != KeyMove::kUp) playPadKeys(pad_.button(button, true, clockMs_));
        if (move != KeyMove::kDown) playPadKeys(pad_.button(button, false, clockMs_));
        return "ok";
    }
    if (name == "righttrigger") {
        constexpr int32_t kPulled = 32767;
        if (move != KeyMove::kUp) playPadKeys(pad_.axis(PadAxis::kRightTrigger, kPulled, clockMs_));
        if (move != KeyMove::kDown) playPadKeys(pad_.axis(PadAxis::kRightTrigger, 0, clockMs_));
        return "ok";
    }
    return error("pad a|b|x|y|start|back|up|down|left|right|righttrigger");
}

// The pad's keys reach the game as the window's pad code sends them.
void HeadlessDriver::playPadKeys(const std::vector<PadKey>& keys) {
    for (const PadKey& k : keys) {
        if (k.down)
            formKeyDown(game_, k.key);
        else
            formKeyUp(game_, k.key);
    }
}

std::string HeadlessDriver::clickRow(const std::string& args) {
    int32_t n = 0;
    if (!parseInt32(args, n) || !inRange(n, kMenuRows)) return error("row N, a menu row number");
    if (!game_.queue.empty()) return error("script lines are waiting; click them through first");
    const tmenu& row = game_.menuTable[static_cast<size_t>(n)];
    if (row.shown != 1) return error("row " + args + " is not on the page");
    if (row.curX != row.targetX || row.curY != row.targetY)
        return error("row " + args + " is still sliding in; tick first");
    // The centre of the part of the row that belongs to it (its bottom line is the next row's).
    const int64_t x = int64_t{row.curX} + row.width / 2;
    const int64_t y = int64_t{row.curY} + (row.height - 1) / 2;
    if (!inRange(x, kPictureWidth) || !inRange(y, kPictureHeight))
        return error("row " + args + " lies outside the picture");
    // The pointer is brought to the row, which counts as pointing at it afresh.
    cgMouseMove(game_, static_cast<int32_t>(x), static_cast<int32_t>(y));
    return click(std::to_string(x) + " " + std::to_string(y), false);
}

std::string HeadlessDriver::tick(const std::string& args) {
    int32_t n = 1;
    if (!args.empty() && (!parseInt32(args, n) || n < 0 || n > kMaxTicks))
        return error("tick [N], N from 0 to " + std::to_string(kMaxTicks));
    for (int32_t i = 0; i < n; ++i) {
        clockMs_ += game_.frameInterval;
        playPadKeys(pad_.tick(clockMs_));  // a held direction repeats
        timerTick(game_, clockMs_);
    }
    return "ok";
}

std::string HeadlessDriver::shot(const std::string& path) {
    if (path.empty()) return error("shot FILE.png");
    const std::string why = writePng(game_.screen.cg, path);
    return why.empty() ? "ok" : error(why);
}

std::string HeadlessDriver::chart(const std::string& path) {
    if (path.empty()) return error("chart FILE.png");
    Canvas picture = game_.screen.cg;
    drawChart(game_, picture, readHistory(historyPath(game_)));
    const std::string why = writePng(picture, path);
    return why.empty() ? "ok" : error(why);
}

std::string HeadlessDriver::boxshot(const std::string& path) {
    if (path.empty()) return error("boxshot FILE.png");
    const std::optional<RecordingPlatform::AskedBox>& asked = game_.recorder().lastBox;
    if (!asked) return error("no box has been shown");
    const DialogBox box(game_.text, asked->text,
                        asked->yesNo ? BoxKind::kYesNo : BoxKind::kMessage);
    Canvas picture;
    box.draw(picture, game_.screen.cg);
    const std::string why = writePng(picture, path);
    return why.empty() ? "ok" : error(why);
}

std::string HeadlessDriver::settings() {
    const Settings& s = game_.settings;
    nlohmann::ordered_json out = {{"musicVolume", s.musicVolume},
                                  {"soundVolume", game_.my.volume},
                                  {"autoAdvanceMs", s.autoAdvanceMs},
                                  {"windowFactor", s.windowFactor},
                                  {"fullscreen", s.fullscreen},
                                  {"dayHint", s.dayHint},
                                  {"helpHintShown", s.helpHintShown},
                                  {"file", game_.settingsFile().string()}};
    return out.dump();
}

std::string HeadlessDriver::state() {
    Game& g = game_;
    nlohmann::ordered_json out;
    recordsToJson(g, out);

    nlohmann::ordered_json queue = nlohmann::ordered_json::array();
    for (int i = 0; i < MessageQueue::kSlots && !g.queue.slot(i).empty(); ++i)
        queue.push_back(g.queue.slot(i));
    out["queue"] = queue;

    nlohmann::ordered_json log = nlohmann::ordered_json::array();
    for (int i = 0; i < MessageLog::kEntries; ++i) {
        const tmoji_efe& e = g.log.entry(i);
        log.push_back({{"text", e.text}, {"colour", colourName(e.code)}});
    }
    out["log"] = log;

    out["overlay"] = overlayName(g.overlay.open);
    out["fastForward"] = fastForwarding(g);
    out["autoAdvance"] = g.advance.autoAdvance;
    out["choiceHeld"] = guardHoldsClick(g);
    out["caption"] = g.caption;
    out["historyScroll"] = g.overlay.historyScroll;
    out["historyLines"] = g.history.size();
    out["mouseX"] = g.mouseX;
    out["mouseY"] = g.mouseY;
    out["titleStage"] = g.titleStage;
    out["inGame"] = g.inGame;
    out["currentPage"] = g.menu.currentPage;
    out["backPage"] = g.menu.backPage;
    out["hoveredRow"] = g.menu.hoveredRow;
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (int i = 0; i < kMenuRows; ++i) {
        const tmenu& r = g.menuTable[static_cast<size_t>(i)];
        if (r.shown != 1) continue;
        rows.push_back({{"row", i},
                        {"caption", r.caption},
                        {"enabled", r.enabled},
                        {"x", r.curX},
                        {"y", r.curY},
                        {"targetX", r.targetX},
                        {"targetY", r.targetY},
                        {"width", r.width},
                        {"height", r.height}});
    }
    out["rows"] = rows;
    out["battleState"] = g.battle.battleState;
    out["battleReturnPage"] = g.battle.battleReturnPage;
    const tenemy& e = g.battle.enemy;
    out["enemy"] = {{"name", e.name}, {"level", e.level}, {"hp", e.hp},
                    {"maxHp", e.maxHp}, {"attack", e.attack}, {"story", e.story}};
    const BattleStakes& k = g.battle.stakes;
    out["stakes"] = {{"originRow", k.originRow},
                     {"winHomeOpinion", k.winHomeOpinion},
                     {"winChinaOpinion", k.winChinaOpinion},
                     {"winTaiwanOpinion", k.winTaiwanOpinion},
                     {"winUsOpinion", k.winUsOpinion},
                     {"winChinaMilitary", k.winChinaMilitary},
                     {"winDanger", k.winDanger},
                     {"winElection", k.winElection},
                     {"winExam", k.winExam},
                     {"winConstitution", k.winConstitution},
                     {"winTreatyEnd", k.winTreatyEnd}};
    const DisplayedValues& d = g.displayed;
    out["displayed"] = {{"shownDay", d.shownDay},
                        {"shownExp", d.shownExp},
                        {"shownHp", d.shownHp},
                        {"shownVitalityExp", d.shownVitalityExp},
                        {"shownIntelligenceExp", d.shownIntelligenceExp},
                        {"shownCharismaExp", d.shownCharismaExp},
                        {"shownEnemyHp", d.shownEnemyHp}};

    RecordingPlatform& rec = g.recorder();
    out["sounds"] = takeAll(rec.sounds);
    out["music"] = takeAll(rec.music);
    out["scene"] = g.sceneName;
    out["messageBoxes"] = takeAll(rec.messageBoxes);
    out["closed"] = rec.closed;
    out["frameInterval"] = g.frameInterval;
    out["framesDrawn"] = g.screen.framesDrawn;
    return out.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

}  // namespace minamori
