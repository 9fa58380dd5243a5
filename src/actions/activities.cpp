#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <string>

#include "actions/action_pages.h"
#include "actions/encounter.h"
#include "actions/layer.h"
#include "audio/sound.h"
#include "core/number_texts.h"
#include "core/saturate.h"
#include "menus/navigation.h"
#include "script/stats.h"
#include "view/log.h"

namespace minamori {

namespace {

// One entry of an activity, carried out in order. Most are queued script
// lines the player reads one click at a time; the "Now" kinds apply at once.
enum class Do : uint8_t {
    kNothing,      // an unused place in a row's list
    kExp,          // queued experience of the four kinds
    kIntExp,
    kVitExp,
    kTokuExp,
    kOpinion,      // queued opinion change of country `country`
    kGrowth,       // queued growth change of the home country
    kDanger,       // queued danger change
    kGold,         // queued money
    kGoldFromGdp,  // queued money: home GDP div amount, plus 1
    kItem,         // queued item
    kSay,          // a queued line: a message or a script command
    kBattle,       // a queued battle against opponent `amount`
    kExpNow,       // experience at once
    kItemNow,      // an item at once
    kHpFull,       // HP restored at once
};

struct Step {
    Do what = Do::kNothing;
    int32_t amount = 0;
    int32_t spread = 0;  // if not 0: amount + R(spread)
    int32_t chance = 0;  // if not 0: only when R(chance) is 0
    int32_t country = 0;
    const char* text = nullptr;
};

constexpr Step xp(int32_t n, int32_t spread = 0) { return {Do::kExp, n, spread}; }
constexpr Step intXp(int32_t n, int32_t spread = 0) { return {Do::kIntExp, n, spread}; }
constexpr Step vitXp(int32_t n, int32_t spread = 0) { return {Do::kVitExp, n, spread}; }
constexpr Step tokuXp(int32_t n, int32_t spread = 0) { return {Do::kTokuExp, n, spread}; }
constexpr Step opinion(int32_t n, int32_t country = kJapan) { return {Do::kOpinion, n, 0, 0, country}; }
constexpr Step growth(int32_t n) { return {Do::kGrowth, n}; }
constexpr Step danger(int32_t n) { return {Do::kDanger, n}; }
constexpr Step gold(int32_t n, int32_t spread = 0) { return {Do::kGold, n, spread}; }
constexpr Step goldFromGdp(int32_t divisor) { return {Do::kGoldFromGdp, divisor}; }
constexpr Step item(int32_t i) { return {Do::kItem, i}; }
constexpr Step say(const char* text) { return {Do::kSay, 0, 0, 0, 0, text}; }
constexpr Step battle(int32_t opponent) { return {Do::kBattle, opponent}; }
constexpr Step xpNow(int32_t n) { return {Do::kExpNow, n}; }
constexpr Step itemNow(int32_t i) { return {Do::kItemNow, i}; }
constexpr Step hpFull() { return {Do::kHpFull}; }
constexpr Step oneIn(int32_t chance, Step step) {
    step.chance = chance;
    return step;
}

// What a slot does beyond its list of entries, after them.
enum class Extra : uint8_t {
    kNone,
    kWage,          // pays the wage at once and reopens the page
    kOldComputer,   // 1 in 5, and only while none is held: an old computer
    kRepayDebt,     // pays back what the money allows
    kElection,      // the queued battle decides an election
    kMinister,      // takes a ministry at once
};

using MinisterFlag = int32_t tmy::*;

struct Activity {
    int32_t slot;
    const char* feedback;  // shown at once; null: none
    std::array<Step, 8> steps;
    Extra extra = Extra::kNone;
    int32_t election = 0;  // kElection: the office, which is also the opinion won
    MinisterFlag minister = nullptr;  // kMinister
};

constexpr const char* kPower = "不思議な力を得ました";

// clang-format off
constexpr Activity kActivities[] = {
    {1, "働きました", {}, Extra::kWage},
    {2, "ボランティアしました", {xp(2), vitXp(2, 2), tokuXp(3), oneIn(5, opinion(1))}, Extra::kOldComputer},
    {3, "自主勉強しました", {xp(2), intXp(3)}},
    {4, "勉強会に参加しました", {xp(3), intXp(5), oneIn(3, tokuXp(3))}},
    {5, "周囲の人達に自分の学んだことを知らせました", {xp(4), oneIn(3, vitXp(3)), oneIn(3, tokuXp(4)), opinion(2)}},
    {6, "自分の学んだことを動画にしてネットで公開しました", {xp(4), oneIn(3, intXp(4)), opinion(1)}},
    {7, "保守系デモに参加しました", {xp(5), vitXp(6), opinion(2)}},
    {8, "左翼系デモに参加しました", {vitXp(6), oneIn(3, tokuXp(6)), opinion(-2)}},
    {9, "保守系市民団体への支援を行いました", {xp(5), tokuXp(8), opinion(3)}},
    {10, "左翼系市民団体への支援を行いました", {xp(5), tokuXp(10), opinion(-3)}},
    {11, "執筆活動を行いました", {xp(6), oneIn(3, intXp(8)), oneIn(3, tokuXp(6)), opinion(2),
         say("あなたの本が売れ、印税が入りました"), gold(1, 10)}},
    {12, "町会議員立候補に立候補しました", {xp(6, 5), intXp(1, 3), vitXp(1, 3), tokuXp(1, 3), battle(70)},
         Extra::kElection, 1},
    {13, "県会議員立候補に立候補しました", {xp(7, 5), intXp(4, 3), vitXp(4, 3), tokuXp(4, 3), battle(71)},
         Extra::kElection, 2},
    {14, "国会議員立候補に立候補しました", {xp(8, 5), intXp(5, 3), vitXp(5, 3), tokuXp(5, 3), battle(72)},
         Extra::kElection, 3},
    {15, nullptr, {xp(10, 5), intXp(6, 3), vitXp(6, 3), tokuXp(6, 3), say("称号<経済産業大臣>"),
         say("一部の経済政策が可能になりました")}, Extra::kMinister, 0, &tmy::ministerEconomy},
    {16, nullptr, {xp(10, 5), intXp(6, 3), vitXp(6, 3), tokuXp(6, 3), say("称号<財務大臣>"),
         say("一部の財務政策が可能になりました")}, Extra::kMinister, 0, &tmy::ministerFinance},
    {17, nullptr, {xp(10, 5), intXp(6, 3), vitXp(6, 3), tokuXp(6, 3), say("称号<金融担当大臣>"),
         say("一部の金融政策が可能になりました")}, Extra::kMinister, 0, &tmy::ministerMonetary},
    {18, nullptr, {xp(10, 5), intXp(6, 3), vitXp(6, 3), tokuXp(6, 3), say("称号<国土交通大臣>"),
         say("一部の公共事業が可能になりました")}, Extra::kMinister, 0, &tmy::ministerLand},
    {19, nullptr, {xp(10, 5), intXp(6, 3), vitXp(6, 3), tokuXp(6, 3), say("称号<外務大臣>"),
         say("一部の外交政策が可能になりました")}, Extra::kMinister, 0, &tmy::ministerForeign},
    {20, nullptr, {xp(10, 5), intXp(6, 3), vitXp(6, 3), tokuXp(6, 3), say("称号<防衛大臣>"),
         say("一部の軍事政策が可能になりました")}, Extra::kMinister, 0, &tmy::ministerDefence},
    {21, "総裁選に立候補しました", {xp(11, 5), intXp(7, 3), vitXp(7, 3), tokuXp(7, 3), battle(73)},
         Extra::kElection, 4},
    {22, "神社の清掃をしました", {xp(1), vitXp(2), tokuXp(2), oneIn(5, item(1))}},
    {23, "家の前の掃除をしました", {xp(1), vitXp(1), tokuXp(1)}},
    {24, "町内会に出席しました", {xp(1), tokuXp(1)}},
    {25, "尖閣デモに参加しました", {xp(8), vitXp(4), opinion(-1, kChina), danger(-1)}},
    {26, "中国大使館前デモに参加しました", {xp(6), vitXp(3), opinion(-2, kChina), danger(-2)}},
    {27, "日章旗を買いました", {itemNow(2)}},
    {28, "氏神様を参拝しました HP完全回復", {hpFull(), xp(2), intXp(1), tokuXp(1)}},
    {29, "靖国神社を参拝しました HP完全回復", {hpFull(), xp(3), intXp(2), tokuXp(2)}},
    {30, "地元小学校の運動会に参加しました", {xp(4), vitXp(6), tokuXp(3), item(3)}},
    {31, "借金を返済します....", {}, Extra::kRepayDebt},
    {32, "北京語を勉強しました", {xp(3), intXp(3)}},
    {33, "英語を勉強しました", {xp(3), intXp(3)}},
    {34, "日雇いアルバイトをしました", {xp(2), vitXp(1), goldFromGdp(600), growth(1)}},
    {35, "介護の仕事をするをしました", {xp(3), vitXp(1), tokuXp(1), goldFromGdp(300), growth(1)}},
    {36, "北京語翻訳の仕事をしました", {xp(4), intXp(3), goldFromGdp(200), growth(1)}},
    {37, "英語翻訳の仕事をしました", {xp(4), intXp(3), goldFromGdp(200), growth(1)}},
    {38, "出雲大社を参拝しました HP完全回復", {hpFull(), xp(7), tokuXp(6)}},
    {39, "伊勢神宮を参拝しました HP完全回復", {hpFull(), xp(9), tokuXp(8)}},
    {40, "勉強しました....", {
         say("このゲームでは、尖閣における危険度を 0％にするのが、自らの使命だということを学びました。"),
         xpNow(2), intXp(2)}},
    {41, "働くとは....", {
         say("このゲームでは、働いて得る給料は、日本のGDPが多いほど高い、ということを学びました。"),
         xpNow(2), intXp(2)}},
    {42, "行動とは....", {
         say("行動には、それぞれ必要日数が定められています"),
         say("１年が過ぎると、【..１年を終える】というコマンド以外、できなくなります"),
         say("【..１年を終える】を選択すると、次の年に変わり、日数が増えます"),
         xpNow(2), intXp(2)}},
    {43, "終わりとは....", {
         say("【寿命】は毎年減っていきます"),
         say("【寿命】が尽きた時、あなたは死にます"),
         say("または、尖閣諸島の危険度が高まり、いずれ尖閣諸島が外国人に占領され、奪われた時"),
         say("あなたの使命は潰え、ゲームオーバーとなります"),
         xpNow(2), intXp(2)}},
    {44, "対日世論とは....", {
         say("このゲームにおいて、各国の対日世論が、日本の成長に影響を及ぼす、ということを学びました。"),
         xpNow(2), intXp(2)}},
    {45, "軍事力とは....", {
         say("このゲームにおいて、各国の軍事バランスが、様々なことに影響します"),
         say("また、軍事力は、GDPに比例して成長します"),
         xpNow(2), intXp(2)}},
    {46, "公園のゴミ拾いをしました", {xp(3), vitXp(3), tokuXp(3)}},
    {47, "皇居勤労奉仕に参加しました", {xp(6), vitXp(8), tokuXp(10)}},
    {48, "一般参賀に赴きました", {xp(6), vitXp(6), tokuXp(8)}},
    {49, "反原発デモに参加しました", {vitXp(8), oneIn(3, tokuXp(8)), opinion(-4), growth(-8)}},
    {50, "チベット解放デモに参加しました", {xp(8), vitXp(6), tokuXp(6), opinion(2), opinion(-2, kChina), danger(-1)}},
    {51, "ウイグル弾圧反対デモに参加しました", {xp(10), vitXp(9), tokuXp(9), opinion(3), opinion(-3, kChina), danger(-1)}},
    {52, "南ﾓﾝｺﾞﾙ・満州解放デモに参加しました", {xp(12), vitXp(10), tokuXp(10), opinion(4), opinion(-4, kChina), danger(-1)}},
    {53, "反天連デモに参加しました", {xp(10), vitXp(7), tokuXp(7), opinion(-10), opinion(10, kChina)}},
    {54, "選挙に行きました", {xp(5), opinion(1), growth(3)}},
    {55, "選挙事務所の手伝いをしました", {xp(10), gold(5), opinion(1), growth(5)}},
    {56, "郵便局でアルバイトをしました", {xp(6), gold(2), vitXp(5), tokuXp(5), growth(1)}},
    {57, "碁会所でアルバイトをしました", {xp(12), gold(2), vitXp(8), tokuXp(8), growth(2)}},
    {58, "大鳥神社を参拝しました", {xp(3), growth(1)}},
    {59, "酉の市に参加しました", {xp(6), growth(10)}},
    {60, "近所の見回りをしました", {xp(4), vitXp(4), tokuXp(4), battle(59)}},
    {61, "夜の見回りをしました", {xp(6), vitXp(6), tokuXp(6), battle(58)}},
    {62, "戦闘での攻撃力とは....", {
         say("もうお気づきかも知れませんが、戦闘での攻撃力は【体力】に依存しています"),
         say("【体力】が上がり易いコマンドと、上がりにくいコマンドもありますよ"),
         xpNow(2), intXp(2)}},
    {63, "明治神宮を参拝しました HP完全回復", {hpFull(), xp(3), tokuXp(3)}},
    {64, "熱田神宮を参拝しました HP完全回復", {hpFull(), xp(4), tokuXp(4)}},
    {65, "HP回復について....", {
         say("【HP】は神社をお参りすると回復します"),
         say("または、【..１年を終える】ことで、回復します"),
         say("【HP】が低いまま戦闘にならないよう気をつけましょう"),
         xpNow(2), intXp(2)}},
    {66, "成長度について....", {
         say("【経済成長度】が冷え込んでいると、GDPはどんどん下がっていきます"),
         say("戦闘などで【経済成長度】を僅かながら上げることはできますが、雀の涙"),
         say("本格的なテコ入れは、国政でなければ行えません"),
         say("また、外国の【対日世論】が、影響していることも考慮した方がいいでしょう"),
         say("外国の【対日世論】が悪ければ、それだけ、外国は日本の成長を妨げようと画策します"),
         xpNow(2), intXp(2)}},
    {67, "静かに瞑想しました....", {xpNow(30), intXp(10), vitXp(10), tokuXp(10)}},
    {68, "日本の神々に祈りを捧げました....", {xpNow(100), opinion(2), opinion(2, kChina), opinion(2, kTaiwan),
         opinion(2, kUsa)}},
    {69, "千鳥ケ淵戦没者墓苑を参拝しました", {xpNow(10), intXp(10), vitXp(10), say("se rebirth.wav"), say(kPower),
         say("戦闘で【ガード】が発動するようになりました")}},
    {70, "金比羅さんを参拝しました", {xpNow(10), intXp(5), vitXp(10), tokuXp(5), say("se rebirth.wav"), say(kPower),
         say("戦闘で【回避】が発動するようになりました")}},
    {71, "聖徳記念絵画館へ行きました", {xpNow(10), intXp(10), vitXp(5), tokuXp(5), say("se rebirth.wav"), say(kPower),
         say("戦闘で【スマッシュヒット】が発動するようになりました")}},
    {72, "故郷の歴史を学びました", {xpNow(10), intXp(10), vitXp(5), tokuXp(10), say("se rebirth.wav"), say(kPower),
         say("【戦闘開始時にHPが10%回復】するようになりました")}},
    {73, "周囲の人達に自分の学んだことを知らせました", {xp(8), oneIn(3, vitXp(6)), oneIn(3, tokuXp(8)), opinion(3)}},
    {74, "国政に携わる者としての自分の考えや、国民に伝えるべき正しい情報を動画で配信しました",
         {xp(8), oneIn(3, intXp(8)), opinion(2)}},
    {75, "保守系議員を集める、勉強会を兼ねた会議を開催しました", {xp(10), intXp(6), opinion(3)}},
};
// clang-format on

constexpr int32_t kActivityCount = static_cast<int32_t>(std::size(kActivities));

// The table is looked up by slot: slot s sits at index s - 1.
constexpr bool slotsInOrder() {
    for (int32_t i = 0; i < kActivityCount; ++i)
        if (kActivities[i].slot != i + 1) return false;
    return true;
}
static_assert(kActivityCount == 75 && slotsInOrder());

int32_t homeGdp(const ActionLayer& game) { return game.countries[kJapan].gdp; }

void queueGold(ActionLayer& game, int64_t n) {
    game.queue.pushLine("gold" + std::to_string(saturate32(n)));
}

void runStep(ActionLayer& game, const Step& step) {
    if (step.what == Do::kNothing) return;
    if (step.chance != 0 && game.R(step.chance) != 0) return;
    const int32_t n = step.spread != 0 ? addSat(step.amount, game.R(step.spread)) : step.amount;
    switch (step.what) {
        case Do::kNothing: break;
        case Do::kExp: queueExp(game, n); break;
        case Do::kIntExp: queueIntelligenceExp(game, n); break;
        case Do::kVitExp: queueVitalityExp(game, n); break;
        case Do::kTokuExp: queueCharismaExp(game, n); break;
        case Do::kOpinion: queueOpinion(game, step.country, n); break;
        case Do::kGrowth: queueGrowth(game, kJapan, n); break;
        case Do::kDanger: queueDanger(game, n); break;
        case Do::kGold: queueGold(game, n); break;
        case Do::kGoldFromGdp: queueGold(game, int64_t{homeGdp(game)} / n + 1); break;
        case Do::kItem: queueItem(game, n); break;
        case Do::kSay: game.queue.pushLine(step.text); break;
        case Do::kBattle: queueBattle(game, n); break;
        case Do::kExpNow: gainExp(game, n); break;
        case Do::kItemNow: giveItem(game, n); break;
        case Do::kHpFull: game.my.hp = game.my.maxHp; break;
    }
}

// The wage of 働く: home GDP div 110 for each career level reached plus one,
// and never less than 1.
int32_t wage(const ActionLayer& game) {
    const int32_t career = game.my.careerLevel;
    const int64_t steps = 1 + (career >= 1) + (career >= 2) + (career >= 3);
    return saturate32(std::max<int64_t>(int64_t{homeGdp(game)} / 110 * steps, 1));
}

void repayDebt(ActionLayer& game) {
    tmy& m = game.my;
    playSound(game, "katan.wav");
    if (m.money < m.debt) {
        addLogLine(game, moneyText(m.money) + "を返済しました", "aqua");
        m.debt = addSat(m.debt, -int64_t{m.money});
        m.money = 0;
    } else {
        addLogLine(game, "全額返済しました", "aqua");
        // A debt below zero never comes from play; it is not paid out as money.
        m.money = addSat(m.money, -std::max<int64_t>(m.debt, 0));
        m.debt = 0;
    }
}

void runExtra(ActionLayer& game, const Activity& activity, int32_t row) {
    switch (activity.extra) {
        case Extra::kNone: break;
        case Extra::kWage:
            changeMoney(game, wage(game));
            openMenuPage(game, kPageActivities);  // the rows are rebuilt with the new money
            break;
        case Extra::kOldComputer: {
            constexpr int32_t kOldComputerItem = 4;
            const bool lucky = game.R(5) == 0;  // drawn whether or not one is held
            if (lucky && game.my.itemCount[kOldComputerItem] == 0) {
                game.queue.pushLine("古いパソコンを貰いました");
                queueItem(game, kOldComputerItem);
            }
            break;
        }
        case Extra::kRepayDebt: repayDebt(game); break;
        case Extra::kElection:
            game.battle.stakes.originRow = row;
            game.battle.stakes.winHomeOpinion = activity.election;
            game.battle.stakes.winElection = activity.election;
            break;
        case Extra::kMinister: game.my.*activity.minister = 1; break;
    }
}

}  // namespace

void runActivity(ActionLayer& game, int32_t row, int32_t slot) {
    if (!inRange(int64_t{slot} - 1, kActivityCount)) return;
    const Activity& activity = kActivities[slot - 1];
    if (activity.feedback) addGreyLine(game, activity.feedback);
    for (const Step& step : activity.steps) runStep(game, step);
    runExtra(game, activity, row);
}

}  // namespace minamori
