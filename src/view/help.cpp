#include "view/help.h"

#include <algorithm>

#include "view/layer.h"
#include "view/overlay_panel.h"

namespace minamori {

namespace {

constexpr int kRows = 25;  // lines the panel shows at once
constexpr int kTextWidth = kPanelRight - kPanelLeft - 24;
constexpr int kIndent = 16;  // a continued line, under its first word
constexpr Pixel kTitleColour = 0xFFE080;

// A line starting with "■" is a heading; "・" starts an item.
const std::vector<std::string> kLines = {
    "■ 遊び方",
    "・目的は、尖閣諸島の危険度を 0％ にすること。寿命が尽きるか、危険度が高まって尖閣諸島を奪われると終わりです。",
    "・1年は365日。行動にはそれぞれ日数がかかり、日数を使い切ったら【..１年を終える】で次の年へ。年が明けると、その年のニュースが届きます。",
    "・行動で経験値を得るとレベルが上がり、体力・知力・ｶﾘｽﾏもそれぞれの経験で伸びます。レベルや能力が上がるほど、選べる行動が増えます。お金や日数が足りない行は灰色で、選べません。",
    "・選挙に勝つと町・県・国の議員へと進み、やがて【政策】が開きます。大臣や総理になると、経済・外交・軍事で打てる手が増えます。",
    "・危険度は、世論や経済、各国の軍事と外交の成り行きで上下します。画面の数字を見ながら手を打ちましょう。",
    "■ キー",
    "・左クリック・Enter・Space: 決定、文を読み進める",
    "・右クリック・Backspace: 前のページへ戻る",
    "・↑↓: 行を選ぶ",
    "・Ctrl・Tab (押している間): 早送り",
    "・A: 自動送りの入・切",
    "・PageUp・ホイール: メッセージ履歴",
    "・G: 世界の推移のグラフ",
    "・P: 設定 (音量、自動送りの速さ、画面の倍率)",
    "・F1: このヘルプ",
    "・F11・Alt+Enter: 全画面の入・切",
    "・F12: スクリーンショット (画面のまま PNG で保存)",
    "・Esc (タイトル画面で): 全データの初期化",
    "■ ゲームパッド",
    "・十字キー・左スティック: ↑↓ (設定では ←→ も)",
    "・A: 決定   B: 戻る   Y: 履歴   X: グラフ",
    "・Start: 設定   Back: ヘルプ   右トリガー (引いている間): 早送り",
    "■ 早送りと自動送り",
    "・選べる行が出たところ、タイトル画面、履歴などを開いている間、ゲームの終わりの行では止まり、クリックかキーを待ちます。",
    "・新しいページが出た直後は、ポインタを動かすか ↑↓ で行を選ぶまで (または半秒たつまで) クリックを受け付けません。押しすぎで選んでしまわないためです。",
};

struct ScreenLine {
    std::string text;
    bool heading = false;
    bool continued = false;
};

std::vector<ScreenLine> screenLines(TextPainter& text) {
    std::vector<ScreenLine> out;
    for (const std::string& line : kLines) {
        const bool heading = line.rfind("■", 0) == 0;
        const std::vector<std::string> parts = text.wrap(line, kPanelFont, kTextWidth - kIndent);
        for (std::size_t i = 0; i < parts.size(); ++i) out.push_back({parts[i], heading, i > 0});
    }
    return out;
}

int furthestScroll(const std::vector<ScreenLine>& lines) {
    return std::max(0, static_cast<int>(lines.size()) - kRows);
}

}  // namespace

int maxHelpScroll(ViewLayer& game) { return furthestScroll(screenLines(game.text)); }

void drawHelp(ViewLayer& game, int scroll) {
    Canvas& cg = game.screen.cg;
    drawPanelFrame(game.text, cg, "ヘルプ",
                   "↑↓・ホイール: スクロール   F1・Esc・クリック: 閉じる");
    const std::vector<ScreenLine> lines = screenLines(game.text);
    // Wrapped once a frame: the lines give the furthest scroll too.
    const int first = std::clamp(scroll, 0, furthestScroll(lines));
    const int last = std::min(static_cast<int>(lines.size()), first + kRows);
    for (int i = first; i < last; ++i) {
        const ScreenLine& line = lines[static_cast<std::size_t>(i)];
        const int x = kPanelLeft + 8 + (line.continued ? kIndent : 0);
        game.text.draw(cg, x, kPanelFirstLineY + (i - first) * kPanelLinePitch, line.text,
                       kPanelFont, line.heading ? kTitleColour : kPanelText);
    }
}

}  // namespace minamori
