// The menu table: the row data against the page table, what a rebuild may and
// may not change, and which rows each page offers as the game moves on.
#include "menus/menu_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "game/game.h"
#include "menus/menu_rows.h"
#include "menus/navigation.h"

using namespace minamori;

namespace {

using Rows = std::vector<int32_t>;

const tmenu& rowOf(const Game& game, int32_t n) {
    return game.menuTable[static_cast<size_t>(n)];
}

// The rows that opening the page lays out, in row order.
Rows openPage(Game& game, int32_t page) {
    openMenuPage(game, page);
    Rows shown;
    for (int32_t i = 0; i < kMenuRows; ++i)
        if (rowOf(game, i).shown == 1) shown.push_back(i);
    return shown;
}

// Whether the row's condition lets it keep its caption.
bool offered(Game& game, int32_t row) {
    buildMenuTable(game);
    return !rowOf(game, row).caption.empty();
}

TEST(MenuRows, EveryRowFitsItsPageAndPointsAtRealRowsAndItems) {
    // The rows each page may use, from the first to the last.
    const std::map<int32_t, std::pair<int32_t, int32_t>> pageRows = {
        {1, {1, 11}},     {2, {50, 51}},    {3, {60, 62}},     {4, {100, 101}},  {5, {200, 206}},
        {6, {190, 191}},  {7, {192, 193}},  {10, {300, 374}},  {20, {400, 457}}, {30, {500, 539}},
        {40, {599, 643}}, {50, {700, 753}}, {100, {800, 809}},
    };
    // The row of each command page that names the main menu as the way back.
    const std::map<int32_t, int32_t> backRow = {{20, 400}, {30, 500}, {40, 600}, {50, 700}};
    std::map<int32_t, const rowdata::FixedRow*> byRow;
    for (const auto& table : menuRowTables())
        for (const rowdata::FixedRow& r : table) {
            EXPECT_TRUE(byRow.empty() || r.row > byRow.rbegin()->first) << "out of order " << r.row;
            byRow[r.row] = &r;
        }
    std::map<int32_t, std::set<int32_t>> slotsOfPage;
    std::map<int32_t, int> rowsOfPage;
    int wide = 0, coloured = 0;
    for (const auto& [row, r] : byRow) {
        SCOPED_TRACE("row " + std::to_string(row));
        EXPECT_NE(std::string(r->caption.text), "");
        ASSERT_TRUE(pageRows.contains(r->page));
        EXPECT_TRUE(row >= pageRows.at(r->page).first && row <= pageRows.at(r->page).second);
        ++rowsOfPage[r->page];
        // Commands are told apart by page and slot; only the shop's goods share
        // theirs, and differ by their effect.
        if (r->caption.isShopItem) {
            EXPECT_TRUE(r->slot == 6 && r->caption.effectKind >= 1 && r->caption.effectKind <= 9 &&
                        r->caption.effectAmount >= 1);
        } else {
            EXPECT_TRUE(slotsOfPage[r->page].insert(r->slot).second);
        }
        if (backRow.contains(r->page)) {
            EXPECT_EQ(r->parentPage, row == backRow.at(r->page) ? 1 : 0);
        }
        // A row waiting for itself, or for a row without a limit, would never be offered.
        if (r->prerequisiteRow != 0 && row >= 400) {
            ASSERT_TRUE(byRow.contains(r->prerequisiteRow));
            EXPECT_GT(byRow.at(r->prerequisiteRow)->maxUses, 0);
        }
        if (r->prerequisiteRow != 0) {
            EXPECT_TRUE(byRow.contains(r->prerequisiteRow) && r->prerequisiteRow != row);
        }
        EXPECT_TRUE(r->requiredItem >= 0 && r->requiredItem <= 4);
        if (r->page == 50) {
            EXPECT_TRUE(r->dayCost == 0 && r->maxUses == 1);
        }
        if (row >= 400 && row <= 753) {
            wide += r->width != 0;
            coloured += r->colourClass != 0;
        }
    }
    EXPECT_EQ(slotsOfPage[1], (std::set<int32_t>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(slotsOfPage[5], (std::set<int32_t>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(slotsOfPage[100], (std::set<int32_t>{1, 9}));
    // The size of each command page, and the commands the shop's goods leave to others.
    EXPECT_EQ((std::vector<int>{rowsOfPage[20], rowsOfPage[30], rowsOfPage[40], rowsOfPage[50]}),
              (std::vector<int>{57, 40, 43, 54}));
    EXPECT_EQ(slotsOfPage[50], (std::set<int32_t>{1, 2, 3, 4, 5, 7, 8, 9, 10, 11}));
    auto slotRun = [&](int32_t page) {  // how many, the first and the last
        const std::set<int32_t>& slots = slotsOfPage[page];
        return std::vector<int32_t>{int32_t(slots.size()), *slots.begin(), *slots.rbegin()};
    };
    EXPECT_EQ(slotRun(20), (std::vector<int32_t>{57, 1, 58}));  // all but 12
    EXPECT_EQ(slotRun(30), (std::vector<int32_t>{40, 1, 41}));  // all but 19
    EXPECT_EQ(slotRun(40), (std::vector<int32_t>{43, 1, 43}));
    for (const rowdata::FixedRow& r : activityRows()) EXPECT_EQ(r.slot, r.row - 299) << r.row;
    // The long captions get wider rows, the treaty's end and the miracles their own colours;
    // everything else keeps the default.
    EXPECT_EQ(wide, 13);
    EXPECT_EQ(coloured, 8);
    EXPECT_TRUE(byRow.at(507)->width == 320 && byRow.at(508)->width == 0);
    EXPECT_TRUE(byRow.at(599)->width == 370 && byRow.at(603)->width == 310);
    EXPECT_TRUE(byRow.at(457)->colourClass == 1 && byRow.at(750)->colourClass == 2);
}

TEST(MenuTable, RebuildRestoresFixedFieldsAndLeavesRunTimeFieldsAlone) {
    Game game;
    game.my.money = 100;
    game.my.vitality = 1;
    // Laying out a page appends costs to captions and fills in the default size.
    openMenuPage(game, kPageActivities);
    ASSERT_NE(rowOf(game, 301).caption, "ボランティア");
    const MenuTable before = game.menuTable;
    for (tmenu& row : game.menuTable) row.curY = 123;

    buildMenuTable(game);
    buildMenuTable(game);
    for (int32_t i = 0; i < kMenuRows; ++i) {
        const tmenu& a = before[static_cast<size_t>(i)];
        const tmenu& b = rowOf(game, i);
        EXPECT_TRUE(a.shown == b.shown && a.enabled == b.enabled && a.curX == b.curX &&
                    b.curY == 123 && a.targetX == b.targetX && a.targetY == b.targetY &&
                    a.width == b.width && a.height == b.height && a.page == b.page &&
                    a.slot == b.slot && a.moneyCost == b.moneyCost)
            << "row " << i;
    }
    EXPECT_EQ(rowOf(game, 301).caption, "ボランティア");
    // Rows 1 to 19 are 30 high, whether listed or not.
    EXPECT_TRUE(rowOf(game, 6).height == 30 && rowOf(game, 20).height == 0);
}

TEST(TitleMenu, ModeRowsFollowClearsAndAStartedGame) {
    Game game;
    EXPECT_EQ(openPage(game, kPageTitle), (Rows{200, 201, 204, 205}));

    game.my.clearCount[1] = 1;  // one NORMAL clear
    EXPECT_EQ(openPage(game, kPageTitle), (Rows{200, 201, 203, 204, 205}));
    game.my.clearCount[2] = 1;  // and one HARD clear
    EXPECT_EQ(openPage(game, kPageTitle), (Rows{200, 201, 202, 203, 204, 205}));

    game.my.gameStarted = 1;
    EXPECT_EQ(openPage(game, kPageTitle), (Rows{200, 201, 206}));
    EXPECT_EQ(rowOf(game, 206).caption, "<コンティニュー>");
}

TEST(MainMenu, PoliciesOpenWithTheDietSeatAndWorkCloses) {
    Game game;
    EXPECT_EQ(openPage(game, kPageMain), (Rows{1, 3, 4, 5, 9, 10, 11}));
    EXPECT_TRUE(std::ranges::count(openPage(game, kPageActivities), 300));

    game.my.careerLevel = 3;
    EXPECT_EQ(openPage(game, kPageMain), (Rows{1, 2, 3, 4, 5, 9, 10, 11}));
    // 働く passes every threshold, but its condition keeps it off the page.
    EXPECT_FALSE(std::ranges::count(openPage(game, kPageActivities), 300));
}

// A player who passes every threshold, so that only conditions, limits and
// prerequisites decide what the activity page offers.
class Activities : public ::testing::Test {
protected:
    Activities() {
        game.my.level = game.my.vitality = game.my.intelligence = game.my.charisma = 99;
        game.my.money = 1000;
        for (size_t item = 1; item <= 4; ++item) game.my.itemCount[item] = 1;
    }
    bool onPage(int32_t row) { return std::ranges::count(openPage(game, kPageActivities), row); }
    void use(int32_t row, int32_t times) { game.my.useCount[static_cast<size_t>(row)] = times; }
    Game game;
};

TEST_F(Activities, APrerequisiteWithALimitMustReachIt) {
    use(327, 8);
    EXPECT_FALSE(onPage(303));  // 勉強会参加 waits for nine shrine visits
    use(327, 9);
    EXPECT_TRUE(onPage(303));
    EXPECT_FALSE(onPage(327));  // which are then used up

    // The part-time jobs open one after the other.
    use(333, 5);
    EXPECT_TRUE(onPage(355));
    use(355, 18);
    EXPECT_FALSE(onPage(356));
    use(355, 19);
    EXPECT_FALSE(onPage(355));
    EXPECT_TRUE(onPage(356));
    use(356, 19);
    EXPECT_FALSE(onPage(356));
}

TEST_F(Activities, ElectionsAndOfficesFollowTheCareer) {
    use(353, 1);  // voted once
    for (int32_t level = 0; level <= 3; ++level) {
        game.my.careerLevel = level;
        for (int32_t k = 0; k < 3; ++k) EXPECT_EQ(onPage(311 + k), k == level) << level;
    }
    EXPECT_TRUE(offered(game, 316) && !offered(game, 315));  // 金融担当大臣 first
    game.my.ministerMonetary = 1;
    EXPECT_TRUE(!offered(game, 316) && offered(game, 315) && !offered(game, 317));
    game.my.ministerFinance = 1;
    EXPECT_TRUE(offered(game, 317) && !offered(game, 320));
    game.my.ministerForeign = 1;
    EXPECT_TRUE(offered(game, 320));
    game.my.primeMinister = 1;
    EXPECT_FALSE(offered(game, 320));
}

TEST_F(Activities, StateDependentRowsComeAndGoAtEachOpening) {
    use(339, 1);
    EXPECT_FALSE(onPage(340));  // 勉強:給料とGDP from the first year on
    game.my.year = 1;
    EXPECT_TRUE(onPage(340));
    EXPECT_FALSE(offered(game, 365));
    game.my.year = 30;  // the last study row from the thirtieth year on
    EXPECT_TRUE(offered(game, 365));

    game.my.debt = 1;
    game.my.money = 0;
    EXPECT_FALSE(offered(game, 330));  // nothing to repay with
    game.my.money = 1;
    EXPECT_TRUE(offered(game, 330));

    game.my.difficulty = 2;
    EXPECT_TRUE(offered(game, 372) && !offered(game, 373) && !offered(game, 370));
    game.my.careerLevel = 3;  // 議員レター動画配信 also needs the diet seat
    game.my.difficulty = 3;
    EXPECT_TRUE(offered(game, 373) && offered(game, 370));
}

TEST(MenuConditions, FiguresAreReadSafelyAndIncidentSetsCount) {
    using namespace rowdata;
    Game game;
    game.my.incidentSeen[kIncidentAircraft] = 1;
    EXPECT_FALSE(conditionHolds(game, when(incidentsExceptAircraft >= 1)));
    game.my.incidentSeen[kIncidentArmyLand] = 1;
    EXPECT_TRUE(conditionHolds(game, when(incidentsExceptAircraft >= 1)));
    game.countries[kUsa].opinion = 60;
    EXPECT_TRUE(conditionHolds(game, when(opinion(kUsa) >= 60, growth(kJapan) == 0)));
    // Arguments outside the records read as 0 instead of reaching past them.
    EXPECT_TRUE(conditionHolds(
        game, when(useCount(2999) == 0, useCount(-1) == 0, clearCount(4) == 0, opinion(10) == 0)));
}

}  // namespace
