// Little- and big-endian byte appenders shared by the file writers.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace content {

using Bytes = std::vector<std::uint8_t>;

void putLe16(Bytes& out, std::uint32_t v);
void putLe32(Bytes& out, std::uint32_t v);
void putBe16(Bytes& out, std::uint32_t v);
void putBe32(Bytes& out, std::uint32_t v);
void putText(Bytes& out, const std::string& s);

// Writes the bytes to path; throws std::runtime_error when it cannot.
void writeFile(const std::filesystem::path& path, const Bytes& bytes);

}  // namespace content
