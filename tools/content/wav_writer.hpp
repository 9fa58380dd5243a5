// 16-bit mono PCM WAV files.
#pragma once

#include <filesystem>

#include "synth.hpp"

namespace content {

void writeWav(const std::filesystem::path& path, const Samples& samples);

}  // namespace content
