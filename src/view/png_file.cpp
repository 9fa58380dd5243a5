#include "view/png_file.h"

#include <png.h>

#include <cstdio>
#include <vector>


namespace minamori {

std::optional<std::string> encodePng(const Canvas& canvas) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(canvas.width());
    image.height = static_cast<png_uint_32>(canvas.height());
    image.format = PNG_FORMAT_RGB;
    const std::vector<unsigned char> rgb = rgbBytes(canvas);
    png_alloc_size_t size = 0;
    if (!png_image_write_get_memory_size(image, size, 0, rgb.data(), 0, nullptr)) {
        png_image_free(&image);
        return std::nullopt;
    }
    std::string bytes(size, '\0');
    if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, rgb.data(), 0, nullptr)) {
        png_image_free(&image);
        return std::nullopt;
    }
    bytes.resize(size);
    return bytes;
}

std::optional<Canvas> readPng(const std::string& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return std::nullopt;
    image.format = PNG_FORMAT_RGB;
    std::vector<unsigned char> rgb(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) {
        png_image_free(&image);
        return std::nullopt;
    }
    Canvas canvas(static_cast<int>(image.width), static_cast<int>(image.height));
    for (std::size_t i = 0; i < canvas.pixels().size(); ++i)
        canvas.pixels()[i] = Pixel{rgb[3 * i]} << 16 | Pixel{rgb[3 * i + 1]} << 8 | rgb[3 * i + 2];
    return canvas;
}

}  // namespace minamori
