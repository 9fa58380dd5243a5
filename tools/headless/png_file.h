// Writing a canvas as a PNG file.
#pragma once

#include <string>

#include "view/canvas.h"

namespace minamori {

// Returns an empty text on success, else why it failed.
std::string writePng(const Canvas& canvas, const std::string& path);

}  // namespace minamori
