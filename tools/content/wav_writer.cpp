#include "wav_writer.hpp"

#include <algorithm>
#include <cmath>

#include "byte_writer.hpp"

namespace content {

void writeWav(const std::filesystem::path& path, const Samples& samples) {
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    Bytes out;
    putText(out, "RIFF");
    putLe32(out, 36 + dataBytes);
    putText(out, "WAVE");
    putText(out, "fmt ");
    putLe32(out, 16);
    putLe16(out, 1);                   // PCM
    putLe16(out, 1);                   // mono
    putLe32(out, kSampleRate);
    putLe32(out, kSampleRate * 2);     // bytes per second
    putLe16(out, 2);                   // block align
    putLe16(out, 16);                  // bits per sample
    putText(out, "data");
    putLe32(out, dataBytes);
    for (float v : samples) {
        long q = std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f);
        putLe16(out, static_cast<std::uint32_t>(static_cast<std::uint16_t>(static_cast<std::int16_t>(q))));
    }
    writeFile(path, out);
}

}  // namespace content
