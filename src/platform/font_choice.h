// Which installed font files stand for the game's two Japanese typefaces.
// fontconfig always offers some face for any name asked; a face without the
// kana and kanji would draw every text as boxes, so a face is taken only if it
// has the glyphs. Only fontconfig here: the content generator links it too.
#pragma once

#include <string>

typedef struct _FcConfig FcConfig;

namespace minamori {

struct FontFile {
    std::string file;    // empty: no face has the glyphs
    int index = 0;       // the face within a collection (.ttc)
    std::string family;  // the family asked for that gave it, or fontconfig's first name

    bool found() const { return !file.empty(); }
};

struct JapaneseFonts {
    FontFile proportional;  // IPAPGothic, else another proportional Japanese face
    FontFile fixed;         // IPAGothic, else another fixed Japanese face

    bool found() const { return proportional.found() && fixed.found(); }
};

// The characters a face must have to be taken.
inline constexpr const char32_t* kJapaneseSample = U"あア漢";

// The package to name when no face is found, and the whole message.
inline constexpr const char* kJapaneseFontPackage = "fonts-ipafont-gothic";
std::string missingJapaneseFontMessage();

// Chooses in the given configuration, or in fontconfig's default one when null.
JapaneseFonts chooseJapaneseFonts(FcConfig* config = nullptr);

}  // namespace minamori
