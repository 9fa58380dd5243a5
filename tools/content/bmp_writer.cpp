#include "byte_writer.hpp"
#include "picture_files.hpp"

namespace content {

void writeBmp(const std::filesystem::path& path, const Image& image, bool dither) {
    const int w = image.width(), h = image.height();
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(w) * 3 + 3) & ~3u;
    const std::uint32_t dataBytes = rowBytes * static_cast<std::uint32_t>(h);
    const std::uint32_t headerBytes = 14 + 40;

    Bytes out;
    putText(out, "BM");
    putLe32(out, headerBytes + dataBytes);
    putLe32(out, 0);
    putLe32(out, headerBytes);
    putLe32(out, 40);                               // BITMAPINFOHEADER
    putLe32(out, static_cast<std::uint32_t>(w));
    putLe32(out, static_cast<std::uint32_t>(h));    // positive: bottom-up
    putLe16(out, 1);                                // planes
    putLe16(out, 24);                               // bits per pixel
    putLe32(out, 0);                                // BI_RGB
    putLe32(out, dataBytes);
    putLe32(out, 2835);                             // 72 dpi
    putLe32(out, 2835);
    putLe32(out, 0);
    putLe32(out, 0);

    const Bytes rgb = image.toRgb8(dither);
    for (int y = h - 1; y >= 0; --y) {
        const std::size_t row = static_cast<std::size_t>(y) * w * 3;
        for (int x = 0; x < w; ++x) {
            const std::size_t i = row + static_cast<std::size_t>(x) * 3;
            out.push_back(rgb[i + 2]);
            out.push_back(rgb[i + 1]);
            out.push_back(rgb[i]);
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(w) * 3; pad < rowBytes; ++pad) out.push_back(0);
    }
    writeFile(path, out);
}

}  // namespace content
