// xwd-compare [--at SCALE X Y] SHOT.xwd PICTURE [LEFT TOP RIGHT BOTTOM]:
// compares a window dump (or a PNG the game wrote, such as its screenshot) with a picture file of the game (BMP or JPEG) or a
// headless shot (PNG), over the whole picture or the given rectangle of it,
// and prints the mean difference per channel (0..255). Without --at the dump
// must have the picture's size; with it, the picture is expected enlarged
// SCALE times with its top-left corner at X,Y, and the mean brightness of the
// dump around it is printed too ("border mean", 0 for black). Exits 0 when the
// dump holds the picture where expected, else 1.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>

#include "view/png_file.h"
#include "view/picture_files.h"

namespace {

uint32_t bigEndian32(const std::string& b, std::size_t at) {
    return static_cast<uint32_t>(static_cast<unsigned char>(b[at])) << 24 |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 1])) << 16 |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 2])) << 8 |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 3]));
}

std::string readFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// A 32-bit window dump: 25 big-endian header words, the window name, the colour
// map, pixels; or a PNG.
struct Shot {
    std::string bytes;
    uint32_t width = 0, height = 0, byteOrder = 0, bitsPerPixel = 0, bytesPerLine = 0;
    std::size_t data = 0;
    std::optional<minamori::Canvas> png;

    bool read(const char* path) {
        const std::string name = path;
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ".png") == 0) {
            png = minamori::readPng(name);
            if (!png) return false;
            bytes.assign(100, '\0');  // read, as a dump's header would be
            width = static_cast<uint32_t>(png->width());
            height = static_cast<uint32_t>(png->height());
            return true;
        }
        bytes = readFile(path);
        if (bytes.size() < 100) return false;
        width = bigEndian32(bytes, 16), height = bigEndian32(bytes, 20);
        byteOrder = bigEndian32(bytes, 28);
        bitsPerPixel = bigEndian32(bytes, 44), bytesPerLine = bigEndian32(bytes, 48);
        data = bigEndian32(bytes, 0) + bigEndian32(bytes, 76) * 12;
        return bitsPerPixel == 32 && data + std::size_t{bytesPerLine} * height <= bytes.size();
    }
    uint32_t at(uint32_t x, uint32_t y) const {
        if (png) return png->at(static_cast<int>(x), static_cast<int>(y)) & 0xFFFFFF;
        const std::size_t i = data + y * bytesPerLine + x * 4;
        if (byteOrder != 0) return bigEndian32(bytes, i) & 0xFFFFFF;
        return static_cast<uint32_t>(static_cast<unsigned char>(bytes[i])) |
               static_cast<uint32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8 |
               static_cast<uint32_t>(static_cast<unsigned char>(bytes[i + 2])) << 16;
    }
};

uint32_t channelDifference(uint32_t a, uint32_t b) {
    uint32_t total = 0;
    for (int shift : {0, 8, 16})
        total += static_cast<uint32_t>(std::abs(static_cast<int>((a >> shift) & 0xFF) -
                                                static_cast<int>((b >> shift) & 0xFF)));
    return total;
}

// The mean channel value of the dump outside the enlarged picture.
void printBorder(const Shot& shot, uint32_t x0, uint32_t y0, uint32_t x1, uint32_t y1) {
    uint64_t total = 0, pixels = 0;
    for (uint32_t y = 0; y < shot.height; ++y)
        for (uint32_t x = 0; x < shot.width; ++x) {
            if (x >= x0 && x < x1 && y >= y0 && y < y1) continue;
            total += channelDifference(shot.at(x, y), 0);
            ++pixels;
        }
    if (pixels) std::printf("border mean %.2f\n", static_cast<double>(total) / (3.0 * pixels));
}

}  // namespace

int main(int argc, char** argv) {
    uint32_t scale = 1, offsetX = 0, offsetY = 0;
    const bool placed = argc > 4 && std::strcmp(argv[1], "--at") == 0;
    if (placed) {
        scale = static_cast<uint32_t>(std::max(1, std::atoi(argv[2])));
        offsetX = static_cast<uint32_t>(std::atoi(argv[3]));
        offsetY = static_cast<uint32_t>(std::atoi(argv[4]));
        argc -= 4, argv += 4;
    }
    if (argc != 3 && argc != 7) {
        std::cerr
            << "usage: xwd-compare [--at SCALE X Y] SHOT.xwd PICTURE [LEFT TOP RIGHT BOTTOM]\n";
        return 2;
    }
    Shot shot;
    const bool shotRead = shot.read(argv[1]);
    const std::string path = argv[2];
    const bool png = path.size() > 4 && path.compare(path.size() - 4, 4, ".png") == 0;
    const auto picture = png ? minamori::readPng(path) : minamori::loadPictureFile(path);
    if (shot.bytes.size() < 100 || !picture) {
        std::cerr << "xwd-compare: cannot read the files\n";
        return 2;
    }
    const uint32_t width = static_cast<uint32_t>(picture->width());
    const uint32_t height = static_cast<uint32_t>(picture->height());
    std::cout << "shot " << shot.width << "x" << shot.height << ", picture " << width << "x"
              << height << "\n";
    const uint32_t x1 = offsetX + width * scale, y1 = offsetY + height * scale;
    const bool fits = placed ? x1 <= shot.width && y1 <= shot.height
                             : shot.width == width && shot.height == height;
    if (!shotRead || !fits) return 1;

    uint32_t left = 0, top = 0, right = width, bottom = height;
    if (argc == 7) {
        left = static_cast<uint32_t>(std::atoi(argv[3]));
        top = static_cast<uint32_t>(std::atoi(argv[4]));
        right = std::min(width, static_cast<uint32_t>(std::atoi(argv[5])));
        bottom = std::min(height, static_cast<uint32_t>(std::atoi(argv[6])));
        if (left >= right || top >= bottom) return 2;
    }
    uint64_t total = 0;
    for (uint32_t y = top * scale; y < bottom * scale; ++y)
        for (uint32_t x = left * scale; x < right * scale; ++x)
            total += channelDifference(
                shot.at(offsetX + x, offsetY + y),
                picture->at(static_cast<int>(x / scale), static_cast<int>(y / scale)));
    const double pixels = static_cast<double>(right - left) * (bottom - top) * scale * scale;
    std::printf("mean difference %.2f\n", static_cast<double>(total) / (3.0 * pixels));
    if (placed) printBorder(shot, offsetX, offsetY, x1, y1);
    return 0;
}
