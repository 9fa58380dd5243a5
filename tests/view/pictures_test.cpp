// Reading pictures: our bitmap reader, JPEG through libjpeg, and scene changes
// that leave the screen as it was when a file cannot be used.
#include <gtest/gtest.h>

#include <string>

#include "core/temp_folder.h"
#include "game/game.h"
#include "view/picture_files.h"
#include "view/pictures.h"
#include "view/screen.h"

namespace {

using minamori::Canvas;
using minamori::decodeBmp;
using minamori::decodeJpeg;
using mtest::readBytes;

void put32(std::string& b, std::size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>(v >> (8 * i));
}

// A bitmap header for width x height at bits per pixel, with pixel data of `data` bytes.
std::string bmpHeader(int32_t width, int32_t height, uint16_t bits, uint32_t paletteBytes,
                      uint32_t dataBytes) {
    std::string b(54, '\0');
    b[0] = 'B', b[1] = 'M';
    put32(b, 2, 54 + paletteBytes + dataBytes);
    put32(b, 10, 54 + paletteBytes);
    put32(b, 14, 40);
    put32(b, 18, static_cast<uint32_t>(width));
    put32(b, 22, static_cast<uint32_t>(height));
    b[26] = 1;
    b[28] = static_cast<char>(bits);
    return b;
}

TEST(Bitmap, TwentyFourBitRowsAreBottomUpAndPadded) {
    std::string b = bmpHeader(2, 2, 24, 0, 16);
    // Bottom row first: blue, green (BGR order), 2 bytes of padding; then red, white.
    b += std::string("\xFF\x00\x00\x00\xFF\x00\x00\x00", 8);
    b += std::string("\x00\x00\xFF\xFF\xFF\xFF\x00\x00", 8);
    const auto picture = decodeBmp(b);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->at(0, 1), 0x0000FFu);
    EXPECT_EQ(picture->at(1, 1), 0x00FF00u);
    EXPECT_EQ(picture->at(0, 0), 0xFF0000u);
    EXPECT_EQ(picture->at(1, 0), 0xFFFFFFu);

    std::string topDown = b;
    put32(topDown, 22, static_cast<uint32_t>(-2));
    EXPECT_EQ(decodeBmp(topDown)->at(0, 0), 0x0000FFu);
}

TEST(Bitmap, PalettedPixelsTakeTheirPaletteColour) {
    std::string b = bmpHeader(3, 1, 8, 8, 4);
    b += std::string("\x10\x20\x30\x00\x40\x50\x60\x00", 8);  // two BGRX entries
    b += std::string("\x01\x00\x01\x00", 4);
    const auto picture = decodeBmp(b);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->at(0, 0), 0x605040u);
    EXPECT_EQ(picture->at(1, 0), 0x302010u);
}

TEST(Bitmap, BrokenFilesAreRefused) {
    const std::string good = bmpHeader(2, 2, 24, 0, 16) + std::string(16, '\0');
    EXPECT_TRUE(decodeBmp(good));
    EXPECT_FALSE(decodeBmp(good.substr(0, good.size() - 1)));  // pixel data cut short
    EXPECT_FALSE(decodeBmp("BM"));
    EXPECT_FALSE(decodeBmp(std::string(100, 'x')));
    std::string huge = good;
    put32(huge, 18, 0x7FFFFFFF);
    EXPECT_FALSE(decodeBmp(huge));
    std::string compressed = good;
    compressed[30] = 1;  // run-length encoded
    EXPECT_FALSE(decodeBmp(compressed));
}

TEST(Jpeg, DecodesTheScenesAndRefusesBrokenFilesWithoutEndingTheProgram) {
    const std::string scene = readBytes(mtest::buildFolder() / "cg" / "1.jpg");
    const auto picture = decodeJpeg(scene);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width(), 640);
    EXPECT_EQ(picture->height(), 480);

    EXPECT_FALSE(decodeJpeg("not a picture at all"));
    EXPECT_FALSE(decodeJpeg(scene.substr(0, 200)));  // header cut off
    std::string garbled = scene;
    for (std::size_t i = 2; i < 600 && i < garbled.size(); ++i) garbled[i] = '\x55';
    EXPECT_FALSE(decodeJpeg(garbled));
}

TEST(ScenePicture, AFileThatCannotBeUsedLeavesTheScreenAsItWas) {
    minamori::Game game(mtest::buildFolder());
    game.screen.cgPicture.fill(0x123456);
    game.sceneName = "before";
    for (const char* name : {"missing.jpg", "title.txt", "../cg/1.jpg", ""}) {
        minamori::loadScenePicture(game, name);
        EXPECT_EQ(game.sceneName, "before") << name;
        EXPECT_EQ(game.screen.cgPicture.at(10, 10), 0x123456u) << name;
    }
    minamori::loadScenePicture(game, "night.jpg");
    EXPECT_EQ(game.sceneName, "night.jpg");
    EXPECT_NE(game.screen.cgPicture.at(10, 10), 0x123456u);
    EXPECT_EQ(game.screen.backgroundLayer.pixels(), game.screen.cgPicture.pixels());
}

}  // namespace
