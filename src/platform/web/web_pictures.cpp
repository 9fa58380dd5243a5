// The page's picture codecs: the game's JPEG reader and PNG encoder and reader
// on the single-file stb libraries, in place of libjpeg and libpng, which the
// browser build does not have (view/jpeg.cpp and view/png_file.cpp on the
// desktop).
#include <climits>
#include <cstdint>
#include <optional>
#include <string>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_JPEG
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#include <stb_image.h>
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>

#include "core/file_io.h"
#include "view/picture_files.h"
#include "view/png_file.h"

namespace minamori {

namespace {

constexpr int kMaxSide = 16384;

// Three bytes a pixel into a canvas; nothing for a picture too large or empty.
std::optional<Canvas> decodeRgb(const std::string& bytes) {
    if (bytes.size() < 4 || bytes.size() > INT_MAX) return std::nullopt;
    int width = 0, height = 0, channels = 0;
    stbi_uc* rgb = stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(bytes.data()),
                                         static_cast<int>(bytes.size()), &width, &height,
                                         &channels, 3);
    if (!rgb) return std::nullopt;
    std::optional<Canvas> picture;
    if (width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide) {
        picture.emplace(width, height);
        std::vector<Pixel>& out = picture->pixels();
        for (std::size_t i = 0; i < out.size(); ++i)
            out[i] = Pixel{rgb[3 * i]} << 16 | Pixel{rgb[3 * i + 1]} << 8 | rgb[3 * i + 2];
    }
    stbi_image_free(rgb);
    return picture;
}

void appendBytes(void* context, void* data, int size) {
    static_cast<std::string*>(context)->append(static_cast<const char*>(data),
                                               static_cast<std::size_t>(size));
}

}  // namespace

std::optional<Canvas> decodeJpeg(const std::string& bytes) {
    // stb_image would also take a PNG or a GIF here: only a JPEG may pass.
    if (bytes.size() < 4 || static_cast<unsigned char>(bytes[0]) != 0xFF ||
        static_cast<unsigned char>(bytes[1]) != 0xD8)
        return std::nullopt;
    return decodeRgb(bytes);
}

std::optional<std::string> encodePng(const Canvas& canvas) {
    const std::vector<unsigned char> rgb = rgbBytes(canvas);
    std::string bytes;
    if (!stbi_write_png_to_func(appendBytes, &bytes, canvas.width(), canvas.height(), 3,
                                rgb.data(), canvas.width() * 3))
        return std::nullopt;
    return bytes;
}

std::optional<Canvas> readPng(const std::string& path) {
    std::string bytes, error;
    if (readWholeFile(path, bytes, error) != ReadResult::kRead) return std::nullopt;
    if (bytes.size() < 8 || bytes.compare(1, 3, "PNG") != 0) return std::nullopt;
    return decodeRgb(bytes);
}

}  // namespace minamori
