// The rows of the policy page (経済), opened from the main menu's 政策. Most
// policies wait for a minister title or the prime-minister title; the
// deregulation steps wait for news from the US.
#include "menus/menu_rows.h"

namespace minamori {

namespace {

using namespace rowdata;

// Columns: row number, page, slot, caption, day cost, money cost, least level,
// 体力, 知力 and ｶﾘｽﾏ, max uses, prerequisite row, required item, least home
// opinion, home opinion below, colour class, parent page, width, height, and
// the condition under which the row is offered. A 0 leaves the field as it is.
// Minister and prime-minister titles are flags of 0 or 1. ＴＰＰ参加 (row 412)
// follows 郵政民営化 (row 427), the last step of the deregulation line.
// clang-format off
constexpr FixedRow kPolicyRows[] = {
   //row  page  slot  caption                         days      money  Lv  体力  知力  ｶﾘｽﾏ  max  after  item  op≥  op<  colour  parent  w  h  condition
    {400,   20,    1, "消費税増税",                     60,       100,  0,    0,    0,    0,   0,     0,    0,   0,   0,      0,      1, 0, 0, when(ministerFinance == 1)},
    {401,   20,    2, "国債発行",                       90,       100,  0,    0,    0,    0,   0,     0,    0,  25,   0,      0,      0, 0, 0, when(ministerFinance == 1)},
    {402,   20,    3, "金融緩和",                       90,         3,  0,    0,    0,    0,   9,     0,    0,  25,   0,      0,      0, 0, 0, when(ministerMonetary == 1)},
    {403,   20,    4, "金融引締め",                     90,         3,  0,    0,    0,    0,   9,     0,    0,  25,   0,      0,      0, 0, 0, when(ministerMonetary == 1)},
    {404,   20,    5, "企業規制緩和",                  120,         0,  0,    0,    0,    0,   1,   449,    0,   0,   0,      0,      0, 0, 0, when(usNewsCount >= 3)},
    {405,   20,    6, "公共投資・スーパー堤防",        250,   3000000,  0,    0,    0,    0,   1,     0,    0,  60,   0,      0,      0, 0, 0, when(ministerLand == 1)},
    {406,   20,    7, "公共投資・新幹線増設",          250,   2000000,  0,    0,    0,    0,   0,     0,    0,  70,   0,      0,      0, 0, 0, when(ministerLand == 1)},
    {407,   20,    8, "公共投資・ﾘﾆｱﾓｰﾀｰ線開通",       250,   2500000,  0,    0,    0,    0,   1,     0,    0,  80,   0,      0,      0, 0, 0, when(ministerLand == 1)},
    {408,   20,    9, "公共投資・耐震化",              250,   1000000,  0,    0,    0,    0,   1,     0,    0,  60,   0,      0,      0, 0, 0, when(ministerLand == 1)},
    {409,   20,   10, "公共投資・復興事業",            250,   2000000,  0,    0,    0,    0,   1,     0,    0,  50,   0,      0,      0, 0, 0, when(ministerFinance == 1)},
    {410,   20,   11, "事業仕分け",                    150,       100,  0,    0,    0,    0,   0,   428,    0,   0,   0,      0,      0, 0, 0, when(ministerFinance == 1)},
    {412,   20,   13, "ＴＰＰ参加",                    180,         0,  0,    0,    0,    0,   1,   427,    0,   0,   0,      0,      0, 0, 0, when(usNewsCount >= 5)},
    {413,   20,   14, "グローバル化推進",              120,      1000,  0,    0,    0,    0,   1,     0,    0,   0,   0,      0,      0, 0, 0, when(usNewsCount >= 3)},
    {414,   20,   15, "原発廃止",                      100,     20000,  0,    0,    0,    0,   1,   417,    0,   0,  70,      0,      0, 0, 0, when(ministerEconomy == 1)},
    {415,   20,   16, "原発推進",                      100,     50000,  0,    0,    0,    0,   1,     0,    0,  75,   0,      0,      0, 0, 0, when(ministerEconomy == 1)},
    {416,   20,   17, "ﾒﾀﾝﾊｲﾄﾞﾚｰﾄ開発",                200,    100000,  0,    0,    0,    0,   1,     0,    0,  85,   0,      0,      0, 0, 0, when(ministerEconomy == 1)},
    {417,   20,   18, "立法・自然ｴﾈﾙｷﾞｰ買取制度",       90,      1000,  0,    0,    0,    0,   1,     0,    0,   0,  75,      0,      0, 0, 0, when(ministerEconomy == 1)},
    {418,   20,   19, "道州制化",                       90,    200000,  0,    0,    0,    0,   1,   404,    0,   0,  70,      0,      0, 0, 0, when(usNewsCount >= 2)},
    {419,   20,   20, "関税引き上げ",                  180,      2000,  0,    0,    0,    0,   1,     0,    0,  75,   0,      0,      0, 0, 0, when(ministerForeign == 1)},
    {420,   20,   21, "生活保護基準緩和",               90,       100,  0,    0,    0,    0,   1,     0,    0,   0,  65,      0,      0, 0, 0, when(ministerEconomy == 1)},
    {421,   20,   22, "ベーシックインカム",             90,   1000000,  0,    0,    0,    0,   1,   420,    0,   0,  50,      0,      0, 0, 0, when(ministerEconomy == 1)},
    {422,   20,   23, "ゼクトール経済導入",            150,    200000,  0,    0,    0,    0,   1,   421,    0,   0,  30,      0,      0, 0, 0, when(primeMinister == 1)},
    {423,   20,   24, "外債引き受け",                   90,   5000000,  0,    0,    0,    0,   1,     0,    0,   0,   0,      0,      0, 0, 0, when(usNewsCount >= 4)},
    {424,   20,   25, "省庁再編による小さな政府化",     90,       100,  0,    0,    0,    0,   1,   449,    0,   0,   0,      0,      0, 0, 0, when(usNewsCount >= 2)},
    {425,   20,   26, "タクシー業界規制緩和",           30,         0,  0,    0,    0,    0,   1,   404,    0,   0,   0,      0,      0, 0, 0, when(usNewsCount >= 3)},
    {426,   20,   27, "外資参入規制緩和",               30,         0,  0,    0,    0,    0,   1,   425,    0,   0,   0,      0,      0, 0, 0, when(usNewsCount >= 3)},
    {427,   20,   28, "郵政民営化",                     60,         0,  0,    0,    0,    0,   1,   426,    0,   0,   0,      0,      0, 0, 0, when(usNewsCount >= 4)},
    {428,   20,   29, "官僚叩き世論の形成",             90,       100,  0,    0,    0,    0,   1,   449,    0,   0,   0,      0,      0, 0, 0, when(usNewsCount >= 2)},
    {429,   20,   30, "議員定数削減、公務員給与削減",   60,         0,  0,    0,    0,    0,   1,   428,    0,   0,   0,      0,      0, 0, 0, when(usNewsCount >= 2)},
    {430,   20,   31, "経済諮問会議",                   30,         0,  0,    0,    0,    0,   9,     0,    0,   0,   0,      0,      0, 0, 0, always},
    {431,   20,   32, "デフレ政策",                     30,     10000,  0,    0,    0,    0,   0,     0,    0,   0,   0,      0,      0, 0, 0, always},
    {432,   20,   33, "インフレ政策",                   30,     10000,  0,    0,    0,    0,   0,     0,    0,   0,   0,      0,      0, 0, 0, always},
    {433,   20,   34, "憲法改正",                      150,     10000,  0,    0,    0,    0,   1,     0,    0,  70,   0,      0,      0, 0, 0, when(primeMinister == 1)},
    {434,   20,   35, "自主憲法制定",                  300,    100000,  0,    0,    0,    0,   1,   435,    0,  85,   0,      0,      0, 0, 0, when(primeMinister == 1)},
    {435,   20,   36, "国防軍発足",                     30,   1000000,  0,    0,    0,    0,   1,   433,    0,  75,   0,      0,      0, 0, 0, when(ministerDefence == 1)},
    {436,   20,   37, "日本軍発足",                     60,   2000000,  0,    0,    0,    0,   1,   633,    0,  90,   0,      0,      0, 0, 0, when(ministerDefence == 1)},
    {437,   20,   38, "日教組廃止",                     60,       100,  0,    0,   10,    0,   1,     0,    0,  55,   0,      0,      0, 0, 0, always},
    {438,   20,   39, "正しい歴史教育を行う",           60,      1000,  0,    0,   15,    0,   1,   437,    0,  60,   0,      0,      0, 0, 0, always},
    {439,   20,   40, "修身教育の復活",                 60,      5000,  0,    0,   20,    0,   1,   438,    0,  75,   0,      0,      0, 0, 0, always},
    {440,   20,   41, "経済企画庁の復活",               60,       100,  0,    0,   10,    0,   1,     0,    0,  55,   0,      0,      0, 0, 0, when(ministerEconomy == 1)},
    {441,   20,   42, "対中ＯＤＡ発行",                 60,    100000,  0,    0,    0,    0,   1,     0,    0,   0,  60,      0,      0, 0, 0, when(ministerForeign == 1)},
    {442,   20,   43, "総理大臣靖国神社参拝",            7,         0,  0,    0,    0,   10,   1,     0,    0,   0,   0,      0,      0, 0, 0, when(primeMinister == 1)},
    {443,   20,   44, "遺骨収集本格化",                 70,     10000,  0,    0,    0,   15,   1,   442,    0,  80,   0,      0,      0, 0, 0, when(primeMinister == 1)},
    {444,   20,   45, "外資参入規制引締め",             30,         0,  0,    0,    0,    0,   1,     0,    0,  75,   0,      0,      0, 0, 0, when(usNewsCount >= 3, ministerEconomy == 1)},
    {445,   20,   46, "電力会社の国営化",               30,         0,  0,    0,    0,    0,   1,     0,    0,  75,   0,      0,      0, 0, 0, when(usNewsCount >= 4, ministerEconomy == 1)},
    {446,   20,   47, "公務員給与増額、大きな政府化",   60,         0,  0,    0,    0,    0,   1,     0,    0,  80,   0,      0,      0, 0, 0, when(usNewsCount >= 5, primeMinister == 1)},
    {447,   20,   48, "保護貿易推進",                  120,      1000,  0,    0,    0,    0,   1,   419,    0,  85,   0,      0,      0, 0, 0, when(usNewsCount >= 3, ministerEconomy == 1)},
    {448,   20,   49, "日本型会社経営方針を立て直す",   30,      1000,  0,    0,    0,    0,   1,     0,    0,  65,   0,      0,      0, 0, 0, when(usNewsCount >= 3, ministerEconomy == 1)},
    {449,   20,   50, "構造改革推進",                   90,       100,  0,    0,    0,    0,   1,     0,    0,   0,   0,      0,      0, 0, 0, when(usNewsCount >= 2)},
    {450,   20,   51, "財政出動",                       30,     50000,  0,    0,    0,    0,   1,     0,    0,  50,   0,      0,      0, 0, 0, when(ministerFinance == 1)},
    {451,   20,   52, "パチンコ廃止",                  300,   6000000,  0,    0,    0,    0,   1,     0,    0,  80,   0,      0,      0, 0, 0, when(ministerEconomy == 1)},
    {452,   20,   53, "ＮＨＫ運営方針改善",            100,    600000,  0,    0,    0,    0,   1,     0,    0,   0,   0,      0,      0, 0, 0, when(primeMinister == 1)},
    {453,   20,   54, "尖閣諸島に船溜まりを建設",       30,     10000,  0,    0,    0,    0,   1,     0,    0,   0,   0,      0,      0, 0, 0, when(ministerLand == 1)},
    {454,   20,   55, "尖閣諸島に灯台、電波塔を建設",   30,     50000,  0,    0,    0,    0,   1,   453,    0,   0,   0,      0,      0, 0, 0, when(ministerLand == 1)},
    {455,   20,   56, "尖閣諸島にヘリポートを建設",     60,    100000,  0,    0,    0,    0,   1,   454,    0,   0,   0,      0,      0, 0, 0, when(ministerDefence == 1)},
    {456,   20,   57, "陰謀論",                         60,  10000000,  0,    0,    0,    0,   1,   642,    0,   0,   0,      1,      0, 0, 0, when(primeMinister == 1)},
    {457,   20,   58, "日米安保破棄",                   60, 500000000,  0,    0,    0,    0,   1,   456,    0,  90,   0,      1,      0, 0, 0, always},
};
// clang-format on

}  // namespace

std::span<const rowdata::FixedRow> policyRows() {
    return kPolicyRows;
}

}  // namespace minamori
