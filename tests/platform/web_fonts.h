// The browser's fonts as the build made them, the desktop's engine on the
// installed originals, and the game's own texts to measure with both.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <ostream>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "core/number_texts.h"
#include "platform/ttf_fonts.h"
#include "platform/web/stb_fonts.h"

namespace wtest {

namespace fs = std::filesystem;

inline minamori::StbFontFiles webFontFiles() {
    const fs::path dir = MINAMORI_WEB_FONTS_DIR;
    return {(dir / "minamori-pgothic.ttf").string(), (dir / "minamori-gothic.ttf").string(),
            (dir / "glyph-reach.txt").string()};
}

inline std::unique_ptr<minamori::StbFontEngine> webFonts() {
    std::string error;
    auto engine = minamori::StbFontEngine::create(webFontFiles(), error);
    EXPECT_TRUE(engine) << error;
    return engine;
}

inline std::unique_ptr<minamori::TtfFontEngine> desktopFonts() {
    minamori::JapaneseFonts faces;
    faces.proportional = {MINAMORI_IPA_PGOTHIC, 0, "IPAPGothic"};
    faces.fixed = {MINAMORI_IPA_GOTHIC, 0, "IPAGothic"};
    std::string error;
    auto engine = minamori::TtfFontEngine::create(faces, error);
    EXPECT_TRUE(engine) << error;
    return engine;
}

inline std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every string literal of the game's sources with a character beyond ASCII
// (the texts the player reads; those with escapes left out), and the money
// texts the game composes.
inline std::vector<std::string> gameTexts() {
    static const std::regex literal(R"re("((?:[^"\\\n])*)")re");
    std::set<std::string> texts;
    for (const auto& entry : fs::recursive_directory_iterator(MINAMORI_SOURCES)) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".cpp" && ext != ".h") continue;
        const std::string source = readText(entry.path());
        for (std::sregex_iterator m(source.begin(), source.end(), literal), end; m != end; ++m) {
            const std::string text = (*m)[1].str();
            for (const char c : text)
                if (static_cast<unsigned char>(c) >= 0x80) {
                    texts.insert(text);
                    break;
                }
        }
    }
    for (int64_t amount = 1; amount < 10'000'000'000'000; amount = amount * 7 + 3)
        texts.insert(minamori::moneyText(amount) + "を払った");
    return {texts.begin(), texts.end()};
}

inline std::string fontName(const minamori::FontSpec& font) {
    return std::string(font.face == minamori::FontFace::kFixed ? "fixed " : "proportional ") +
           std::to_string(font.size) + (font.bold ? " bold @" : " @") + std::to_string(font.dpi);
}

}  // namespace wtest

namespace minamori {

inline void PrintTo(const FontSpec& font, std::ostream* out) {
    *out << wtest::fontName(font);
}

}  // namespace minamori
