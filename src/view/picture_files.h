// Decoding the picture files of cg/: Windows bitmaps and JPEG images.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "view/canvas.h"

namespace minamori {

// An uncompressed bitmap of 1, 4, 8, 24 or 32 bits per pixel; nothing when the
// bytes are not such a bitmap.
std::optional<Canvas> decodeBmp(const std::string& bytes);
// A JPEG image; nothing when the bytes are not one.
std::optional<Canvas> decodeJpeg(const std::string& bytes);
// A picture file by its extension (.bmp, .jpg, .jpeg); nothing on any failure.
std::optional<Canvas> loadPictureFile(const std::filesystem::path& path);

}  // namespace minamori
