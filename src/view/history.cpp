#include "view/history.h"

#include <algorithm>
#include <string>

#include "view/colours.h"
#include "view/layer.h"
#include "view/overlay_panel.h"

namespace minamori {

namespace {

constexpr int kLeft = kPanelLeft;
constexpr int kFirstLineY = kPanelFirstLineY;  // the top of the oldest line shown
constexpr int kLinePitch = kPanelLinePitch;

std::string heading(const MessageHistory& history, int first, int last) {
    const int total = history.size();
    std::string text = "メッセージ履歴";
    if (total > 0)
        text += "  " + std::to_string(first + 1) + "-" + std::to_string(last) + " / " +
                std::to_string(total);
    return text;
}

}  // namespace

void MessageHistory::add(const tmoji_efe& line) {
    if (line.text.empty()) return;
    lines_.push_back(line);
    if (lines_.size() > kLines) lines_.pop_front();
}

int maxHistoryScroll(const MessageHistory& history) {
    return std::max(0, history.size() - kHistoryRows);
}

void drawHistory(ViewLayer& game, int scroll) {
    Canvas& cg = game.screen.cg;
    const MessageHistory& history = game.history;
    const int last = history.size() - std::clamp(scroll, 0, maxHistoryScroll(history));
    const int first = std::max(0, last - kHistoryRows);
    drawPanelFrame(game.text, cg, heading(history, first, last),
                   "ホイール・PageUp/Down: スクロール   クリック・Esc・Enter: 閉じる");
    // Newest at the bottom; lines shimmer as they do in the log.
    const int bottom = kFirstLineY + (kHistoryRows - 1) * kLinePitch;
    for (int i = last - 1; i >= first; --i) {
        const tmoji_efe& line = history.line(i);
        const int fromBottom = last - 1 - i;
        const std::optional<Rgb> c = lineColour(line.code, int64_t{game.animFrame} + fromBottom);
        game.text.draw(cg, kLeft + 8, bottom - kLinePitch * fromBottom, line.text, kPanelFont,
                       c ? toPixel(*c) : kPanelText);
    }
}

}  // namespace minamori
