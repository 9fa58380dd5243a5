// Page 40 (軍事): landings and answers to the island incidents, visits, training
// and games, arms bought and built, the war-history exams and the nuclear step.
#include <cstdint>
#include <iterator>

#include "actions/action_pages.h"
#include "actions/diplomacy_commands.h"
#include "actions/layer.h"
#include "script/stats.h"

namespace minamori {

namespace {

using namespace affairs;

void queueLine(ActionLayer& game, const char* text) { game.queue.pushLine(text); }

// The islands are retaken when the US forces, a tenth of them counted, and our
// own together outnumber China's, as they stand after the fighting's losses.
bool islandsRetaken(const ActionLayer& game) {
    const int64_t ours = int64_t{game.countries[kUsa].military} / 10 + game.countries[kJapan].military;
    return ours > game.countries[kChina].military;
}

void recapture(ActionLayer& game, const Command&, int32_t) {
    changeMilitary(game, kJapan, -5);
    changeMilitary(game, kChina, -5);
    if (islandsRetaken(game)) {
        queueLine(game, "se meisei.wav");
        queueLine(game, "見事、尖閣を取り戻しました!!");
        queueDanger(game, -8);
    } else {
        queueLine(game, "se meisei_down.wav");
        queueLine(game, "尖閣の奪還に失敗しました!!");
    }
}

// The game is always fought; one time in three beating it also calms the islands.
void gameMayCalm(ActionLayer& game, const Command&, int32_t) {
    if (game.R(3) == 0) game.battle.stakes.winDanger = -1;
}

// Shouting at the sea draws either a professional protester or an activist.
void shoutAtTheSea(ActionLayer& game, const Command& command, int32_t row) {
    constexpr int32_t kProtester = 57, kActivist = 51;
    queueCommandBattle(game, command, game.R(2) == 0 ? kProtester : kActivist, row);
}

constexpr const char* kIndustry = "国内企業が活性化されました";
constexpr const char* kUsPressure = "アメリカからの圧力を受けました";
constexpr const char* kAntiNuclearDemo = "国内反核運動家のデモが行われました";

// clang-format off
constexpr Command kCommands[] = {
    {.slot = 1, .feedback = "尖閣へ行きました....",
     .steps = {xp(10), vitXp(15), say("尖閣に、日章旗を掲げました!!"), battle(51)},
     .stakes = {.winHomeOpinion = 3, .winDanger = -3}},
    {.slot = 2, .feedback = kIslandDefence,
     .steps = {xp(15), vitXp(30), battle(50)},
     .stakes = {.winHomeOpinion = 3, .winChinaOpinion = -6, .winChinaMilitary = -3, .winDanger = -6}},
    {.slot = 3, .feedback = "中国へ渡りました....",
     .steps = {say("共産党幹部に接触を試みました...."), battle(68)},
     .stakes = {.winChinaMilitary = -5, .winDanger = -5}, .recordOrigin = true},
    {.slot = 4, .feedback = "尖閣へ行き、付近海域で釣りをしました!!",
     .steps = {xp(15), vitXp(10),
               say("海上保安庁の人に注意を受けましたが、尖閣における実効支配の色を僅かに強めました"), battle(51)},
     .stakes = {.winHomeOpinion = 2, .winDanger = -2}},
    {.slot = 5, .feedback = "中国の尖閣資源開発施設を、空爆して破壊しました!!",
     .steps = {xp(30), opinion(4), opinion(-10, kChina), danger(-8), growth(-10, kChina), growth(5)}},
    {.slot = 6, .feedback = "海上保安庁の船によって、中国漁船を退去させました!!",
     .steps = {xp(15), battle(50)},
     .stakes = {.winHomeOpinion = 3, .winChinaOpinion = -5, .winDanger = -4}},
    {.slot = 7, .feedback = "海上自衛隊のイージス艦によって、中国艦船を退去させました!!",
     .steps = {xp(30), battle(53)},
     .stakes = {.winHomeOpinion = 4, .winChinaOpinion = -5, .winDanger = -6}},
    {.slot = 8, .feedback = "航空自衛隊のスクランブル発進によって、中国軍用機を退去させました!!",
     .steps = {xp(40), opinion(3), opinion(-4, kChina), danger(-4)}},
    {.slot = 9, .feedback = "海上保安庁に、不法入国者を逮捕させました!!",
     .steps = {xp(20), battle(50)},
     .stakes = {.winHomeOpinion = 3, .winChinaOpinion = -5, .winDanger = -5}},
    {.slot = 10, .feedback = "海上自衛隊に、中国艦船に警告射撃させました!!",
     .steps = {xp(50), battle(53)},
     .stakes = {.winHomeOpinion = 3, .winChinaOpinion = -8, .winDanger = -7}},
    {.slot = 11, .feedback = "陸上自衛隊に、尖閣奪還作戦を展開させました!!",
     .steps = {xp(60), opinion(6), opinion(-12, kChina)},
     .finish = recapture},
    {.slot = 12, .feedback = "ＦＰＳゲームをプレーしました",
     .steps = {xp(2), battle(52)},
     .finish = gameMayCalm},
    {.slot = 13, .feedback = "零戦のプラモデルを作って遊びました",
     .steps = {xp(3), intXp(1), oneIn(3, danger(-1))}},
    {.slot = 14, .feedback = "自衛隊体験入隊に参加しました",
     .steps = {xp(10), vitXp(10), military(1), danger(-1)}},
    {.slot = 15, .feedback = "防衛省見学に参加しました",
     .steps = {xp(10), intXp(10), vitXp(5), danger(-1)}},
    {.slot = 16, .feedback = "遊就館見学に参加しました",
     .steps = {xp(5), intXp(5), tokuXp(5), vitXp(5)}},
    {.slot = 17, .feedback = "りっくんランド見学に参加しました",
     .steps = {xp(5), vitXp(5)}},
    {.slot = 18, .feedback = "自衛隊訓練見学に参加しました",
     .steps = {xp(10), intXp(10), vitXp(5), danger(-1)}},
    {.slot = 19, .feedback = "戦史検定を受験しました",
     .steps = {xp(4), intXp(4), battle(74)},
     .stakes = {.winExam = 1}, .recordOrigin = true},
    {.slot = 20, .feedback = "石垣島へ行き、海に向かってやめろーと叫びました....",
     .steps = {xp(12), vitXp(12), tokuXp(6)},
     .stakes = {.winHomeOpinion = 1, .winDanger = -1},
     .finish = shoutAtTheSea},
    {.slot = 21, .feedback = "腕立て伏せをしました",
     .steps = {xp(8), vitXp(8)}},
    {.slot = 22, .feedback = "皇居外堀ランニングをしました",
     .steps = {xp(10), vitXp(10)}},
    {.slot = 23, .feedback = "ジムへいきました",
     .steps = {xp(12), vitXp(12)}},
    {.slot = 24, .feedback = "IRON TIDE1945をプレーしました",
     .steps = {xp(4), battle(61)}},
    {.slot = 25, .feedback = "MMO RPGをプレーしました",
     .steps = {xp(6), battle(62)}},
    {.slot = 26, .feedback = "オルセク文書を研究し、対日工作の実態を勉強しました",
     .steps = {xp(15), intXp(15)}},
    {.slot = 27, .feedback = kIntelligenceStudy,
     .steps = {xp(25), intXp(15), tokuXp(15)}},
    {.slot = 28, .feedback = "オスプレイ配備をアメリカに要請しました",
     .steps = {danger(-4), military(10), opinion(3, kUsa), say("国内平和主義者及び左翼のデモが行われました"),
               opinion(-3)}},
    {.slot = 29, .feedback = "F35を購入しました",
     .steps = {danger(-2), military(3), opinion(3, kUsa)}},
    {.slot = 30, .feedback = "エセックス級空母を購入しました",
     .steps = {danger(-3), military(40), opinion(3, kUsa)}},
    {.slot = 31, .feedback = "アルテア級原子力空母を購入しました",
     .steps = {danger(-5), military(50), opinion(3, kUsa), say(kAntiNuclearDemo), opinion(-5)}},
    {.slot = 32, .feedback = "国産戦闘機心神を開発しました",
     .steps = {danger(-3), military(50), say(kIndustry), growth(5), say(kUsPressure), opinion(-4, kUsa)}},
    {.slot = 33, .feedback = "国産空母あかぎを開発しました",
     .steps = {danger(-4), military(60), say(kIndustry), growth(6), say(kUsPressure), opinion(-5, kUsa)}},
    {.slot = 34, .feedback = "国産原子力空母ずいかくを開発しました",
     .steps = {danger(-6), military(80), say(kIndustry), growth(8), say(kUsPressure), opinion(-8, kUsa),
               say(kAntiNuclearDemo), opinion(-5)}},
    {.slot = 35, .feedback = "国産原子力潜水艦かいてんを開発しました",
     .steps = {danger(-8), military(90), say(kIndustry), growth(10), say(kUsPressure), opinion(-12, kUsa),
               say(kAntiNuclearDemo), opinion(-6)}},
    {.slot = 36, .feedback = "ニュークリアシェアリングを導入しました",
     .steps = {danger(-15), military(20), say("アメリカから、かなりの条件を飲まされました"), growth(-15),
               say(kAntiNuclearDemo), opinion(-6)}},
    {.slot = 37, .feedback = "核保有に挑みました",
     .steps = {battle(82)},
     .stakes = {.winConstitution = 5}, .recordOrigin = true},
    {.slot = 38, .feedback = "超ﾊｲﾃｸ核融合戦艦やまとを完成させました!!",
     .steps = {danger(-30), military(200), say(kIndustry), growth(20), say("アメリカから、かなりの圧力を受けました"),
               opinion(-30, kUsa), say("国内平和主義者及び反核運動家のデモが行われました"), opinion(-10)}},
    {.slot = 39, .feedback = "スパイ防止法が制定されました",
     .steps = {danger(-5), military(5), say("アメリカから圧力を受けました"), opinion(-5, kUsa)}},
    {.slot = 40, .feedback = "戦史検定中級を受験しました",
     .steps = {xp(4), intXp(4), battle(75)},
     .stakes = {.winExam = 2}, .recordOrigin = true},
    {.slot = 41, .feedback = "戦史検定上級を受験しました",
     .steps = {xp(4), intXp(4), battle(76)},
     .stakes = {.winExam = 3}, .recordOrigin = true},
    {.slot = 42,
     .steps = {battle(83)},
     .stakes = {.winExam = 4}, .recordOrigin = true},
    {.slot = 43, .feedback = "中国に敢えて尖閣を刺激させるよう工作しました",
     .steps = {xp(4), intXp(4), danger(5)}},
};
// clang-format on

static_assert(std::size(kCommands) == 43 && slotsUnique(kCommands));

}  // namespace

void runMilitary(ActionLayer& game, int32_t row, int32_t slot) {
    if (const Command* command = findCommand(kCommands, slot)) runCommand(game, *command, row);
}

}  // namespace minamori
