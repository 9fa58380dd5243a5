// The rows of the military page (軍事): the player's own actions on the
// islands, the responses to the island incidents of the year, training and
// study, and the defence purchases of the ministers.
#include "menus/menu_rows.h"

namespace minamori {

namespace {

using namespace rowdata;

// Columns: row number, page, slot, caption, day cost, money cost, least level,
// 体力, 知力 and ｶﾘｽﾏ, max uses, prerequisite row, required item, least home
// opinion, home opinion below, colour class, parent page, width, height, and
// the condition under which the row is offered. A 0 leaves the field as it is.
// Most rows from 599 to 610 answer an island incident of the current year and
// vanish with it; rows 599 to 603 are wider for their long captions.
// clang-format off
constexpr FixedRow kMilitaryRows[] = {
   //row  page  slot  caption                                              days      money  Lv  体力  知力  ｶﾘｽﾏ    max  after  item  op≥  op<  colour  parent    w  h  condition
    {599,   40,   20, "個人:石垣島まで行き、海に向かって出て行けーと叫ぶ",   30,         1,  0,    0,    0,    0,     9,     0,    0,   0,   0,      0,      0, 370, 0, when(incidentsExceptAircraft >= 1)},
    {600,   40,    1, "個人:尖閣へ上陸し日章旗を掲げる",                     30,         3,  0,    0,    0,    0,     5,     0,    2,   0,   0,      0,      1, 310, 0, when(incidentsOf(kIncidentBoatsNear, kIncidentFishermenLand, kIncidentArmyLand) >= 1)},
    // The caption of row 601 is our own wording.
    {601,   40,    2, "個人:竹槍を手に尖閣の侵入者を追い払う",               60,         4,  0,    0,    0,    0,     5,     0,    1,   0,   0,      0,      0, 310, 0, when(incidentsOf(kIncidentFishermenLand, kIncidentArmyLand) >= 1)},
    {602,   40,    3, "個人:中国内で共産党幹部を暗殺する",                   90,       100,  0,    0,    0,    0,     1,     0,    0,   0,   0,      0,      0, 310, 0, when(chinaBanned == 0)},
    {603,   40,    4, "個人:尖閣海域で釣りをする",                           50,        20,  0,    8,    3,    0,     0,     0,    0,   0,   0,      0,      0, 310, 0, when(incidentsOf(kIncidentBoatsNear, kIncidentNavyNear, kIncidentBoatsInside, kIncidentNavyInside) >= 1)},
    {604,   40,    5, "中国の尖閣資源開発施設を破壊",                       120,     10000,  0,   13,    6,    5,     0,     0,    0,  80,   0,      0,      0,   0, 0, when(incidentsOf(kIncidentDrilling) >= 1, ministerDefence == 1)},
    {605,   40,    6, "海上保安庁:中国漁船を退去させる",                     30,        50,  0,    7,    0,    0,     0,     0,    0,  20,   0,      0,      0,   0, 0, when(incidentsOf(kIncidentBoatsNear, kIncidentBoatsInside) >= 1, primeMinister == 1)},
    {606,   40,    7, "海上自衛隊:中国漁船を退去させる",                     60,       500,  0,   12,    0,    0,     0,     0,    0,  40,   0,      0,      0,   0, 0, when(incidentsOf(kIncidentNavyNear) >= 1, ministerDefence == 1)},
    {607,   40,    8, "航空自衛隊:スクランブル発進",                         30,       100,  0,   15,    0,    0,     0,     0,    0,  30,   0,      0,      0,   0, 0, when(incidentsOf(kIncidentAircraft) >= 1, ministerDefence == 1)},
    {608,   40,    9, "海上保安庁:不法入国者を逮捕",                         60,        50,  0,   10,   10,    0,     0,     0,    0,  50,   0,      0,      0,   0, 0, when(incidentsOf(kIncidentFishermenLand) >= 1, primeMinister == 1)},
    {609,   40,   10, "海上自衛隊:中国艦船に警告射撃",                       30,      1000,  0,   18,   12,   10,     0,     0,    0,  70,   0,      0,      0,   0, 0, when(incidentsOf(kIncidentNavyInside) >= 1, ministerDefence == 1)},
    {610,   40,   11, "陸上自衛隊:尖閣奪還作戦を展開",                      150,     10000,  0,   20,   15,   15,     0,     0,    0,  80,   0,      0,      0,   0, 0, when(incidentsOf(kIncidentArmyLand) >= 1, ministerDefence == 1)},
    {612,   40,   13, "零戦のプラモデルを作る",                              30,         0,  0,    0,    1,    0,     1,     0,    0,   0,   0,      0,      0,   0, 0, always},
    {613,   40,   14, "自衛隊体験入隊",                                      90,         0,  4,    3,    2,    0,     1,   614,    0,   0,   0,      0,      0,   0, 0, always},
    {614,   40,   15, "防衛省見学",                                          30,         0,  3,    1,    3,    1,     1,   617,    0,   0,   0,      0,      0,   0, 0, always},
    {615,   40,   16, "遊就館見学",                                          30,         0,  0,    1,    3,    3,     5,   612,    0,   0,   0,      0,      0,   0, 0, always},
    {616,   40,   17, "りっくんランド見学",                                  30,         0,  0,    1,    2,    2,     5,     0,    0,   0,   0,      0,      0,   0, 0, always},
    {617,   40,   18, "自衛隊訓練見学",                                      30,         0,  2,    2,    4,    1,     1,   616,    0,   0,   0,      0,      0,   0, 0, always},
    {618,   40,   19, "戦史検定初級を受験",                                  60,         0,  3,    0,    5,    2,     1,     0,    0,   0,   0,      0,      0,   0, 0, always},
    {620,   40,   21, "腕立て伏せ",                                          30,         0,  0,    2,    0,    0,    19,   616,    0,   0,   0,      0,      0,   0, 0, always},
    {621,   40,   22, "皇居外堀ランニング",                                  35,         0,  0,    3,    0,    0,    19,   620,    0,   0,   0,      0,      0,   0, 0, always},
    {622,   40,   23, "ジムへ通う",                                          40,         2,  0,    4,    0,    0,    19,   621,    0,   0,   0,      0,      0,   0, 0, always},
    {623,   40,   12, "COD:MW3をPLAY",                                        7,         0,  0,    0,    0,    0, 99999,     0,    0,   0,   0,      0,      0,   0, 0, always},
    {624,   40,   24, "IRON TIDE1945をPLAY",                                  7,         0,  2,    0,    2,    0,     9,     0,    0,   0,   0,      0,      0,   0, 0, always},
    {625,   40,   25, "MMO RPGをPLAY",                                        7,         0,  4,    0,    4,    0,     9,   624,    0,   0,   0,      0,      0,   0, 0, always},
    {626,   40,   26, "オルセク文書研究",                                     7,         0,  4,    0,    6,    0,     5,   618,    0,   0,   0,      0,      0,   0, 0, always},
    {627,   40,   27, "白鷺機関諜報戦略研究",                                 7,         0,  5,    0,    7,    0,     5,   626,    0,   0,   0,      0,      0,   0, 0, always},
    {628,   40,   28, "オスプレイ配備要請",                                  30,     30000,  0,    0,    0,    0,     1,   509,    0,  55,   0,      0,      0,   0, 0, when(ministerForeign == 1)},
    {629,   40,   29, "F35購入",                                             30,     15000,  0,    0,    0,    0,     5,   509,    0,   0,   0,      0,      0,   0, 0, when(ministerDefence == 1)},
    {630,   40,   30, "エセックス級空母購入",                                60,    120000,  0,    0,    0,    0,     3,   629,    0,   0,   0,      0,      0,   0, 0, when(ministerDefence == 1)},
    {631,   40,   31, "アルテア級原子力空母購入",                            60,   3650000,  0,    0,    0,    0,     3,   434,    0,   0,   0,      0,      0,   0, 0, when(ministerDefence == 1)},
    {632,   40,   32, "国産戦闘機心神開発",                                 150,   1000000,  0,    0,    0,    0,     1,   435,    0,  60,   0,      0,      0,   0, 0, when(ministerDefence == 1)},
    {633,   40,   33, "国産空母あかぎ開発",                                 300,   5000000,  0,    0,    0,    0,     1,   632,    0,  70,   0,      0,      0,   0, 0, when(ministerDefence == 1)},
    {634,   40,   34, "国産原子力空母ずいかく開発",                         300,  10000000,  0,    0,    0,    0,     1,   436,    0,  80,   0,      0,      0,   0, 0, when(ministerDefence == 1)},
    {635,   40,   35, "国産原子力潜水艦かいてん開発",                       300,  50000000,  0,    0,    0,    0,     1,   634,    0,  90,   0,      0,      0,   0, 0, when(ministerDefence == 1)},
    {636,   40,   36, "ニュークリアシェアリング",                           150,    500000,  0,    0,    0,    0,     1,   434,    0,  70,   0,      0,      0,   0, 0, when(ministerDefence == 1, opinion(kUsa) >= 60)},
    {637,   40,   37, "核保有",                                              30,   5000000,  0,    0,    0,    0,     1,   434,    0,  80,   0,      0,      0,   0, 0, when(ministerDefence == 1)},
    {638,   40,   38, "超ﾊｲﾃｸ核融合戦艦やまと開発",                         300, 500000000,  0,    0,    0,    0,     1,   635,    0,  90,   0,      0,      0,   0, 0, when(ministerDefence == 1)},
    {639,   40,   39, "スパイ防止法制定",                                    30,     10000,  0,    0,    0,    0,     1,   627,    0,  70,   0,      0,      0,   0, 0, when(ministerDefence == 1)},
    {640,   40,   40, "戦史検定中級を受験",                                  60,         0,  4,    0,   10,    4,     1,   618,    0,   0,   0,      0,      0,   0, 0, always},
    {641,   40,   41, "戦史検定上級を受験",                                  60,         0,  5,    0,   15,    6,     1,   640,    0,   0,   0,      0,      0,   0, 0, always},
    {642,   40,   42, "日本諜報機関の設立",                                  60,   1000000, 10,    0,   12,    6,     1,   436,    0,  70,   0,      0,      0,   0, 0, always},
    {643,   40,   43, "中国に敢えて尖閣を刺激させるよう工作",                60,     50000, 12,    0,   15,    8,     1,   642,    0,   0,   0,      0,      0,   0, 0, always},
};
// clang-format on

}  // namespace

std::span<const rowdata::FixedRow> militaryRows() {
    return kMilitaryRows;
}

}  // namespace minamori
