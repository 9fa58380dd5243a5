#include "view/panels.h"

#include <algorithm>
#include <string>

#include "core/number_texts.h"
#include "core/saturate.h"
#include "view/layer.h"

namespace minamori {

namespace {

using std::to_string;

constexpr FontSpec kPanelFont{FontFace::kFixed, 10, true};
constexpr Pixel kDefault = 0xC0C0C0;

// Trunc(shown / full * length), full at least 1; held to the 32-bit range.
// A bar's length in pixels. Figures far past their maximum give a bar far past
// its track; it is held to a million pixels, which the canvas clips like any
// other, so the drawing positions added to it cannot overflow.
int32_t barLength(int64_t shown, int64_t full, int length) {
    const double f = static_cast<double>(shown) / static_cast<double>(std::max<int64_t>(full, 1)) * length;
    return static_cast<int32_t>(std::clamp(f, -1e6, 1e6));
}

void text(ViewLayer& game, Canvas& canvas, int x, int y, const std::string& s, Pixel colour) {
    game.text.draw(canvas, x, y, s, kPanelFont, colour);
}

Pixel lifespanColour(int32_t years) {
    if (years <= 9) return 0xCC0000;
    if (years <= 19) return 0xCC6666;
    if (years <= 29) return 0xCC9999;
    return kDefault;
}

Pixel hpColour(int64_t percent) {
    if (percent <= 10) return 0xFF4444;
    if (percent <= 20) return 0xFF6666;
    if (percent <= 30) return 0xDD8888;
    if (percent <= 40) return 0xBBAAAA;
    if (percent <= 50) return kDefault;
    if (percent <= 99) return 0xBBBBBB;
    return 0xBBCCCC;
}

void drawDateLine(ViewLayer& game, Canvas& cg) {
    DisplayedValues& d = game.displayed;
    const int32_t m = barLength(d.shownDay, 365, 300);
    cg.fillRect(100, 8, 400, 10, 0x662244);
    cg.fillRect(100 + m - 3, 4, 100 + m + 3, 14, 0xFF00CC);
    text(game, cg, 2, 2, to_string(game.my.year) + "年 " + to_string(d.shownDay) + "日目", kDefault);
    followValue(d.shownDay, game.my.daysUsed);
}

void drawLifespanLine(ViewLayer& game, Canvas& cg) {
    const std::string life = "寿命残り " + to_string(game.my.lifespan) + "年";
    text(game, cg, 2, 17, life, lifespanColour(game.my.lifespan));
    text(game, cg, 7 + game.text.textWidth(life, kPanelFont), 17, game.my.titleText, 0xCCCC66);
}

void drawLevelLine(ViewLayer& game, Canvas& cg) {
    DisplayedValues& d = game.displayed;
    const int64_t next = int64_t{game.my.level} * 50 + 50;
    cg.fillRect(120, 35, 320, 42, 0x225522);
    cg.fillRect(119, 34, 119 + barLength(d.shownExp, next, 200), 42, 0x99CC99);
    text(game, cg, 2, 32,
         "Lv:" + to_string(game.my.level) + "(" + to_string(d.shownExp) + "/" + to_string(next) + ")",
         kDefault);
    followValue(d.shownExp, game.my.exp);
}

void drawHpLine(ViewLayer& game, Canvas& cg) {
    DisplayedValues& d = game.displayed;
    const tmy& m = game.my;
    cg.fillRect(80, 50, 330, 57, m.hp < d.shownHp ? 0x990000 : 0x225555);
    cg.fillRect(79, 49, 79 + barLength(d.shownHp, m.maxHp, 250), 57,
                d.shownHp < m.hp ? 0xAADDDD : 0x99CCCC);
    const int64_t percent = barLength(m.hp, m.maxHp, 100);
    text(game, cg, 2, 47, "HP:" + to_string(m.hp) + "/" + to_string(m.maxHp), hpColour(percent));
    followValueSnapDown(d.shownHp, m.hp);
}

void drawStatLine(ViewLayer& game, Canvas& cg, int y, const char* label, int32_t stat, int32_t exp,
                  int32_t& shown) {
    const int64_t next = int64_t{stat} * 10 + 10;
    cg.fillRect(130, y + 4, 220, y + 10, 0x222255);
    cg.fillRect(129, y + 3, 129 + barLength(shown, next, 90), y + 11, 0x9999CC);
    text(game, cg, 2, y,
         label + to_string(stat) + " (" + to_string(shown) + "/" + to_string(next) + ")", kDefault);
    followValue(shown, exp);
}

void drawEnemyPanel(ViewLayer& game, Canvas& cg) {
    const tenemy& e = game.battle.enemy;
    int32_t& shown = game.displayed.shownEnemyHp;
    text(game, cg, 2, 152, "●" + e.name + " Lv:" + to_string(e.level), kDefault);
    cg.fillRect(80, 170, 330, 177, e.hp < shown ? 0x990000 : 0x552255);
    cg.fillRect(79, 169, 79 + barLength(shown, e.maxHp, 250), 177, 0xCC99CC);
    text(game, cg, 2, 167, "HP:" + to_string(e.hp) + "/" + to_string(e.maxHp), kDefault);
    followValueSnapDown(shown, e.hp);
}

Pixel homeGdpColour(int32_t gdp) {
    if (gdp <= 0) return 0xCC3333;
    if (gdp <= 49) return 0xBB4444;
    if (gdp <= 99) return 0xAA5555;
    if (gdp <= 199) return 0x996666;
    return kDefault;
}

Pixel opinionColour(int32_t opinion) {
    static const Pixel kBands[10] = {0xDD33AA, 0xCC4499, 0xBB5588, 0x996688, 0x888888,
                                     0x668899, 0x55AAAA, 0x55BBBB, 0x44CCCC, 0x33DDCC};
    if (opinion > 999) return kDefault;
    return kBands[std::clamp(opinion / 10, 0, 9)];
}

Pixel growthColour(const std::string& word) {
    static const std::pair<const char*, Pixel> kWords[] = {
        {"凍結", 0x000099}, {"極寒", 0x3333CC}, {"冷", 0x7777CC}, {"普", 0x999999},
        {"暖", 0xCC8866},   {"高温", 0xCC3333}, {"灼熱", 0x990000}};
    for (const auto& [w, colour] : kWords)
        if (word == w) return colour;
    return kDefault;
}

Pixel dangerColour(int32_t danger) {
    static const Pixel kBands[8] = {0x887777, 0x996666, 0xAA5555, 0xBB4444,
                                    0xCC3333, 0xDD2222, 0xEE1111, 0xFF0000};
    if (danger <= 19) return 0x888888;
    if (danger > 999) return kDefault;
    return kBands[std::min(danger / 10 - 2, 7)];
}

void drawCountryRow(ViewLayer& game, Canvas& picture, int c, int y) {
    const tcountry& country = game.countries[static_cast<size_t>(c)];
    const std::string name = country.name + " ";
    text(game, picture, 2, y, name, kDefault);
    text(game, picture, 2 + game.text.textWidth(name, kPanelFont), y,
         "GDP:" + to_string(country.gdp) + "兆", c == kJapan ? homeGdpColour(country.gdp) : kDefault);
    text(game, picture, 132, y, "軍事力:" + to_string(country.military) + "万pt", kDefault);
    text(game, picture, 262, y, "世論:" + opinionWord(country.opinion), opinionColour(country.opinion));
}

}  // namespace

void followValue(int32_t& shown, int32_t target) {
    int64_t s = shown;
    if (target < s) s = s + (target - s) / 10 - 1;
    if (s < target) s = s + (target - s) / 10 + 1;
    shown = saturate32(s);
}

void followValueSnapDown(int32_t& shown, int32_t target) {
    followValue(shown, target);
    if (target < shown) shown = target;
    if (shown < 0) shown = 0;
}

void drawPlayerPanel(ViewLayer& game) {
    if (game.inGame != 1) return;
    Canvas& cg = game.screen.cg;
    DisplayedValues& d = game.displayed;
    const tmy& m = game.my;
    drawDateLine(game, cg);
    drawLifespanLine(game, cg);
    drawLevelLine(game, cg);
    drawHpLine(game, cg);
    drawStatLine(game, cg, 77, "体力:", m.vitality, m.vitalityExp, d.shownVitalityExp);
    drawStatLine(game, cg, 92, "知力:", m.intelligence, m.intelligenceExp, d.shownIntelligenceExp);
    drawStatLine(game, cg, 107, "ｶﾘｽﾏ:", m.charisma, m.charismaExp, d.shownCharismaExp);
    if (game.battle.battleState > 0) drawEnemyPanel(game, cg);
}

void drawWorldPanel(ViewLayer& game, Canvas& picture) {
    if (game.inGame != 1 || game.battle.battleState >= 1) return;
    int row = 0;
    for (int c = kCountries - 1; c >= 0; --c)
        if (!game.countries[static_cast<size_t>(c)].name.empty()) drawCountryRow(game, picture, c, 125 + 15 * row++);

    const std::string growthLabel = "経済成長度:";
    const std::string word = growthWord(game.countries[kJapan].growth);
    text(game, picture, 2, 200, growthLabel, kDefault);
    text(game, picture, 2 + game.text.textWidth(growthLabel, kPanelFont), 200, word, growthColour(word));

    const std::string dangerLabel = "尖閣危険度:";
    text(game, picture, 2, 215, dangerLabel, kDefault);
    text(game, picture, 2 + game.text.textWidth(dangerLabel, kPanelFont), 215,
         to_string(game.my.danger) + "％", dangerColour(game.my.danger));

    picture.copyTransparent(game.screen.moneyIcon, 4, 254, game.screen.moneyTransparent);
    text(game, picture, 24, 260, " " + moneyText(game.my.money), 0xAAAA88);
    if (game.my.debt > 0) text(game, picture, 150, 260, "借金:" + moneyText(game.my.debt), 0x997766);
}

}  // namespace minamori
