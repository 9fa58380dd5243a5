// Where the desktop game finds its content and keeps its saves: beside the
// program in a build folder, apart in an installed game.
#include "core/game_paths.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/save_file.h"
#include "core/temp_folder.h"
#include "game/game.h"

using namespace minamori;
namespace fs = std::filesystem;

TEST(GamePaths, BuildFolderKeepsEverythingBesideTheProgram) {
    mtest::TempFolder temp;
    const fs::path build = temp.path() / "build";
    fs::create_directories(build / "cg");
    fs::create_directories(build / "dat");
    const GamePaths paths = locateGamePaths(build, "/xdg", "/home/someone");
    EXPECT_EQ(paths.content, build);
    EXPECT_EQ(paths.saveFile, build / "dat" / "my.dat");
    EXPECT_EQ(paths.recordsDir, build);
}

TEST(GamePaths, InstalledGameSavesInTheUserDataFolder) {
    mtest::TempFolder temp;
    const fs::path bin = temp.path() / "games";
    fs::create_directories(bin);
    const fs::path share = temp.path() / "share" / "games" / "minamori";
    fs::create_directories(share / "cg");

    GamePaths paths = locateGamePaths(bin, "/xdg", "/home/someone");
    EXPECT_EQ(paths.content, share);
    EXPECT_EQ(paths.saveFile, fs::path("/xdg/minamori/my.dat"));
    EXPECT_EQ(paths.recordsDir, fs::path("/xdg/minamori"));

    // Unset, empty or relative XDG_DATA_HOME: the default under HOME.
    for (const char* xdg : {static_cast<const char*>(nullptr), "", "relative/data"}) {
        paths = locateGamePaths(bin, xdg, "/home/someone");
        EXPECT_EQ(paths.saveFile, fs::path("/home/someone/.local/share/minamori/my.dat"));
        EXPECT_EQ(paths.recordsDir, fs::path("/home/someone/.local/share/minamori"));
    }
}

TEST(GamePaths, NoContentAnywhereFallsBackToTheProgramFolder) {
    mtest::TempFolder temp;
    const GamePaths paths = locateGamePaths(temp.path(), "/xdg", "/home/someone");
    EXPECT_EQ(paths.content, temp.path());
    EXPECT_EQ(paths.saveFile, temp.path() / "dat" / "my.dat");
}

TEST(GamePaths, ReadOnlyBuildFolderSavesInTheUserDataFolder) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes everywhere";
    mtest::TempFolder temp;
    fs::create_directories(temp.path() / "cg");
    fs::create_directories(temp.path() / "dat");
    ::chmod((temp.path() / "dat").c_str(), 0555);
    const GamePaths paths = locateGamePaths(temp.path(), "/xdg", nullptr);
    ::chmod((temp.path() / "dat").c_str(), 0755);
    EXPECT_EQ(paths.content, temp.path());
    EXPECT_EQ(paths.saveFile, fs::path("/xdg/minamori/my.dat"));
    EXPECT_EQ(paths.earlierSave, temp.path() / "dat" / "my.dat");  // read until the first save
}

TEST(GamePaths, SaveAndClearRecordGoWhereThePathsSay) {
    mtest::TempFolder temp;
    const fs::path user = temp.path() / "user" / "minamori";
    Game game(Services{}, GamePaths{temp.path() / "content", user / "my.dat", user}, 1);
    EXPECT_EQ(game.cgPath("title.bmp"), temp.path() / "content" / "cg" / "title.bmp");
    EXPECT_EQ(game.datPath("a.wav"), temp.path() / "content" / "dat" / "a.wav");
    ASSERT_TRUE(saveGame(game));
    ASSERT_TRUE(writeClearRecord(game));
    EXPECT_TRUE(fs::exists(user / "my.dat"));
    EXPECT_TRUE(fs::exists(user / clearRecordName(game.my.totalClearCount)));
    EXPECT_FALSE(fs::exists(temp.path() / "content"));
}
