// The change of year: the end-of-year command, the morning's clear and game
// over, the economy's yearly pressure, the living costs, news and incidents.
#include "actions/year_update.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "executor_fixture.h"
#include "game/game.h"
#include "game/interpreter.h"
#include "view/colours.h"

using namespace minamori;

namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

bool has(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

// The index of item in list, or -1.
int indexOf(const std::vector<std::string>& list, const std::string& item) {
    const auto it = std::find(list.begin(), list.end(), item);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void setForeignOpinions(Game& game, int32_t opinion) {
    for (Country c : {kChina, kTaiwan, kUsa}) game.countries[c].opinion = opinion;
}

class Year : public mtest::PlayingTest {
protected:
    Year() : PlayingTest(1) {}
    bool logged(const std::string& text, const std::string& colour) const {
        return PlayingTest::logged(text, colourCode(colour));
    }
    // Clicks through the queue the way the player does, until it is empty or
    // the window closes.
    void runQueue() {
        for (int i = 0; i < 500 && !game.queue.empty() && !game.closing; ++i)
            onGameClick(game, 0, 0, false);
    }

    // Another year from the same game: fixed draws, an empty queue and years to live.
    void nextSeed(uint64_t seed) {
        game.rng.reseed(seed);
        game.queue.clearQueue();
        game.my.lifespan = 60;
    }
};

TEST_F(Year, EndingTheYearRestoresHpAndQueuesTheChange) {
    game.my.hp = 1;
    game.my.maxHp = 9;
    game.menu.currentPage = kPageMain;
    endYear(game);
    EXPECT_EQ(game.my.hp, 9);
    EXPECT_EQ(game.menu.currentPage, kPageNone);
    EXPECT_TRUE(logged("1年が終わりました HP完全回復", "silver"));
    EXPECT_TRUE(has(game.recorder().sounds, "night.wav"));
    EXPECT_EQ(queued(), (std::vector<std::string>{"年が変わります....", "sleep_henka"}));

    // The next two clicks show the line and run the year's update.
    runQueue();
    EXPECT_EQ(game.my.year, 1);
    EXPECT_TRUE(logged("1年目の朝です", "silver"));
}

TEST_F(Year, MorningAdvancesTheCalendarAndClearsTheYearsMarks) {
    game.my.year = 4;
    game.my.daysUsed = 300;
    game.my.usedThisYear[17] = 1;
    game.my.usedThisYear[1999] = 1;
    for (uint64_t seed = 1; seed <= 40; ++seed) {
        nextSeed(seed);
        game.my.incidentSeen.fill(1);
        game.my.danger = 50;
        yearlyUpdate(game);
        const std::vector<std::string> lines = queued();
        // A flag is set again only by an incident of this very year.
        const auto flags = std::count(game.my.incidentSeen.begin(), game.my.incidentSeen.end(), 1);
        EXPECT_LE(flags, 1);
        EXPECT_EQ(flags == 1, std::any_of(lines.begin(), lines.end(), [](const std::string& l) {
                      return l.rfind("【!!】", 0) == 0;
                  }));
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.back(), "sleep_end");
    }
    EXPECT_EQ(game.my.year, 44);
    EXPECT_EQ(game.my.daysUsed, 0);
    EXPECT_EQ(game.my.lifespan, 59);
    EXPECT_TRUE(std::all_of(game.my.usedThisYear.begin(), game.my.usedThisYear.end(),
                            [](int32_t v) { return v == 0; }));
    EXPECT_TRUE(logged("44年目の朝です", "silver"));
    EXPECT_TRUE(has(game.recorder().sounds, "bird.wav"));
    EXPECT_EQ(game.worldPanelDirty, 1);
}

// Lifespan 1 runs out this morning; 2 leaves one more year.
TEST_F(Year, LifespanRunningOutEndsTheGame) {
    game.my.lifespan = 1;
    game.my.usedThisYear[5] = 1;
    game.my.incidentSeen[3] = 1;
    yearlyUpdate(game);
    EXPECT_EQ(game.my.lifespan, 0);
    EXPECT_EQ(queued(),
              (std::vector<std::string>{
                  "なんということでしょう....!!", "あなたは寿命が尽きました!!!!", "GAMEOVER",
                  "残念です....",
                  "※最初からやり直すには、再起動後、タイトルメニューから[初期化]を選択して下さい",
                  "end"}));
    EXPECT_EQ(game.my.incidentSeen[3], 0);
    EXPECT_EQ(game.my.usedThisYear[5], 1);  // the year is not simulated

    game.queue.clearQueue();
    game.my.lifespan = 2;
    yearlyUpdate(game);
    EXPECT_EQ(game.my.lifespan, 1);
    EXPECT_FALSE(has(queued(), "GAMEOVER"));
    EXPECT_EQ(queued().back(), "sleep_end");
}

TEST_F(Year, ClearWinsOverLifespanRunningOutTheSameMorning) {
    game.my.danger = 0;
    game.my.lifespan = 1;
    yearlyUpdate(game);
    std::vector<std::string> lines = queued();
    EXPECT_EQ(lines.front(), "尖閣危険度が0％になりました!!!");
    EXPECT_TRUE(has(lines, "GAMECLEAR"));
    EXPECT_FALSE(has(lines, "GAMEOVER"));
    // Not a TRUE CLEAR: the hint comes last before the end.
    EXPECT_FALSE(has(lines, "....しかも、これはTRUE CLEARです。"));
    EXPECT_EQ(indexOf(lines, "....実は、TRUE ENDというものが存在しています") + 5,
              static_cast<int>(lines.size()));
    EXPECT_EQ(lines.back(), "end2");

    // A difficulty out of range has no TRUE CLEAR count to raise.
    game.queue.clearQueue();
    game.my.danger = 0;
    game.my.difficulty = 9;
    game.my.useCount[kRowTreatyCancelled] = 1;
    yearlyUpdate(game);
    EXPECT_TRUE(has(queued(), "....しかも、これはTRUE CLEARです。"));
    EXPECT_EQ(game.my.trueClearCount, (std::array<int32_t, kDifficulties>{}));
}

// A clear is played out to the end: the counts, the record beside the game and
// the fresh game that follows.
TEST_F(Year, TrueClearIsCountedRecordedAndEndsTheGame) {
    game.my.difficulty = 2;
    game.my.year = 6;
    game.my.danger = -3;
    game.my.useCount[kRowTreatyCancelled] = 1;
    yearlyUpdate(game);
    const std::vector<std::string> lines = queued();
    EXPECT_EQ(game.my.trueClearCount[2], 1);
    EXPECT_EQ(indexOf(lines, "....しかも、これはTRUE CLEARです。") + 3,
              indexOf(lines, "GAMECLEAR"));
    EXPECT_EQ(lines[static_cast<size_t>(indexOf(lines, "GAMECLEAR") + 1)],
              "....クリアまでに要した時間 7年");
    EXPECT_FALSE(has(lines, "....実は、TRUE ENDというものが存在しています"));
    EXPECT_EQ(lines[lines.size() - 3], "...プレーして頂き、ありがとうございました。");
    EXPECT_EQ(lines[lines.size() - 2], "---- GAME END ----");

    runQueue();
    EXPECT_TRUE(game.closing);
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "クリア1回目の記録.txt"));
    EXPECT_EQ(game.my.clearCount[2], 1);
    EXPECT_EQ(game.my.trueClearCount[2], 1);
    EXPECT_EQ(game.my.totalClearCount, 1);
    EXPECT_EQ(game.my.year, 0);  // a fresh game was made for the next start
}

// The yearly pressure of foreign opinion on the home growth, on EASY without
// the finance title: no draws take part in it.
struct PressureCase {
    int32_t foreignOpinion;
    int32_t growthBefore;
    int32_t growthAfter;
    const char* line;  // empty: no line
    const char* colour;
};

class Pressure : public Year, public ::testing::WithParamInterface<PressureCase> {};

TEST_P(Pressure, MovesHomeGrowthAndAnnouncesIt) {
    const PressureCase& c = GetParam();
    setForeignOpinions(game, c.foreignOpinion);
    game.countries[kJapan].growth = c.growthBefore;
    yearlyUpdate(game);
    EXPECT_EQ(game.countries[kJapan].growth, c.growthAfter);
    if (*c.line) {
        EXPECT_TRUE(logged(c.line, c.colour)) << c.line;
    } else {
        for (int i = 0; i < MessageLog::kEntries; ++i)
            EXPECT_NE(game.log.entry(i).text.rfind("GDPが", 0), 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Opinions, Pressure,
    ::testing::Values(
        PressureCase{70, -10, -12, "GDPが -12兆円↓", "pink2"},  // 0 + 0 + 0 + 2
        PressureCase{100, 0, 1, "GDPが 1兆円↑", "yellow2"},     // -1 + -1 + -1 + 2
        PressureCase{0, 0, -3, "GDPが -3兆円↓", "pink2"},       // 11, held to 3
        PressureCase{100, -1, 0, "", ""},                       // no change, no line
        // Read before this year's decay: at 51 each division gives 0, at 50 it would give 1.
        PressureCase{51, 10, 8, "GDPが 8兆円↑", "yellow2"},
        // Next year's growth is shown as it will apply, within -60..60.
        PressureCase{100, 60, 60, "GDPが 60兆円↑", "yellow2"},
        PressureCase{0, -60, -60, "GDPが -60兆円↓", "pink2"}));

TEST_F(Year, FinanceTitleAndDifficultyAddToThePressure) {
    setForeignOpinions(game, 70);
    game.my.ministerFinance = 1;
    yearlyUpdate(game);
    EXPECT_EQ(game.countries[kJapan].growth, -13);

    // EXTREAM adds 0..3 and takes each opinion down by 1..4; a difficulty past
    // EXTREAM counts as EXTREAM, one below EASY as EASY.
    for (int32_t difficulty : {3, 40, -7}) {
        int minPressure = 99, maxPressure = -99, minDecay = 99, maxDecay = -99;
        for (uint64_t seed = 1; seed <= 60; ++seed) {
            nextSeed(seed);
            game.my.ministerFinance = game.countries[kJapan].growth = 0;
            game.my.difficulty = difficulty;
            game.my.danger = 50;
            setForeignOpinions(game, 70);
            yearlyUpdate(game);
            const int pressure = -game.countries[kJapan].growth,
                      decay = 70 - game.countries[kChina].opinion;
            minPressure = std::min(minPressure, pressure),
            maxPressure = std::max(maxPressure, pressure);
            minDecay = std::min(minDecay, decay), maxDecay = std::max(maxDecay, decay);
        }
        const bool hard = difficulty >= 3;
        EXPECT_EQ(minPressure, 2) << difficulty;
        EXPECT_EQ(maxPressure, hard ? 5 : 2) << difficulty;
        EXPECT_EQ(minDecay, 1) << difficulty;
        EXPECT_EQ(maxDecay, hard ? 4 : 1) << difficulty;
    }
}

TEST_F(Year, TaxBudgetComesFromTheGrownGdp) {
    game.my.hasTaxBudget = 1;
    game.countries[kJapan].gdp = 590;
    game.countries[kJapan].growth = -10;
    yearlyUpdate(game);  // GDP 580 after this year's growth
    const std::vector<std::string> lines = queued();
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 2),
              (std::vector<std::string>{"税収により予算が増えました", "gold68"}));
}

// Two (200万円) a year; one short means debt, and charisma if there is any.
TEST_F(Year, LivingCosts) {
    game.my.money = 2;
    yearlyUpdate(game);
    EXPECT_EQ(queued().front(), "生活費2");
    runQueue();
    EXPECT_EQ(game.my.money, 0);
    EXPECT_EQ(game.my.debt, 0);

    game.my.money = 1;
    game.my.charisma = 2;
    yearlyUpdate(game);
    std::vector<std::string> lines = queued();
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 3),
              (std::vector<std::string>{"なんと....生活費が払えませんでした....",
                                        "200万円を借金して払いました....", "toku_down1"}));
    runQueue();
    EXPECT_EQ(game.my.money, 1);
    EXPECT_EQ(game.my.debt, 2);
    EXPECT_EQ(game.my.charisma, 1);

    game.my.charisma = 0;
    yearlyUpdate(game);
    lines = queued();
    EXPECT_EQ(lines[1], "200万円を借金して払いました....");
    EXPECT_NE(lines[2], "toku_down1");
}

// At danger 1 the only incident is the drilling, which raises the danger by 2.
TEST_F(Year, DangerOneDrawsOnlyTheMildestIncident) {
    int incidents = 0;
    for (uint64_t seed = 1; seed <= 60; ++seed) {
        nextSeed(seed);
        game.my.danger = 1;
        yearlyUpdate(game);
        const std::vector<std::string> lines = queued();
        const int at =
            indexOf(lines, "【!!】中国が日本の経済的排他水域内で新たな資源採掘をしています");
        EXPECT_EQ(game.my.incidentSeen[kIncidentDrilling], at >= 0 ? 1 : 0);
        EXPECT_EQ(std::count(game.my.incidentSeen.begin(), game.my.incidentSeen.end(), 1),
                  at >= 0 ? 1 : 0);
        if (at < 0) continue;
        ++incidents;
        ASSERT_LT(static_cast<size_t>(at + 2), lines.size());
        EXPECT_EQ(lines[static_cast<size_t>(at + 1)], "danger2");
        EXPECT_EQ(lines[static_cast<size_t>(at + 2)], "gdpup-2");
    }
    EXPECT_GT(incidents, 5);  // one year in four
}

// At the highest danger the invasion can come: it ends the game, yet the year
// is still closed behind it.
TEST_F(Year, InvasionEndsTheGameBeforeTheYearsLastLine) {
    int wars = 0;
    for (uint64_t seed = 1; seed <= 200; ++seed) {
        nextSeed(seed);
        game.my.danger = 120;
        yearlyUpdate(game);
        const std::vector<std::string> lines = queued();
        const int end = indexOf(lines, "end");
        if (end < 0) continue;
        ++wars;
        EXPECT_EQ(
            indexOf(lines, "【!!】中国の人民解放軍が沖縄に侵攻し、戦争状態に突入しました") + 5,
            end);
        ASSERT_EQ(static_cast<size_t>(end + 2), lines.size());
        EXPECT_EQ(lines.back(), "sleep_end");
    }
    EXPECT_GT(wars, 0);
}

TEST_F(Year, NewsSequencesAdvanceOnceAndStopAtTheirEnd) {
    int usEvents = 0;
    for (uint64_t seed = 1; seed <= 60; ++seed) {
        nextSeed(seed);
        setForeignOpinions(game, 0);
        game.my.usNewsCount = 0;
        game.my.chinaNewsCount = 5;
        game.my.taiwanNewsCount = 1;
        yearlyUpdate(game);
        const std::vector<std::string> lines = queued();
        // All China and Taiwan news were shown: nothing more, the counts stay.
        EXPECT_EQ(game.my.chinaNewsCount, 5);
        EXPECT_EQ(game.my.taiwanNewsCount, 1);
        for (const std::string& line : lines)
            for (const char* prefix :
                 {"【NEWS】中国で", "【NEWS】中国国内", "【NEWS】中国共産党", "【NEWS】台湾"})
                EXPECT_NE(line.rfind(prefix, 0), 0u) << line;
        const int us = indexOf(lines,
                               "【NEWS】米国対日世論の影響を受け、日米関係が不安定化しました。日米"
                               "安保の有事の際の機能に懸念が持たれています");
        EXPECT_EQ(game.my.usNewsCount, us >= 0 ? 1 : 0);
        if (us >= 0) {
            ++usEvents;
            EXPECT_EQ(lines[static_cast<size_t>(us + 1)], "danger1");
        }
    }
    EXPECT_GT(usEvents, 10);  // 40 in 100 at opinion 0
}

TEST_F(Year, AtMostOneOverheatingLineAYear) {
    const std::vector<std::string> overheating = {
        "【NEWS】なんと、バブルがはじけて、不動産価値が暴落しました",
        "【NEWS】経済が過度に過熱し、インフレが大きく進んでいます。注意が必要です。",
        "【NEWS】需要が高まり過ぎ、物不足が広がっています。",
        "【NEWS】不動産価格が急激に上昇しています。"};
    int years = 0;
    for (uint64_t seed = 1; seed <= 150; ++seed) {
        nextSeed(seed);
        setForeignOpinions(game, 100);
        game.countries[kJapan].growth = 60;
        game.countries[kJapan].gdp = 1000;
        yearlyUpdate(game);
        const std::vector<std::string> lines = queued();
        int found = 0;
        for (const std::string& line : overheating) found += has(lines, line) ? 1 : 0;
        EXPECT_LE(found, 1);
        years += found;
    }
    EXPECT_GT(years, 0);
}

// Figures from an edited save may be anything a 32-bit integer holds; the
// update must neither overflow nor index out of range.
TEST_F(Year, ExtremeFiguresStayInRange) {
    for (int32_t v : {kMax, kMin}) {
        for (uint64_t seed = 1; seed <= 20; ++seed) {
            nextSeed(seed);
            tmy& m = game.my;
            m.year = m.daysUsed = m.money = m.debt = m.charisma = v;
            m.difficulty = m.ministerFinance = m.hasTaxBudget = m.chinaBanned = v;
            m.usNewsCount = m.chinaNewsCount = m.taiwanNewsCount = v;
            m.lifespan = kMax;
            m.danger = kMax;
            for (tcountry& c : game.countries) c.military = c.gdp = c.growth = c.opinion = v;
            yearlyUpdate(game);
            EXPECT_EQ(m.year, v == kMax ? kMax : kMin + 1);
            EXPECT_LE(queued().size(), 60u);
            EXPECT_EQ(queued().back(), "sleep_end");
        }
    }
}

}  // namespace
