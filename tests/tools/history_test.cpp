// history.csv as the game keeps it: a row each morning, a new file for a new
// game, the years after a reloaded save dropped, and a file that cannot be
// written left alone without a word.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "core/history_file.h"
#include "core/temp_folder.h"
#include "driver.h"

namespace {

using minamori::YearFigures;

class History : public ::testing::Test {
protected:
    History() : driver(std::make_unique<minamori::HeadlessDriver>(folder.path(), 7)) {}

    void ok(const std::string& command) { ASSERT_EQ(driver->execute(command), "ok") << command; }
    minamori::Game& game() { return driver->game(); }
    std::filesystem::path file() const { return folder.path() / "dat" / "history.csv"; }
    std::vector<int32_t> years() {
        std::vector<int32_t> out;
        for (const YearFigures& r : minamori::readHistory(file())) out.push_back(r.year);
        return out;
    }
    void clickThrough() {
        for (int i = 0; i < 300 && !game().queue.empty() && !game().closing; ++i) ok("click 1 1");
    }
    // From the title pictures to the main menu of a new EASY game.
    void startGame() {
        ok("click 1 1");
        ok("click 1 1");
        ok("tick 12");
        ok("row 205");  // <イージーMODE>
        clickThrough();
    }
    void morning() {
        ok("push sleep_henka");
        clickThrough();
    }
    void restart() {
        driver.reset();
        driver = std::make_unique<minamori::HeadlessDriver>(folder.path(), 7);
    }

    mtest::TempFolder folder;
    std::unique_ptr<minamori::HeadlessDriver> driver;
};

TEST_F(History, EachMorningAddsTheYearsFiguresAsTheYearOpens) {
    startGame();
    EXPECT_EQ(years(), std::vector<int32_t>{0});
    for (int i = 0; i < 3; ++i) morning();
    ASSERT_EQ(game().menu.currentPage, 1);  // the morning is over
    const std::vector<YearFigures> rows = minamori::readHistory(file());
    EXPECT_EQ(years(), (std::vector<int32_t>{0, 1, 2, 3}));
    EXPECT_EQ(rows.back(), minamori::currentFigures(game()));
    EXPECT_EQ(rows.front().countries[minamori::kUsa].gdp, 1560);
    EXPECT_EQ(mtest::readBytes(file()).rfind(minamori::historyHeader(), 0), 0u);
}

// G shows the years so far over the game, and nothing reaches the game under it.
TEST_F(History, GShowsTheChartOverTheGameUntilClosed) {
    startGame();
    for (int i = 0; i < 3; ++i) morning();
    ok("tick 1");
    const std::vector<minamori::Pixel> before = game().screen.cg.pixels();
    ok("key g");
    ok("tick 1");
    EXPECT_EQ(game().overlay.open, minamori::Overlay::kChart);
    EXPECT_EQ(game().overlay.chartRows.size(), 4u);
    EXPECT_NE(game().screen.cg.pixels(), before);
    ok("click 520 24");  // would choose 活動: closes the chart instead
    EXPECT_EQ(game().overlay.open, minamori::Overlay::kNone);
    EXPECT_EQ(game().menu.currentPage, 1);
    ok("key g");
    ok("key g");
    EXPECT_EQ(game().overlay.open, minamori::Overlay::kNone);
}

TEST_F(History, ANewGameStartsANewFile) {
    startGame();
    morning();
    morning();
    ok("quit");  // closing saves
    restart();
    ok("click 1 1");
    ok("click 1 1");
    for (int row : {200, 191, 193}) {  // 初期化, はい, はい
        ok("tick 12");
        ok("row " + std::to_string(row));
    }
    EXPECT_EQ(years(), (std::vector<int32_t>{0, 1, 2}));  // until a game is begun
    ok("tick 12");
    ok("row 205");  // <イージーMODE>
    EXPECT_EQ(years(), std::vector<int32_t>{0});
    EXPECT_EQ(minamori::readHistory(file()).front(), minamori::currentFigures(game()));
}

TEST_F(History, LoadingASaveDropsTheYearsAfterIt) {
    startGame();
    morning();
    ok("save");  // year 1
    morning();
    morning();
    EXPECT_EQ(years(), (std::vector<int32_t>{0, 1, 2, 3}));
    ok("push end");  // a game over reloads the last save
    ok("click 1 1");
    EXPECT_EQ(years(), (std::vector<int32_t>{0, 1}));

    // Closed after the morning without saving (a crash): start-up drops it too.
    restart();
    morning();
    morning();
    restart();
    EXPECT_EQ(years(), (std::vector<int32_t>{0, 1}));
}

TEST_F(History, AFileThatCannotBeWrittenIsIgnored) {
    std::filesystem::create_directories(file());  // a folder where the file belongs
    driver->execute("state");                     // the start-up's reports of missing pictures
    startGame();
    morning();
    const auto state = nlohmann::json::parse(driver->execute("state"));
    EXPECT_TRUE(state["messageBoxes"].empty());
    EXPECT_EQ(state["year"], 1);
    EXPECT_EQ(state["currentPage"], 1);
    EXPECT_EQ(driver->execute("chart " + (folder.path() / "chart.png").string()), "ok");
}

}  // namespace
