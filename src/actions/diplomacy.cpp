// Page 30 (外交): the player's own actions abroad, the journeys and study tours,
// and the foreign policy of the ministers and the prime minister.
#include <iterator>

#include "actions/action_pages.h"
#include "actions/diplomacy_commands.h"
#include "actions/layer.h"
#include "script/stats.h"

namespace minamori {

namespace {

using namespace affairs;

void queueLine(ActionLayer& game, const char* text) { game.queue.pushLine(text); }

// Caught inside a military site: one time in three the player is sent home
// and barred from China.
void maybeBarredAfterArrest(ActionLayer& game, const Command&, int32_t) {
    if (game.R(3) != 0) return;
    queueLine(game, "あなたは無事帰国できましたが、中国国内へ立ち入り禁止になりました");
    game.my.chinaBanned = 1;
}

// The honey trap works one time in two; only a failure draws again, and one
// failure in ten is found out and bars the player from China.
void honeyTrap(ActionLayer& game, const Command&, int32_t) {
    if (game.R(2) == 0) {
        queueLine(game, "あなたのハニートラップは上手く機能しました!!");
        queueOpinion(game, kChina, 2);
        queueGrowth(game, kChina, -4);
        queueMilitary(game, kChina, -6);
        queueDanger(game, -3);
        return;
    }
    queueLine(game, "ハニートラップに失敗しました....");
    if (game.R(10) != 0) return;
    queueLine(game, "あなたは無事帰国できましたが、ハニートラップのことがバレ、中国国内へ立ち入り禁止になりました");
    game.my.chinaBanned = 1;
}

// Agitation on China's net works two times in three.
void agitation(ActionLayer& game, const Command&, int32_t) {
    if (game.R(3) != 0) {
        queueLine(game, "ネットでの扇動活動は上手く機能しました!!");
        queueOpinion(game, kChina, 2);
        queueMilitary(game, kChina, -2);
        queueDanger(game, -2);
    } else {
        queueLine(game, "ネットでの扇動活動は失敗しました....");
    }
}

void tellTaiwanTies(ActionLayer& game, const Command&, int32_t) {
    for (const char* line : taiwanTiesNarrative()) queueLine(game, line);
}

// A study tour: what the player saw, vitality gained on the road at once, and
// what was learnt. Most tours tell their lesson before the experience of mind
// and manner; the tour of India tells it last.
enum class Lesson : uint8_t { kBefore, kLast };

constexpr Command tour(int32_t slot, const char* feedback, const char* lesson,
                       Lesson order = Lesson::kBefore) {
    Command c{.slot = slot, .feedback = feedback};
    if (order == Lesson::kLast)
        c.steps = {xp(10), vitXpNow(5), intXp(5), tokuXp(5), say(lesson)};
    else
        c.steps = {xp(10), vitXpNow(5), say(lesson), intXp(5), tokuXp(5)};
    return c;
}

constexpr const char* kToChina = "中国へ渡りました....";
constexpr const char* kAllianceFeedback = "日米同盟を強化させるような外交を行いました";
constexpr const char* kTroopsInOkinawa = "沖縄に米軍がより強固に展開しました";
constexpr const char* kUsObjected = "アメリカから反発を受けました";

// clang-format off
constexpr Command kCommands[] = {
    {.slot = 1, .feedback = kToChina,
     .steps = {say("中国内で親日ロビー活動を行いました"), xp(7), vitXp(9), battle(56)},
     .stakes = {.winChinaOpinion = 4}},
    {.slot = 2, .feedback = kToChina,
     .steps = {say("わざと軍事施設へ入り、逮捕されました"),
               say("日本と中国のメディアがそれを取り上げ、悪い意味での共産党と軍の存在感が浮き彫りになりました"),
               xp(15), vitXp(10), opinion(2, kChina), military(-4, kChina)},
     .finish = maybeBarredAfterArrest},
    {.slot = 3, .feedback = "英語の動画やサイトを制作し、ネットで国際世論に訴え掛けました....",
     .steps = {xp(5), battle(3)},
     .stakes = {.winTaiwanOpinion = 1, .winUsOpinion = 1, .winChinaMilitary = -1, .winDanger = -1}},
    {.slot = 4, .feedback = kToChina,
     .steps = {say("共産党幹部の一人にハニートラップを仕掛けました...."), xp(10), tokuXp(4)},
     .finish = honeyTrap},
    {.slot = 5, .feedback = "中国のネット上で、民主化や共産党打倒の扇動活動を行いました....",
     .steps = {xp(6)},
     .finish = agitation},
    {.slot = 6, .feedback = "アメリカへ渡りました....",
     .steps = {say("アメリカ国内で親日ロビー活動を行いました"), xp(15), intXp(8), vitXp(8), battle(67)},
     .stakes = {.winUsOpinion = 4}},
    {.slot = 7, .feedback = "アメリカの新聞に、日本の歴史の正当性を訴える広告を出しました....",
     .steps = {xp(8), intXp(4), tokuXp(3), opinion(6, kUsa)}},
    {.slot = 8, .feedback = "台湾へ渡りました....",
     .steps = {say("台湾国内で親日ロビー活動を行いました"), xp(7), tokuXp(4), battle(66)},
     .stakes = {.winTaiwanOpinion = 4}},
    {.slot = 9, .feedback = "中国の尖閣資源開発に対し政府より抗議を行いました",
     .steps = {xp(8), tokuXp(8), opinion(2), opinion(-4, kChina), growth(-2, kChina), danger(-2)}},
    {.slot = 10, .feedback = kAllianceFeedback, .alsoNow = kTroopsInOkinawa,
     .steps = {xp(10), tokuXp(5), opinion(-4), opinion(-2, kChina), opinion(4, kUsa), danger(-10)}},
    {.slot = 11, .feedback = "北京旅行をしました",
     .steps = {xp(8), vitXp(10), intXp(8), battle(56)},
     .stakes = {.winChinaOpinion = 2}},
    {.slot = 12, .feedback = "北台旅行をしました",
     .steps = {xp(5), intXp(8), tokuXp(8), battle(54)},
     .stakes = {.winTaiwanOpinion = 2}},
    {.slot = 13, .feedback = "米西海岸旅行をしました",
     .steps = {xp(10), intXp(8), battle(55)},
     .stakes = {.winUsOpinion = 2}},
    {.slot = 14, .feedback = "個人で中国大使館へ行き、抗議した!!",
     .steps = {xp(6), vitXp(4), tokuXp(2), battle(60)},
     .stakes = {.winHomeOpinion = 1, .winDanger = -1}},
    {.slot = 15, .feedback = "世界地図を眺めました",
     .steps = {xp(1), intXp(1)}},
    {.slot = 16, .feedback = "上海旅行をしました",
     .steps = {xp(16), vitXp(20), intXp(16), battle(65)},
     .stakes = {.winChinaOpinion = 4}},
    {.slot = 17, .feedback = "南台旅行をしました",
     .steps = {xp(10), intXp(16), tokuXp(16), battle(66)},
     .stakes = {.winTaiwanOpinion = 4}},
    {.slot = 18, .feedback = "米東海岸旅行をしました",
     .steps = {xp(20), intXp(16), battle(64)},
     .stakes = {.winUsOpinion = 4}},
    // The rows of slots 24 and 25 are captioned for Turkey and Iran the other
    // way round; each tour tells the country its feedback names.
    tour(20, "パラオを旅行しました", "パラオに今でも残る日本への想いを学びました"),
    tour(21, "ｲﾝﾄﾞﾈｼｱを旅行しました",
         "独立記念公園で、独立碑に刻まれた皇紀の暦に、かつての日本軍人とインドネシア人との繋がりを学びました"),
    tour(22, "ミャンマーを旅行しました", "ミャンマーの戦死者墓地で、日本軍人とビルマ義勇軍人との繋がりを学びました"),
    tour(23, "インドを旅行しました", "インド独立の歴史と、日本軍人との、密接な繋がりを学びました", Lesson::kLast),
    tour(24, "イランを旅行しました", "イラン人達の明治時代への畏敬の念を学びました"),
    tour(25, "トルコを旅行しました", kTurkeyLesson),
    tour(26, "ﾏﾚｰｼｱを旅行しました", kMalaysiaLesson),
    tour(27, "フィリピンを旅行しました", "かつての日本軍人とかつての原住民との繋がりを学びました"),
    tour(28, "タイを旅行しました", "日本と同じ立憲君主国としての意味を学びました"),
    tour(29, "ブラジルを旅行しました", "ブラジルに移住した日本人の功績と、子孫である日系人達の日本への想いを学びました"),
    {.slot = 30, .feedback = kFirstStatementWithdrawn,
     .steps = {xp(20), tokuXpNow(5), say("特定アジア諸国から反発を受けました"), opinion(-5, kChina),
               say("日本国民に正しい事実を認識させました"), opinion(2)}},
    {.slot = 31, .feedback = kSecondStatementWithdrawn,
     .steps = {xp(20), tokuXpNow(5), say("特定アジア諸国から反発を受けました"), opinion(-5, kChina),
               say("日本国民に正しい事実を認識させました"), opinion(2)}},
    {.slot = 32, .feedback = "国連に対し、国連憲章から、日本を敵国から外すよう働き掛けました",
     .steps = {xp(20), tokuXpNow(5), say(kUsObjected), opinion(-5, kUsa), military(-5, kUsa)}},
    {.slot = 33, .feedback = "国連、IMFに最高額の出資金を出し、手動権を握りました",
     .steps = {xp(20), say(kUsObjected), opinion(-20, kUsa),
               say("国際競争の中で有利な立場を多く得られるようになりました"), growth(5), military(5),
               danger(-5)}},
    {.slot = 34, .feedback = "訪中し、共産党幹部と会談しました",
     .steps = {xp(10), battle(65)},
     .stakes = {.winChinaOpinion = 4}},
    {.slot = 35, .feedback = kTaiwanVisit,
     .steps = {xp(10), say("日本統治時代の名所や神社を回り、先人の偉業を称えました"), battle(66)},
     .stakes = {.winChinaOpinion = -3, .winTaiwanOpinion = 5}},
    {.slot = 36, .feedback = "訪米し、大統領と会談しました",
     .steps = {xp(10), say("アーリントン墓地に行き、亡くなった米国軍人に敬意を表しました"), battle(67)},
     .stakes = {.winUsOpinion = 4}},
    {.slot = 37, .feedback = "二度目の東京オリンピック実現を目指し、国内外に働きかけました",
     .steps = {xp(10), battle(69)},
     .stakes = {.winHomeOpinion = 10}, .recordOrigin = true},
    {.slot = 38, .feedback = kAllianceFeedback, .alsoNow = kTroopsInOkinawa,
     .steps = {xp(10), tokuXp(5),
               say("親中派から非難を浴び、親米派を除く保守派からも、隷属的姿勢だとして非難を浴びました。"),
               opinion(-4), opinion(-2, kChina), opinion(4, kUsa), danger(-10)}},
    {.slot = 39, .feedback = "台湾は独立国であるという政府解釈を国内外に発表しました",
     .steps = {xp(10), tokuXp(10), opinion(-10, kChina), opinionNow(10, kTaiwan)}},
    {.slot = 40, .feedback = "日台交流を行いました",
     .steps = {xp(10), tokuXp(10), opinion(-2, kChina), opinionNow(4, kTaiwan)}},
    {.slot = 41, .feedback = "ついに、兄弟国である台湾と、国交を回復しました",
     .steps = {opinion(50, kTaiwan), say("しかし、それによって中国との国交は断絶しました"),
               opinion(-50, kChina)},
     .finish = tellTaiwanTies},
};
// clang-format on

static_assert(std::size(kCommands) == 40 && slotsUnique(kCommands));

}  // namespace

void runDiplomacy(ActionLayer& game, int32_t row, int32_t slot) {
    if (const Command* command = findCommand(kCommands, slot)) runCommand(game, *command, row);
}

}  // namespace minamori
