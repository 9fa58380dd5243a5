// Canvases as PNG files: screenshots, the headless shots, and reading them back.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "view/canvas.h"

namespace minamori {

// The canvas as the bytes of an RGB PNG file; nothing when the encoder fails
// (libpng on the desktop, stb in the web page: platform/web/web_pictures.cpp).
std::optional<std::string> encodePng(const Canvas& canvas);
// Writes it to path through a temporary file; an empty text, else why it failed.
std::string writePng(const Canvas& canvas, const std::string& path);

// The canvas as red, green and blue bytes, row by row, for an encoder.
std::vector<unsigned char> rgbBytes(const Canvas& canvas);

// Reads an RGB picture written by writePng; nothing when it cannot be read.
std::optional<Canvas> readPng(const std::string& path);

}  // namespace minamori
