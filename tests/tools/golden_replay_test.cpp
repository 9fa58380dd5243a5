// Golden replays: whole games, one per difficulty, played once by the
// autoplayer and kept under tests/replays/ as the driver's commands, the hash
// of the game's state after each of them, and the my.dat and history.csv the
// game left. Every build must play them alike, step by step; the first step
// that differs is reported. A change that is meant to change play records them
// anew, in a commit of its own that says why:
//   MINAMORI_RECORD_REPLAYS=1 build/tests/test_tools --gtest_filter='GoldenReplay*'
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "autoplay.h"
#include "core/temp_folder.h"
#include "driver.h"
#include "state_hash.h"

namespace {

namespace fs = std::filesystem;
namespace ap = minamori::autoplay;

struct Replay {
    const char* name;
    int difficulty;
    uint64_t seed;
    // Unlocks the mode on the title menu: the clear it needs, set beforehand.
    const char* unlock;
};

void PrintTo(const Replay& r, std::ostream* out) { *out << r.name; }

constexpr Replay kReplays[] = {
    {"easy", 0, 1, nullptr},
    {"normal", 1, 2, nullptr},
    {"hard", 2, 3, "set clearCount.1 1"},
    {"extream", 3, 4, "set clearCount.2 1"},
};

fs::path replayDir(const Replay& r) {
    return fs::path(MINAMORI_TOOLS_TESTS) / ".." / "replays" / r.name;
}

std::vector<std::string> readLines(const fs::path& path) {
    std::vector<std::string> lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

void writeLines(const fs::path& path, const std::vector<std::string>& lines) {
    std::ofstream out(path);
    for (const std::string& line : lines) out << line << '\n';
}

// What a game folder holds after the replay: the save and the history.
struct Played {
    std::vector<std::string> hashes;
    std::string save, history;
};

// Runs the commands in a fresh folder without content (so that new pictures
// or sounds never change a replay) on fixed text metrics.
Played replay(const Replay& r, const std::vector<std::string>& commands) {
    mtest::TempFolder folder;
    minamori::HeadlessDriver driver(folder.path(), r.seed);
    Played played;
    for (const std::string& command : commands) {
        const std::string answer = driver.execute(command);
        if (answer != "ok") ADD_FAILURE() << command << ": " << answer;
        played.hashes.push_back(minamori::hashText(minamori::stateHash(driver.game())));
    }
    played.save = mtest::readBytes(folder.path() / "dat" / "my.dat");
    played.history = mtest::readBytes(folder.path() / "dat" / "history.csv");
    return played;
}

// Plays the game with the autoplayer and keeps it as the replay's files.
void record(const Replay& r) {
    mtest::TempFolder folder;
    std::vector<std::string> commands;
    {
        minamori::HeadlessDriver driver(folder.path(), r.seed);
        if (r.unlock) {
            commands.push_back(r.unlock);
            ASSERT_EQ(driver.execute(r.unlock), "ok");
        }
        ap::PlayOptions options;
        options.difficulty = r.difficulty;
        options.record = &commands;
        const ap::GameResult result = ap::playGame(driver, r.seed, options);
        std::cout << r.name << ": " << ap::resultLine(result) << ", " << commands.size()
                  << " commands\n";
        if (!driver.game().closing) commands.push_back("quit");
    }
    const Played played = replay(r, commands);
    const fs::path dir = replayDir(r);
    fs::create_directories(dir);
    writeLines(dir / "commands.txt", commands);
    writeLines(dir / "hashes.txt", played.hashes);
    mtest::writeBytes(dir / "my.dat", played.save);
    mtest::writeBytes(dir / "history.csv", played.history);
}

class GoldenReplay : public ::testing::TestWithParam<Replay> {};

TEST_P(GoldenReplay, PlaysAsRecordedStepByStep) {
    const Replay& r = GetParam();
    if (std::getenv("MINAMORI_RECORD_REPLAYS")) record(r);
    const fs::path dir = replayDir(r);
    const std::vector<std::string> commands = readLines(dir / "commands.txt");
    const std::vector<std::string> expected = readLines(dir / "hashes.txt");
    ASSERT_FALSE(commands.empty()) << dir;
    ASSERT_EQ(commands.size(), expected.size());

    const Played played = replay(r, commands);
    for (std::size_t i = 0; i < commands.size(); ++i) {
        if (played.hashes[i] == expected[i]) continue;
        FAIL() << r.name << " diverges at step " << i + 1 << " of " << commands.size() << " ("
               << commands[i] << "), line " << i + 1 << " of commands.txt";
    }
    EXPECT_TRUE(played.save == mtest::readBytes(dir / "my.dat")) << "my.dat differs";
    EXPECT_TRUE(played.history == mtest::readBytes(dir / "history.csv")) << "history.csv differs";
}

INSTANTIATE_TEST_SUITE_P(, GoldenReplay, ::testing::ValuesIn(kReplays),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
