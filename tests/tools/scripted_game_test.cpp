// A game played from the title through the headless driver, the way a player
// clicks: a difficulty, the opening, an activity, the end of the year and the
// next morning. With a fixed seed it is the same game every time.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "../core/temp_folder.h"
#include "driver.h"

namespace {

using Json = nlohmann::json;

class ScriptedGame {
public:
    explicit ScriptedGame(uint64_t seed) : driver_(folder_.path(), seed) {}

    void run(const std::string& command) {
        const std::string answer = driver_.execute(command);
        ASSERT_EQ(answer, "ok") << command;
    }
    Json state() { return Json::parse(driver_.execute("state")); }

    // Clicks through the queued lines and fights any battle by attacking, then
    // lets the page's rows settle.
    void clickThrough() {
        const minamori::Game& g = driver_.game();
        for (int i = 0; i < 500; ++i) {
            if (!g.queue.empty() || g.battle.battleState >= 2) {
                run("click 1 1");
            } else if (g.battle.battleState == 1) {
                run("tick 12");
                run("row 800");  // 攻撃
            } else {
                break;
            }
        }
        ASSERT_TRUE(g.queue.empty());
        ASSERT_EQ(g.battle.battleState, 0);
        run("tick 12");
    }
    void choose(int row) {
        run("row " + std::to_string(row));
        clickThrough();
    }

    // Plays from the title to the first morning; returns the final state.
    Json playFirstYear() {
        run("click 1 1");
        run("click 1 1");
        run("tick 12");
        choose(205);  // <イージーMODE>
        choose(1);    // 活動
        choose(300);  // 働く, perhaps met by someone who wants a fight
        if (driver_.game().menu.currentPage != 1) run("rclick 1 1");
        run("tick 12");
        choose(9);  // ..１年を終える
        return state();
    }

    minamori::Game& game() { return driver_.game(); }

private:
    mtest::TempFolder folder_;
    minamori::HeadlessDriver driver_;
};

bool logHas(const Json& s, const std::string& text) {
    for (const Json& line : s["log"])
        if (line["text"] == text) return true;
    return false;
}

TEST(ScriptedGame, FromTheTitleToTheFirstMorning) {
    ScriptedGame play(7);
    const Json s = play.playFirstYear();
    EXPECT_EQ(s["difficulty"], 0);
    EXPECT_EQ(s["gameStarted"], 1);
    EXPECT_EQ(s["inGame"], 1);
    EXPECT_EQ(s["year"], 1);
    EXPECT_EQ(s["daysUsed"], 0);
    EXPECT_EQ(s["lifespan"], 59);
    EXPECT_EQ(s["useCount"]["300"], 1);
    EXPECT_TRUE(s["usedThisYear"].empty());
    EXPECT_EQ(s["currentPage"], 1);
    EXPECT_TRUE(logHas(s, "1年目の朝です"));
    EXPECT_GT(s["money"].get<int>(), 5);  // a year's wage, less the living cost
}

TEST(ScriptedGame, AFixedSeedPlaysTheSameGame) {
    ScriptedGame first(42), second(42);
    Json a = first.playFirstYear(), b = second.playFirstYear();
    a.erase("messageBoxes");  // they name each game's own folder
    b.erase("messageBoxes");
    EXPECT_TRUE(Json::diff(a, b).empty()) << Json::diff(a, b).dump();
}

}  // namespace
