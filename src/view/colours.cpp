#include "view/colours.h"

#include <array>
#include <cstddef>

namespace minamori {

namespace {

enum class Kind { kWave10, kWave8, kCycle12, kFixed };

constexpr Rgb hex(uint32_t v) {
    return Rgb{static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v)};
}

struct ColourRow {
    const char* name;
    int32_t code;
    Kind kind;
    int offset;  // added to the step before the swing is taken
    std::array<Rgb, 12> colours;
};

// clang-format off
const ColourRow kColourRows[] = {
    {"green",   301, Kind::kWave10,  0, {hex(0x00EA12), hex(0x00DB10), hex(0x00BF0F), hex(0x00B50E), hex(0x00B50D), hex(0x00B50C)}},
    {"yellow",  302, Kind::kWave10,  0, {hex(0xFFE800), hex(0xE8D800), hex(0xDFC402), hex(0xDFAD02), hex(0xDF9D02), hex(0xDF8702)}},
    {"blue",    303, Kind::kWave10,  0, {hex(0x7EECF8), hex(0x64E8F7), hex(0x4EE4F5), hex(0x34E0F3), hex(0x1FDCF1), hex(0x0FD2E8)}},
    {"pink",    304, Kind::kWave10,  0, {hex(0xFF5AB5), hex(0xFF4AA5), hex(0xFF379B), hex(0xFF158A), hex(0xFB0079), hex(0xE30066)}},
    {"purple",  305, Kind::kWave10,  0, {hex(0x9D3CFF), hex(0x8B17FF), hex(0x7B00F7), hex(0x6802D9), hex(0x5800BF), hex(0x421FA8)}},
    {"aqua",    306, Kind::kWave10,  0, {hex(0x7EECF8), hex(0x64E8F7), hex(0x4EE4F5), hex(0x34E0F3), hex(0x1FDCF1), hex(0x0FD2E8)}},
    {"red",     307, Kind::kWave10,  0, {hex(0xFF4646), hex(0xFF2626), hex(0xFF0606), hex(0xD90000), hex(0xC40000), hex(0xB50000)}},
    {"yellow2", 308, Kind::kWave10,  0, {hex(0xDDDD88), hex(0xCCCC77), hex(0xBBBB66), hex(0xAAAA55), hex(0x999955), hex(0x888855)}},
    {"orange",  309, Kind::kWave10,  0, {hex(0x994646), hex(0x882626), hex(0x770606), hex(0x660000), hex(0x550000), hex(0x440000)}},
    {"pink2",   310, Kind::kWave8,   0, {hex(0xFFCCDD), hex(0xFFBBCC), hex(0xEEAABB), hex(0xDD99AA), hex(0xCC8899)}},
    {"rainbow", 312, Kind::kCycle12, 0, {hex(0xFF0000), hex(0xFF9900), hex(0xFFFF00), hex(0x99FF00), hex(0x00FF00), hex(0x00FF99),
                                         hex(0x00FFFF), hex(0x0099FF), hex(0x0000FF), hex(0x9900FF), hex(0xFF00FF), hex(0xFF0099)}},
    {"gray",    313, Kind::kFixed,   0, {hex(0x666666)}},
    {"green2",  314, Kind::kFixed,   0, {hex(0x66CC66)}},
    {"red2",    315, Kind::kFixed,   0, {hex(0x990000)}},
    {"silver",  316, Kind::kFixed,   0, {hex(0x999999)}},
    {"red3",    317, Kind::kFixed,   0, {hex(0xFF6666)}},
    {"orange2", 318, Kind::kWave10,  0, {hex(0xEE8866), hex(0xE08060), hex(0xC97959), hex(0xC07050), hex(0xB96949), hex(0xB06040)}},
    {"pink3",   319, Kind::kWave10,  5, {hex(0xEE40FF), hex(0xDD30EE), hex(0xBB10DD), hex(0xB000BB), hex(0xA900B0), hex(0xA000A9)}},
    {"pink4",   320, Kind::kWave10,  5, {hex(0xEE99FF), hex(0xDD88EE), hex(0xBB77DD), hex(0xB066BB), hex(0xA960B0), hex(0xA059A9)}},
};
// clang-format on

const ColourRow* findCode(int32_t code) {
    for (const auto& row : kColourRows)
        if (row.code == code) return &row;
    return nullptr;
}

// A swing through n colours and back: 0, 1, .., n-1, n-2, .., 1.
std::size_t swing(int64_t step, int n) {
    const int64_t period = 2 * (n - 1);
    const int64_t p = step % period;
    return static_cast<std::size_t>(p < n ? p : period - p);
}

}  // namespace

int32_t colourCode(const std::string& name) {
    for (const auto& row : kColourRows)
        if (name == row.name) return row.code;
    return kColourNone;
}

std::string colourName(int32_t code) {
    const ColourRow* row = findCode(code);
    return row ? row->name : "";
}

std::optional<Rgb> lineColour(int32_t code, int64_t step) {
    if (code == kColourEmpty) return Rgb{0xFF, 0xFF, 0xFF};
    const ColourRow* row = findCode(code);
    if (!row || step < 0) return std::nullopt;
    switch (row->kind) {
        case Kind::kWave10:
            return row->colours[swing(step + row->offset, 6)];
        case Kind::kWave8:
            return row->colours[swing(step, 5)];
        case Kind::kCycle12:
            return row->colours[static_cast<std::size_t>(step % 12)];
        case Kind::kFixed:
            return row->colours[0];
    }
    return std::nullopt;
}

}  // namespace minamori
