// Font files that are missing, foreign, cut short or damaged, and damaged
// glyph reach tables, are refused with the reason, never a crash; damaged
// text and odd sizes draw without one.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/temp_folder.h"
#include "platform/web/truetype_tables.h"
#include "web_fonts.h"

namespace {

using minamori::StbFontEngine;
using minamori::StbFontFiles;

class BadWebFonts : public ::testing::Test {
protected:
    // The engine made with the proportional face's bytes replaced: nothing, and
    // the reason, or an engine that draws.
    std::unique_ptr<StbFontEngine> withFont(const std::string& bytes, std::string& error) {
        StbFontFiles files = wtest::webFontFiles();
        files.proportional = (folder.path() / "font.ttf").string();
        mtest::writeBytes(files.proportional, bytes);
        return StbFontEngine::create(files, error);
    }

    void expectRefused(const std::string& bytes, const std::string& why) {
        std::string error;
        EXPECT_FALSE(withFont(bytes, error)) << why;
        EXPECT_NE(error, "") << why;
    }

    // The big-endian number at, in the font's bytes.
    static void put16(std::string& bytes, std::size_t at, uint16_t value) {
        bytes[at] = static_cast<char>(value >> 8);
        bytes[at + 1] = static_cast<char>(value & 0xFF);
    }
    static void put32(std::string& bytes, std::size_t at, uint32_t value) {
        put16(bytes, at, static_cast<uint16_t>(value >> 16));
        put16(bytes, at + 2, static_cast<uint16_t>(value & 0xFFFF));
    }

    // Where the table directory names tag.
    static std::size_t entryOf(const std::string& bytes, const char* tag) {
        const auto count = static_cast<std::size_t>(static_cast<unsigned char>(bytes[4]) << 8 |
                                                    static_cast<unsigned char>(bytes[5]));
        for (std::size_t i = 0; i < count; ++i)
            if (bytes.compare(12 + 16 * i, 4, tag) == 0) return 12 + 16 * i;
        ADD_FAILURE() << "no table " << tag;
        return 0;
    }

    static std::size_t tableAt(const std::string& bytes, const char* tag) {
        const std::size_t entry = entryOf(bytes, tag) + 8;
        std::size_t offset = 0;
        for (std::size_t i = 0; i < 4; ++i)
            offset = offset << 8 | static_cast<unsigned char>(bytes[entry + i]);
        return offset;
    }

    std::size_t glyphCount() {
        std::string error;
        return static_cast<std::size_t>(minamori::readTrueTypeTables(font, error)->glyphCount);
    }

    // Where the outline of ch's glyph begins in the font.
    std::size_t outlineOf(char32_t ch) {
        std::string error;
        const auto tables = minamori::readTrueTypeTables(font, error);
        EXPECT_TRUE(tables) << error;
        return tables->glyf.offset +
               tables->loca[static_cast<std::size_t>(tables->charMap.glyph(ch))];
    }

    mtest::TempFolder folder;
    const std::string font = wtest::readText(wtest::webFontFiles().proportional);
};

TEST_F(BadWebFonts, AMissingOrForeignFileIsRefusedWithTheReason) {
    ASSERT_GT(font.size(), 10000u);
    std::string error;
    StbFontFiles files = wtest::webFontFiles();
    files.fixed = (folder.path() / "none.ttf").string();
    EXPECT_FALSE(StbFontEngine::create(files, error));
    EXPECT_NE(error.find("none.ttf"), std::string::npos) << error;
    files.fixed = folder.path().string();  // a folder
    EXPECT_FALSE(StbFontEngine::create(files, error));
    expectRefused("", "an empty file");
    expectRefused(wtest::readText(std::filesystem::path(MINAMORI_WEB_FONTS_DIR) / "README.txt"),
                  "a text");
    expectRefused("ttcf" + font.substr(4), "a font collection");
    expectRefused("OTTO" + font.substr(4), "a font of CFF outlines");
    std::mt19937 random(7);
    std::string noise(4096, '\0');
    for (char& c : noise) c = static_cast<char>(random());
    expectRefused(std::string("\x00\x01\x00\x00", 4) + noise, "noise after a TrueType header");
}

// Cut anywhere, the font is refused, or (cut in a table the engine never
// reads) it still draws.
TEST_F(BadWebFonts, AFontCutShortAnywhereIsRefusedOrDraws) {
    for (std::size_t length = 0; length < font.size(); length += font.size() / 300 + 1) {
        std::string error;
        const auto engine = withFont(font.substr(0, length), error);
        if (!engine) {
            EXPECT_NE(error, "") << length;
            continue;
        }
        EXPECT_GT(engine->render("予算は国の政策", {}).width, 0) << length;
    }
}

TEST_F(BadWebFonts, DamagedTablesAndOutlinesAreRefused) {
    std::string bytes = font;
    put32(bytes, entryOf(bytes, "glyf") + 12, 0xFFFFFFF0);
    expectRefused(bytes, "glyf reaching past the file");

    bytes = font;
    put16(bytes, tableAt(bytes, "maxp") + 4, 0xFFFF);
    expectRefused(bytes, "more glyphs than loca holds");

    bytes = font;
    const bool longLoca = bytes[tableAt(bytes, "head") + 51] == 1;
    const std::size_t lastLoca = tableAt(bytes, "loca") + (longLoca ? 4 : 2) * glyphCount();
    longLoca ? put32(bytes, lastLoca, 0xFFFFFF00) : put16(bytes, lastLoca, 0xFFFF);
    expectRefused(bytes, "loca pointing past glyf");

    bytes = font;
    put16(bytes, outlineOf(U'予'), 0x7FFF);
    expectRefused(bytes, "an outline of more contours than its bytes");
}

// A composite glyph made of itself would have stb_truetype recurse forever.
TEST_F(BadWebFonts, ACompositeGlyphContainingItselfIsRefused) {
    std::string error;
    const auto tables = minamori::readTrueTypeTables(font, error);
    ASSERT_TRUE(tables) << error;
    const auto glyph = static_cast<uint16_t>(tables->charMap.glyph(U'予'));
    std::string bytes = font;
    const std::size_t at = outlineOf(U'予');
    put16(bytes, at, 0xFFFF);       // a composite
    put16(bytes, at + 10, 0x0002);  // placed by x and y, bytes, no more parts
    put16(bytes, at + 12, glyph);   // itself
    put16(bytes, at + 14, 0);
    expectRefused(bytes, "a composite of itself");
}

TEST_F(BadWebFonts, ADamagedGlyphReachTableIsRefusedNamingTheLine) {
    StbFontFiles files = wtest::webFontFiles();
    std::string error;
    files.glyphReach = (folder.path() / "none.txt").string();
    EXPECT_FALSE(StbFontEngine::create(files, error));
    EXPECT_NE(error.find("none.txt"), std::string::npos) << error;
    files.glyphReach = (folder.path() / "reach.txt").string();
    mtest::writeBytes(files.glyphReach, "font fixed 12 bold 96\n4E0E 0 1\n4E0E zero 1\n");
    EXPECT_FALSE(StbFontEngine::create(files, error));
    EXPECT_NE(error.find("line 3"), std::string::npos) << error;
}

TEST(WebFontsBadText, DamagedTextAndOddSizesDrawWithoutACrash) {
    const auto engine = wtest::webFonts();
    ASSERT_TRUE(engine);
    std::mt19937 random(11);
    const minamori::FontSpec sizes[] = {{minamori::FontFace::kProportional, 0},
                                        {minamori::FontFace::kFixed, -3, true},
                                        {minamori::FontFace::kProportional, 1, false, 0},
                                        {minamori::FontFace::kFixed, 200, true, 1},
                                        {minamori::FontFace::kProportional, 100000, true, 100000}};
    for (const minamori::FontSpec& font : sizes)
        for (int i = 0; i < 50; ++i) {
            std::string text(static_cast<std::size_t>(random() % 40), '\0');
            for (char& c : text) c = static_cast<char>(random());
            const minamori::TextImage image = engine->render(text, font);
            EXPECT_EQ(image.coverage.size(), static_cast<std::size_t>(image.width) * image.height);
            EXPECT_GE(engine->textWidth(text, font), 0);
            EXPECT_GT(engine->lineHeight(font), 0);
        }
}

}  // namespace
