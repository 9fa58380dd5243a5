#include "view/history.h"

#include <algorithm>
#include <string>

#include "view/colours.h"
#include "view/layer.h"

namespace minamori {

namespace {

constexpr FontSpec kPanelFont{FontFace::kFixed, 10, true};
constexpr int kLeft = 10, kTop = 10, kRight = 630, kBottom = 470;  // the frame
constexpr int kLinePitch = 16;
constexpr int kFirstLineY = 34;  // the top of the oldest line shown
constexpr Pixel kFrame = 0x808080;
constexpr Pixel kHeading = 0xFFFFFF;
constexpr Pixel kHint = 0xA0A0A0;
constexpr Pixel kPlainText = 0xC0C0C0;  // lines whose code names no colour

// The picture shows through at an eighth of its brightness, too dim for its
// own texts to stand out against the history.
void darken(Canvas& cg) {
    for (Pixel& p : cg.pixels()) p = (p >> 3) & 0x1F1F1F;
    cg.penColour = kFrame;
    cg.penWidth = 1;
    cg.brushClear = true;
    cg.rectangle(kLeft, kTop, kRight, kBottom);
    cg.brushClear = false;
}

void drawHeading(ViewLayer& game, int first, int last) {
    const int total = game.history.size();
    std::string heading = "メッセージ履歴";
    if (total > 0)
        heading += "  " + std::to_string(first + 1) + "-" + std::to_string(last) + " / " +
                   std::to_string(total);
    game.text.draw(game.screen.cg, kLeft + 8, kTop + 5, heading, kPanelFont, kHeading);
    game.text.draw(game.screen.cg, kLeft + 8, kBottom - 20,
                   "ホイール・PageUp/Down: スクロール   クリック・Esc・Enter: 閉じる", kPanelFont,
                   kHint);
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
    darken(cg);
    const MessageHistory& history = game.history;
    const int last = history.size() - std::clamp(scroll, 0, maxHistoryScroll(history));
    const int first = std::max(0, last - kHistoryRows);
    drawHeading(game, first, last);
    // Newest at the bottom; lines shimmer as they do in the log.
    const int bottom = kFirstLineY + (kHistoryRows - 1) * kLinePitch;
    for (int i = last - 1; i >= first; --i) {
        const tmoji_efe& line = history.line(i);
        const int fromBottom = last - 1 - i;
        const std::optional<Rgb> c = lineColour(line.code, int64_t{game.animFrame} + fromBottom);
        game.text.draw(cg, kLeft + 8, bottom - kLinePitch * fromBottom, line.text, kPanelFont,
                       c ? toPixel(*c) : kPlainText);
    }
}

}  // namespace minamori
