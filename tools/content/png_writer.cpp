#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <vector>

#include "icon.hpp"

namespace content {

namespace {

// How much of pixel (x, y) lies inside a square of side size with rounded
// corners, sampled 4 x 4 so the edge is smooth.
float coverage(int x, int y, int size, float radius) {
    int inside = 0;
    for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 4; ++sx) {
            const float px = static_cast<float>(x) + (static_cast<float>(sx) + 0.5f) / 4;
            const float py = static_cast<float>(y) + (static_cast<float>(sy) + 0.5f) / 4;
            const float cx = std::clamp(px, radius, static_cast<float>(size) - radius);
            const float cy = std::clamp(py, radius, static_cast<float>(size) - radius);
            if (std::hypot(px - cx, py - cy) <= radius) ++inside;
        }
    return static_cast<float>(inside) / 16;
}

std::vector<png_byte> rgbaRows(const Image& image, float radius) {
    const std::vector<std::uint8_t> rgb = image.toRgb8(false);
    std::vector<png_byte> out;
    out.reserve(rgb.size() / 3 * 4);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const std::size_t i = (static_cast<std::size_t>(y) * image.width() + x) * 3;
            out.insert(out.end(), {rgb[i], rgb[i + 1], rgb[i + 2]});
            out.push_back(
                static_cast<png_byte>(std::lround(255 * coverage(x, y, image.width(), radius))));
        }
    return out;
}

}  // namespace

void writePng(const std::filesystem::path& path, const Image& image, float cornerRadius) {
    std::vector<png_byte> pixels = rgbaRows(image, cornerRadius);
    png_image info{};
    info.version = PNG_IMAGE_VERSION;
    info.width = static_cast<png_uint_32>(image.width());
    info.height = static_cast<png_uint_32>(image.height());
    info.format = PNG_FORMAT_RGBA;
    if (!png_image_write_to_file(&info, path.c_str(), 0, pixels.data(), 0, nullptr))
        throw std::runtime_error("cannot write " + path.string() + ": " + info.message);
}

}  // namespace content
