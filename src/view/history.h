// The message history: the last 200 screen lines of the log, kept for reading
// back over the game. Not saved; the log itself is not touched.
#pragma once

#include <cstdint>
#include <deque>

#include "view/message_log.h"

namespace minamori {

struct ViewLayer;

class MessageHistory {
public:
    static constexpr int kLines = 200;

    // Keeps a screen line of the log; empty lines are not kept.
    void add(const tmoji_efe& line);
    int size() const { return static_cast<int>(lines_.size()); }
    // Line i, 0 the oldest kept.
    const tmoji_efe& line(int i) const { return lines_[static_cast<size_t>(i)]; }

private:
    std::deque<tmoji_efe> lines_;
};

// How many lines the history panel shows at once.
constexpr int kHistoryRows = 25;

// The furthest the history can be scrolled back from its newest line.
int maxHistoryScroll(const MessageHistory& history);
// Draws the history panel over cg: the lines in their colours, newest at the
// bottom, scrolled back by scroll lines.
void drawHistory(ViewLayer& game, int scroll);

}  // namespace minamori
