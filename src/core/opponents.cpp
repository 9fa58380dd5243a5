#include "core/name_tables.h"

namespace minamori {

namespace {

struct OpponentRow {
    int number;
    const char* name;
    int32_t level;
    int32_t story;  // 1: started only by commands
};

// clang-format off
constexpr OpponentRow kOpponentRows[] = {
    // No.  name                          level story   started by
    {  1, "無自覚左翼",                  0,  0 },  // random encounter
    {  2, "お花畑",                      1,  0 },  // random encounter
    {  3, "ネトサヨ",                    2,  0 },  // random encounter; row 502
    {  4, "思考停止文化人",              3,  0 },  // random encounter
    {  5, "新興宗教ＳＰ",                4,  0 },  // random encounter
    {  6, "国売新聞論説員",              5,  0 },  // random encounter
    {  7, "変態新聞論説員",              6,  0 },  // random encounter
    {  8, "赤日新聞論説員",              7,  0 },  // random encounter
    {  9, "日経(新華社)新聞",            8,  0 },  // random encounter
    { 10, "某製薬会社員",                9,  0 },  // random encounter
    { 11, "某Ｄ通",                     10,  0 },  // random encounter
    { 12, "中国電視台入りN.HK",         11,  0 },  // random encounter
    { 13, "ｺﾐﾝﾃﾙﾝの末裔",               12,  0 },  // random encounter
    { 14, "中国人スパイ",               13,  0 },  // random encounter
    { 15, "ＣＩＡスパイ",               14,  0 },  // random encounter
    { 50, "漁民に紛争した人民解放軍人",  5,  1 },  // rows 601, 605, 608
    { 51, "中国人活動家",                2,  1 },  // rows 600, 603, 599
    { 52, "反日中国人プレーヤー",        1,  1 },  // row 623
    { 53, "武装人民解放軍人",           10,  1 },  // rows 606, 609
    { 54, "外省人",                      1,  1 },  // row 511
    { 55, "新自由主義者",                2,  1 },  // row 512
    { 56, "共産党員",                    3,  1 },  // rows 500, 510
    { 57, "プロ市民",                    1,  1 },  // row 599
    { 58, "外国人犯罪者",                2,  1 },  // row 360
    { 59, "チンピラ",                    1,  1 },  // row 359
    { 60, "中国側の肩を持つ官憲",        1,  1 },  // row 516
    { 61, "東京裁判史観米国人ﾌﾟﾚｰﾔｰ",    2,  1 },  // row 624
    { 62, "中国人業者プレーヤー",        3,  1 },  // row 625
    { 64, "ティーパーティーSP",          6,  1 },  // row 515
    { 65, "ハニートラッパー",            7,  1 },  // rows 513, 532
    { 66, "反靖国外省人活動家",          4,  1 },  // rows 507, 514, 533
    { 67, "舌なめずりをするネオコン",   11,  1 },  // rows 505, 534
    { 68, "共産党員幹部",                8,  1 },  // row 602
    { 69, "ひねくれマスコミ",            9,  1 },  // row 535
    { 70, "対抗馬お花畑立候補者",        3,  1 },  // row 311
    { 71, "対抗馬左翼立候補者",          6,  1 },  // row 312
    { 72, "対抗馬ﾎﾟﾋﾟｭﾘｽﾞﾑ候補者",       9,  1 },  // row 313
    { 73, "対抗馬媚米派候補者",         12,  1 },  // row 320
    { 74, "自虐史観",                    3,  1 },  // row 618
    { 75, "根深いＧＨＱ洗脳",            9,  1 },  // row 640
    { 76, "3S政策で鈍化した無知脳",     15,  1 },  // row 641
    { 77, "本当の敵",                   20,  1 },  // row 457
    { 78, "戦後レジーム",               12,  1 },  // row 433
    { 79, "ＧＨＱの亡霊",               14,  1 },  // row 434
    { 80, "大平和ボケ世論",             13,  1 },  // row 435
    { 81, "捏造版日本戦史",             15,  1 },  // row 436
    { 82, "盲目",                       15,  1 },  // row 637
    { 83, "ＣＩＡ工作員",               15,  1 },  // row 642
};
// clang-format on

std::array<tenemy, kOpponentSlots> buildOpponents() {
    std::array<tenemy, kOpponentSlots> table{};
    for (const OpponentRow& row : kOpponentRows) {
        tenemy& e = table[static_cast<size_t>(row.number)];
        e.name = row.name;
        e.level = row.level;
        e.story = row.story;
    }
    return table;
}

}  // namespace

const std::array<tenemy, kOpponentSlots>& opponentTable() {
    static const std::array<tenemy, kOpponentSlots> table = buildOpponents();
    return table;
}

const tenemy& opponentEntry(int64_t n) {
    static const tenemy nameless{};
    return inRange(n, kOpponentSlots) ? opponentTable()[static_cast<size_t>(n)] : nameless;
}

}  // namespace minamori
