#include "png_file.h"

#include <png.h>

#include <cstdio>
#include <vector>

namespace minamori {

std::string writePng(const Canvas& canvas, const std::string& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(canvas.width());
    image.height = static_cast<png_uint_32>(canvas.height());
    image.format = PNG_FORMAT_RGB;
    std::vector<unsigned char> rgb;
    rgb.reserve(canvas.pixels().size() * 3);
    for (Pixel p : canvas.pixels()) {
        rgb.push_back(static_cast<unsigned char>(p >> 16));
        rgb.push_back(static_cast<unsigned char>(p >> 8));
        rgb.push_back(static_cast<unsigned char>(p));
    }
    if (!png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr)) {
        std::string why = image.message;
        png_image_free(&image);
        return why.empty() ? "cannot write " + path : why;
    }
    return {};
}

}  // namespace minamori
