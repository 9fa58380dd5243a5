// Colour names carried by log lines, and the colours they show frame by frame.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace minamori {

constexpr int32_t kColourNone = 4;   // any unknown name: sets no colour
constexpr int32_t kColourEmpty = 0;  // an empty log entry; shows white

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

// The code of a colour name (exact, case-sensitive match); unknown names give kColourNone.
int32_t colourCode(const std::string& name);

// The name of a code, or an empty text for codes without one.
std::string colourName(int32_t code);

// The colour of a code at an animation step (step >= 0); none for codes without a colour.
std::optional<Rgb> lineColour(int32_t code, int64_t step);

}  // namespace minamori
