#include "view/preferences_panel.h"

#include "view/layer.h"
#include "view/overlay_panel.h"

namespace minamori {

namespace {

constexpr FontSpec kLineFont{FontFace::kFixed, 12, true};
constexpr int kLinePitch = 30;
constexpr int kLabelX = kPanelLeft + 40;
constexpr int kValueX = kPanelLeft + 300;
constexpr Pixel kChosenFill = 0x333333;
constexpr Pixel kChosenText = 0xFFFFFF;

}  // namespace

void drawPreferences(ViewLayer& game, const PreferencesPanel& panel) {
    Canvas& cg = game.screen.cg;
    drawPanelFrame(game.text, cg, "設定",
                   "↑↓: 選ぶ   ←→: 変える   Enter: 切り替え   P・Esc・クリック: 閉じる");
    for (int i = 0; i < static_cast<int>(panel.lines.size()); ++i) {
        const PreferenceLine& line = panel.lines[static_cast<std::size_t>(i)];
        const int y = kPanelFirstLineY + 16 + i * kLinePitch;
        const bool chosen = i == panel.chosen;
        if (chosen) cg.fillRect(kPanelLeft + 20, y - 6, kPanelRight - 20, y + 22, kChosenFill);
        const Pixel colour = chosen ? kChosenText : kPanelText;
        game.text.draw(cg, kLabelX, y, line.label, kLineFont, colour);
        const std::string value = line.value.empty() ? "" : "◀ " + line.value + " ▶";
        game.text.draw(cg, kValueX, y, value, kLineFont, colour);
    }
}

}  // namespace minamori
