// The preferences panel, settings.ini across restarts, F1's help and F12's
// screenshots: all around the game, none of it in its log or its save.
#include "game/preferences.h"

#include <fstream>

#include "core/settings_file.h"
#include "core/state.h"
#include "game/game.h"
#include "game/played_game.h"
#include "view/png_file.h"

namespace {

namespace fs = std::filesystem;

class Preferences : public mtest::PlayedGame {
protected:
    void restart() {
        driver.reset();
        driver = std::make_unique<minamori::HeadlessDriver>(folder.path(), 3);
    }
    fs::path settingsFile() const { return folder.path() / "config" / "settings.ini"; }
    std::vector<std::string> logTexts() {
        std::vector<std::string> out;
        for (int i = 0; i < minamori::MessageLog::kEntries; ++i) out.push_back(game().log.entry(i).text);
        return out;
    }
};

TEST_F(Preferences, MusicSetQuieterIsSoAfterARestart) {
    startGame();
    ok("key p");
    ASSERT_EQ(game().overlay.open, minamori::Overlay::kPreferences);
    for (int i = 0; i < 3; ++i) ok("key left");  // 音楽の音量, the first line
    EXPECT_EQ(game().recorder().musicVolume, 70);
    EXPECT_EQ(minamori::readSettings(settingsFile()).musicVolume, 70);
    ok("key esc");
    EXPECT_EQ(game().overlay.open, minamori::Overlay::kNone);
    restart();
    EXPECT_EQ(game().settings.musicVolume, 70);
    EXPECT_EQ(game().recorder().musicVolume, 70);
}

// The sound effects' volume is the SOUND page's figure, kept in the save only.
TEST_F(Preferences, TheSoundVolumeIsTheGamesOwnFigure) {
    startGame();
    const int32_t before = game().my.volume;
    ok("key p");
    ok("key down");
    ok("key left");
    EXPECT_EQ(game().my.volume, before - minamori::kVolumeStep);
    EXPECT_FALSE(fs::exists(settingsFile())) << "nothing of the file changed";
    for (int i = 0; i < 20; ++i) ok("key left");
    EXPECT_EQ(game().my.volume, minamori::kQuietestVolume);
    // Keys on the panel never reach the menu under it.
    ok("key enter");
    ok("key backspace");
    EXPECT_EQ(game().menu.currentPage, minamori::kPageMain);
    EXPECT_TRUE(game().queue.empty());
}

TEST_F(Preferences, AnUnwritableConfigChangesNothingAndLosesNothing) {
    std::ofstream(folder.path() / "config") << "a file where the folder should be";
    startGame();
    const std::vector<std::string> log = logTexts();
    ok("key p");
    ok("key right");  // the auto-advance line is third; the music line will do
    ok("key down");
    ok("key down");
    ok("key right");
    ok("tick 1");
    EXPECT_NE(game().caption.find("設定を保存できませんでした"), std::string::npos);
    EXPECT_EQ(game().settings.autoAdvanceMs, 1600);  // kept for this session
    EXPECT_EQ(game().advance.autoAdvanceMs, 1600);
    EXPECT_EQ(logTexts(), log);
    ok("key esc");
    ok("tick 40");  // the word goes after three seconds
    EXPECT_EQ(game().caption.find("設定"), std::string::npos);
}

TEST_F(Preferences, F1ExplainsTheGameAndTheFirstMainMenuSaysSo) {
    startGame();
    ok("tick 1");
    EXPECT_NE(game().caption.find("遊び方は F1"), std::string::npos);
    ok("key f1");
    ASSERT_EQ(game().overlay.open, minamori::Overlay::kHelp);
    ok("key down");
    ok("key down");
    EXPECT_EQ(game().overlay.helpScroll, 2);
    ok("click 520 24");  // closes, chooses nothing
    EXPECT_EQ(game().overlay.open, minamori::Overlay::kNone);
    EXPECT_EQ(game().menu.currentPage, minamori::kPageMain);
    ok("tick 1");
    EXPECT_EQ(game().caption.find("遊び方は F1"), std::string::npos) << "shown once";
    EXPECT_TRUE(minamori::readSettings(settingsFile()).helpHintShown);
}

TEST_F(Preferences, F12KeepsThePictureAsOnScreenPanelsIncluded) {
    startGame();
    const std::vector<std::string> log = logTexts();
    ok("key f1");
    ok("tick 1");
    ok("shot " + (folder.path() / "shot.png").string());
    ok("key f12");
    std::vector<fs::path> shots;
    for (const auto& entry : fs::directory_iterator(folder.path() / "screenshots"))
        shots.push_back(entry.path());
    ASSERT_EQ(shots.size(), 1u);
    EXPECT_EQ(shots[0].filename().string().rfind("minamori-", 0), 0u);
    EXPECT_EQ(mtest::readBytes(shots[0]), mtest::readBytes(folder.path() / "shot.png"));
    EXPECT_NE(game().caption.find(shots[0].string()), std::string::npos);
    EXPECT_EQ(game().overlay.open, minamori::Overlay::kHelp);
    // A second picture in the same second takes the next name.
    ok("key f12");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path() / "screenshots"),
                            fs::directory_iterator()),
              2);
    EXPECT_EQ(logTexts(), log);
}

}  // namespace
