#include "platform/ttf_fonts.h"

#include <SDL.h>
#include <SDL_ttf.h>

namespace minamori {

namespace {

bool hasSample(TTF_Font* font) {
    for (const char32_t* c = kJapaneseSample; *c; ++c)
        if (!TTF_GlyphIsProvided32(font, static_cast<Uint32>(*c))) return false;
    return true;
}

}  // namespace

std::unique_ptr<TtfFontEngine> TtfFontEngine::create(std::string& error) {
    return create(chooseJapaneseFonts(), error);
}

std::unique_ptr<TtfFontEngine> TtfFontEngine::create(const JapaneseFonts& faces,
                                                     std::string& error) {
    if (!faces.found()) {
        error = missingJapaneseFontMessage();
        return nullptr;
    }
    if (TTF_WasInit() == 0 && TTF_Init() != 0) {
        error = std::string("SDL_ttf: ") + TTF_GetError();
        return nullptr;
    }
    std::unique_ptr<TtfFontEngine> engine(new TtfFontEngine());
    engine->faces_ = faces;
    // The file fontconfig described may still not be the one SDL_ttf reads.
    for (const FontFace face : {FontFace::kProportional, FontFace::kFixed}) {
        const FontFile& file = face == FontFace::kFixed ? faces.fixed : faces.proportional;
        TTF_Font* font = engine->open(FontSpec{face});
        if (!font) {
            error = "cannot open " + file.file + ": " + TTF_GetError();
            return nullptr;
        }
        if (!hasSample(font)) {
            error = file.file + " has no Japanese glyphs; " + missingJapaneseFontMessage();
            return nullptr;
        }
    }
    return engine;
}

TtfFontEngine::~TtfFontEngine() {
    for (auto& [spec, font] : fonts_)
        if (font) TTF_CloseFont(font);
}

TTF_Font* TtfFontEngine::open(const FontSpec& spec) {
    auto it = fonts_.find(spec);
    if (it != fonts_.end()) return it->second;
    const FontFile& file = spec.face == FontFace::kFixed ? faces_.fixed : faces_.proportional;
    TTF_Font* font = TTF_OpenFontIndexDPI(file.file.c_str(), spec.size, file.index,
                                          static_cast<unsigned>(spec.dpi),
                                          static_cast<unsigned>(spec.dpi));
    if (font) TTF_SetFontStyle(font, spec.bold ? TTF_STYLE_BOLD : TTF_STYLE_NORMAL);
    fonts_.emplace(spec, font);
    return font;
}

TextImage TtfFontEngine::render(const std::string& text, const FontSpec& spec) {
    TextImage image;
    TTF_Font* font = open(spec);
    if (!font || text.empty()) return image;
    SDL_Surface* rendered = TTF_RenderUTF8_Blended(font, text.c_str(), SDL_Color{255, 255, 255, 255});
    if (!rendered) return image;
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(rendered);
    if (!argb) return image;
    image.width = argb->w;
    image.height = argb->h;
    image.coverage.resize(static_cast<size_t>(argb->w) * static_cast<size_t>(argb->h));
    SDL_LockSurface(argb);
    for (int y = 0; y < argb->h; ++y) {
        const auto* row = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(argb->pixels) +
                                                          static_cast<ptrdiff_t>(y) * argb->pitch);
        for (int x = 0; x < argb->w; ++x)
            image.coverage[static_cast<size_t>(y) * argb->w + x] = static_cast<uint8_t>(row[x] >> 24);
    }
    SDL_UnlockSurface(argb);
    SDL_FreeSurface(argb);
    return image;
}

int TtfFontEngine::textWidth(const std::string& text, const FontSpec& spec) {
    TTF_Font* font = open(spec);
    int w = 0, h = 0;
    if (!font || text.empty() || TTF_SizeUTF8(font, text.c_str(), &w, &h) != 0) return 0;
    return w;
}

int TtfFontEngine::lineHeight(const FontSpec& spec) {
    TTF_Font* font = open(spec);
    return font ? TTF_FontHeight(font) : emPixels(spec);
}

std::optional<TtfGlyphBox> TtfFontEngine::glyphBox(char32_t ch, const FontSpec& spec) {
    TTF_Font* font = open(spec);
    const auto code = static_cast<Uint32>(ch);
    TtfGlyphBox box;
    if (!font ||
        TTF_GlyphMetrics32(font, code, &box.minX, &box.maxX, &box.minY, &box.maxY, nullptr) != 0)
        return std::nullopt;
    return box;
}

int TtfFontEngine::ascent(const FontSpec& spec) {
    TTF_Font* font = open(spec);
    return font ? TTF_FontAscent(font) : 0;
}

}  // namespace minamori
