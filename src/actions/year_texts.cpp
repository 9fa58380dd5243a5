#include "actions/year_texts.h"

// The lines are kept whole, one to a source line, however long.
// clang-format off
namespace minamori::yeartext {

// ---- The end of a game ----

const std::array<const char*, 4> kClearOpening = {
    "尖閣危険度が0％になりました!!!",
    "あなたの努力を始めとする、日本人一人一人の想いが、日本を守ったのです",
    "その島の周囲の海が、束の間の平和のように、静かに凪いでいます....",
    "やったあぞおおおおおおおおおおお！！！！！",
};

const std::array<const char*, 3> kTrueClear = {
    "....しかも、これはTRUE CLEARです。",
    "ここまでプレーしたあなたは、国士としての素質があるかもしれません",
    "日本の未来を見据え、これからもこの国を守ってください!!",
};

const char* const kClearTimePrefix = "....クリアまでに要した時間 ";

const std::array<const char*, 2> kCredits = {
    "企画・シナリオ・プログラム　ミナモリ!! 制作チーム",
    "グラフィック・サウンド　ミナモリ!! 制作チーム",
};

const char* const kThanks = "...プレーして頂き、ありがとうございました。";

const std::array<const char*, 3> kTrueEndHint = {
    "....実は、TRUE ENDというものが存在しています",
    "もし良かった、次はTRUE ENDを目指してプレーしてみて下さい",
    "TRUE ENDに至るコツは「クリアしないように＆GAMEOVERにならないように」プレーすることです",
};

const std::array<const char*, 2> kGameEnd = {"---- GAME END ----", "end2"};

const std::array<const char*, 6> kDeath = {
    "なんということでしょう....!!",
    "あなたは寿命が尽きました!!!!",
    "GAMEOVER",
    "残念です....",
    "※最初からやり直すには、再起動後、タイトルメニューから[初期化]を選択して下さい",
    "end",
};

// ---- Money ----

const char* const kLivingCost = "生活費2";
const char* const kCannotPay = "なんと....生活費が払えませんでした....";
const char* const kBorrowed = "200万円を借金して払いました....";
const char* const kCharismaLoss = "toku_down1";
const char* const kTaxBudget = "税収により予算が増えました";

// ---- News ----
// A headline is followed by the commands it causes; the lines beginning with
// "...." say what the news means for the country.

namespace {
const char* const kUsOpinionWork = "....日本世論工作も併行され、日本世論はすっかり騙されています。";
}  // namespace

const std::array<Event, 5> kUsNews = {{
    {{"【NEWS】米国対日世論の影響を受け、日米関係が不安定化しました。日米安保の有事の際の機能に懸念が持たれています"},
     {"danger1"}},
    {{"【NEWS】米国は、日本の国柄を大きく変える可能性の高い、日本の構造改革を要求して来ました。"},
     {kUsOpinionWork}, {"yoron-1"}, {"gdpup-5"}},
    {{"【NEWS】米国は、規制緩和を要求してきました。"}, {kUsOpinionWork}, {"yoron-2"}, {"gdpup-3"}},
    {{"【NEWS】米国は、郵政民営化を要求してきました。"}, {kUsOpinionWork}, {"yoron-3"}, {"gdpup-3"}},
    {{"【NEWS】米国は、TPPを要求してきました。"}, {kUsOpinionWork}, {"yoron-4"}, {"gdpup-4"}},
}};

const std::array<Event, 5> kChinaNews = {{
    {{"【NEWS】中国で反日デモが発生し、中国国内企業が被害にあいました"},
     {"danger1"},
     {"....日本企業の店舗や工場が壊され、現地で働く人たちは不安な日々を送っています"},
     {"....日本政府は中国政府に抗議し、在留邦人の安全の確保を求めました"}},
    {{"【NEWS】中国で反日デモが発生し、中国からの観光客が減少しました"},
     {"danger1"},
     {"....観光地や商店街では、売り上げの落ち込みを心配する声が上がっています"},
     {"....両国の人と人との交流が、またひとつ細くなってしまいました"}},
    {{"【NEWS】中国国内に、また新しい南京事件記念館ができたようです"},
     {"danger1"},
     {"....歴史をめぐる両国の溝は、なかなか埋まりそうにありません"},
     {"....中国国内で、日本への反感がさらに強まることが心配されます"}},
    {{"【NEWS】中国国内で、日本人バックパッカーが拉致されました"},
     {"danger1"},
     {"....日本政府は早期の解放を求めていますが、交渉は難航しています"},
     {"gdpup-2"}},
    {{"【NEWS】中国共産党は、国内の一部民主的な世論を擁護する動きを見せました"},
     {"danger-1"},
     {"....中国国内にも、日本との対話を望む声が少しずつ広がっています"}},
}};

const std::array<Event, 1> kTaiwanNews = {{
    {{"【NEWS】台湾の反日活動家が、尖閣を台湾のものである主張するデモを行っているようです"},
     {"danger1"},
     {"....台湾の多くの人々は日本に好意的ですが、一部の活動は根強く続いています"}},
}};

const std::array<Event, 4> kEconomyNews = {{
    {{"【NEWS】日本経済が落ち込み、失業者が増え、自殺者数が増加したままになっています"},
     {"....国民の間には、政治への不満と失望が募っています", true},
     {"danger1"}},
    {{"【NEWS】非正規労働者が増え、若者は将来に不安を覚えています"},
     {"....安定した仕事に就けない若者が、結婚や子育てをためらっています"},
     {"....将来への不安は、国そのものへの信頼も揺るがせています", true},
     {"....このままでは、国を支える力が少しずつ弱っていってしまいます", true},
     {"danger1"}},
    {{"【NEWS】経済が冷え込み、円高が続き、次々と国内企業が海外へと流出して、国内雇用が失われています"},
     {"....工場の閉鎖が続き、地方の町から活気が失われつつあります"},
     {"yoron-3"},
     {"danger1"}},
    {{"【NEWS】民間の市場が停滞し、需要が著しく落ち込んでいます。"},
     {"....物が売れず、企業は投資や採用を控えるようになっています"},
     {"yoron-3"},
     {"danger1"}},
}};

const Event kBalanceWeak = {
    {"【NEWS】中国との軍事バランスが崩れ、中国との外交において、不利なカードを引かされました"},
    {"gdpup-2"},
    {"china_gdpup1"},
    {"danger1"},
};

const Event kBalanceStrong = {
    {"【NEWS】中国との軍事バランスが優位になり、中国との外交において、有利な交渉が続いています"},
    {"gdpup1"},
    {"china_gdpup-1"},
    {"danger-1"},
};

const Event kBubble = {
    {"【NEWS】なんと、バブルがはじけて、不動産価値が暴落しました"},
    {"gdpup-100"},
    {"yoron-50"},
};
const char* const kInflation = "【NEWS】経済が過度に過熱し、インフレが大きく進んでいます。注意が必要です。";
const char* const kShortage = "【NEWS】需要が高まり過ぎ、物不足が広がっています。";
const char* const kPropertyPrices = "【NEWS】不動産価格が急激に上昇しています。";

// ---- The islands ----

const std::array<IslandIncident, 8> kIncidents = {{
    {20, {{"【!!】中国が日本の経済的排他水域内で新たな資源採掘をしています"}, {"danger2"}, {"gdpup-2"}},
     kIncidentDrilling},
    {30, {{"【!!】中国の漁船が領海付近で漁業活動をしているようです"}, {"danger3"}, {"gdpup-1"}},
     kIncidentBoatsNear},
    {40, {{"【!!】中国の漁船が領海内に侵入しました"}, {"danger4"}}, kIncidentBoatsInside},
    {50, {{"【!!】中国の海軍艦艇が領海付近に接近しました"}, {"danger5"}}, kIncidentNavyNear},
    {60, {{"【!!】中国の航空軍用機が防空識別圏を突破しました"}, {"danger6"}}, kIncidentAircraft},
    {70, {{"【!!】中国の漁民が尖閣諸島に上陸しました"}, {"danger7"}}, kIncidentFishermenLand},
    {80, {{"【!!】中国の海軍艦艇が領海内に侵入しました"}, {"danger8"}}, kIncidentNavyInside},
    {90, {{"【!!】中国の人民解放軍が尖閣に上陸しました"}, {"danger9"}}, kIncidentArmyLand},
}};

const Event kWar = {
    {"【!!】中国の人民解放軍が沖縄に侵攻し、戦争状態に突入しました"},
    {"....なんということでしょう....、とうとうこんなことにまでなってしまうなんて"},
    {"GAMEOVER"},
    {"残念です...."},
    {"※最初からやり直すには、再起動後、タイトルメニューから[初期化]を選択して下さい"},
    {"end"},
};

}  // namespace minamori::yeartext
// clang-format on
