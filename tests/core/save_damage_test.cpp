// Saves that are damaged, read-only or oddly placed: none is ever lost or
// replaced without a word, and none stops the game.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "core/file_io.h"
#include "core/save_file.h"
#include "core/state.h"
#include "game/game.h"
#include "game/interpreter.h"
#include "game/shell.h"
#include "menus/menu_row.h"
#include "temp_folder.h"

using namespace minamori;
namespace fs = std::filesystem;

namespace {

// A save of three NORMAL clears with some lines (counted from 1) replaced.
std::string saveWithLines(const std::vector<std::pair<int, std::string>>& changes) {
    Game source;
    newGame(source);
    source.my.clearCount[1] = 3;
    source.my.totalClearCount = 3;
    std::vector<std::string> lines = mtest::splitCrLf(encodeSave(source));
    for (const auto& [number, text] : changes) lines[static_cast<size_t>(number - 1)] = text;
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

std::string saveWithLine(int number, const std::string& text) {
    return saveWithLines({{number, text}});
}

// The files beside my.dat that hold an unread save.
std::vector<fs::path> keptAside(const fs::path& dat) {
    std::vector<fs::path> kept;
    for (const fs::directory_entry& e : fs::directory_iterator(dat))
        if (e.path().filename().string().rfind("my.dat.unreadable-", 0) == 0)
            kept.push_back(e.path());
    return kept;
}

// The boxes that spoke of the save (a folder without pictures also has its own).
std::vector<std::string> saveBoxes(Game& game) {
    std::vector<std::string> boxes;
    for (const std::string& box : game.recorder().messageBoxes)
        if (box.find("セーブ") != std::string::npos) boxes.push_back(box);
    return boxes;
}

class DamagedSave : public ::testing::Test {
protected:
    mtest::TempFolder folder;
    fs::path dat = folder.path() / "dat";
    fs::path save = dat / "my.dat";

    // Starts a game on the save as it is, and closes it, which saves; returns
    // the boxes that spoke of the save.
    std::vector<std::string> startAndQuit() {
        Game game(folder.path());
        formCreate(game);
        EXPECT_TRUE(formClose(game));
        return saveBoxes(game);
    }
};

TEST_F(DamagedSave, AnUnreadableSaveIsKeptAsideWholeBeforeTheNextSave) {
    const std::string kinds[] = {
        saveWithLine(4, "0x10"),
        saveWithLine(4, "１０"),
        saveWithLine(4, std::string("1\0", 2)),
        saveWithLine(4, "4294967296"),
        saveWithLine(1, "0") + std::string(kSaveSizeLimit, '0'),
    };
    for (const std::string& damaged : kinds) {
        fs::remove_all(dat);
        mtest::writeBytes(save, damaged);
        const std::vector<std::string> boxes = startAndQuit();

        const std::vector<fs::path> kept = keptAside(dat);
        ASSERT_EQ(kept.size(), 1u);
        EXPECT_EQ(mtest::readBytes(kept[0]), damaged);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_NE(boxes[0].find(kept[0].string()), std::string::npos) << boxes[0];
        // The game went on and saved a whole file of its own.
        Game after(folder.path());
        std::string error;
        EXPECT_EQ(readSaveFile(after, error), LoadResult::kLoaded) << error;
    }
}

TEST_F(DamagedSave, AKeptFileIsNeverOverwrittenByTheNextOne) {
    mtest::writeBytes(save, saveWithLine(4, "first"));
    startAndQuit();
    mtest::writeBytes(save, saveWithLine(4, "second"));
    startAndQuit();
    const std::vector<fs::path> kept = keptAside(dat);
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_NE(mtest::readBytes(kept[0]), mtest::readBytes(kept[1]));
}

TEST_F(DamagedSave, WhatIsNoFileIsNotReadAndDoesNotBlock) {
    fs::create_directories(dat);
    ASSERT_EQ(::mkfifo(save.c_str(), 0644), 0);
    startAndQuit();  // would wait for a writer for ever
    ASSERT_EQ(keptAside(dat).size(), 1u);
    EXPECT_TRUE(fs::is_fifo(keptAside(dat)[0]));

    fs::remove_all(dat);
    fs::create_directories(dat);
    fs::create_symlink("/dev/zero", save);  // would be read until memory runs out
    startAndQuit();
    ASSERT_EQ(keptAside(dat).size(), 1u);
    EXPECT_TRUE(fs::is_symlink(keptAside(dat)[0]));
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(save)));
}

TEST_F(DamagedSave, AByteOrderMarkIsReadPastAndAHugeTitleIsCut) {
    Game source;
    newGame(source);
    source.my.money = 777;
    source.my.titleText = "町会議員";
    mtest::writeBytes(save, "\xEF\xBB\xBF" + encodeSave(source));
    Game game(folder.path());
    std::string error;
    ASSERT_EQ(readSaveFile(game, error), LoadResult::kLoaded) << error;
    EXPECT_EQ(game.my.money, 777);

    mtest::writeBytes(save, saveWithLine(6038, std::string(700000, 'A')));
    ASSERT_EQ(readSaveFile(game, error), LoadResult::kLoaded) << error;
    EXPECT_EQ(game.my.titleText.size(), kTitleTextLimit);
    EXPECT_EQ(game.my.clearCount[1], 3);

    mtest::writeBytes(save, saveWithLine(6038, std::string(700000, 'A') + "漢字"));
    ASSERT_EQ(readSaveFile(game, error), LoadResult::kLoaded) << error;
    EXPECT_LE(game.my.titleText.size(), kTitleTextLimit);
}

TEST_F(DamagedSave, FiguresNoGameReachesLeaveTheTitleMenuUsable) {
    const std::string kMin = "-2147483648";
    // daysUsed, level, 知力, 体力, ｶﾘｽﾏ
    mtest::writeBytes(save, saveWithLines({{1, "2147483647"}, {5, kMin}, {6, kMin}, {7, kMin},
                                           {8, kMin}}));
    Game game(folder.path());
    formCreate(game);
    onGameClick(game, 0, 0, false);
    onGameClick(game, 0, 0, false);
    timerTick(game, 1);
    int usable = 0;
    for (const tmenu& row : game.menuTable)
        if (row.shown == 1 && row.enabled == 1 && row.page == 5) ++usable;
    EXPECT_GE(usable, 3);  // a start, the menu's reset and the clear counts
    EXPECT_EQ(game.my.clearCount[1], 3);
}

// A save the player made read-only is kept as it is, and the box says so.
TEST(SaveWriting, AReadOnlySaveIsNotReplaced) {
    mtest::TempFolder folder;
    Game game(folder.path());
    newGame(game);
    ASSERT_TRUE(saveGame(game));
    const std::string before = mtest::readBytes(game.savePath());
    ASSERT_EQ(::chmod(game.savePath().c_str(), 0444), 0);

    game.my.money = 12345;
    EXPECT_FALSE(saveGame(game));
    EXPECT_EQ(mtest::readBytes(game.savePath()), before);
    ASSERT_EQ(game.recorder().messageBoxes.size(), 1u);
    const std::string& box = game.recorder().messageBoxes[0];
    EXPECT_NE(box.find(game.savePath().string() + ":"), std::string::npos) << box;
    EXPECT_EQ(box.find(".tmp"), std::string::npos) << box;
    ::chmod(game.savePath().c_str(), 0644);
}

TEST(SaveWriting, APlantedTemporaryLinkIsNotFollowed) {
    mtest::TempFolder folder;
    const fs::path victim = folder.path() / "victim.txt";
    mtest::writeBytes(victim, "precious");
    Game game(folder.path());
    newGame(game);
    fs::create_directories(folder.path() / "dat");
    fs::create_symlink(victim, folder.path() / "dat" / "my.dat.tmp");

    ASSERT_TRUE(saveGame(game));
    EXPECT_EQ(mtest::readBytes(victim), "precious");
    std::string error;
    Game loaded(folder.path());
    EXPECT_EQ(readSaveFile(loaded, error), LoadResult::kLoaded) << error;
    EXPECT_FALSE(fs::exists(fs::symlink_status(folder.path() / "dat" / "my.dat.tmp")));
}

// A build folder whose dat/ cannot be written: its save is read where it is,
// the first save goes to the new place, and the move is told once.
TEST(SaveWriting, ASaveLeftWhereTheGameCannotWriteIsReadAndMovedOnce) {
    mtest::TempFolder folder;
    const fs::path old = folder.path() / "build" / "dat" / "my.dat";
    const fs::path user = folder.path() / "user";
    mtest::writeBytes(old, saveWithLine(4, "4321"));
    const std::string oldBytes = mtest::readBytes(old);
    GamePaths paths(folder.path() / "build", user / "my.dat", user);
    paths.earlierSave = old;

    std::vector<std::string> boxes;
    {
        Game game(Services{}, paths, 1);
        formCreate(game);
        EXPECT_EQ(game.my.money, 4321);
        EXPECT_TRUE(formClose(game));
        boxes = saveBoxes(game);
    }
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find((user / "my.dat").string()), std::string::npos) << boxes[0];
    EXPECT_EQ(mtest::readBytes(old), oldBytes);

    Game again(Services{}, paths, 1);
    formCreate(again);
    EXPECT_EQ(again.my.money, 4321);
    EXPECT_TRUE(saveBoxes(again).empty());
}

}  // namespace
