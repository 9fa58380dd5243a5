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

// The text of wrapped line i on screen: a continuation is indented by "　".
std::string screenLine(const std::vector<std::string>& wrappedLines, std::size_t i);

class MessageLog {
public:
    static constexpr int kEntries = 21;
    static constexpr int kShown = 8;

    // Adds the lines a text was wrapped into, each after the first indented by
    // a full-width space (see screenLine); an empty list adds one empty line.
    void add(const std::vector<std::string>& wrappedLines, int32_t code);
    void clear();
    const tmoji_efe& entry(int i) const { return entries_[i]; }

private:
    void shiftIn(std::string text, int32_t code);
    std::array<tmoji_efe, kEntries> entries_;
};

}  // namespace minamori
