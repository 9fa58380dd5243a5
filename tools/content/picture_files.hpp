// Writers for the two picture formats the game reads.
#pragma once

#include <filesystem>

#include "image.hpp"

namespace content {

// Uncompressed 24-bit BMP (BITMAPINFOHEADER, bottom-up rows).
void writeBmp(const std::filesystem::path& path, const Image& image, bool dither);

// Baseline JPEG through libjpeg, without chroma subsampling so text stays crisp.
void writeJpeg(const std::filesystem::path& path, const Image& image, int quality);

}  // namespace content
