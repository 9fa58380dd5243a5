// Saves survive: a game killed while it saves leaves the old save or the new one,
// whole; and a save file written from the file layout alone, not by the game,
// loads and is written back byte for byte.
//
// The kills: a process forked from the test saves two games in turn, as fast as
// it can, and is killed with SIGKILL after a random number of microseconds, two
// thousand times (MINAMORI_KILLS sets another number); each time the file must
// be one of the two saves, whole, and load. The folder lies in memory when the
// machine has such a folder (/dev/shm): a kill is about the process, not the
// disk, and a save there takes a tenth of a millisecond instead of several.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "core/name_tables.h"
#include "core/save_file.h"
#include "core/state.h"
#include "core/temp_folder.h"
#include "game/game.h"
#include "game/shell.h"

using namespace minamori;

namespace {

// The two games saved in turn: a new game, and one twelve years on with a title,
// so that a file torn between them would show.
void makeSavedState(Game& game, int which) {
    newGame(game);
    fillNameTables(game);
    if (which == 0) return;
    tmy& m = game.my;
    m.year = 12;
    m.daysUsed = 290;
    m.money = 98765;
    m.level = 31;
    m.titleText = "<県会議員>";
    for (std::size_t r = 1; r < m.useCount.size(); r += 3)
        m.useCount[r] = static_cast<int32_t>(r % 9);
    for (std::size_t i = 1; i < m.itemCount.size(); i += 5) m.itemCount[i] = 2;
    game.countries[1].opinion = 12;
    game.countries[3].growth = -7;
    m.trueClearCount[2] = 1;
}

// A process of its own that saves the two games in turn as fast as it can, the
// given one first, until it is killed. Returns once the process is about to
// make its first save.
pid_t startSaving(Game& firstSaved, Game& other) {
    int ready[2];
    if (::pipe(ready) != 0) return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(ready[0]);
        if (::write(ready[1], "!", 1) != 1) ::_exit(1);
        for (;;)
            if (!saveGame(firstSaved) || !saveGame(other)) ::_exit(1);
    }
    ::close(ready[1]);
    char byte = 0;
    if (pid > 0 && ::read(ready[0], &byte, 1) != 1) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        ::close(ready[0]);
        return -1;
    }
    ::close(ready[0]);
    return pid;
}

// A fresh folder in memory when the machine has one, else in the temp folder.
class MemoryFolder {
public:
    MemoryFolder() {
        std::error_code ec;
        const std::filesystem::path shm = "/dev/shm";
        const std::filesystem::path base =
            std::filesystem::is_directory(shm, ec) && ::access(shm.c_str(), W_OK) == 0
                ? shm
                : std::filesystem::temp_directory_path();
        path_ = base / ("minamori-saves-survive-" + std::to_string(::getpid()));
        std::filesystem::remove_all(path_, ec);
        std::filesystem::create_directories(path_);
    }
    ~MemoryFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

void sleepMicroseconds(int64_t us) {
    const timespec t{static_cast<time_t>(us / 1000000), static_cast<long>(us % 1000000) * 1000};
    ::nanosleep(&t, nullptr);
}

TEST(SavesSurvive, AGameKilledWhileSavingLeavesTheOldSaveOrTheNewOneWhole) {
    MemoryFolder folder;
    Game first(folder.path(), 1), second(folder.path(), 1), loaded(folder.path(), 1);
    makeSavedState(first, 0);
    makeSavedState(second, 1);
    const std::string firstBytes = encodeSave(first), secondBytes = encodeSave(second);
    ASSERT_NE(firstBytes, secondBytes);
    ASSERT_TRUE(saveGame(first));

    // How long a save takes here: the kills spread over the time of several saves.
    const auto began = std::chrono::steady_clock::now();
    constexpr int kTimed = 10;
    for (int i = 0; i < kTimed; ++i) ASSERT_TRUE(saveGame(i % 2 ? first : second));
    const int64_t saveUs =
        std::max<int64_t>(1, std::chrono::duration_cast<std::chrono::microseconds>(
                                 std::chrono::steady_clock::now() - began)
                                     .count() /
                                 kTimed);
    ASSERT_TRUE(saveGame(first));
    const std::filesystem::path temp = loaded.savePath().string() + ".tmp";

    std::mt19937 rng(20240607);
    std::uniform_int_distribution<int64_t> delay(0, 4 * saveUs);
    const char* const kills = std::getenv("MINAMORI_KILLS");  // for longer runs
    const int killCount = kills ? std::max(1, std::atoi(kills)) : 2000;
    int kept = 0, replaced = 0, midSave = 0;
    bool holdsFirst = true;  // which save the file holds
    for (int kill = 0; kill < killCount; ++kill) {
        std::filesystem::remove(temp);  // what an earlier kill left half written
        // The process starts with the save the file does not hold.
        const pid_t pid = holdsFirst ? startSaving(second, first) : startSaving(first, second);
        ASSERT_GT(pid, 0) << "fork failed";
        sleepMicroseconds(delay(rng));
        ::kill(pid, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
            << "the saving process ended by itself, status " << status;
        if (std::filesystem::exists(temp)) ++midSave;

        const std::string bytes = mtest::readBytes(loaded.savePath());
        const bool isFirst = bytes == firstBytes, isSecond = bytes == secondBytes;
        ASSERT_TRUE(isFirst || isSecond) << "kill " << kill << " left a file of " << bytes.size()
                                         << " bytes that is neither save";
        ++(isFirst == holdsFirst ? kept : replaced);
        holdsFirst = isFirst;

        std::string error;
        ASSERT_EQ(readSaveFile(loaded, error), LoadResult::kLoaded) << error;
        ASSERT_TRUE(loaded.my == (isFirst ? first : second).my) << "kill " << kill;
    }
    std::printf(
        "%d kills within %lld us of the first save: %d left the file as it was, %d changed it, "
        "%d came in the middle of writing a save\n",
        killCount, static_cast<long long>(4 * saveUs), kept, replaced, midSave);
    EXPECT_GT(kept, 0);
    EXPECT_GT(replaced, 0);
    EXPECT_GT(midSave, 0) << "no kill came while a save was being written";
}

// The save file, line by line, as its layout describes it. Each line holds a
// value no line near it holds, so a field read from a wrong line shows.
constexpr int kLines = 6092;
constexpr int32_t useCountAt(int r) {
    return r == 0 ? 0 : (r * 7) % 13 + 1;
}
constexpr int32_t usedThisYearAt(int r) {
    return r % 3 == 1 ? 1 : 0;
}
constexpr int32_t itemCountAt(int i) {
    return i == 0 ? 0 : i % 11;
}
// The title "<内閣総理大臣>ｶﾘｽﾏ" as its CP932 bytes.
const char kTitleBytes[] = "<\x93\xe0\x8a\x74\x91\x8d\x97\x9d\x91\xe5\x90\x62>\xb6\xd8\xbd\xcf";

std::string layoutFixture() {
    std::vector<std::string> line(kLines + 1);  // line[1] is the first line
    const char* const head[] = {"187", "12", "-1200", "999999999", "33", "41", "29", "17", "1"};
    for (int i = 0; i < 9; ++i) line[static_cast<size_t>(1 + i)] = head[i];
    for (int r = 0; r < 2000; ++r) {
        line[static_cast<size_t>(10 + 2 * r)] = std::to_string(useCountAt(r));
        line[static_cast<size_t>(11 + 2 * r)] = std::to_string(usedThisYearAt(r));
    }
    const char* const career[] = {"45", "6", "7", "8", "120", "3", "1",
                                  "1",  "0", "1", "1", "0",   "1"};
    for (int i = 0; i < 13; ++i) line[static_cast<size_t>(4010 + i)] = career[i];
    for (int i = 0; i < 2000; ++i)
        line[static_cast<size_t>(4023 + i)] = std::to_string(itemCountAt(i));
    line[6023] = "2147483647";
    const char* const incidents[] = {"1", "0", "1", "0", "0", "1", "0", "1"};
    for (int k = 0; k < 8; ++k) line[static_cast<size_t>(6024 + k)] = incidents[k];
    const char* const tail[] = {"1", "23", "1", "54", "61", "3", kTitleBytes,   "2",  "5",
                                "1", "9",  "4", "2",  "1",  "3", "-2147483648", "250"};
    for (int i = 0; i < 17; ++i) line[static_cast<size_t>(6032 + i)] = tail[i];
    for (int c = 0; c < 10; ++c) {
        line[static_cast<size_t>(6049 + 4 * c)] = std::to_string(100 + c);
        line[static_cast<size_t>(6050 + 4 * c)] = std::to_string(2000 + c);
        line[static_cast<size_t>(6051 + 4 * c)] = std::to_string(-(c + 1));
        line[static_cast<size_t>(6052 + 4 * c)] = std::to_string(60 + c);
    }
    const char* const trueClears[] = {"1", "0", "2", "1"};
    for (int k = 0; k < 4; ++k) line[static_cast<size_t>(6089 + k)] = trueClears[k];

    std::string bytes;
    for (int i = 1; i <= kLines; ++i) bytes += line[static_cast<size_t>(i)] + "\r\n";
    return bytes;
}

TEST(SavesSurvive, AFileWrittenFromTheLayoutLoadsAndIsWrittenBackByteForByte) {
    mtest::TempFolder folder;
    const std::string fixture = layoutFixture();
    Game game(folder.path(), 1);
    mtest::writeBytes(game.savePath(), fixture);
    formCreate(game);  // start-up loads the save
    for (const std::string& box : game.recorder().messageBoxes)
        EXPECT_EQ(box.find("セーブデータ"), std::string::npos) << box;

    const tmy& m = game.my;
    EXPECT_EQ(m.daysUsed, 187);
    EXPECT_EQ(m.year, 12);
    EXPECT_EQ(m.volume, -1200);
    EXPECT_EQ(m.money, 999999999);
    EXPECT_EQ(m.level, 33);
    EXPECT_EQ(m.intelligence, 41);
    EXPECT_EQ(m.vitality, 29);
    EXPECT_EQ(m.charisma, 17);
    EXPECT_EQ(m.hasTaxBudget, 1);
    for (int r = 0; r < 2000; ++r) {
        ASSERT_EQ(m.useCount[static_cast<size_t>(r)], useCountAt(r)) << "row " << r;
        ASSERT_EQ(m.usedThisYear[static_cast<size_t>(r)], usedThisYearAt(r)) << "row " << r;
    }
    EXPECT_EQ(m.exp, 45);
    EXPECT_EQ(m.intelligenceExp, 6);
    EXPECT_EQ(m.vitalityExp, 7);
    EXPECT_EQ(m.charismaExp, 8);
    EXPECT_EQ(m.danger, 120);
    EXPECT_EQ(m.careerLevel, 3);
    EXPECT_EQ(m.ministerEconomy, 1);
    EXPECT_EQ(m.ministerFinance, 1);
    EXPECT_EQ(m.ministerMonetary, 0);
    EXPECT_EQ(m.ministerLand, 1);
    EXPECT_EQ(m.ministerForeign, 1);
    EXPECT_EQ(m.ministerDefence, 0);
    EXPECT_EQ(m.primeMinister, 1);
    for (int i = 0; i < 2000; ++i)
        ASSERT_EQ(m.itemCount[static_cast<size_t>(i)], itemCountAt(i)) << i;
    EXPECT_EQ(m.debt, 2147483647);
    const int32_t incidents[] = {1, 0, 1, 0, 0, 1, 0, 1};
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(m.incidentSeen[static_cast<size_t>(k)], incidents[k]) << k;
    EXPECT_EQ(m.chinaBanned, 1);
    EXPECT_EQ(m.lifespan, 23);
    EXPECT_EQ(m.gameStarted, 1);
    EXPECT_EQ(m.hp, 54);
    EXPECT_EQ(m.maxHp, 61);
    EXPECT_EQ(m.expBonus, 3);
    EXPECT_EQ(m.titleText, "<内閣総理大臣>ｶﾘｽﾏ");
    EXPECT_EQ(m.chinaNewsCount, 2);
    EXPECT_EQ(m.usNewsCount, 5);
    EXPECT_EQ(m.taiwanNewsCount, 1);
    EXPECT_EQ(m.totalClearCount, 9);
    EXPECT_EQ(m.clearCount[1], 4);  // NORMAL
    EXPECT_EQ(m.clearCount[2], 2);  // HARD
    EXPECT_EQ(m.difficulty, 1);
    EXPECT_EQ(m.clearCount[3], 3);                                    // EXTREAM
    EXPECT_EQ(m.clearCount[0], std::numeric_limits<int32_t>::min());  // EASY
    EXPECT_EQ(m.battleMoneyBonus, 250);
    for (int c = 0; c < 10; ++c) {
        const tcountry& k = game.countries[static_cast<size_t>(c)];
        EXPECT_EQ(k.military, 100 + c) << c;
        EXPECT_EQ(k.gdp, 2000 + c) << c;
        EXPECT_EQ(k.growth, -(c + 1)) << c;
        EXPECT_EQ(k.opinion, 60 + c) << c;
    }
    EXPECT_EQ(game.countries[0].name, "日本");
    EXPECT_EQ(m.trueClearCount, (std::array<int32_t, 4>{1, 0, 2, 1}));

    // Leaving the game saves it: the file comes back as it was written.
    ASSERT_TRUE(formClose(game));
    EXPECT_EQ(mtest::readBytes(game.savePath()), fixture);
}

}  // namespace
