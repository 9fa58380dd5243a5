#include <array>
#include <cstdint>
#include <iterator>
#include <string>

#include "actions/action_pages.h"
#include "actions/encounter.h"
#include "actions/layer.h"
#include "actions/policy_texts.h"
#include "script/stats.h"
#include "view/log.h"

namespace minamori {

namespace {

// One entry of a policy, carried out in order. All but kOpinionNow are queued
// script lines the player reads one click at a time.
enum class Do : uint8_t {
    kNothing,     // an unused place in a policy's list
    kSay,         // a queued line: a message or a script command
    kGold,        // queued money
    kGrowth,      // queued growth change of `country`
    kOpinion,     // queued opinion change of `country`
    kMilitary,    // queued military change of `country`
    kDanger,      // queued danger change
    kOpinionNow,  // opinion change of `country` at once
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
constexpr Step growth(int32_t n, int32_t country = kJapan) {
    return {Do::kGrowth, n, country};
}
constexpr Step opinion(int32_t n, int32_t country = kJapan) {
    return {Do::kOpinion, n, country};
}
constexpr Step military(int32_t n, int32_t country = kJapan) {
    return {Do::kMilitary, n, country};
}
constexpr Step danger(int32_t n) {
    return {Do::kDanger, n};
}
constexpr Step opinionNow(int32_t n, int32_t country = kJapan) {
    return {Do::kOpinionNow, n, country};
}

// What a slot does beyond its list of entries, after them.
enum class Extra : uint8_t {
    kNone,
    kAdvisory,      // the advisory council steers the home growth towards 30
    kConstitution,  // a battle for a constitutional step
    kTreaty,        // the battle for cancelling the security treaty
    kEssay,         // the essay on who gained from the island dispute
};

struct Policy {
    int32_t slot;
    const char* feedback;  // shown at once; null: none
    std::array<Step, 10> steps;
    Extra extra = Extra::kNone;
    int32_t opponent = 0;      // kConstitution, kTreaty
    int32_t constitution = 0;  // kConstitution: the step won
};

constexpr const char* kJobs = "多くの雇用を生み、経済に波及効果をもたらしました";
constexpr const char* kBuilderEnvy =
    "土建屋だけが儲かっている、という妬み世論がマスコミによって形成されました";
constexpr const char* kUsPressure = "アメリカからの圧力が掛かりました";
constexpr const char* kUsPressureGiven = "アメリカから圧力を受けました";
constexpr const char* kUsChinaPressure = "アメリカや中国から圧力を受けました";
constexpr const char* kSelfSufficient =
    "国外資源依存度が下がり、エネルギー自給率が上がり、安全保障バランスが安定しました";
constexpr const char* kWorkValues = "国民の労働に対する価値観が変容しました";
constexpr const char* kClosedCountry = "鎖国をする気かという世論が形成されました";
constexpr const char* kChinaObjects = "新しい教育方針に対し、中国が強い反発をしました";
constexpr const char* kHoldStronger = "より実効支配が強まりました";

// The lines are kept whole, one to a source line, however long.
// clang-format off
constexpr Policy kPolicies[] = {
    {1, "消費税を増税しました", {say("一時的に税収が上がり、予算を得ました"), gold(10000),
         say("消費税増税により、経済活動の萎縮の効果が発生しました"), growth(-10)}},
    {2, "国債 10兆円を発行しました", {gold(10000000),
         say("政務債務ですが、何故か財務省やマスコミは、国民の借金のような報道をしました"), opinion(-3)}},
    {3, "金融緩和をしました", {growth(3)}},
    {4, "金融引締めをしました", {growth(-3)}},
    {5, "企業規制緩和を行いました", {say("一時的に市場は活性化され、予算が増えました"), gold(1000000), opinion(5, kUsa),
         say("....が、競争が激化し、日本中小企業は壊滅"),
         say("また、会社は社長や社員のものではなく、株主のものという米国スタイルになり.."),
         say("....純利は社員や投資ではなく、株主に回されるようになりました"), growth(-15)}},
    {6, "スーパー堤防を作りました", {say(kJobs), growth(8),
         say("....環境保護団体が自然破壊を訴えデモを行いました"), opinion(-2),
         say(kBuilderEnvy), opinion(-2)}},
    {7, "新幹線を各地方に増設しました", {say(kJobs), growth(10),
         say("....利用者が少ないのに、税金の無駄だという世論をマスコミが形成しました"), opinion(-2),
         say("在来線に大打撃だという世論をマスコミが形成しました"), opinion(-2),
         say("新幹線開通により、過疎化していた地方に企業が流入しました"), growth(7)}},
    {8, "ﾘﾆｱﾓｰﾀｰ線を東海道に新設しました", {say(kJobs), growth(8), say("....アメリカからの圧力が掛かりました"),
         opinion(-5, kUsa), say("東京大阪間の移動時間が大幅に短縮され、経済活動が活性化しました"), growth(4)}},
    {9, "全国主要建造物の耐震化を行いました", {say(kJobs), growth(6), say(kBuilderEnvy), opinion(-2)}},
    {10, "被災地の復興事業を行いました", {say(kJobs), growth(6),
         say("国内企業ばかりが優遇され、外資の参入の機会を奪っていると、アメリカが圧力を掛けてきました"), opinion(-5, kUsa),
         say("被災地には、放射能が何万年も残り続ける。日本から切り離すべき。という意見を、一部の文化人が発信しました"), opinion(-1)}},
    {11, "事業仕分けを行いました", {say("無駄な事業が多く廃止され、その分予算が増えました"), gold(150000),
         say("廃止され分だけ、当然ながらGDP内における政府支出は減り、その分波及効果も雇用も失われました"), growth(-3)}},
    {12, nullptr, {}},  // no such command
    {13, "ＴＰＰに参加しました", {
         say("日本の構造が大きく激変し、外国の大企業がなだれの如く参入して、市場は活性化しました"), opinion(30, kUsa),
         say("かつての民主党政権下の内閣府の試算通り毎年2000億分のGDP成長効果が見られました"),
         gold(200000),  // the 2000億円 of that estimate, paid
         say("しかしながら、日本の国柄が大きく激変し、多くの日本文化や、日本的価値観が変容していきました"), opinion(-100),
         say("金融、保険、政府投資等、多くの事柄が自由化されたことで、やがて金融資産の多くが外国へ吸い上げられました"), growth(-30)}},
    {14, "グローバル化を推進しました", {
         say("日本の大企業が、グローバル化し、外国に支社や工場を持つようになり、貿易収支が上がりました"), gold(500000),
         opinion(5, kUsa), say("企業が海外へ出た分、国内が空洞化し、雇用が失われました"), growth(-8)}},
    {15, "原発を廃止しました", {
         say("国外資源依存度が上がり、エネルギー自給率が下がり、安全保障バランスが崩れました"), danger(10),
         say("電力不足や、輸出依存により、経済活動が停滞しました"), growth(-10)}},
    {16, "原発技術を発展させ、高速増殖炉を稼動させました", {say(kSelfSufficient), danger(-3),
         say("経済活動が活性化しました"), growth(4), say(kUsPressure), opinion(-5, kUsa),
         say("反原発世論がマスコミによって形成されました"), opinion(-8)}},
    {17, "ﾒﾀﾝﾊｲﾄﾞﾚｰﾄ開発を推進させました", {say(kSelfSufficient), danger(-3),
         say("経済活動が活性化しました"), growth(3), say(kUsPressure), opinion(-5, kUsa)}},
    {18, "自然ｴﾈﾙｷﾞｰ買取制度を法制化しました", {
         say("国内での自然エネルギー発電が増え、エネルギー自給率が上がりました、安全保障バランスが安定しました"), danger(-1),
         say("アメリカの環境団体から賞賛されました"), opinion(2, kUsa),
         say("買取価格分、電気料金が上がり、経済が停滞しました"), growth(-2),
         say("地方の森林や海岸が、太陽パネルや風車で埋め尽くされ、日本の原風景の一部が失われました"), opinion(-5)}},
    {19, "道州制を導入しました", {say("関東州、関西州市の経済が活性化されました"), growth(5),
         say("その他の地方州の経済が、財源を確保できず破綻しました"), say("中央行政能力が低下しました"), growth(-10),
         say("国民の郷土愛に根付く価値観が霧散しました"), opinion(-50)}},
    {20, "関税を引き上げました", {say(kUsChinaPressure), opinion(-20, kChina), opinion(-20, kUsa),
         opinion(-10, kTaiwan), danger(25), say("内需が活性化しました"), growth(50), say(kClosedCountry), opinion(-20)}},
    {21, "生活保護基準を緩和しました", {say("弱者の多くが救済されました"), opinion(-5),
         say("経済活動が停滞しました"), growth(-10), say(kWorkValues), opinion(-5)}},
    {22, "ベーシックインカムを導入しました", {say("社会構造が大きく変化しました"), growth(-100),
         say(kWorkValues), opinion(-100), opinion(20, kChina)}},
    {23, "ゼクトール経済を導入しました", {say("社会構造が共産主義化し、大きく変化しました"), growth(-100),
         say(kWorkValues), opinion(-100), opinion(100, kChina)}},
    {24, "外債を購入しました", {say("一時的に円安になり、貿易収支から予算が増えました"), gold(500000),
         opinion(10, kChina), opinion(10, kUsa), growth(-15)}},
    {25, "省庁再編による小さな政府化を行いました", {say("行政能力が効率化されました"), gold(50000),
         opinion(10, kUsa), say("行政能力の規模は減少しました"), growth(-30)}},
    {26, "タクシー業界規制緩和を行いました", {say("一時的にタクシー業界は活性化され、予算が増えました"), gold(10000),
         opinion(3, kUsa), say("....が、タクシー業者が増えすぎ、需給バランスが崩れました"), growth(-3)}},
    {27, "外資参入規制緩和を行いました", {say("一時的に外資が多く参入し、予算が増えました"), gold(500000),
         opinion(5, kUsa), say("....が、日本企業はハゲタカに食い荒らされました"), growth(-5)}},
    {28, "郵政民営化を行いました", {say("市場に競争原理が生まれ、活性化されました"), gold(50000), opinion(10, kUsa),
         say("....が、これまで国営により守られていた郵貯や簡保の莫大な金融資産が、民営化によって世界中の企業や国に吸い上げられました"),
         growth(-10)}},
    {29, "官僚叩き世論の形成を行いました", {say("行政が効率化され、予算が増えました"), gold(30000), opinion(3, kUsa),
         say("....が、人を叩けば自分が良くなる、という非倫理が国民に浸透しました"), opinion(-5),
         say("また、政府と各省庁との連携が不安定化し、政策決定が機能しなくなりました"), growth(-5)}},
    {30, "議員定数削減、公務員給与削減を行いました", {say("小さな政府化が進み、その分予算が増えました"), gold(30000),
         opinion(3, kUsa), say("....政府規模減少に比例して、行政能力、行政サービスが低下しました"), growth(-5)}},
    {31, "経済諮問会議に出席しました", {}, Extra::kAdvisory},
    {32, "市場の熱を抑えるデフレ政策を行いました", {growth(-2)}},
    {33, "市場の熱を喚起させるインフレ政策を行いました", {growth(2)}},
    {34, "憲法改正に挑みました", {}, Extra::kConstitution, 78, 1},
    {35, "自主憲法制定を制定に挑みました", {}, Extra::kConstitution, 79, 2},
    {36, "国防軍発足に挑みました", {}, Extra::kConstitution, 80, 3},
    {37, "日本軍発足に挑みました", {}, Extra::kConstitution, 81, 4},
    {38, "日教組を廃止させました", {say("ようやく日本の子供達が、呪縛から解き放たれました"), opinionNow(10)}},
    {39, "正しい歴史教育を行うようになりました", {
         say("ようやく日本人が、自分の国の成り立ち、神話、そして真実の歴史を学べるようになりました"), opinion(10),
         say(kChinaObjects), opinion(-10, kChina)}},
    {40, "修身教育を復活させました", {
         say("ＧＨＱによって個人主義、利己主義、拝金主義に埋没させられ、日本人としての誠実さを失っていた国民達が"),
         say("....ようやくあるべき日本人の姿を取り戻しました"), opinion(20), say(kChinaObjects), opinion(-15, kChina)}},
    {41, policytext::kPlanningAgencyRevived, {growth(5), say("アメリカからの圧力を受けました"), opinion(-5, kUsa)}},
    {42, "中国にＯＤＡとして、お金をあげました", {growth(5, kChina), opinion(10, kChina), military(10, kChina), danger(2)}},
    {43, "8月15日、靖国神社に昇殿参拝しました", {
         say("この国のために死んだ英霊に、この国の首相が感謝と哀悼の誠を捧げるのは当然のこと"), opinion(5),
         opinion(5, kTaiwan), opinion(-5, kChina)}},
    {44, "遺骨収集を本格化させました", {opinion(5), opinion(5, kTaiwan), opinion(-5, kChina)}},
    {45, "外資参入規制引締めを行いました", {say(kUsChinaPressure), opinion(-10, kChina), opinion(-10, kUsa),
         opinion(-5, kTaiwan), danger(15), say("国内企業が活性化しました"), growth(25), say(kClosedCountry), opinion(-10)}},
    {46, "電力会社の国営化を行いました", {say(kUsPressureGiven), opinion(-10, kUsa),
         say("エネルギー管理の安全性が増し、電気代が安くなりました"), opinion(3),
         say("一部分野で市場競争は起きなくなりましたが、多くの関連企業が保護され、雇用が安定確保されました"), growth(10),
         say("時代に逆行しているという世論をマスコミが形成しようとしました"), opinion(-3)}},
    {47, "公務員給与増額、大きな政府化を行いました", {say(kUsPressureGiven), opinion(-5, kUsa),
         say("行政機能、行政サービスが拡大しました"), opinion(5),
         say("政府支出が大きくなった分、市場の需要が喚起されました"), growth(10),
         say("政府支出の増大は税金の無駄遣いだという世論をマスコミが形成しようとしました"), opinion(-3)}},
    {48, "保護貿易を推進しました", {say(kUsChinaPressure), opinion(-10, kChina), opinion(-10, kUsa),
         opinion(-5, kTaiwan), danger(5), say("国内企業が活性化しました"), growth(25), say(kClosedCountry), opinion(-10)}},
    {49, "かつての日本型経営方針を立て直す政策を推進しました", {
         say("一部の市場競争が停滞し、また極一部では若者の才能が活かされ難い状況が発生しました"), opinion(-2),
         say("....が、株主優先・利益追及ではなく、公共に対する責務や雇用・育成に重点を置いた、従来の日本型経営が復活し"),
         say("....雇用が安定し、社会がより良くなり、また中小企業が発展し易くなりました"), growth(15),
         say(kUsPressureGiven), opinion(-10, kUsa)}},
    {50, "構造改革を推進しました", {say("一時的に政治・社会システムが効率化しました"), growth(5),
         say("日本の国柄が少しずつ変容する下地が形成されました"), opinion(5, kUsa), opinion(-5)}},
    {51, "民間需要と雇用を喚起させる財政出動を行いました", {growth(2)}},
    {52, "パチンコを廃止しました", {growth(-6), opinion(10)}},
    {53, "国営放送としての責務を正しく全うできるようＮＨＫの運営方針を改善しました", {opinion(10),
         say("ＮＨＫ放送局渋谷ビル内にある中国中央電子台支局を追い出し、ＮＨＫから中国の息の掛かったスパイを排除しました"),
         opinion(-10, kChina), military(-5, kChina)}},
    {54, "尖閣諸島に船溜まりを建設しました", {
         say("これで漁師の人が安全に尖閣周辺海域で漁ができ、実効支配が強まるようになりました"), danger(-2),
         opinion(-5, kChina)}},
    {55, "尖閣諸島に灯台、電波塔を建設しました", {say(kHoldStronger), danger(-3), opinion(-10, kChina)}},
    {56, "尖閣諸島に灯台、ヘリポートを建設しました", {say(kHoldStronger), danger(-4), opinion(-15, kChina)}},
    {57, nullptr, {say("midi ruin.mid")}, Extra::kEssay},
    {58, nullptr, {}, Extra::kTreaty, 77},
};
// clang-format on

constexpr int32_t kPolicyCount = static_cast<int32_t>(std::size(kPolicies));

// The table is looked up by slot: slot s sits at index s - 1.
constexpr bool slotsInOrder() {
    for (int32_t i = 0; i < kPolicyCount; ++i)
        if (kPolicies[i].slot != i + 1) return false;
    return true;
}
static_assert(kPolicyCount == 58 && slotsInOrder());

void runStep(ActionLayer& game, const Step& step) {
    switch (step.what) {
        case Do::kNothing:
            break;
        case Do::kSay:
            game.queue.pushLine(step.text);
            break;
        case Do::kGold:
            game.queue.pushLine("gold" + std::to_string(step.amount));
            break;
        case Do::kGrowth:
            queueGrowth(game, step.country, step.amount);
            break;
        case Do::kOpinion:
            queueOpinion(game, step.country, step.amount);
            break;
        case Do::kMilitary:
            queueMilitary(game, step.country, step.amount);
            break;
        case Do::kDanger:
            queueDanger(game, step.amount);
            break;
        case Do::kOpinionNow:
            changeOpinion(game, step.country, step.amount);
            break;
    }
}

void runExtra(ActionLayer& game, const Policy& policy, int32_t row) {
    switch (policy.extra) {
        case Extra::kNone:
            break;
        case Extra::kAdvisory:
            // Judged now, on the growth the council sees, not when the line is read.
            queueGrowth(game, kJapan, game.countries[kJapan].growth <= 30 ? 1 : -1);
            break;
        case Extra::kConstitution: {
            BattleStakes stakes;
            stakes.originRow = row;
            stakes.winConstitution = policy.constitution;
            queueBattle(game, policy.opponent, stakes);
            break;
        }
        case Extra::kTreaty: {
            BattleStakes stakes;
            stakes.originRow = row;
            stakes.winTreatyEnd = 1;
            queueBattle(game, policy.opponent, stakes);
            break;
        }
        case Extra::kEssay:
            for (const char* line : policytext::kWhoGained) game.queue.pushLine(line);
            queueOpinion(game, kUsa, 100);
            break;
    }
}

}  // namespace

void runPolicy(ActionLayer& game, int32_t row, int32_t slot) {
    if (!inRange(int64_t{slot} - 1, kPolicyCount)) return;
    const Policy& policy = kPolicies[slot - 1];
    if (policy.feedback) addGreyLine(game, policy.feedback);
    for (const Step& step : policy.steps) runStep(game, step);
    runExtra(game, policy, row);
}

}  // namespace minamori
