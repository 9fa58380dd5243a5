// The program's icon: the island group on sea and sky, as on the title, in
// the sizes a desktop asks for, written as PNG files.
#pragma once

#include <filesystem>
#include <string>

#include "image.hpp"

namespace content {

// The icon painted at its largest size.
Image makeIcon();

// A square picture shrunk to size x size, each pixel the mean of the area it covers.
Image shrunk(const Image& img, int size);

// Writes the icon in every size into dir/hicolor/<size>x<size>/apps/minamori.png,
// when "minamori.png" passes the filter.
void writeIcons(const std::filesystem::path& dir, bool (*wanted)(const std::string&));

// 8-bit RGBA PNG whose corners are rounded off, transparent, by cornerRadius pixels.
void writePng(const std::filesystem::path& path, const Image& image, float cornerRadius);

}  // namespace content
