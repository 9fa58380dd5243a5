// Checks the pictures, sounds and music that the build generated into the
// build folder's cg/ and dat/ (the folder above this test program's own).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "core/temp_folder.h"
#include "view/picture_files.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

Bytes readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

std::uint32_t le16(const Bytes& b, std::size_t i) { return b.at(i) | b.at(i + 1) << 8; }
std::uint32_t le32(const Bytes& b, std::size_t i) { return le16(b, i) | le16(b, i + 2) << 16; }
std::uint32_t be16(const Bytes& b, std::size_t i) { return b.at(i) << 8 | b.at(i + 1); }
std::uint32_t be32(const Bytes& b, std::size_t i) { return be16(b, i) << 16 | be16(b, i + 2); }


// The pictures are read by the game's own readers, as it will read them.
TEST(content, EveryPictureIs640x480AndTheMoneyIconKeepsItsKeyColourOutside) {
    const auto title = minamori::decodeBmp(mtest::readBytes(mtest::buildFolder() / "cg" / "title.bmp"));
    ASSERT_TRUE(title);
    EXPECT_TRUE(title->width() == 640 && title->height() == 480);
    for (const char* name : {"0.jpg", "1.jpg", "2.jpg", "night.jpg", "battle.jpg", "usa.jpg", "gameover.jpg"}) {
        const auto scene = minamori::decodeJpeg(mtest::readBytes(mtest::buildFolder() / "cg" / name));
        ASSERT_TRUE(scene) << name;
        EXPECT_TRUE(scene->width() == 640 && scene->height() == 480) << name;
    }
    const auto money = minamori::decodeBmp(mtest::readBytes(mtest::buildFolder() / "cg" / "money.bmp"));
    ASSERT_TRUE(money);
    const int w = money->width(), h = money->height();
    const minamori::Pixel key = money->at(0, h - 1);
    EXPECT_NE(money->at(w / 2, h / 2), key);
    EXPECT_EQ(money->at(w - 1, 0), key);
}

TEST(content, EverySoundIsAudible16BitPcm) {
    const char* const names[] = {
        "1", "battle_clear", "battle_lose", "bel", "bird", "coin", "coin_many_in", "damage", "damage2",
        "death", "down", "down2", "dream", "enemy", "exp", "gameover", "home", "item_get", "katan", "lvcap",
        "lvup", "lvup2", "meisei", "meisei_down", "moji", "nigeru", "night", "rebirth", "saigai", "start",
        "start2", "taiiko", "turn", "turn2", "up", "up2"};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        const Bytes b = readFile(mtest::buildFolder() / "dat" / (std::string(name) + ".wav"));
        ASSERT_GT(b.size(), 44u);
        ASSERT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
        ASSERT_EQ(std::string(b.begin() + 8, b.begin() + 12), "WAVE");
        bool sawFormat = false;
        int loudest = 0;
        for (std::size_t i = 12; i + 8 <= b.size(); i += 8 + le32(b, i + 4)) {
            const std::string id(b.begin() + static_cast<long>(i), b.begin() + static_cast<long>(i) + 4);
            if (id == "fmt ") {
                sawFormat = true;
                EXPECT_EQ(le16(b, i + 8), 1u);    // PCM
                EXPECT_EQ(le16(b, i + 22), 16u);  // bits per sample
            } else if (id == "data") {
                for (std::size_t k = i + 8; k + 1 < i + 8 + le32(b, i + 4) && k + 1 < b.size(); k += 2)
                    loudest = std::max(loudest, std::abs(static_cast<int>(static_cast<std::int16_t>(le16(b, k)))));
            }
        }
        EXPECT_TRUE(sawFormat);
        EXPECT_GT(loudest, 3000) << "silent or nearly so";
    }
}

// Reads one MTrk body; returns the number of note-ons and whether it ends with end-of-track.
std::pair<int, bool> scanTrack(const Bytes& b, std::size_t i, std::size_t end) {
    int noteOns = 0;
    bool ended = false;
    std::uint8_t running = 0;
    while (i < end) {
        while (b.at(i++) & 0x80) {}  // delta time
        std::uint8_t status = b.at(i) & 0x80 ? b.at(i++) : running;
        ended = false;
        if (status == 0xFF) {
            const std::uint8_t type = b.at(i++);
            std::size_t length = 0;
            do {
                length = (length << 7) | (b.at(i) & 0x7F);
            } while (b.at(i++) & 0x80);
            ended = type == 0x2F && length == 0;
            i += length;
            continue;
        }
        running = status;
        const int kind = status & 0xF0;
        if (kind == 0x90 && b.at(i + 1) > 0) ++noteOns;
        i += kind == 0xC0 || kind == 0xD0 ? 1 : 2;
    }
    return {noteOns, ended && i == end};
}

TEST(content, EveryPieceIsAValidMidiFile) {
    for (const char* name : {"id.mid", "satori.mid", "ruin.mid", "15.mid", "14.mid"}) {
        SCOPED_TRACE(name);
        const Bytes b = readFile(mtest::buildFolder() / "dat" / name);
        ASSERT_GT(b.size(), 22u);
        ASSERT_EQ(std::string(b.begin(), b.begin() + 4), "MThd");
        const std::uint32_t tracks = be16(b, 10);
        ASSERT_GE(tracks, 1u);
        int noteOns = 0;
        std::size_t i = 8 + be32(b, 4);
        for (std::uint32_t t = 0; t < tracks; ++t) {
            ASSERT_EQ(std::string(b.begin() + static_cast<long>(i), b.begin() + static_cast<long>(i) + 4), "MTrk");
            const std::size_t end = i + 8 + be32(b, i + 4);
            const auto [ons, ended] = scanTrack(b, i + 8, end);
            EXPECT_TRUE(ended) << "track " << t << " lacks its end-of-track event";
            noteOns += ons;
            i = end;
        }
        EXPECT_GT(noteOns, 50);
    }
}

}  // namespace
