#include "text.hpp"

#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "platform/font_choice.h"

namespace content {

namespace {

// Coverage of the rendered glyphs, 0..1 per pixel, with room around for effects.
struct Mask {
    int w = 0, h = 0;
    std::vector<float> a;
    float get(int x, int y) const { return x < 0 || y < 0 || x >= w || y >= h ? 0 : a[y * w + x]; }
};

bool g_fontconfigStarted = false;

// The faces the game itself takes; boxes for the title's text are an error.
const minamori::FontFile& chosenFont(bool proportional) {
    static const minamori::JapaneseFonts faces = [] {
        g_fontconfigStarted = FcInit() == FcTrue;
        return minamori::chooseJapaneseFonts();
    }();
    if (!faces.found()) throw std::runtime_error(minamori::missingJapaneseFontMessage());
    return proportional ? faces.proportional : faces.fixed;
}

Mask renderMask(const std::string& utf8, const TextStyle& style, int margin) {
    if (!TTF_WasInit() && TTF_Init() != 0) throw std::runtime_error("TTF_Init failed");
    const minamori::FontFile& face = chosenFont(style.proportional);
    TTF_Font* font = TTF_OpenFontIndex(face.file.c_str(), style.pixelSize, face.index);
    if (!font) throw std::runtime_error("cannot open font " + face.file);
    SDL_Surface* raw = TTF_RenderUTF8_Blended(font, utf8.c_str(), SDL_Color{255, 255, 255, 255});
    TTF_CloseFont(font);
    if (!raw) throw std::runtime_error("cannot render text");
    SDL_Surface* surf = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(raw);
    if (!surf) throw std::runtime_error("cannot convert text surface");

    Mask m;
    m.w = surf->w + 2 * margin;
    m.h = surf->h + 2 * margin;
    m.a.assign(static_cast<std::size_t>(m.w) * m.h, 0);
    SDL_LockSurface(surf);
    for (int y = 0; y < surf->h; ++y) {
        const auto* row = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(surf->pixels) + y * surf->pitch);
        for (int x = 0; x < surf->w; ++x) m.a[(y + margin) * m.w + x + margin] = (row[x] >> 24) / 255.0f;
    }
    SDL_UnlockSurface(surf);
    SDL_FreeSurface(surf);
    return m;
}

Mask dilate(const Mask& src, int radius) {
    Mask out = src;
    for (int y = 0; y < src.h; ++y)
        for (int x = 0; x < src.w; ++x) {
            float best = 0;
            for (int dy = -radius - 1; dy <= radius + 1 && best < 1; ++dy)
                for (int dx = -radius - 1; dx <= radius + 1; ++dx) {
                    float d = std::sqrt(static_cast<float>(dx * dx + dy * dy));
                    float w = std::clamp(radius + 1.0f - d, 0.0f, 1.0f);
                    if (w > 0) best = std::max(best, src.get(x + dx, y + dy) * w);
                }
            out.a[y * src.w + x] = best;
        }
    return out;
}

Mask blur(const Mask& src, int radius) {
    if (radius <= 0) return src;
    Mask tmp = src, out = src;
    const float norm = 1.0f / static_cast<float>(2 * radius + 1);
    for (int y = 0; y < src.h; ++y)
        for (int x = 0; x < src.w; ++x) {
            float s = 0;
            for (int k = -radius; k <= radius; ++k) s += src.get(x + k, y);
            tmp.a[y * src.w + x] = s * norm;
        }
    for (int y = 0; y < src.h; ++y)
        for (int x = 0; x < src.w; ++x) {
            float s = 0;
            for (int k = -radius; k <= radius; ++k) s += tmp.get(x, y + k);
            out.a[y * src.w + x] = s * norm;
        }
    return out;
}

void stamp(Image& img, const Mask& m, int left, int top, float alpha, auto colourAt) {
    for (int y = 0; y < m.h; ++y)
        for (int x = 0; x < m.w; ++x) {
            float a = m.a[y * m.w + x] * alpha;
            if (a > 0) img.blend(left + x, top + y, colourAt(y), a);
        }
}

}  // namespace

void drawText(Image& img, const std::string& utf8, int centreX, int topY, const TextStyle& style) {
    const int margin = style.outlineWidth + style.shadowBlur * 2 + std::max(style.shadowDx, style.shadowDy) + 12;
    const Mask fill = renderMask(utf8, style, margin);
    const Mask outline = dilate(fill, style.outlineWidth);
    const int left = centreX - fill.w / 2, top = topY - margin;

    if (style.glowAlpha > 0)
        stamp(img, blur(dilate(fill, 3), 6), left, top, style.glowAlpha, [&](int) { return style.glow; });
    if (style.shadowAlpha > 0)
        stamp(img, blur(outline, style.shadowBlur), left + style.shadowDx, top + style.shadowDy, style.shadowAlpha,
              [&](int) { return style.shadow; });
    if (style.outlineWidth > 0) stamp(img, outline, left, top, 1, [&](int) { return style.outline; });
    const float span = static_cast<float>(style.pixelSize);
    stamp(img, fill, left, top, 1, [&](int y) {
        float t = std::clamp((y - margin) / span, 0.0f, 1.0f);
        return mix(style.fillTop, style.fillBottom, t);
    });
}

void closeFonts() {
    if (TTF_WasInit()) TTF_Quit();
    if (g_fontconfigStarted) FcFini();
    g_fontconfigStarted = false;
}

}  // namespace content
