// Big-endian numbers read from a font file, each read checked against the
// file's end: a font file is input like any other and may be cut short.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace minamori {

class FontBytes {
public:
    explicit FontBytes(std::string_view bytes) : bytes_(bytes) {}

    std::size_t size() const { return bytes_.size(); }
    const unsigned char* data() const {
        return reinterpret_cast<const unsigned char*>(bytes_.data());
    }

    // Whether length bytes from at lie inside the file.
    bool holds(std::size_t at, std::size_t length) const {
        return at <= bytes_.size() && length <= bytes_.size() - at;
    }

    // Each false when the number does not lie inside the file.
    bool u8(std::size_t at, uint8_t& out) const {
        if (!holds(at, 1)) return false;
        out = data()[at];
        return true;
    }
    bool u16(std::size_t at, uint16_t& out) const {
        if (!holds(at, 2)) return false;
        out = static_cast<uint16_t>(data()[at] << 8 | data()[at + 1]);
        return true;
    }
    bool s16(std::size_t at, int16_t& out) const {
        uint16_t u = 0;
        if (!u16(at, u)) return false;
        out = static_cast<int16_t>(u);
        return true;
    }
    bool u32(std::size_t at, uint32_t& out) const {
        uint16_t high = 0, low = 0;
        if (!u16(at, high) || !u16(at + 2, low)) return false;
        out = uint32_t{high} << 16 | low;
        return true;
    }

private:
    std::string_view bytes_;
};

}  // namespace minamori
