// The recent log lines, newest first.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace minamori {

struct tmoji_efe {
    std::string text;  // empty: no line
    int32_t code = 0;  // colour code
};

class MessageLog {
public:
    static constexpr int kEntries = 21;
    static constexpr int kShown = 8;

    // Adds the screen lines a text was split into: one, or two with the second
    // indented by a full-width space. Further lines are dropped.
    void add(const std::vector<std::string>& screenLines, int32_t code);
    void clear();
    const tmoji_efe& entry(int i) const { return entries_[i]; }

private:
    void shiftIn(std::string text, int32_t code);
    std::array<tmoji_efe, kEntries> entries_;
};

}  // namespace minamori
