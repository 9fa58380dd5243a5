// The save file dat/my.dat: its line layout, its text encoding, and reading damaged files.
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <limits>
#include <string>

#include "core/cp932.h"
#include "core/save_file.h"
#include "core/state.h"
#include "core/temp_folder.h"
#include "game/game.h"

using namespace minamori;

namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int kTitleLine = 6038;

// A value for each line of the file that no other line holds.
int32_t valueOfLine(int line) {
    if (line == 4) return kMin;
    if (line == 6023) return kMax;
    if (line == 6051) return -10;  // 日本's growth
    return line * 3 - 9000;
}

// Sets every saved field from the line it belongs on.
void fillByLine(Game& g, int32_t (*v)(int)) {
    tmy& m = g.my;
    auto run = [v](int firstLine, std::initializer_list<int32_t*> fields) {
        for (int32_t* f : fields) *f = v(firstLine++);
    };
    run(1, {&m.daysUsed, &m.year, &m.volume, &m.money, &m.level, &m.intelligence, &m.vitality,
            &m.charisma, &m.hasTaxBudget});
    for (int r = 0; r < 2000; ++r) run(10 + 2 * r, {&m.useCount[size_t(r)], &m.usedThisYear[size_t(r)]});
    run(4010, {&m.exp, &m.intelligenceExp, &m.vitalityExp, &m.charismaExp, &m.danger, &m.careerLevel,
               &m.ministerEconomy, &m.ministerFinance, &m.ministerMonetary, &m.ministerLand,
               &m.ministerForeign, &m.ministerDefence, &m.primeMinister});
    for (int i = 0; i < 2000; ++i) run(4023 + i, {&m.itemCount[size_t(i)]});
    run(6023, {&m.debt});
    for (int k = 0; k < 8; ++k) run(6024 + k, {&m.incidentSeen[size_t(k)]});
    run(6032, {&m.chinaBanned, &m.lifespan, &m.gameStarted, &m.hp, &m.maxHp, &m.expBonus});
    m.titleText = "衆議院議員";
    run(6039, {&m.chinaNewsCount, &m.usNewsCount, &m.taiwanNewsCount, &m.totalClearCount,
               &m.clearCount[1], &m.clearCount[2], &m.difficulty, &m.clearCount[3], &m.clearCount[0],
               &m.battleMoneyBonus});
    for (int c = 0; c < 10; ++c) {
        tcountry& k = g.countries[size_t(c)];
        run(6049 + 4 * c, {&k.military, &k.gdp, &k.growth, &k.opinion});
    }
    for (int k = 0; k < 4; ++k) run(6089 + k, {&m.trueClearCount[size_t(k)]});
}

void expectSameFigures(const Countries& a, const Countries& b) {
    for (size_t c = 0; c < a.size(); ++c) {
        EXPECT_EQ(a[c].military, b[c].military) << c;
        EXPECT_EQ(a[c].gdp, b[c].gdp) << c;
        EXPECT_EQ(a[c].growth, b[c].growth) << c;
        EXPECT_EQ(a[c].opinion, b[c].opinion) << c;
    }
}

class SaveFile : public ::testing::Test {
protected:
    SaveFile() : game(folder.path(), 1) {}
    std::string fileBytes() { return mtest::readBytes(game.savePath()); }
    void writeFile(const std::string& bytes) { mtest::writeBytes(game.savePath(), bytes); }
    std::string lines(const std::vector<std::string>& texts) {
        std::string out;
        for (const auto& t : texts) out += t + "\r\n";
        return out;
    }

    mtest::TempFolder folder;
    Game game;
};

TEST_F(SaveFile, EveryFieldHasItsLineAndComesBack) {
    fillByLine(game, valueOfLine);
    ASSERT_TRUE(saveGame(game));
    const std::string bytes = fileBytes();
    const auto fileLines = mtest::splitCrLf(bytes);
    ASSERT_EQ(fileLines.size(), 6092u);
    ASSERT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    for (int line = 1; line <= 6092; ++line) {
        if (line == kTitleLine) continue;
        EXPECT_EQ(fileLines[static_cast<size_t>(line - 1)], std::to_string(valueOfLine(line)))
            << "line " << line;
    }
    EXPECT_EQ(fileLines[kTitleLine - 1], utf8ToCp932("衆議院議員"));
    EXPECT_EQ(fileLines[3], "-2147483648");
    EXPECT_EQ(fileLines[6050], "-10");

    Game loaded(folder.path(), 2);
    std::string readError;
    ASSERT_EQ(readSaveFile(loaded, readError), LoadResult::kLoaded) << readError;
    EXPECT_TRUE(loaded.my == game.my);
    expectSameFigures(loaded.countries, game.countries);
    EXPECT_EQ(encodeSave(loaded), bytes);  // what is read writes back byte for byte

    std::string lfOnly;
    for (char ch : bytes)
        if (ch != '\r') lfOnly += ch;
    Game fromLf(folder.path(), 3);
    std::string error;
    ASSERT_EQ(decodeSave(fromLf, lfOnly, error), LoadResult::kLoaded) << error;
    EXPECT_TRUE(fromLf.my == game.my);
    expectSameFigures(fromLf.countries, game.countries);
}

TEST_F(SaveFile, TitlesEmptyOrBeyondAsciiRoundTrip) {
    newGame(game);
    game.my.trueClearCount[3] = 42;
    for (const std::string title : {"", "総理大臣Ⅱ"}) {
        game.my.titleText = title;
        ASSERT_TRUE(saveGame(game));
        const auto fileLines = mtest::splitCrLf(fileBytes());
        ASSERT_EQ(fileLines.size(), 6092u);
        EXPECT_EQ(fileLines[kTitleLine - 1], utf8ToCp932(title));

        Game loaded(folder.path(), 2);
        std::string error;
        ASSERT_EQ(readSaveFile(loaded, error), LoadResult::kLoaded) << error;
        EXPECT_EQ(loaded.my.titleText, title);
        EXPECT_EQ(loaded.my.trueClearCount[3], 42);
        EXPECT_TRUE(loaded.my == game.my);
    }
    EXPECT_EQ(utf8ToCp932("総理大臣Ⅱ").substr(8), "\x87\x55");
}

TEST_F(SaveFile, ShortFileReadsZeroPastItsEnd) {
    Game source(folder.path(), 1);
    fillByLine(source, [](int line) { return line + 1; });
    const auto all = mtest::splitCrLf(encodeSave(source));
    writeFile(lines(std::vector<std::string>(all.begin(), all.begin() + 100)));

    fillByLine(game, valueOfLine);
    std::string error;
    ASSERT_EQ(readSaveFile(game, error), LoadResult::kLoaded) << error;
    EXPECT_EQ(game.my.daysUsed, 2);
    EXPECT_EQ(game.my.useCount[45], 101);  // line 100
    EXPECT_EQ(game.my.usedThisYear[45], 0);
    EXPECT_EQ(game.my.exp, 0);
    EXPECT_EQ(game.my.itemCount[1999], 0);
    EXPECT_TRUE(game.my.titleText.empty());
    EXPECT_EQ(game.my.trueClearCount[3], 0);
    EXPECT_EQ(game.countries[9].opinion, 0);
}

TEST_F(SaveFile, BadLineStopsReadingAndIsReportedOnce) {
    fillByLine(game, valueOfLine);
    writeFile(lines({"11", "12", "13", "14", "abc", "16", "17"}));
    std::string error;
    EXPECT_EQ(readSaveFile(game, error), LoadResult::kFailed);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(game.my.daysUsed, 11);
    EXPECT_EQ(game.my.money, 14);
    EXPECT_EQ(game.my.level, valueOfLine(5));
    EXPECT_EQ(game.my.intelligence, valueOfLine(6));
    EXPECT_EQ(game.my.titleText, "衆議院議員");

    loadGame(game);
    EXPECT_EQ(game.recorder().messageBoxes.size(), 1u);
    EXPECT_EQ(game.countries[1].name, "中国");
    EXPECT_EQ(game.my.money, 14);
    EXPECT_EQ(game.my.level, 0);  // what no game reaches is brought into range

    for (const char* big : {"2147483648", "-2147483649", "99999999999"}) {
        writeFile(lines({"1", "2", big}));
        EXPECT_EQ(readSaveFile(game, error), LoadResult::kFailed) << big;
    }
}

TEST_F(SaveFile, MissingFileStartsANewGameQuietly) {
    game.my.money = 99;
    game.my.level = 7;
    loadGame(game);
    Game fresh;
    newGame(fresh);
    EXPECT_TRUE(game.my == fresh.my);
    EXPECT_TRUE(game.recorder().messageBoxes.empty());
    EXPECT_EQ(game.countries[0].name, "日本");
    EXPECT_EQ(game.countries[3].name, "米国");
}

TEST_F(SaveFile, SavingIsAtomicMakesItsFolderAndReportsFailure) {
    ASSERT_FALSE(std::filesystem::exists(folder.path() / "dat"));
    newGame(game);
    EXPECT_TRUE(saveGame(game));
    EXPECT_TRUE(std::filesystem::exists(game.savePath()));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "dat" / "my.dat.tmp"));
    EXPECT_TRUE(game.recorder().messageBoxes.empty());

    // A file where the folder belongs: the save fails with a message, nothing worse.
    mtest::TempFolder other;
    mtest::writeBytes(other.path() / "dat", "in the way");
    Game blocked(other.path(), 1);
    EXPECT_FALSE(saveGame(blocked));
    EXPECT_EQ(blocked.recorder().messageBoxes.size(), 1u);
}

}  // namespace
