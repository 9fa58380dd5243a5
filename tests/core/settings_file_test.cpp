// settings.ini: written and read back, damaged files, a folder that cannot be
// written, and where the file lives.
#include "core/settings_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/temp_folder.h"

using namespace minamori;
namespace fs = std::filesystem;

namespace {

Settings changed() {
    Settings s;
    s.musicVolume = 35;
    s.autoAdvanceMs = 400;
    s.windowFactor = 3;
    s.fullscreen = true;
    s.dayHint = false;
    s.helpHintShown = true;
    return s;
}

}  // namespace

TEST(SettingsFile, DefaultsAndTheWrittenText) {
    const Settings d;
    EXPECT_EQ(d.musicVolume, 100);
    EXPECT_EQ(d.autoAdvanceMs, 1500);
    EXPECT_EQ(d.windowFactor, 0);
    EXPECT_FALSE(d.fullscreen);
    EXPECT_TRUE(d.dayHint);
    EXPECT_FALSE(d.helpHintShown);
    const std::string text = formatSettings(changed());
    EXPECT_EQ(text.substr(0, 2), "# ");
    EXPECT_EQ(text.substr(text.find('\n') + 1),
              "music_volume = 35\nauto_advance_ms = 400\nwindow_factor = 3\nfullscreen = true\n"
              "day_hint = false\nhelp_hint_shown = true\n");
    EXPECT_EQ(text.find('\r'), std::string::npos);
}

TEST(SettingsFile, RoundTripThroughTheFile) {
    mtest::TempFolder temp;
    const fs::path file = temp.path() / "config" / "minamori" / "settings.ini";
    EXPECT_EQ(readSettings(file), Settings{});  // missing
    for (const Settings& s : {Settings{}, changed()}) {
        ASSERT_EQ(writeSettings(file, s), "");
        EXPECT_EQ(readSettings(file), s);
    }
    // Figures out of range are clamped on the way out, so the file reads back.
    Settings wild;
    wild.musicVolume = 250;
    wild.autoAdvanceMs = 10;
    wild.windowFactor = -4;
    EXPECT_EQ(parseSettings(formatSettings(wild)), clampSettings(wild));
    EXPECT_EQ(clampSettings(wild).autoAdvanceMs, 400);
    EXPECT_EQ(clampSettings(wild).windowFactor, 0);
}

TEST(SettingsFile, DamagedLinesKeepTheirDefaultsAndGoodLinesCount) {
    const std::string text = std::string("\xEF\xBB\xBF") +  // BOM
                             "# comment\r\n; another\r\n\r\n   \n"
                             "garbage\n" +
                             std::string("\0\xff=\x01\n", 5) +
                             "music_volume = 99999999999999\n"  // past 32 bits
                             "auto_advance_ms\t=  2000 \r\n"
                             "auto_advance_ms = 3999x\n"  // damaged: the 2000 stays
                             "window_factor 2\n"          // no '='
                             "window_factor = 17\n"       // out of range: default
                             "fullscreen = YES\n"
                             "day_hint = Off\n"
                             "help_hint_shown = maybe\n"
                             "colour = blue\n"
                             "fullscreen = 0\n"  // a later good line wins
                             "fullscreen = 1";   // no line end
    const Settings s = parseSettings(text);
    Settings want;
    want.autoAdvanceMs = 2000;
    want.fullscreen = true;
    want.dayHint = false;
    EXPECT_EQ(s, want);

    // A BOM does not hide the first key; out-of-range numbers are ignored.
    EXPECT_EQ(parseSettings("\xEF\xBB\xBFmusic_volume=0").musicVolume, 0);
    EXPECT_EQ(parseSettings("music_volume = 101").musicVolume, 100);
    EXPECT_EQ(parseSettings("music_volume = -1").musicVolume, 100);
    EXPECT_EQ(parseSettings("auto_advance_ms = 399").autoAdvanceMs, 1500);
    EXPECT_EQ(parseSettings("auto_advance_ms = +4000").autoAdvanceMs, 4000);
    EXPECT_EQ(parseSettings("MUSIC_VOLUME = 5").musicVolume, 100);  // keys are exact
}

TEST(SettingsFile, OversizedOrIrregularFilesGiveTheDefaults) {
    mtest::TempFolder temp;
    const fs::path file = temp.path() / "settings.ini";
    std::string big = "music_volume = 5\n";
    big.resize(kSettingsFileLimit + 1, '#');
    mtest::writeBytes(file, big);
    std::string why;
    EXPECT_EQ(readSettings(file, &why), Settings{});
    EXPECT_NE(why, "");
    fs::remove(file);
    fs::create_directory(file);
    EXPECT_EQ(readSettings(file, &why), Settings{});
    EXPECT_NE(why, "");
    ASSERT_EQ(::mkfifo((temp.path() / "pipe").c_str(), 0644), 0);
    EXPECT_EQ(readSettings(temp.path() / "pipe"), Settings{});  // does not wait for a writer
}

TEST(SettingsFile, FolderThatCannotBeMadeOrAReadOnlyFileGivesAReason) {  // even for root
    mtest::TempFolder temp;
    mtest::writeBytes(temp.path() / "config", "a file where the folder should be");
    EXPECT_NE(writeSettings(temp.path() / "config" / "minamori" / "settings.ini", Settings{}), "");
    EXPECT_NE(writeSettings({}, Settings{}), "");  // no folder at all
    const fs::path file = temp.path() / "settings.ini";
    mtest::writeBytes(file, "fullscreen = on\n");
    ::chmod(file.c_str(), 0444);
    EXPECT_NE(writeSettings(file, Settings{}), "");
    EXPECT_EQ(mtest::readBytes(file), "fullscreen = on\n");
}

TEST(SettingsFile, UnwritableFolderGivesAReasonAndKeepsTheOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes everywhere";
    mtest::TempFolder temp;
    const fs::path file = temp.path() / "settings.ini";
    ASSERT_EQ(writeSettings(file, Settings{}), "");
    const std::string old = mtest::readBytes(file);
    ::chmod(temp.path().c_str(), 0555);
    const std::string why = writeSettings(file, changed());
    const std::string nested = writeSettings(temp.path() / "sub" / "settings.ini", changed());
    ::chmod(temp.path().c_str(), 0755);
    EXPECT_NE(why, "");
    EXPECT_NE(nested, "");
    EXPECT_EQ(mtest::readBytes(file), old);
    EXPECT_EQ(fs::directory_iterator(temp.path())->path(), file);  // no temporary left
}

TEST(SettingsFile, FolderFollowsTheXdgRule) {
    EXPECT_EQ(settingsFolder("/xdg", "/home/u"), fs::path("/xdg/minamori"));
    for (const char* xdg : {static_cast<const char*>(nullptr), "", "relative/config"})
        EXPECT_EQ(settingsFolder(xdg, "/home/u"), fs::path("/home/u/.config/minamori"));
    EXPECT_EQ(settingsFolder(nullptr, nullptr), fs::path());
    EXPECT_EQ(settingsFolder("", ""), fs::path());
    EXPECT_EQ(settingsFolder("rel", "also/relative"), fs::path());
    EXPECT_EQ(settingsFile(nullptr, "/home/u"), fs::path("/home/u/.config/minamori/settings.ini"));
    EXPECT_EQ(settingsFile(nullptr, nullptr), fs::path());
}
