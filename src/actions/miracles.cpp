#include <array>
#include <cstdint>
#include <iterator>
#include <string>

#include "actions/action_pages.h"
#include "actions/layer.h"
#include "audio/sound.h"
#include "core/number_texts.h"
#include "core/saturate.h"
#include "script/stats.h"
#include "view/log.h"

namespace minamori {

namespace {

// One entry of a miracle, carried out in order. All but kOpinionNow are queued
// script lines the player reads one click at a time.
enum class Do : uint8_t {
    kNothing,  // an unused place in a miracle's list
    kSay,      // a queued line: a message or a script command
    kGold,     // queued money
    kGrowth,   // queued home growth
    kOpinion,  // queued opinion change of `country`
    kDanger,   // queued danger change
    kExp,      // queued experience of the four kinds
    kIntExp,
    kVitExp,
    kTokuExp,
    kLifespan,    // queued lifespan change, announced as years lived or lost
    kLifeUp,      // queued lifespan gained by a wondrous power
    kOpinionNow,  // home opinion change at once
};

struct Step {
    Do what = Do::kNothing;
    int32_t amount = 0;
    int32_t country = kJapan;
    const char* text = nullptr;
};

constexpr Step say(const char* text) {
    return {Do::kSay, 0, kJapan, text};
}
constexpr Step gold(int32_t n) {
    return {Do::kGold, n};
}
constexpr Step growth(int32_t n) {
    return {Do::kGrowth, n};
}
constexpr Step opinion(int32_t n, int32_t country = kJapan) {
    return {Do::kOpinion, n, country};
}
constexpr Step danger(int32_t n) {
    return {Do::kDanger, n};
}
constexpr Step xp(int32_t n) {
    return {Do::kExp, n};
}
constexpr Step intXp(int32_t n) {
    return {Do::kIntExp, n};
}
constexpr Step vitXp(int32_t n) {
    return {Do::kVitExp, n};
}
constexpr Step tokuXp(int32_t n) {
    return {Do::kTokuExp, n};
}
constexpr Step lifespan(int32_t n) {
    return {Do::kLifespan, n};
}
constexpr Step lifeUp(int32_t n) {
    return {Do::kLifeUp, n};
}
constexpr Step opinionNow(int32_t n) {
    return {Do::kOpinionNow, n};
}

struct Miracle {
    int32_t slot;
    bool confirmed;        // asks the player first, and gives the use back on No
    const char* feedback;  // shown at once; null: none (the shop's slot)
    std::array<Step, 9> steps;
};

constexpr int32_t kShopSlot = 6;
constexpr const char* kPrayer = "日本の神に祈りを捧げました....";
constexpr const char* kHeroicSpirits = "英霊の声が聞こえたような気がしました....";
constexpr const char* kChime = "se rebirth.wav";
constexpr const char* kWonder = "奇跡が起きた!!";

// clang-format off
constexpr Miracle kMiracles[] = {
    {1, true, kPrayer, {say(kChime), say(kWonder), gold(10), lifespan(-10)}},
    {2, true, kPrayer, {say(kChime), say(kWonder), danger(-20), lifespan(-10)}},
    {3, true, kPrayer, {say(kChime), say(kWonder), growth(10), lifespan(-10)}},
    {4, true, kPrayer, {say(kChime), say(kWonder), opinion(10, kChina), opinion(10, kTaiwan), opinion(10, kUsa),
         lifespan(-10)}},
    {5, true, kPrayer, {say(kChime), say(kWonder), gold(100), vitXp(9999), intXp(9999), tokuXp(9999), xp(9999),
         lifespan(-40)}},
    {kShopSlot, false, nullptr, {}},  // the shop: see buy()
    {7, false, kHeroicSpirits, {say(kChime), say(kWonder), growth(5), opinionNow(5), lifeUp(1)}},
    {8, false, kHeroicSpirits, {say(kChime), say(kWonder), growth(10), opinionNow(10), lifeUp(1)}},
    {9, false, kHeroicSpirits, {say(kChime), say(kWonder), lifeUp(5)}},
    {10, false, "日本の神々の声が聞こえたような気がしました....", {say(kChime), say(kWonder), opinion(5), lifeUp(5)}},
    {11, true, "神風が吹く....", {say(kChime), say(kWonder), gold(500000000), lifespan(-9999)}},
};
// clang-format on

constexpr int32_t kMiracleCount = static_cast<int32_t>(std::size(kMiracles));

// The table is looked up by slot: slot s sits at index s - 1.
constexpr bool slotsInOrder() {
    for (int32_t i = 0; i < kMiracleCount; ++i)
        if (kMiracles[i].slot != i + 1) return false;
    return true;
}
static_assert(kMiracleCount == 11 && slotsInOrder());

// A numeric script line: the keyword and the signed decimal number.
void queueNumber(ActionLayer& game, const char* keyword, int64_t n) {
    game.queue.pushLine(keyword + std::to_string(saturate32(n)));
}

void runStep(ActionLayer& game, const Step& step) {
    switch (step.what) {
        case Do::kNothing:
            break;
        case Do::kSay:
            game.queue.pushLine(step.text);
            break;
        case Do::kGold:
            queueNumber(game, "gold", step.amount);
            break;
        case Do::kGrowth:
            queueGrowth(game, kJapan, step.amount);
            break;
        case Do::kOpinion:
            queueOpinion(game, step.country, step.amount);
            break;
        case Do::kDanger:
            queueDanger(game, step.amount);
            break;
        case Do::kExp:
            queueExp(game, step.amount);
            break;
        case Do::kIntExp:
            queueIntelligenceExp(game, step.amount);
            break;
        case Do::kVitExp:
            queueVitalityExp(game, step.amount);
            break;
        case Do::kTokuExp:
            queueCharismaExp(game, step.amount);
            break;
        case Do::kLifespan:
            queueNumber(game, "寿命", step.amount);
            break;
        case Do::kLifeUp:
            queueNumber(game, "life_up", step.amount);
            break;
        case Do::kOpinionNow:
            changeOpinion(game, kJapan, step.amount);
            break;
    }
}

// The player's consent to a miracle that costs years of life.
bool confirmed(ActionLayer& game) {
    return game.dialogs().askYesNo("奇跡を起こそうとしています\n本当によろしいですか？");
}

// A purchase from the shop: the row names the good, the kind and the amount of its effect.
void buy(ActionLayer& game, const tmenu& good) {
    const int32_t n = good.effectAmount;
    addLogLine(game, "【" + good.itemName + "】を購入しました!!", "green");
    playSound(game, "katan.wav");
    tmy& m = game.my;
    switch (good.effectKind) {
        case 1:
            queueNumber(game, "MAXHP", n);
            break;
        case 2:
            queueGrowth(game, kJapan, n);
            break;
        case 3:
            queueDanger(game, saturate32(-int64_t{n}));
            break;
        case 4:
            m.expBonus = addSat(m.expBonus, n);
            game.queue.pushLine("全ての入手経験値が+" + std::to_string(n) + "されるようになった!!");
            break;
        case 5:
            queueNumber(game, "vit_up", n);
            break;
        case 6:
            queueNumber(game, "int_up", n);
            break;
        case 7:
            queueNumber(game, "toku_up", n);
            break;
        case 8:
            queueNumber(game, "life_up", n);
            break;
        case 9:
            m.battleMoneyBonus = addSat(m.battleMoneyBonus, n);
            game.queue.pushLine("敵からの入手金が +" + moneyText(n) + "されるようになった!!");
            break;
        default:
            break;  // a good without an effect
    }
}

}  // namespace

void runMiracle(ActionLayer& game, int32_t row, int32_t slot) {
    if (slot == kShopSlot) {
        if (inRange(row, kMenuRows)) buy(game, game.menuTable[static_cast<size_t>(row)]);
        return;
    }
    if (!inRange(int64_t{slot} - 1, kMiracleCount)) return;
    const Miracle& miracle = kMiracles[slot - 1];
    if (miracle.confirmed && !confirmed(game)) {
        // Declined: the use is given back, but the row stays done for this year.
        if (inRange(row, kMenuRowSlots)) {
            int32_t& uses = game.my.useCount[static_cast<size_t>(row)];
            uses = addSat(uses, -1);
        }
        return;
    }
    if (miracle.feedback) addGreyLine(game, miracle.feedback);
    for (const Step& step : miracle.steps) runStep(game, step);
}

}  // namespace minamori
