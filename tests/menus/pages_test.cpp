// The policy, diplomacy, military and miracle pages: the shape of their rows,
// the rows that wait for titles, the year's island incidents and the security
// treaty, the growth and danger bounds of the shop, and the shop captions.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "core/game.h"
#include "menus/menu_rows.h"
#include "menus/menu_table.h"
#include "menus/navigation.h"

using namespace minamori;

namespace {

using Rows = std::vector<int32_t>;

// The numbers from first to last, leaving out those given.
std::set<int32_t> numbers(int32_t first, int32_t last, std::set<int32_t> without = {}) {
    std::set<int32_t> s;
    for (int32_t i = first; i <= last; ++i)
        if (!without.contains(i)) s.insert(i);
    return s;
}

TEST(CommandPages, RowsSlotsAndGeometryAreThoseOfEachPage) {
    std::map<int32_t, const rowdata::FixedRow*> byRow;
    for (const auto& table : menuRowTables())
        for (const rowdata::FixedRow& r : table) byRow[r.row] = &r;

    struct Page {
        int32_t number;
        std::span<const rowdata::FixedRow> rows;
        std::set<int32_t> rowNumbers;
        std::set<int32_t> slots;  // of the rows that are not shop rows
        int32_t backRow;          // the row that names the way back
    };
    const Page pages[] = {
        {20, policyRows(), numbers(400, 457, {411}), numbers(1, 58, {12}), 400},
        {30, diplomacyRows(), numbers(500, 539), numbers(1, 41, {19}), 500},
        {40, militaryRows(), numbers(599, 643, {611, 619}), numbers(1, 43), 600},
        {50, miracleRows(), numbers(700, 753), {1, 2, 3, 4, 5, 7, 8, 9, 10, 11}, 700},
    };
    for (const Page& page : pages) {
        SCOPED_TRACE("page " + std::to_string(page.number));
        std::set<int32_t> rowNumbers, slots;
        for (const rowdata::FixedRow& r : page.rows) {
            SCOPED_TRACE("row " + std::to_string(r.row));
            EXPECT_EQ(r.page, page.number);
            rowNumbers.insert(r.row);
            if (r.caption.isShopItem) {
                // The shop rows share one command and differ by their effect.
                EXPECT_TRUE(r.slot == 6 && r.caption.effectKind >= 1 && r.caption.effectKind <= 9 &&
                            r.caption.effectAmount >= 1);
            } else {
                EXPECT_TRUE(slots.insert(r.slot).second) << "slot " << r.slot;
            }
            // One row of each page names the main menu as the way back.
            EXPECT_EQ(r.parentPage, r.row == page.backRow ? 1 : 0);
            // A prerequisite without a limit would never hold anything back.
            if (r.prerequisiteRow != 0) {
                ASSERT_TRUE(byRow.contains(r.prerequisiteRow));
                EXPECT_GT(byRow.at(r.prerequisiteRow)->maxUses, 0);
                EXPECT_NE(r.prerequisiteRow, r.row);
            }
            if (page.number == 50) {
                EXPECT_TRUE(r.dayCost == 0 && r.maxUses == 1);
            }
        }
        EXPECT_EQ(rowNumbers, page.rowNumbers);
        EXPECT_EQ(slots, page.slots);
    }

    // The long captions get wider rows; everything else keeps the default.
    const std::map<int32_t, int32_t> widths = {
        {500, 320}, {501, 320}, {502, 320}, {503, 320}, {504, 320}, {505, 320}, {506, 320},
        {507, 320}, {599, 370}, {600, 310}, {601, 310}, {602, 310}, {603, 310},
    };
    const std::set<int32_t> treatyEnd = {456, 457};
    const std::set<int32_t> miracles = {700, 701, 702, 703, 704, 750};
    for (const auto& [row, r] : byRow) {
        if (row < 400 || row > 753) continue;
        SCOPED_TRACE("row " + std::to_string(row));
        EXPECT_EQ(r->width, widths.contains(row) ? widths.at(row) : 0);
        EXPECT_EQ(r->colourClass, treatyEnd.contains(row) ? 1 : miracles.contains(row) ? 2 : 0);
    }
}

// A player who passes every threshold and holds every item, so that only the
// conditions, limits and prerequisites decide what the pages offer.
class CommandPagesOffer : public ::testing::Test {
protected:
    CommandPagesOffer() {
        game.my.level = game.my.vitality = game.my.intelligence = game.my.charisma = 99;
        game.my.money = 1000;
        game.my.careerLevel = 3;
        for (size_t item = 1; item <= 4; ++item) game.my.itemCount[item] = 1;
        homeOpinion(60);
    }
    Rows shownOn(int32_t page) {
        openMenuPage(game, page);
        Rows shown;
        for (int32_t i = 0; i < kMenuRows; ++i)
            if (game.menuTable[static_cast<size_t>(i)].shown == 1) shown.push_back(i);
        return shown;
    }
    bool onPage(int32_t page, int32_t row) { return std::ranges::count(shownOn(page), row) != 0; }
    // Whether the row's condition lets it keep its caption, whatever its thresholds.
    bool offered(int32_t row) {
        buildMenuTable(game);
        return !game.menuTable[static_cast<size_t>(row)].caption.empty();
    }
    void use(int32_t row, int32_t times) { game.my.useCount[static_cast<size_t>(row)] = times; }
    void homeOpinion(int32_t v) { game.countries[kJapan].opinion = v; }
    Game game;
};

TEST_F(CommandPagesOffer, PoliciesWaitForTitlesExceptTheFewOpenToEveryMember) {
    EXPECT_EQ(shownOn(20), (Rows{430, 431, 432, 437}));
    use(437, 1);
    EXPECT_EQ(shownOn(20), (Rows{430, 431, 432, 438}));  // the education line goes on

    game.my.ministerFinance = 1;
    EXPECT_EQ(shownOn(20), (Rows{400, 401, 409, 430, 431, 432, 438, 450}));
    game.my.ministerFinance = 0;

    game.my.primeMinister = 1;
    EXPECT_EQ(shownOn(20), (Rows{430, 431, 432, 438, 442, 452}));
    homeOpinion(80);
    use(442, 1);
    EXPECT_EQ(shownOn(20), (Rows{430, 431, 432, 433, 438, 443, 452}));
    game.my.primeMinister = 0;

    // Cancelling the treaty needs no title, only the opinion and 陰謀論 behind it.
    use(456, 1);
    EXPECT_FALSE(onPage(20, 457));
    homeOpinion(90);
    EXPECT_TRUE(onPage(20, 457));
}

TEST_F(CommandPagesOffer, TheDeregulationLineFollowsTheUsNewsAndEndsWithTpp) {
    game.my.usNewsCount = 1;
    EXPECT_EQ(shownOn(20), (Rows{430, 431, 432, 437}));
    game.my.usNewsCount = 2;  // no title needed
    EXPECT_TRUE(onPage(20, 449) && !onPage(20, 413));

    game.my.usNewsCount = 5;
    for (int32_t row : {449, 404, 425, 426}) {
        EXPECT_FALSE(onPage(20, 412)) << "before " << row;
        use(row, 1);
    }
    EXPECT_TRUE(onPage(20, 427) && !onPage(20, 412));
    use(427, 1);
    EXPECT_TRUE(onPage(20, 412));  // ＴＰＰ参加 after 郵政民営化
    game.my.usNewsCount = 4;
    EXPECT_FALSE(onPage(20, 412));
    game.my.usNewsCount = 5;
    use(412, 1);
    EXPECT_FALSE(onPage(20, 412));
}

// Every row that answers an island incident, by the incidents it answers.
TEST_F(CommandPagesOffer, IncidentRowsLastOnlyWhileTheirIncidentIsOfThisYear) {
    game.my.ministerForeign = game.my.ministerDefence = game.my.primeMinister = 1;
    homeOpinion(100);
    use(331, 5);  // 北京語 for the protest to China
    use(332, 5);  // 英語 for the appeal on the net
    const std::set<int32_t> incidentRows = {502, 508, 516, 599, 600, 601, 603,
                                            604, 605, 606, 607, 608, 609, 610};
    auto incidentRowsShown = [&] {
        std::set<int32_t> shown;
        for (int32_t page : {30, 40})
            for (int32_t row : shownOn(page))
                if (incidentRows.contains(row)) shown.insert(row);
        return shown;
    };
    const std::set<int32_t> protests = {502, 516, 599};
    auto plus = [](std::set<int32_t> a, std::set<int32_t> b) {
        a.insert(b.begin(), b.end());
        return a;
    };
    const std::map<Incident, std::set<int32_t>> answers = {
        {kIncidentDrilling, plus(protests, {508, 604})},
        {kIncidentBoatsNear, plus(protests, {600, 603, 605})},
        {kIncidentNavyNear, plus(protests, {603, 606})},
        {kIncidentBoatsInside, plus(protests, {603, 605})},
        {kIncidentNavyInside, plus(protests, {603, 609})},
        {kIncidentAircraft, {607}},
        {kIncidentFishermenLand, plus(protests, {600, 601, 608})},
        {kIncidentArmyLand, plus(protests, {600, 601, 610})},
    };
    EXPECT_EQ(incidentRowsShown(), std::set<int32_t>{});
    for (const auto& [incident, rows] : answers) {
        SCOPED_TRACE("incident " + std::to_string(incident));
        game.my.incidentSeen[static_cast<size_t>(incident)] = 1;
        EXPECT_EQ(incidentRowsShown(), rows);
        game.my.incidentSeen[static_cast<size_t>(incident)] = 0;
        EXPECT_EQ(incidentRowsShown(), std::set<int32_t>{});
    }
}

TEST_F(CommandPagesOffer, CancellingTheTreatyEndsTheRowsThatLeanOnIt) {
    game.my.ministerForeign = 1;
    game.my.usNewsCount = 1;
    game.my.incidentSeen[kIncidentDrilling] = 1;
    use(331, 5);
    use(509, 1);  // 日米同盟強化, the first step
    EXPECT_TRUE(onPage(30, 536) && onPage(30, 508) && onPage(30, 516));

    use(kRowTreatyCancelled, 1);
    const Rows shown = shownOn(30);
    EXPECT_FALSE(std::ranges::count(shown, 536) || std::ranges::count(shown, 508));
    EXPECT_TRUE(std::ranges::count(shown, 516));  // a protest of one's own is still possible
}

TEST_F(CommandPagesOffer, RowsBoundByGrowthDangerMoneyAndUsOpinionChangeAtTheirEdges) {
    // The row, the figure it is bound by, the last value at which it is still
    // offered and the first at which it is not.
    struct Bound {
        int32_t row;
        int32_t* figure;
        int32_t kept;
        int32_t lost;
    };
    const Bound bounds[] = {
        {702, &game.countries[kJapan].growth, -15, -16},  // the growth miracle
        {712, &game.countries[kJapan].growth, -5, -4},    // the books on the economy
        {710, &game.countries[kJapan].growth, -10, -9},
        {735, &game.countries[kJapan].growth, -12, -11},
        {709, &game.countries[kJapan].growth, -15, -14},
        {736, &game.countries[kJapan].growth, -20, -19},
        {737, &game.countries[kJapan].growth, -25, -24},
        {701, &game.my.danger, 65, 64},  // the danger miracle
        {751, &game.my.danger, 70, 69},  // the books on defence
        {752, &game.my.danger, 75, 74},
        {753, &game.my.danger, 80, 79},
        {700, &game.my.money, 10, 9},  // the money miracle
        {636, &game.countries[kUsa].opinion, 60, 59},
    };
    game.my.ministerDefence = 1;
    for (const Bound& b : bounds) {
        SCOPED_TRACE("row " + std::to_string(b.row));
        const int32_t before = *b.figure;
        *b.figure = b.kept;
        EXPECT_TRUE(offered(b.row));
        *b.figure = b.lost;
        EXPECT_FALSE(offered(b.row));
        *b.figure = before;
    }
}

TEST_F(CommandPagesOffer, ShopRowsNameWhatIsBoughtWithItsEffect) {
    struct Good {
        int32_t row;
        std::string name;
        int32_t kind;
        int32_t amount;
    };
    const Good goods[] = {
        {705, "着物", 1, 1},
        {716, "Ｚ旗", 4, 2},
        {734, "天邇岐志国邇岐志天津日高日子番能邇邇芸命の札", 8, 5},
        {753, "朝凪神社御朱印", 3, 20},
    };
    game.countries[kJapan].growth = -5;  // so that the books are on sale
    game.my.danger = 80;
    buildMenuTable(game);
    for (const Good& g : goods) {
        const tmenu& r = game.menuTable[static_cast<size_t>(g.row)];
        EXPECT_EQ(r.itemName, g.name);
        EXPECT_EQ(r.caption, "買い物 " + g.name);
        EXPECT_EQ(r.effectKind, g.kind) << g.row;
        EXPECT_EQ(r.effectAmount, g.amount) << g.row;
    }
    // The first goods are on sale from the start, priced after their name.
    EXPECT_EQ(shownOn(50), (Rows{704, 705, 708, 712, 713, 715, 720, 723, 726, 731, 738}));
    EXPECT_EQ(game.menuTable[705].caption, "買い物 着物 600万円");
    EXPECT_EQ(game.menuTable[731].caption, "買い物 神産巣日神の札 1兆円");
    EXPECT_EQ(game.menuTable[704].caption, "奇跡 ｽﾃｰﾀｽ+1 お金+1億 寿命-40年");  // no shop row
}

}  // namespace
