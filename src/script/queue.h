// The first-in, first-out queue of script lines that clicks consume one at a time.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace minamori {

class MessageQueue {
public:
    static constexpr int kSlots = 100;

    // Stores text in the lowest free slot; when all are taken it replaces the head.
    // An empty text changes nothing, full or not.
    void pushLine(const std::string& text);
    void clearQueue();
    // Removes the head; the rest move down one slot.
    void popLine();
    const std::string& headLine() const { return slots_[0]; }

    bool empty() const { return slots_[0].empty(); }
    // True when the head is the last line.
    bool headIsLast() const { return slots_[1].empty(); }
    const std::string& slot(int i) const { return slots_[i]; }
    int size() const;

private:
    std::array<std::string, kSlots> slots_;
};

// The number after a keyword of a script line: a whole decimal integer with
// an optional sign, else 0.
int32_t scriptNumber(const std::string& rest);

}  // namespace minamori
