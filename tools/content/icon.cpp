// minamori.png: the island group on a calm sea under a bright sky.
#include "icon.hpp"

#include "effects.hpp"
#include "scenery.hpp"
#include "sea.hpp"
#include "sky.hpp"

namespace content {

namespace {

constexpr int kIconSize = 256;
constexpr int kSmallFactor = 4;  // 64 x 64 from 256 x 256

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

Image shrunk(const Image& img, int factor) {
    Image out(img.width() / factor, img.height() / factor);
    const float share = 1.0f / static_cast<float>(factor * factor);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            Rgb sum;
            for (int dy = 0; dy < factor; ++dy)
                for (int dx = 0; dx < factor; ++dx)
                    sum = sum + img.at(x * factor + dx, y * factor + dy);
            out.at(x, y) = sum * share;
        }
    return out;
}

void writeIcons(const std::filesystem::path& dir, bool (*wanted)(const std::string&)) {
    if (!wanted("minamori.png")) return;
    const Image large = makeIcon();
    for (const Image& icon : {large, shrunk(large, kSmallFactor)}) {
        const std::string size = std::to_string(icon.width());
        const std::filesystem::path folder = dir / "hicolor" / (size + "x" + size) / "apps";
        std::filesystem::create_directories(folder);
        writePng(folder / "minamori.png", icon, static_cast<float>(icon.width()) * 0.18f);
    }
}

}  // namespace content
