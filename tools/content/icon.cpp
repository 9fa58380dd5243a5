// minamori.png: the island group on a calm sea under a bright sky.
#include "icon.hpp"

#include <algorithm>

#include "effects.hpp"
#include "scenery.hpp"
#include "sea.hpp"
#include "sky.hpp"

namespace content {

namespace {

constexpr int kIconSize = 256;
// The hicolor theme's usual sizes, each the mean of the large icon's pixels.
constexpr int kIconSizes[] = {16, 32, 48, 64, 128, kIconSize};

}  // namespace

Image makeIcon() {
    Image img(kIconSize, kIconSize);
    const int horizon = 150;
    verticalGradient(img, 0, horizon,
                     {{0, hex(0x1d4f91)}, {0.6f, hex(0x5f9ad0)}, {1, hex(0xcfe4f0)}});
    addGlow(img, 62, 48, 60, hex(0xfff4d8), 0.7f);
    SeaStyle sea;
    sea.seed = 21, sea.horizon = horizon;
    sea.far = hex(0x7faed0), sea.near = hex(0x0c3560), sea.crest = hex(0xe6f2fa),
    sea.crestAmount = 0.3f;
    sea.glintX = 62, sea.glintWidth = 14, sea.glint = hex(0xfff2d0), sea.glintAmount = 0.6f;
    paintSea(img, sea);
    IslandStyle rock;
    rock.dark = hex(0x22272b), rock.light = hex(0x9a8f7a), rock.grass = hex(0x4d6b3a),
    rock.grassAmount = 0.6f;
    rock.haze = hex(0xa9c6dc), rock.hazeAmount = 0.08f, rock.lightFromLeft = 1;
    paintIslandGroup(img, islandGroup(118, horizon + 8, 0.72f, false), rock);
    vignette(img, 0.2f);
    return img;
}

namespace {

// How much of the source pixel i lies inside the span [from, to).
float overlap(int i, float from, float to) {
    const float start = std::max(from, static_cast<float>(i));
    return std::max(0.0f, std::min(to, static_cast<float>(i + 1)) - start);
}

}  // namespace

Image shrunk(const Image& img, int size) {
    Image out(size, size);
    const float step = static_cast<float>(img.width()) / static_cast<float>(size);
    const float share = 1.0f / (step * step);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const float top = static_cast<float>(y) * step, left = static_cast<float>(x) * step;
            Rgb sum;
            // Rounding may reach one past the last pixel: the edge stops it.
            for (int sy = static_cast<int>(top);
                 sy < img.height() && static_cast<float>(sy) < top + step; ++sy)
                for (int sx = static_cast<int>(left);
                     sx < img.width() && static_cast<float>(sx) < left + step; ++sx)
                    sum = sum + img.at(sx, sy) * (overlap(sy, top, top + step) *
                                                  overlap(sx, left, left + step));
            out.at(x, y) = sum * share;
        }
    return out;
}

void writeIcons(const std::filesystem::path& dir, bool (*wanted)(const std::string&)) {
    if (!wanted("minamori.png")) return;
    const Image large = makeIcon();
    for (const int side : kIconSizes) {
        const Image icon = side == large.width() ? large : shrunk(large, side);
        const std::string size = std::to_string(side);
        const std::filesystem::path folder = dir / "hicolor" / (size + "x" + size) / "apps";
        std::filesystem::create_directories(folder);
        writePng(folder / "minamori.png", icon, static_cast<float>(icon.width()) * 0.18f);
    }
}

}  // namespace content
