// The policy, diplomacy, military and miracle pages: the rows that wait for
// titles, the year's island incidents and the security treaty, the growth and
// danger bounds of the shop, and the shop captions.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "game/game.h"
#include "menus/menu_rows.h"
#include "menus/menu_table.h"
#include "menus/navigation.h"

using namespace minamori;

namespace {

using Rows = std::vector<int32_t>;

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
        {712, &game.countries[kJapan].growth, -5, -4},    // the first book on the economy
        {737, &game.countries[kJapan].growth, -25, -24},  // the last
        {701, &game.my.danger, 65, 64},                   // the danger miracle
        {753, &game.my.danger, 80, 79},                   // the last book on defence
        {700, &game.my.money, 10, 9},                     // the money miracle
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
    game.countries[kJapan].growth = -5;  // so that the books are on sale
    game.my.danger = 80;
    buildMenuTable(game);
    const tmenu& good = game.menuTable[734];
    EXPECT_EQ(good.itemName, "天邇岐志国邇岐志天津日高日子番能邇邇芸命の札");
    EXPECT_EQ(good.caption, "買い物 " + good.itemName);
    EXPECT_TRUE(good.effectKind == 8 && good.effectAmount == 5);
    // The first goods are on sale from the start, priced after their name.
    EXPECT_EQ(shownOn(50), (Rows{704, 705, 708, 712, 713, 715, 720, 723, 726, 731, 738}));
    EXPECT_EQ(game.menuTable[705].caption, "買い物 着物 600万円");
    EXPECT_EQ(game.menuTable[731].caption, "買い物 神産巣日神の札 1兆円");
    EXPECT_EQ(game.menuTable[704].caption, "奇跡 ｽﾃｰﾀｽ+1 お金+1億 寿命-40年");  // no shop row
}

}  // namespace
