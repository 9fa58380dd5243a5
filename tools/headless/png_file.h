// Canvases as PNG files: the headless shots, and reading them back to compare.
#pragma once

#include <optional>
#include <string>

#include "view/canvas.h"

namespace minamori {

// Returns an empty text on success, else why it failed.
std::string writePng(const Canvas& canvas, const std::string& path);

// Reads an RGB picture written by writePng; nothing when it cannot be read.
std::optional<Canvas> readPng(const std::string& path);

}  // namespace minamori
