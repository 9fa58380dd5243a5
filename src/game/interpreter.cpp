#include "game/interpreter.h"

#include <string_view>

#include "actions/year_update.h"
#include "audio/sound.h"
#include "battle/battle.h"
#include "core/history_file.h"
#include "core/number_texts.h"
#include "core/saturate.h"
#include "core/save_file.h"
#include "core/state.h"
#include "core/text_util.h"
#include "game/game.h"
#include "game/shell.h"
#include "menus/navigation.h"
#include "script/stats.h"
#include "view/log.h"
#include "view/pictures.h"

namespace minamori {

namespace {

using std::to_string;

// How a keyword is found in a line.
enum class Match {
    kWholeLine,  // the line is the keyword
    kNumber,     // the line starts with the keyword; the rest is a number
    kText,       // the line starts with the keyword; the rest is a name
};

// What happens to the queue after a command ran.
enum class After {
    kPop,         // the line is removed
    kNextAtOnce,  // the line is removed and the next one runs in the same click
    kNothing,     // the command emptied the queue or closed the window itself
};

struct ScriptArg {
    int32_t number = 0;
    std::string text;
};

struct ScriptCommand {
    Match match;
    const char* keyword;
    After after;
    void (*run)(Game&, const ScriptArg&);
};

void runStart(Game& game, const ScriptArg&) {
    clearLog(game);
    game.queue.clearQueue();
    game.inGame = 1;
    loadScenePicture(game, "1.jpg");
    playSound(game, "taiiko.wav");
    playSound(game, "dream.wav");
    openMenuPage(game, kPageMain);
}

void runEnd(Game& game, const ScriptArg&) {
    loadGame(game);
    formClose(game);
}

void runEnd2(Game& game, const ScriptArg&) {
    newGame(game);
    formClose(game);
}

void runGameClear(Game& game, const ScriptArg&) {
    tmy& m = game.my;
    m.totalClearCount = addSat(m.totalClearCount, 1);
    if (inRange(m.difficulty, kDifficulties)) {
        int32_t& count = m.clearCount[static_cast<size_t>(m.difficulty)];
        count = addSat(count, 1);
    }
    writeClearRecord(game);
    saveGame(game);
    playSound(game, "lvup.wav");
    addLogLine(game, "----GAME CLEAR!!!!!----", "yellow");
}

void runGameOver(Game& game, const ScriptArg&) {
    playSound(game, "gameover.wav");
    addLogLine(game, "----GAME OVER!!!!!----", "red");
    loadScenePicture(game, "gameover.jpg");
}

void runMenu(Game& game, const ScriptArg& arg) {
    game.queue.clearQueue();
    openMenuPage(game, arg.number);
}

void runMaxHp(Game& game, const ScriptArg& arg) {
    game.my.maxHp = addSat(game.my.maxHp, arg.number);
    playSound(game, "up.wav");
    addLogLine(game, "最大HP +" + to_string(arg.number) + "!!", "pink");
}

// "int_up", "vit_up", "toku_up": a figure rises at once.
void raiseStat(Game& game, int32_t& stat, const char* label, int32_t n) {
    stat = addSat(stat, n);
    playSound(game, "up.wav");
    addLogLine(game, label + to_string(n) + "上昇した", "pink2");
}

void runTokuDown(Game& game, const ScriptArg& arg) {
    const int64_t amount = absWide(arg.number);
    game.my.charisma = addSat(game.my.charisma, -amount);
    playSound(game, "down.wav");
    normaliseState(game);
    addLogLine(game, "ｶﾘｽﾏが " + to_string(amount) + "下がってしまった....", "pink2");
}

void runLifeUp(Game& game, const ScriptArg& arg) {
    game.my.lifespan = addSat(game.my.lifespan, arg.number);
    playSound(game, "up.wav");
    addLogLine(game, "不思議な力により、寿命が" + to_string(arg.number) + "年延びた", "pink");
}

void runSleepEnd(Game& game, const ScriptArg&) {
    recordYear(game);  // the morning's news has played: the year's figures stand
    playSound(game, game.R(2) == 0 ? "start.wav" : "start2.wav");
    openMenuPage(game, kPageMain);
}

void runLivingCost(Game& game, const ScriptArg& arg) {
    game.my.money = addSat(game.my.money, -int64_t{arg.number});
    playSound(game, "katan.wav");
    addLogLine(game, "生活費として " + moneyText(arg.number) + "支払いました", "gray");
}

void runDebtLine(Game& game, const ScriptArg&) {
    addLogLine(game, "200万円を借金して払いました....", "red");
    game.my.debt = addSat(game.my.debt, 2);
    game.countries[kJapan].growth = addSat(game.countries[kJapan].growth, -1);
}

void runTitle(Game& game, const ScriptArg& arg) {
    game.my.titleText = arg.text;
    playSound(game, "home.wav");
    addLogLine(game, "あなたは" + game.my.titleText + "になりました", "yellow");
}

// The commands in the order they are tried; the first match runs.
// clang-format off
const ScriptCommand kCommands[] = {
    {Match::kWholeLine, "start",        After::kNothing,    runStart},
    {Match::kWholeLine, "end",          After::kNothing,    runEnd},
    {Match::kWholeLine, "end2",         After::kNothing,    runEnd2},
    {Match::kWholeLine, "GAMECLEAR",    After::kPop,        runGameClear},
    {Match::kWholeLine, "GAMEOVER",     After::kPop,        runGameOver},
    {Match::kText,      "cg ",          After::kNextAtOnce, [](Game& g, const ScriptArg& a) { loadScenePicture(g, a.text); }},
    {Match::kWholeLine, "cgoff",        After::kNextAtOnce, [](Game& g, const ScriptArg&) { g.worldPanelDirty = 1; }},
    {Match::kText,      "midi ",        After::kNextAtOnce, [](Game& g, const ScriptArg& a) { playMusic(g, a.text); }},
    {Match::kText,      "se ",          After::kNextAtOnce, [](Game& g, const ScriptArg& a) { playSound(g, a.text); }},
    {Match::kNumber,    "menu",         After::kNothing,    runMenu},
    {Match::kNumber,    "danger",       After::kPop,        [](Game& g, const ScriptArg& a) { changeDanger(g, a.number); }},
    {Match::kNumber,    "gold",         After::kPop,        [](Game& g, const ScriptArg& a) { changeMoney(g, a.number); }},
    {Match::kNumber,    "MAXHP",        After::kPop,        runMaxHp},
    {Match::kNumber,    "寿命",         After::kPop,        [](Game& g, const ScriptArg& a) { changeLifespan(g, a.number); }},
    {Match::kNumber,    "item",         After::kPop,        [](Game& g, const ScriptArg& a) { giveItem(g, a.number); }},
    {Match::kNumber,    "exp",          After::kPop,        [](Game& g, const ScriptArg& a) { gainExp(g, a.number); }},
    {Match::kNumber,    "intexp",       After::kPop,        [](Game& g, const ScriptArg& a) { gainIntelligenceExp(g, a.number); }},
    {Match::kNumber,    "int_up",       After::kPop,        [](Game& g, const ScriptArg& a) { raiseStat(g, g.my.intelligence, "知力が", a.number); }},
    {Match::kNumber,    "vitexp",       After::kPop,        [](Game& g, const ScriptArg& a) { gainVitalityExp(g, a.number); }},
    {Match::kNumber,    "vit_up",       After::kPop,        [](Game& g, const ScriptArg& a) { raiseStat(g, g.my.vitality, "体力が", a.number); }},
    {Match::kNumber,    "tokuexp",      After::kPop,        [](Game& g, const ScriptArg& a) { gainCharismaExp(g, a.number); }},
    {Match::kNumber,    "toku_up",      After::kPop,        [](Game& g, const ScriptArg& a) { raiseStat(g, g.my.charisma, "ｶﾘｽﾏが", a.number); }},
    {Match::kNumber,    "toku_down",    After::kPop,        runTokuDown},
    {Match::kNumber,    "life_up",      After::kPop,        runLifeUp},
    {Match::kNumber,    "yoron",        After::kPop,        [](Game& g, const ScriptArg& a) { changeOpinion(g, kJapan, a.number); }},
    {Match::kNumber,    "china_yoron",  After::kPop,        [](Game& g, const ScriptArg& a) { changeOpinion(g, kChina, a.number); }},
    {Match::kNumber,    "taiwan_yoron", After::kPop,        [](Game& g, const ScriptArg& a) { changeOpinion(g, kTaiwan, a.number); }},
    {Match::kNumber,    "usa_yoron",    After::kPop,        [](Game& g, const ScriptArg& a) { changeOpinion(g, kUsa, a.number); }},
    {Match::kNumber,    "miri",         After::kPop,        [](Game& g, const ScriptArg& a) { changeMilitary(g, kJapan, a.number); }},
    {Match::kNumber,    "china_miri",   After::kPop,        [](Game& g, const ScriptArg& a) { changeMilitary(g, kChina, a.number); }},
    {Match::kNumber,    "taiwan_miri",  After::kPop,        [](Game& g, const ScriptArg& a) { changeMilitary(g, kTaiwan, a.number); }},
    {Match::kNumber,    "usa_miri",     After::kPop,        [](Game& g, const ScriptArg& a) { changeMilitary(g, kUsa, a.number); }},
    {Match::kNumber,    "gdpup",        After::kPop,        [](Game& g, const ScriptArg& a) { changeGrowth(g, kJapan, a.number); }},
    {Match::kNumber,    "china_gdpup",  After::kPop,        [](Game& g, const ScriptArg& a) { changeGrowth(g, kChina, a.number); }},
    {Match::kNumber,    "taiwan_gdpup", After::kPop,        [](Game& g, const ScriptArg& a) { changeGrowth(g, kTaiwan, a.number); }},
    {Match::kNumber,    "usa_gdpup",    After::kPop,        [](Game& g, const ScriptArg& a) { changeGrowth(g, kUsa, a.number); }},
    {Match::kNumber,    "battle",       After::kPop,        [](Game& g, const ScriptArg& a) { startBattle(g, a.number); }},
    {Match::kWholeLine, "sleep_henka",  After::kPop,        [](Game& g, const ScriptArg&) { yearlyUpdate(g); }},
    {Match::kWholeLine, "sleep_end",    After::kPop,        runSleepEnd},
    {Match::kNumber,    "生活費",       After::kPop,        runLivingCost},
    {Match::kWholeLine, "200万円を借金して払いました....", After::kPop, runDebtLine},
    {Match::kText,      "称号",         After::kPop,        runTitle},
};
// clang-format on

bool matches(const ScriptCommand& command, std::string_view line, ScriptArg& arg) {
    const std::string_view keyword = command.keyword;
    if (command.match == Match::kWholeLine) return line == keyword;
    if (!startsWith(line, keyword)) return false;
    const std::string rest(line.substr(keyword.size()));
    if (command.match == Match::kNumber)
        arg.number = scriptNumber(rest);
    else
        arg.text = rest;
    return true;
}

// Any line that is not a command is a message for the log.
void showMessageLine(Game& game, const std::string& line) {
    if (startsWith(line, "【!!")) {
        playSound(game, "bel.wav");
        addLogLine(game, line, "red");
    } else if (startsWith(line, "【NE")) {
        playSound(game, "saigai.wav");
        addLogLine(game, line, "pink3");
    } else {
        addLogLine(game, line, "silver");
    }
    game.queue.popLine();
    playSound(game, "moji.wav");
}

void runHeadLine(Game& game) {
    // A copy: the command may change the queue.
    const std::string line = game.queue.headLine();
    for (const ScriptCommand& command : kCommands) {
        ScriptArg arg;
        if (!matches(command, line, arg)) continue;
        command.run(game, arg);
        if (command.after == After::kPop) {
            game.queue.popLine();
        } else if (command.after == After::kNextAtOnce) {
            game.queue.popLine();
            onGameClick(game, 0, 0, false);
        }
        return;
    }
    showMessageLine(game, line);
}

// A click with nothing queued: the menus, then the title pictures or the back page.
void clickWithEmptyQueue(Game& game, int32_t x, int32_t y, bool rightButton) {
    if (!rightButton) {
        game.mouseX = x;
        game.mouseY = y;
        game.clickPending = 1;
        updateMenu(game);
    }
    if (game.titleStage == -2 && !rightButton) {
        game.titleStage = -1;
        loadScenePicture(game, "0.jpg");
        playSound(game, "taiiko.wav");
    } else if (game.titleStage == -1 && !rightButton) {
        game.titleStage = 0;
        loadScenePicture(game, "2.jpg");
        playSound(game, "taiiko.wav");
        openMenuPage(game, kPageTitle);
    } else if (rightButton) {
        const MenuState& menu = game.menu;
        if (menu.backPage != 0 && menu.backPage != menu.currentPage &&
            menu.currentPage != kPageTitle && game.battle.battleState == 0)
            openMenuPage(game, menu.backPage);
    }
}

}  // namespace

void onGameClick(Game& game, int32_t x, int32_t y, bool rightButton) {
    if (game.closing) return;  // the window is going away
    game.worldPanelDirty = 1;
    if (game.battle.battleState >= 2) {
        battleStep(game);
        return;
    }
    if (game.queue.empty()) {
        clickWithEmptyQueue(game, x, y, rightButton);
        return;
    }
    if (rightButton) return;
    // The menu comes back as soon as the last line has been dealt with.
    if (game.queue.headIsLast()) openMenuPage(game, game.menu.currentPage);
    runHeadLine(game);
}

}  // namespace minamori
