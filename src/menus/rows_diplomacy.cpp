// The rows of the diplomacy page (外交): the player's own actions abroad, the
// journeys, and the foreign policy of the ministers and the prime minister.
#include "menus/menu_rows.h"

namespace minamori {

namespace {

using namespace rowdata;

// Columns: row number, page, slot, caption, day cost, money cost, least level,
// 体力, 知力 and ｶﾘｽﾏ, max uses, prerequisite row, required item, least home
// opinion, home opinion below, colour class, parent page, width, height, and
// the condition under which the row is offered. A 0 leaves the field as it is.
// The player's own actions (rows 500 to 507) are wider for their long captions.
// The two rows that lean on the security treaty (508 and 536) are withdrawn for
// good once 日米安保破棄 has been carried out; the protests (502, 516) answer an
// island incident of the current year.
// clang-format off
constexpr FixedRow kDiplomacyRows[] = {
   //row  page  slot  caption                                                days     money  Lv  体力  知力  ｶﾘｽﾏ     max  after  item  op≥  op<  colour  parent    w  h  condition
    {500,   30,    1, "個人:中国内で親日ロビー活動",                          150,       10,  0,    5,    5,    5,      5,   331,    0,   0,   0,      0,      1, 320, 0, when(chinaBanned == 0)},
    {501,   30,    2, "個人:中国内で軍事施設に入り拉致され問題を露呈させる",  300,        5,  0,   10,    3,    3,      5,   500,    0,   0,   0,      0,      0, 320, 0, when(chinaBanned == 0)},
    {502,   30,    3, "個人:ネットで国際世論に訴え掛ける",                     30,        1,  0,    0,    1,    1,      5,   332,    0,   0,   0,      0,      0, 320, 0, when(incidentsExceptAircraft >= 1)},
    {503,   30,    4, "個人:中国内で共産党幹部にﾊﾆｰﾄﾗｯﾌﾟを仕掛け操る",        150,      100,  0,    3,    5,   10,      5,   331,    0,   0,   0,      0,      0, 320, 0, when(chinaBanned == 0)},
    {504,   30,    5, "個人:中国のネットで扇動活動",                           90,        5,  0,    0,    6,    3,      5,   331,    4,   0,   0,      0,      0, 320, 0, always},
    {505,   30,    6, "個人:米国内で親日ロビー活動",                          120,       20,  0,    5,    4,    4,      5,   332,    0,   0,   0,      0,      0, 320, 0, always},
    {506,   30,    7, "個人:米国新聞に真実を訴える広告を出す",                 30,      200,  0,    1,    7,    5,      5,   332,    0,   0,   0,      0,      0, 320, 0, always},
    {507,   30,    8, "個人:台湾国内で親日ロビー活動",                        120,        5,  0,    4,    3,    5,      5,   331,    0,   0,   0,      0,      0, 320, 0, always},
    {508,   30,    9, "中国の尖閣資源開発に対し抗議",                          30,        0,  0,    0,    0,    0,     99,   331,    0,  55,   0,      0,      0,   0, 0, when(useCount(kRowTreatyCancelled) == 0, incidentsOf(kIncidentDrilling) >= 1, ministerForeign == 1)},
    {509,   30,   10, "日米同盟強化",                                          90,        0,  0,    0,    0,    0,      1,     0,    0,   0,   0,      0,      0,   0, 0, when(ministerForeign == 1)},
    {510,   30,   11, "北京旅行",                                              50,        2,  0,    0,    0,    0,      4,     0,    0,   0,   0,      0,      0,   0, 0, when(chinaBanned == 0)},
    {511,   30,   12, "北台旅行",                                              30,        1,  0,    0,    0,    0,      5,     0,    0,   0,   0,      0,      0,   0, 0, always},
    {512,   30,   13, "米西海岸旅行",                                          60,        4,  0,    0,    0,    0,      4,     0,    0,   0,   0,      0,      0,   0, 0, always},
    {513,   30,   16, "上海旅行",                                             110,        4,  0,    0,    0,    0,      4,   510,    0,   0,   0,      0,      0,   0, 0, when(chinaBanned == 0)},
    {514,   30,   17, "南台旅行",                                              60,        2,  0,    0,    0,    0,      5,   511,    0,   0,   0,      0,      0,   0, 0, always},
    {515,   30,   18, "米東海岸旅行",                                          90,        8,  0,    0,    0,    0,      4,   512,    0,   0,   0,      0,      0,   0, 0, always},
    {516,   30,   14, "個人・中国大使館抗議",                                  30,        1,  0,    0,    0,    0,      9,     0,    0,   0,   0,      0,      0,   0, 0, when(incidentsExceptAircraft >= 1)},
    {517,   30,   15, "世界地図を眺める",                                       1,        0,  0,    0,    0,    0, 999999,     0,    0,   0,   0,      0,      0,   0, 0, always},
    {518,   30,   20, "パラオ旅行",                                            60,        5,  5,    0,    0,    0,      3,   332,    0,   0,   0,      0,      0,   0, 0, always},
    {519,   30,   21, "ｲﾝﾄﾞﾈｼｱ旅行",                                           60,        6,  6,    0,    0,    0,      3,   518,    0,   0,   0,      0,      0,   0, 0, always},
    {520,   30,   22, "ミャンマー旅行",                                        60,        7,  7,    0,    0,    0,      3,   519,    0,   0,   0,      0,      0,   0, 0, always},
    {521,   30,   23, "インド旅行",                                            60,        8,  8,    0,    0,    0,      3,   520,    0,   0,   0,      0,      0,   0, 0, always},
    {522,   30,   24, "トルコ旅行",                                            60,        9,  9,    0,    0,    0,      3,   521,    0,   0,   0,      0,      0,   0, 0, always},
    {523,   30,   25, "イラン旅行",                                            60,       10, 10,    0,    0,    0,      3,   522,    0,   0,   0,      0,      0,   0, 0, always},
    {524,   30,   26, "ﾏﾚｰｼｱ旅行",                                             60,        5,  6,    0,    0,    0,      3,   518,    0,   0,   0,      0,      0,   0, 0, always},
    {525,   30,   27, "フィリピン旅行",                                        60,        6,  7,    0,    0,    0,      3,   524,    0,   0,   0,      0,      0,   0, 0, always},
    {526,   30,   28, "タイ旅行",                                              60,        7,  8,    0,    0,    0,      3,   525,    0,   0,   0,      0,      0,   0, 0, always},
    {527,   30,   29, "ブラジル旅行",                                          60,        8,  9,    0,    0,    0,      3,   526,    0,   0,   0,      0,      0,   0, 0, always},
    {528,   30,   30, "第一談話破棄",                                          10,        0,  9,    0,    0,    0,      1,     0,    0,   0,   0,      0,      0,   0, 0, when(primeMinister == 1)},
    {529,   30,   31, "第二談話破棄",                                          10,        0, 10,    0,    0,    0,      1,     0,    0,   0,   0,      0,      0,   0, 0, when(primeMinister == 1)},
    {530,   30,   32, "国連憲章から、日本を敵国から外すよう働き掛ける",        70,  5000000,  8,    0,    0,    0,      1,     0,    0,   0,   0,      0,      0,   0, 0, when(ministerForeign == 1)},
    {531,   30,   33, "国連、IMFでの手動権を握る",                             70, 10000000,  8,    0,    0,    0,      1,     0,    0,   0,   0,      0,      0,   0, 0, when(ministerForeign == 1)},
    {532,   30,   34, "訪中する",                                              40,      100,  0,    0,    0,    0,      1,     0,    0,   0,   0,      0,      0,   0, 0, when(ministerForeign == 1)},
    {533,   30,   35, "訪台する",                                              40,      100,  0,    0,    0,    0,      1,     0,    0,   0,   0,      0,      0,   0, 0, when(ministerForeign == 1)},
    {534,   30,   36, "訪米する",                                              40,      100,  0,    0,    0,    0,      1,     0,    0,   0,   0,      0,      0,   0, 0, when(ministerForeign == 1)},
    {535,   30,   37, "オリンピック招致推進",                                  40,   100000,  0,    0,    0,    0,      1,     0,    0,   0,   0,      0,      0,   0, 0, when(ministerEconomy == 1)},
    {536,   30,   38, "日米同盟強化Ⅱ",                                         90,        0,  0,    0,    0,    0,      1,   509,    0,   0,   0,      0,      0,   0, 0, when(useCount(kRowTreatyCancelled) == 0, ministerForeign == 1, usNewsCount >= 1)},
    {537,   30,   39, "台湾は独立国であるという政府声明",                      30,        0,  0,    0,    0,    0,      1,   507,    0,  50,   0,      0,      0,   0, 0, when(ministerForeign == 1)},
    {538,   30,   40, "日台交流",                                              30,        0,  0,    0,    0,    0,      1,   537,    0,   0,   0,      0,      0,   0, 0, when(ministerForeign == 1)},
    {539,   30,   41, "台湾と国交樹立",                                        30,        0,  0,    0,    0,    0,      1,   538,    0,  70,   0,      0,      0,   0, 0, when(ministerForeign == 1)},
};
// clang-format on

}  // namespace

std::span<const rowdata::FixedRow> diplomacyRows() {
    return kDiplomacyRows;
}

}  // namespace minamori
