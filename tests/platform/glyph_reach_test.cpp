// The glyph reach table read back as written, refused with the faulty line
// when damaged, made for every font the game's sources declare.
#include "platform/web/glyph_reach.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

#include "web_fonts.h"

namespace {

using minamori::FontFace;
using minamori::FontSpec;
using minamori::GlyphReach;
using minamori::GlyphReachTable;

const FontSpec kLog{FontFace::kProportional, 12, true};
const FontSpec kLabel{FontFace::kFixed, 9, false};

TEST(GlyphReachTable, ReadsBackWhatItWrites) {
    GlyphReachTable table;
    table.set(kLog, U'与', {0, 1});
    table.set(kLog, minamori::kMissingGlyph, {2, 0});
    table.set(kLog, U'j', {0, 0});  // reaching nowhere: not kept
    table.addFont(kLabel);
    std::string error;
    const auto read = GlyphReachTable::parse("# a comment\n\n" + table.format(), error);
    ASSERT_TRUE(read) << error;
    EXPECT_TRUE(read->hasFont(kLog) && read->hasFont(kLabel));
    EXPECT_FALSE(read->hasFont({FontFace::kFixed, 12, true}));
    EXPECT_EQ(read->reach(kLog, U'与'), (GlyphReach{0, 1}));
    EXPECT_EQ(read->reach(kLog, minamori::kMissingGlyph), (GlyphReach{2, 0}));
    EXPECT_EQ(read->reach(kLog, U'j'), GlyphReach{});
    EXPECT_EQ(read->reach(kLabel, U'与'), GlyphReach{});
    EXPECT_EQ(read->format(), table.format());
}

TEST(GlyphReachTable, ADamagedTableIsRefusedNamingTheLine) {
    const std::string font = "font proportional 12 bold 96\n";
    for (const std::string& text : {std::string("4E0E 0 1\n"),  // a glyph before any font
                                    font + "4E0E 0\n",          // a number short
                                    font + "4E0E 0 1 2\n",      // one too many
                                    font + "4E0E -1 1\n",       // below nothing
                                    font + "110000 0 1\n",      // past Unicode
                                    font + "XYZ 0 1\n",         // no code point
                                    font + "font proportional 12 bold\n",        // no resolution
                                    font + "font italic 12 bold 96\n",           // no such face
                                    font + "font proportional 12 bold 96\n"}) {  // twice
        std::string error;
        EXPECT_FALSE(GlyphReachTable::parse(text, error)) << text;
        EXPECT_EQ(error.rfind("line ", 0), 0u) << text << error;
    }
}

// Each "FontSpec name{FontFace::kX, points, bold[, dpi]}" of the sources.
std::set<FontSpec> declaredFonts() {
    static const std::regex declared(
        R"(FontSpec\s+\w+\{FontFace::k(Proportional|Fixed),\s*(\d+),\s*(true|false)(?:,\s*(\d+))?\})");
    std::set<FontSpec> fonts;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(MINAMORI_SOURCES)) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".cpp" && ext != ".h") continue;
        const std::string source = wtest::readText(entry.path());
        for (std::sregex_iterator m(source.begin(), source.end(), declared), end; m != end; ++m)
            fonts.insert({(*m)[1] == "Fixed" ? FontFace::kFixed : FontFace::kProportional,
                          std::stoi((*m)[2]), (*m)[3] == "true",
                          (*m)[4].matched ? std::stoi((*m)[4]) : 96});
    }
    return fonts;
}

TEST(GlyphReachTable, IsMadeForEveryFontTheGameDeclares) {
    const std::set<FontSpec> declared = declaredFonts();
    EXPECT_GE(declared.size(), 7u);
    const std::set<FontSpec> listed(std::begin(minamori::kGameFonts),
                                    std::end(minamori::kGameFonts));
    for (const FontSpec& font : declared)
        EXPECT_TRUE(listed.count(font)) << wtest::fontName(font) << " is not in kGameFonts";

    std::string error;
    const auto built = GlyphReachTable::parse(
        wtest::readText(std::filesystem::path(MINAMORI_WEB_FONTS_DIR) / "glyph-reach.txt"), error);
    ASSERT_TRUE(built) << error;
    for (const FontSpec& font : minamori::kGameFonts)
        EXPECT_TRUE(built->hasFont(font)) << wtest::fontName(font);
}

}  // namespace
