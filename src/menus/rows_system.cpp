// The rows of the main menu, the quit, OPTION and SOUND pages, the title menu
// with its two reset confirmations, and the battle commands.
#include "menus/menu_rows.h"

namespace minamori {

namespace {

using namespace rowdata;

// Columns: row number, page, slot, caption, day cost, money cost, least level,
// 体力, 知力 and ｶﾘｽﾏ, max uses, prerequisite row, required item, least home
// opinion, home opinion below, colour class, parent page, width, height, and
// the condition under which the row is offered. A 0 leaves the field as it is.
// The main menu's rows are 30 high: the builder gives rows 1 to 19 that height.
// clang-format off
constexpr FixedRow kSystemRows[] = {
   //row  page  slot  caption             days  money  Lv  体力  知力  ｶﾘｽﾏ  max  after  item  op≥  op<  colour  parent  w  h  condition
    {  1,    1,    2, "活動",                0,     0,  0,    0,    0,    0,   0,     0,    0,   0,   0,      0,      0, 0, 0, always},
    {  2,    1,    5, "政策",                0,     0,  0,    0,    0,    0,   0,     0,    0,   0,   0,      0,      0, 0, 0, when(careerLevel >= 3)},
    {  3,    1,    6, "外交",                0,     0,  0,    0,    0,    0,   0,     0,    0,   0,   0,      0,      0, 0, 0, always},
    {  4,    1,    7, "軍事",                0,     0,  0,    0,    0,    0,   0,     0,    0,   0,   0,      0,      0, 0, 0, always},
    {  5,    1,    8, "奇跡",                0,     0,  0,    0,    0,    0,   0,     0,    0,   0,   0,      0,      0, 0, 0, always},
    {  9,    1,    4, "..１年を終える",      0,     0,  0,    0,    0,    0,   0,     0,    0,   0,   0,      0,      0, 0, 0, always},
    { 10,    1,    3, "OPTION",              0,     0,  0,    0,    0,    0,   0,     0,    0,   0,   0,      3,      0, 0, 0, always},
    { 11,    1,    1, "×ゲーム終了",         0,     0,  0,    0,    0,    0,   0,     0,    0,   0,   0,      3,      0, 0, 0, always},
    { 50,    2,    1, "はい",                0,     0,  0,    0,    0,    0,   0,     0,    0,   0,   0,      0,      1, 0, 0, always},
    { 51,    2,    2, "いいえ",              0,     0,  0,    0,    0,    0,   0,     0,    0,   0,   0,      0,      0, 0, 0, always},
    { 60,    3,    1, "SOUND",               0,     0,  0,    0,    0,    0,   0,     0,    0,   0,   0,      0,      1, 0, 0, always},
    { 61,    3,    3, "セーブする",          0,     0,  0,    0,    0,    0,   0,     0,    0,   0,   0,      0,      0, 0, 0, always},
    { 62,    3,    2, "歴史",                0,     0,  0,    0,    0,    0,   0,     0,    0,   0,   0,      0,      0, 0, 0, always},
    {100,    4,    1, "音量を下げる",        0,     0,  0,    0,    0,    0,   0,     0,    0,   0,   0,      0,      3, 0, 0, always},
    {101,    4,    2, "音量を上げる",        0,     0,  0,    0,    0,    0,   0,     0,    0,   0,   0,      0,      0, 0, 0, always},
    {190,    6,    2, "いいえ",              0,     0,  0,    0,    0,    0,   0,     0,    0,   0,   0,      0,      0, 0, 0, always},
    {191,    6,    1, "はい",                0,     0,  0,    0,    0,    0,   0,     0,    0,   0,   0,      0,      5, 0, 0, always},
    {192,    7,    2, "いいえ",              0,     0,  0,    0,    0,    0,   0,     0,    0,   0,   0,      0,      0, 0, 0, always},
    {193,    7,    1, "はい",                0,     0,  0,    0,    0,    0,   0,     0,    0,   0,   0,      0,      5, 0, 0, always},
    {200,    5,    3, "初期化",              0,     0,  0,    0,    0,    0,   0,     0,    0,   0,   0,      3,      0, 0, 0, always},
    {201,    5,    2, "あなたは..",          0,     0,  0,    0,    0,    0,   0,     0,    0,   0,   0,      3,      0, 0, 0, always},
    {202,    5,    7, "<ｴｸｽﾄﾘｰﾑMODE>",       0,     0,  0,    0,    0,    0,   0,     0,    0,   0,   0,      0,      0, 0, 0, when(clearCount(kHard) > 0, gameStarted == 0)},
    {203,    5,    6, "<ハードMODE>",        0,     0,  0,    0,    0,    0,   0,     0,    0,   0,   0,      0,      0, 0, 0, when(clearCount(kNormal) > 0, gameStarted == 0)},
    {204,    5,    5, "<ノーマルMODE>",      0,     0,  0,    0,    0,    0,   0,     0,    0,   0,   0,      0,      0, 0, 0, when(gameStarted == 0)},
    {205,    5,    4, "<イージーMODE>",      0,     0,  0,    0,    0,    0,   0,     0,    0,   0,   0,      0,      0, 0, 0, when(gameStarted == 0)},
    {206,    5,    1, "<コンティニュー>",    0,     0,  0,    0,    0,    0,   0,     0,    0,   0,   0,      0,      0, 0, 0, when(gameStarted == 1)},
};

constexpr FixedRow kBattleRows[] = {
   //row  page  slot  caption   days  money  Lv  体力  知力  ｶﾘｽﾏ  max  after  item  op≥  op<  colour  parent  w   h  condition
    {800,  100,    1, "攻撃",      0,     0,  0,    0,    0,    0,   0,     0,    0,   0,   0,      0,      0, 0, 40, always},
    {809,  100,    9, "逃げる",    0,     0,  0,    0,    0,    0,   0,     0,    0,   0,   0,      0,      0, 0, 40, always},
};
// clang-format on

}  // namespace

std::span<const rowdata::FixedRow> systemRows() {
    return kSystemRows;
}
std::span<const rowdata::FixedRow> battleRows() {
    return kBattleRows;
}

}  // namespace minamori
