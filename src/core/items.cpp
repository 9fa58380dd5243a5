#include "core/name_tables.h"
#include "core/layer.h"

namespace minamori {

namespace {

struct ItemRow {
    int id;
    const char* name;
    int32_t unique;
};

// clang-format off
constexpr ItemRow kItemRows[] = {
    // id  name            unique   obtained by
    { 1, "竹槍",          1 },  // 1 in 5 after 神社の清掃
    { 2, "日章旗",        1 },  // 日章旗を買う
    { 3, "メガホン",      1 },  // 地元小学校の運動会に参加
    { 4, "古いパソコン",  1 },  // 1 in 5 after ボランティア, if none is held
    { 5, "毒薬",          1 },  // no command gives it
};

constexpr const char* kCountryNames[kCountriesInPlay] = {"日本", "中国", "台湾", "米国"};
// clang-format on

std::array<titem, kItemKinds> buildItems() {
    std::array<titem, kItemKinds> table{};
    for (const ItemRow& row : kItemRows) {
        titem& item = table[static_cast<size_t>(row.id)];
        item.name = row.name;
        item.unique = row.unique;
    }
    return table;
}

}  // namespace

const std::array<titem, kItemKinds>& itemTable() {
    static const std::array<titem, kItemKinds> table = buildItems();
    return table;
}

const titem& itemEntry(int64_t i) {
    static const titem nameless{};
    return inRange(i, kItemKinds) ? itemTable()[static_cast<size_t>(i)] : nameless;
}

void fillNameTables(CoreLayer& game) {
    for (int c = 0; c < kCountriesInPlay; ++c) game.countries[static_cast<size_t>(c)].name = kCountryNames[c];
}

}  // namespace minamori
