// xwd-compare SHOT.xwd PICTURE [LEFT TOP RIGHT BOTTOM]: compares a window dump
// with a picture file of the game (BMP or JPEG) or a headless shot (PNG), over
// the whole picture or the given rectangle, and prints the mean difference per
// channel (0..255). Exits 0 when the two have the same size, else 1.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "png_file.h"
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

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 7) {
        std::cerr << "usage: xwd-compare SHOT.xwd PICTURE [LEFT TOP RIGHT BOTTOM]\n";
        return 2;
    }
    const std::string xwd = readFile(argv[1]);
    const std::string path = argv[2];
    const bool png = path.size() > 4 && path.compare(path.size() - 4, 4, ".png") == 0;
    const auto picture = png ? minamori::readPng(path) : minamori::loadPictureFile(path);
    if (xwd.size() < 100 || !picture) {
        std::cerr << "xwd-compare: cannot read the files\n";
        return 2;
    }
    // The header: 25 big-endian words, then the window name, then the colour map.
    const uint32_t headerSize = bigEndian32(xwd, 0);
    const uint32_t width = bigEndian32(xwd, 16), height = bigEndian32(xwd, 20);
    const uint32_t byteOrder = bigEndian32(xwd, 28);
    const uint32_t bitsPerPixel = bigEndian32(xwd, 44), bytesPerLine = bigEndian32(xwd, 48);
    const uint32_t colours = bigEndian32(xwd, 76);
    const std::size_t data = headerSize + colours * 12;
    std::cout << "shot " << width << "x" << height << ", picture " << picture->width() << "x"
              << picture->height() << "\n";
    if (bitsPerPixel != 32 || static_cast<int>(width) != picture->width() ||
        static_cast<int>(height) != picture->height() ||
        data + static_cast<std::size_t>(bytesPerLine) * height > xwd.size())
        return 1;
    uint32_t left = 0, top = 0, right = width, bottom = height;
    if (argc == 7) {
        left = static_cast<uint32_t>(std::atoi(argv[3]));
        top = static_cast<uint32_t>(std::atoi(argv[4]));
        right = std::min(width, static_cast<uint32_t>(std::atoi(argv[5])));
        bottom = std::min(height, static_cast<uint32_t>(std::atoi(argv[6])));
        if (left >= right || top >= bottom) return 2;
    }
    uint64_t total = 0;
    for (uint32_t y = top; y < bottom; ++y)
        for (uint32_t x = left; x < right; ++x) {
            const std::size_t at = data + y * bytesPerLine + x * 4;
            const uint32_t v = byteOrder == 0
                                   ? (static_cast<uint32_t>(static_cast<unsigned char>(xwd[at])) |
                                      static_cast<uint32_t>(static_cast<unsigned char>(xwd[at + 1])) << 8 |
                                      static_cast<uint32_t>(static_cast<unsigned char>(xwd[at + 2])) << 16)
                                   : bigEndian32(xwd, at) & 0xFFFFFF;
            const uint32_t p = picture->at(static_cast<int>(x), static_cast<int>(y));
            for (int shift : {0, 8, 16})
                total += static_cast<uint64_t>(
                    std::abs(static_cast<int>((v >> shift) & 0xFF) - static_cast<int>((p >> shift) & 0xFF)));
        }
    const double pixels = static_cast<double>(right - left) * (bottom - top);
    std::printf("mean difference %.2f\n", static_cast<double>(total) / (3.0 * pixels));
    return 0;
}
