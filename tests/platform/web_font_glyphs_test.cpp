// Every character the game shows while the four golden replays play, in
// whichever font, has a glyph in the browser's fonts, and each font it is
// shown in is one the glyph reach table measures.
#include <gtest/gtest.h>

#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <string>

#include "core/temp_folder.h"
#include "driver.h"
#include "platform/web/text_codes.h"
#include "state_hash.h"
#include "view/fonts.h"
#include "web_fonts.h"

namespace {

using minamori::FontSpec;

// The replays' fixed metrics, noting each character measured or drawn.
class RecordingFonts : public minamori::FontEngine {
public:
    minamori::TextImage render(const std::string& text, const FontSpec& font) override {
        note(text, font);
        return inner_.render(text, font);
    }
    int textWidth(const std::string& text, const FontSpec& font) override {
        note(text, font);
        return inner_.textWidth(text, font);
    }
    int lineHeight(const FontSpec& font) override { return inner_.lineHeight(font); }

    std::map<FontSpec, std::set<char32_t>> shown;

private:
    void note(const std::string& text, const FontSpec& font) {
        for (const char32_t ch : minamori::codePointsAsHarfBuzz(text)) shown[font].insert(ch);
    }

    minamori::BoxFontEngine inner_;
};

// The golden replays and the seeds they were recorded with
// (tests/tools/golden_replay_test.cpp); their unlocks are their first commands.
struct Replay {
    const char* name;
    uint64_t seed;
};
constexpr Replay kReplays[] = {{"easy", 1}, {"normal", 2}, {"hard", 3}, {"extream", 4}};

// Plays the replay to its end, which must be the recorded one.
void play(const Replay& replay, RecordingFonts& fonts) {
    mtest::TempFolder folder;
    minamori::HeadlessDriver driver(folder.path(), replay.seed, &fonts);
    const std::filesystem::path dir = std::filesystem::path(MINAMORI_REPLAYS) / replay.name;
    std::ifstream commands(dir / "commands.txt");
    for (std::string command; std::getline(commands, command);)
        ASSERT_EQ(driver.execute(command), "ok") << replay.name << ": " << command;
    std::ifstream hashes(dir / "hashes.txt");
    std::string hash, last;
    while (std::getline(hashes, hash)) last = hash;
    EXPECT_EQ(minamori::hashText(minamori::stateHash(driver.game())), last) << replay.name;
}

TEST(WebFontGlyphs, EveryCharacterTheGoldenReplaysShowIsInTheBrowsersFonts) {
    RecordingFonts fonts;
    for (const Replay& replay : kReplays) play(replay, fonts);
    std::string error;
    const auto files = wtest::webFontFiles();
    const auto proportional = minamori::StbFace::load(files.proportional, error);
    const auto fixed = minamori::StbFace::load(files.fixed, error);
    ASSERT_TRUE(proportional && fixed) << error;
    const std::set<FontSpec> measured(std::begin(minamori::kGameFonts),
                                      std::end(minamori::kGameFonts));
    std::size_t characters = 0;
    for (const auto& [font, chars] : fonts.shown) {
        EXPECT_TRUE(measured.count(font)) << wtest::fontName(font) << " is not in kGameFonts";
        const minamori::StbFace& face =
            font.face == minamori::FontFace::kFixed ? *fixed : *proportional;
        for (const char32_t ch : chars)
            EXPECT_NE(face.glyph(ch), 0)
                << "U+" << std::hex << static_cast<uint32_t>(ch) << " in " << wtest::fontName(font);
        characters += chars.size();
    }
    EXPECT_GT(characters, 500u);  // the recording saw the game's texts
    std::cout << characters << " characters in " << fonts.shown.size() << " fonts\n";
}

}  // namespace
