#include "platform/font_choice.h"

#include <fontconfig/fontconfig.h>

#include <cctype>
#include <cstddef>

namespace minamori {

namespace {

// Most wanted first. Each list ends with the other kind's faces: fixed text in
// a proportional face still reads, boxes do not.
constexpr const char* kProportionalFamilies[] = {
    "IPAPGothic", "Noto Sans CJK JP", "VL PGothic",  "TakaoPGothic",
    "IPAGothic",  "VL Gothic",        "TakaoGothic", "Noto Sans Mono CJK JP"};
constexpr const char* kFixedFamilies[] = {
    "IPAGothic",  "Noto Sans Mono CJK JP", "VL Gothic",  "TakaoGothic",
    "IPAPGothic", "Noto Sans CJK JP",      "VL PGothic", "TakaoPGothic"};

const FcChar8* fc(const char* text) {
    return reinterpret_cast<const FcChar8*>(text);
}

bool hasSample(FcPattern* font) {
    FcCharSet* chars = nullptr;
    if (FcPatternGetCharSet(font, FC_CHARSET, 0, &chars) != FcResultMatch || !chars) return false;
    for (const char32_t* c = kJapaneseSample; *c; ++c)
        if (!FcCharSetHasChar(chars, static_cast<FcChar32>(*c))) return false;
    return true;
}

bool claimsJapanese(FcPattern* font) {
    FcLangSet* langs = nullptr;
    return FcPatternGetLangSet(font, FC_LANG, 0, &langs) == FcResultMatch && langs &&
           FcLangSetHasLang(langs, fc("ja")) == FcLangEqual;
}

// Family names compare as fontconfig compares them: "VL Gothic" is "VLGothic".
std::string folded(const char* name) {
    std::string out;
    for (; *name; ++name)
        if (*name != ' ') out += static_cast<char>(std::tolower(static_cast<unsigned char>(*name)));
    return out;
}

bool hasFamily(FcPattern* font, const char* family) {
    const std::string wanted = folded(family);
    FcChar8* name = nullptr;
    for (int i = 0; FcPatternGetString(font, FC_FAMILY, i, &name) == FcResultMatch; ++i)
        if (name && folded(reinterpret_cast<const char*>(name)) == wanted) return true;
    return false;
}

FontFile fileOf(FcPattern* font, const char* family) {
    FontFile chosen;
    FcChar8* path = nullptr;
    if (FcPatternGetString(font, FC_FILE, 0, &path) != FcResultMatch || !path) return chosen;
    chosen.file = reinterpret_cast<const char*>(path);
    FcPatternGetInteger(font, FC_INDEX, 0, &chosen.index);
    FcChar8* name = nullptr;
    if (family)
        chosen.family = family;
    else if (FcPatternGetString(font, FC_FAMILY, 0, &name) == FcResultMatch && name)
        chosen.family = reinterpret_cast<const char*>(name);
    return chosen;
}

FcPattern* request(FcConfig* config, const char* family, const char* lang) {
    FcPattern* pattern = FcPatternCreate();
    if (!pattern) return nullptr;
    FcPatternAddString(pattern, FC_FAMILY, fc(family));
    if (lang) FcPatternAddString(pattern, FC_LANG, fc(lang));
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    return pattern;
}

// The regular style of the named family, if installed with the glyphs.
FontFile byFamily(FcConfig* config, const char* family) {
    FontFile chosen;
    FcPattern* pattern = request(config, family, nullptr);
    if (!pattern) return chosen;
    FcResult result = FcResultNoMatch;
    if (FcPattern* match = FcFontMatch(config, pattern, &result)) {
        if (hasFamily(match, family) && hasSample(match)) chosen = fileOf(match, family);
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return chosen;
}

// Any face meant for Japanese, in fontconfig's order for the generic family.
FontFile anyJapanese(FcConfig* config, const char* generic) {
    FontFile chosen;
    FcPattern* pattern = request(config, generic, "ja");
    if (!pattern) return chosen;
    FcResult result = FcResultNoMatch;
    if (FcFontSet* sorted = FcFontSort(config, pattern, FcFalse, nullptr, &result)) {
        for (int i = 0; i < sorted->nfont && !chosen.found(); ++i)
            if (claimsJapanese(sorted->fonts[i]) && hasSample(sorted->fonts[i]))
                chosen = fileOf(sorted->fonts[i], nullptr);
        FcFontSetDestroy(sorted);
    }
    FcPatternDestroy(pattern);
    return chosen;
}

template <std::size_t N>
FontFile choose(FcConfig* config, const char* const (&families)[N], const char* generic) {
    for (const char* family : families)
        if (FontFile chosen = byFamily(config, family); chosen.found()) return chosen;
    return anyJapanese(config, generic);
}

}  // namespace

std::string missingJapaneseFontMessage() {
    // Two short lines: a message box does not wrap them.
    return std::string(
               "no Japanese font found: no installed font has the kana and kanji.\n"
               "Install the package ") +
           kJapaneseFontPackage + " (sudo apt-get install " + kJapaneseFontPackage + ").";
}

JapaneseFonts chooseJapaneseFonts(FcConfig* config) {
    if (!config && !FcInit()) return {};
    return JapaneseFonts{choose(config, kProportionalFamilies, "sans-serif"),
                         choose(config, kFixedFamilies, "monospace")};
}

}  // namespace minamori
