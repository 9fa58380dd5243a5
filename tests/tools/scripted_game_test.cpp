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
        for (int i = 0; i < 500 && !g.closing; ++i) {
            if (!g.queue.empty() || g.battle.battleState >= 2) {
                run("click 1 1");
            } else if (g.battle.battleState == 1) {
                run("tick 12");
                run("row 800");  // 攻撃
            } else {
                break;
            }
        }
        if (g.closing) return;  // the game ended and closed
        ASSERT_TRUE(g.queue.empty());
        ASSERT_EQ(g.battle.battleState, 0);
        run("tick 12");
    }
    void choose(int row) {
        run("tick 12");
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

    // Ends the year and clicks through to the next morning.
    void endYear() {
        if (driver_.game().menu.currentPage != 1) {
            run("rclick 1 1");
            run("tick 12");
        }
        choose(9);  // ..１年を終える
    }

    minamori::Game& game() { return driver_.game(); }
    const std::filesystem::path& folder() const { return folder_.path(); }

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

TEST(ScriptedGame, ThreeElectionsWonLeadToTheDietAndItsPolicies) {
    ScriptedGame play(11);
    play.playFirstYear();
    // A seasoned citizen: strong enough to win, rich enough to stand.
    for (const char* set : {"set level 12", "set vitality 30", "set intelligence 12",
                            "set charisma 12", "set maxHp 200", "set hp 200", "set money 5000",
                            "set useCount.353 1"})
        play.run(set);
    const std::pair<int, const char*> elections[] = {
        {311, "<町会議員>"}, {312, "<県会議員>"}, {313, "<国会議員>"}};
    int career = 0;
    for (const auto& [row, title] : elections) {
        play.choose(1);  // 活動
        play.choose(row);
        const Json s = play.state();
        EXPECT_EQ(s["careerLevel"], ++career) << row;
        EXPECT_EQ(s["titleText"], title);
        EXPECT_EQ(s["useCount"][std::to_string(row)], 1) << "a won election keeps its row used";
        play.endYear();
    }
    const Json s = play.state();
    EXPECT_EQ(s["hasTaxBudget"], 1);
    bool policies = false;
    for (const Json& r : s["rows"]) policies |= r["caption"] == "政策";
    EXPECT_TRUE(policies);
}

TEST(ScriptedGame, APrimeMinisterCancelsTheTreatyAndReachesTheTrueEnd) {
    ScriptedGame play(5);
    play.playFirstYear();
    play.run("set difficulty 2");
    for (const char* set : {"set level 30", "set vitality 60", "set intelligence 30",
                            "set charisma 30", "set maxHp 500", "set hp 500", "set money 999999999",
                            "set careerLevel 3", "set ministerForeign 1", "set ministerFinance 1"})
        play.run(set);
    play.choose(1);    // 活動
    play.choose(320);  // 内閣総理大臣になる: the party leadership is fought for
    EXPECT_EQ(play.state()["primeMinister"], 1);
    EXPECT_EQ(play.state()["titleText"], "<内閣総理大臣>");
    play.endYear();

    // The treaty can go once the people stand behind it.
    play.run("set countries.0.opinion 95");
    play.run("set useCount.456 1");  // 陰謀論 was told
    play.run("set money 999999999");
    play.choose(2);    // 政策
    play.choose(457);  // 日米安保破棄, fought against the real enemy
    const Json won = play.state();
    EXPECT_EQ(won["danger"], 0);
    EXPECT_EQ(won["useCount"]["457"], 1);

    play.endYear();  // the morning with no danger left: a TRUE END, and the game closes
    const Json end = play.state();
    EXPECT_TRUE(end["closed"].get<bool>());
    EXPECT_EQ(end["trueClearCount"][2], 1);
    EXPECT_EQ(end["clearCount"][2], 1);
    const std::string record =
        mtest::readBytes(play.folder() / "クリア1回目の記録.txt");
    EXPECT_NE(record.find("\x81\x79TRUE END\x81\x7A"), std::string::npos);  // 【TRUE END】 in CP932
}

TEST(ScriptedGame, AFixedSeedPlaysTheSameGame) {
    ScriptedGame first(42), second(42);
    Json a = first.playFirstYear(), b = second.playFirstYear();
    a.erase("messageBoxes");  // they name each game's own folder
    b.erase("messageBoxes");
    EXPECT_TRUE(Json::diff(a, b).empty()) << Json::diff(a, b).dump();
}

}  // namespace
