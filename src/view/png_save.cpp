// What both PNG encoders share (view/png_file.cpp's libpng, the web page's stb).
#include "core/file_io.h"
#include "view/png_file.h"

namespace minamori {

std::vector<unsigned char> rgbBytes(const Canvas& canvas) {
    std::vector<unsigned char> rgb;
    rgb.reserve(canvas.pixels().size() * 3);
    for (Pixel p : canvas.pixels()) {
        rgb.push_back(static_cast<unsigned char>(p >> 16));
        rgb.push_back(static_cast<unsigned char>(p >> 8));
        rgb.push_back(static_cast<unsigned char>(p));
    }
    return rgb;
}

std::string writePng(const Canvas& canvas, const std::string& path) {
    const std::optional<std::string> bytes = encodePng(canvas);
    if (!bytes) return "cannot encode the picture for " + path;
    return writeFileAtomically(path, *bytes);
}

}  // namespace minamori
