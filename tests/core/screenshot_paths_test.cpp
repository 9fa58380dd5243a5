// Where a screenshot goes: user-dirs.dirs, ~/Pictures, the game's own folder;
// and its name.
#include "core/screenshot_paths.h"

#include <gtest/gtest.h>

#include "core/temp_folder.h"

using namespace minamori;
namespace fs = std::filesystem;

namespace {

std::optional<fs::path> parse(std::string_view text) {
    return picturesDirFromUserDirs(text, "/home/u");
}

std::tm noon() {
    std::tm t{};
    t.tm_year = 2024 - 1900;
    t.tm_mon = 2;
    t.tm_mday = 7;
    t.tm_hour = 12;
    t.tm_min = 5;
    t.tm_sec = 9;
    return t;
}

}  // namespace

TEST(ScreenshotPaths, UserDirsLines) {
    const std::string file =
        "# This file is written by xdg-user-dirs-update\r\n"
        "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\r\n"
        "XDG_PICTURES_DIR=\"$HOME/Bilder\"\r\n"
        "XDG_MUSIC_DIR=\"$HOME/Music\"\r\n";
    EXPECT_EQ(parse(file), fs::path("/home/u/Bilder"));
    EXPECT_EQ(parse("  XDG_PICTURES_DIR = \"/data/pics/\"  # mine"), fs::path("/data/pics"));
    EXPECT_EQ(parse("XDG_PICTURES_DIR=\"$HOME/My\\ \\\"Pics\\\"\""),
              fs::path("/home/u/My \"Pics\""));
    EXPECT_EQ(parse("XDG_PICTURES_DIR=\"$HOME/画像\""), fs::path("/home/u/画像"));
    // The later usable line wins; an unusable one changes nothing.
    EXPECT_EQ(parse("XDG_PICTURES_DIR=\"/a\"\nXDG_PICTURES_DIR=\"/b\"\nXDG_PICTURES_DIR=\"b\"\n"),
              fs::path("/b"));
    // Disabled: the home folder itself.
    EXPECT_EQ(parse("XDG_PICTURES_DIR=\"$HOME/\""), fs::path());
    EXPECT_EQ(parse("XDG_PICTURES_DIR=\"/home/u\""), fs::path());
    // Nothing usable said.
    for (const char* text :
         {"", "XDG_PICTURES_DIR=\"Pictures\"", "XDG_PICTURES_DIR=\"$HOMEX/p\"",
          "XDG_PICTURES_DIR=\"${HOME}/p\"", "XDG_PICTURES_DIR=$HOME/p", "XDG_PICTURES_DIR \"/p\"",
          "#XDG_PICTURES_DIR=\"/p\"", "XDG_PICTURES_DIRS=\"/p\"", "XDG_MUSIC_DIR=\"/p\""})
        EXPECT_EQ(parse(text), std::nullopt) << text;
    EXPECT_EQ(picturesDirFromUserDirs("XDG_PICTURES_DIR=\"$HOME/p\"", {}), std::nullopt);
    EXPECT_EQ(picturesDirFromUserDirs("XDG_PICTURES_DIR=\"/p\"", {}), fs::path("/p"));
}

TEST(ScreenshotPaths, FolderChoice) {
    mtest::TempFolder temp;
    const fs::path home = temp.path() / "home";
    const std::string h = home.string();
    const fs::path fallback = home / ".local" / "share" / "minamori" / "screenshots";
    fs::create_directories(home);
    // Nothing at all: the game's own folder, by XDG_DATA_HOME or under HOME.
    EXPECT_EQ(picturesFolder(nullptr, h.c_str(), nullptr), fallback);
    EXPECT_EQ(picturesFolder(nullptr, h.c_str(), "/data"), fs::path("/data/minamori/screenshots"));
    EXPECT_EQ(picturesFolder(nullptr, h.c_str(), "rel"), fallback);
    EXPECT_EQ(picturesFolder(nullptr, nullptr, nullptr), fs::path());
    // ~/Pictures when it exists and user-dirs.dirs says nothing.
    fs::create_directories(home / "Pictures");
    EXPECT_EQ(picturesFolder(nullptr, h.c_str(), nullptr), home / "Pictures");
    // user-dirs.dirs in ~/.config, or in XDG_CONFIG_HOME.
    mtest::writeBytes(home / ".config" / "user-dirs.dirs", "XDG_PICTURES_DIR=\"$HOME/Fotos\"\n");
    EXPECT_EQ(picturesFolder(nullptr, h.c_str(), nullptr), fallback);  // named but missing
    fs::create_directories(home / "Fotos");
    EXPECT_EQ(picturesFolder(nullptr, h.c_str(), nullptr), home / "Fotos");
    const fs::path xdg = temp.path() / "xdg";
    mtest::writeBytes(xdg / "user-dirs.dirs", "XDG_PICTURES_DIR=\"$HOME/\"\n");  // disabled
    EXPECT_EQ(picturesFolder(xdg.c_str(), h.c_str(), nullptr), fallback);
    mtest::writeBytes(xdg / "user-dirs.dirs", "nothing here\n");
    EXPECT_EQ(picturesFolder(xdg.c_str(), h.c_str(), nullptr), home / "Pictures");
}

TEST(ScreenshotPaths, NameAndAFreeOne) {
    EXPECT_EQ(screenshotName(noon()), "minamori-20240307-120509.png");
    mtest::TempFolder temp;
    EXPECT_EQ(freeScreenshotPath(temp.path(), noon()),
              temp.path() / "minamori-20240307-120509.png");
    mtest::writeBytes(temp.path() / "minamori-20240307-120509.png", "x");
    EXPECT_EQ(freeScreenshotPath(temp.path(), noon()),
              temp.path() / "minamori-20240307-120509-2.png");
    fs::create_symlink("nowhere", temp.path() / "minamori-20240307-120509-2.png");  // dangling
    EXPECT_EQ(freeScreenshotPath(temp.path(), noon()),
              temp.path() / "minamori-20240307-120509-3.png");
}
