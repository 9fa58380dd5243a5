#include "byte_writer.hpp"

#include <fstream>
#include <stdexcept>

namespace content {

void putLe16(Bytes& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void putLe32(Bytes& out, std::uint32_t v) {
    putLe16(out, v & 0xFFFF);
    putLe16(out, v >> 16);
}

void putBe16(Bytes& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
}

void putBe32(Bytes& out, std::uint32_t v) {
    putBe16(out, v >> 16);
    putBe16(out, v & 0xFFFF);
}

void putText(Bytes& out, const std::string& s) { out.insert(out.end(), s.begin(), s.end()); }

void writeFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    if (!f) throw std::runtime_error("cannot open " + path.string());
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!f) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace content
