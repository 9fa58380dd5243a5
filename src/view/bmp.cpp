#include <cstdint>
#include <cstdlib>
#include <vector>

#include "view/picture_files.h"

namespace minamori {

namespace {

constexpr int kMaxSide = 16384;

uint32_t readU32(const std::string& b, std::size_t at) {
    return static_cast<uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

uint16_t readU16(const std::string& b, std::size_t at) {
    return static_cast<uint16_t>(static_cast<unsigned char>(b[at]) |
                                 static_cast<unsigned char>(b[at + 1]) << 8);
}

struct BmpHeader {
    int width = 0;
    int height = 0;
    bool bottomUp = true;
    int bitsPerPixel = 0;
    uint32_t pixelOffset = 0;
    uint32_t headerSize = 0;
    uint32_t paletteSize = 0;
};

std::optional<BmpHeader> readHeader(const std::string& bytes) {
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
    BmpHeader h;
    h.pixelOffset = readU32(bytes, 10);
    h.headerSize = readU32(bytes, 14);
    if (h.headerSize < 40 || 14 + static_cast<uint64_t>(h.headerSize) > bytes.size())
        return std::nullopt;
    const int32_t w = static_cast<int32_t>(readU32(bytes, 18));
    const int32_t rawHeight = static_cast<int32_t>(readU32(bytes, 22));
    h.bitsPerPixel = readU16(bytes, 28);
    const uint32_t compression = readU32(bytes, 30);
    h.paletteSize = readU32(bytes, 46);
    // Uncompressed only (BI_RGB; BI_BITFIELDS with the usual masks for 32 bits).
    if (compression != 0 && !(compression == 3 && h.bitsPerPixel == 32)) return std::nullopt;
    if (w <= 0 || w > kMaxSide || rawHeight == 0 || rawHeight < -kMaxSide || rawHeight > kMaxSide)
        return std::nullopt;
    h.width = w;
    h.bottomUp = rawHeight > 0;
    h.height = std::abs(rawHeight);
    switch (h.bitsPerPixel) {
        case 1: case 4: case 8: case 24: case 32: break;
        default: return std::nullopt;
    }
    return h;
}

std::vector<Pixel> readPalette(const std::string& bytes, const BmpHeader& h) {
    const uint32_t maxEntries = 1u << h.bitsPerPixel;
    uint32_t entries = h.paletteSize == 0 ? maxEntries : std::min(h.paletteSize, maxEntries);
    std::vector<Pixel> palette(maxEntries, kBlack);
    const std::size_t at = 14 + h.headerSize;
    for (uint32_t i = 0; i < entries && at + 4 * i + 3 < bytes.size(); ++i)
        palette[i] = readU32(bytes, at + 4 * i) & 0xFFFFFF;
    return palette;
}

}  // namespace

std::optional<Canvas> decodeBmp(const std::string& bytes) {
    const std::optional<BmpHeader> header = readHeader(bytes);
    if (!header) return std::nullopt;
    const BmpHeader& h = *header;
    const uint64_t stride = (static_cast<uint64_t>(h.width) * h.bitsPerPixel + 31) / 32 * 4;
    if (h.pixelOffset + stride * static_cast<uint64_t>(h.height) > bytes.size()) return std::nullopt;
    const std::vector<Pixel> palette =
        h.bitsPerPixel <= 8 ? readPalette(bytes, h) : std::vector<Pixel>{};

    Canvas picture(h.width, h.height);
    for (int row = 0; row < h.height; ++row) {
        const std::size_t line = h.pixelOffset + static_cast<std::size_t>(stride) * row;
        const int y = h.bottomUp ? h.height - 1 - row : row;
        for (int x = 0; x < h.width; ++x) {
            Pixel p = kBlack;
            switch (h.bitsPerPixel) {
                case 32:
                case 24: {
                    const std::size_t at = line + static_cast<std::size_t>(x) * (h.bitsPerPixel / 8);
                    p = static_cast<Pixel>(static_cast<unsigned char>(bytes[at])) |
                        static_cast<Pixel>(static_cast<unsigned char>(bytes[at + 1])) << 8 |
                        static_cast<Pixel>(static_cast<unsigned char>(bytes[at + 2])) << 16;
                    break;
                }
                default: {
                    const int bits = h.bitsPerPixel;
                    const std::size_t bit = static_cast<std::size_t>(x) * bits;
                    const unsigned char byte = static_cast<unsigned char>(bytes[line + bit / 8]);
                    const int shift = 8 - bits - static_cast<int>(bit % 8);
                    p = palette[(byte >> shift) & ((1u << bits) - 1)];
                    break;
                }
            }
            picture.set(x, y, p);
        }
    }
    return picture;
}

}  // namespace minamori
