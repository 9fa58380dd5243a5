#include "game/caption.h"

#include "game/advance.h"
#include "game/game.h"
#include "game/preferences.h"

namespace minamori {

namespace {

constexpr int64_t kNoticeMs = 3000;

bool helpHintDue(const Game& game) {
    return !game.settings.helpHintShown && game.inGame == 1 && game.titleStage >= 0 &&
           game.menu.currentPage == kPageMain;
}

}  // namespace

std::string windowCaption(const Game& game) {
    std::string caption =
        "ミナモリ!!  (↑↓: 選ぶ  Enter: 決定  Backspace: 戻る  PageUp: 履歴  G: 推移  "
        "F1: ヘルプ  F11: 全画面)";
    if (!game.notice.empty()) return "ミナモリ!!  " + game.notice;
    if (helpHintDue(game)) caption += "  ★ 遊び方は F1";
    if (fastForwarding(game))
        caption += "  ▶▶ 早送り";
    else if (game.advance.autoAdvance)
        caption += "  ▶ 自動送り";
    return caption;
}

void helpHintSeen(Game& game) {
    if (game.settings.helpHintShown) return;
    game.settings.helpHintShown = true;
    savePreferences(game);
}

void showNotice(Game& game, const std::string& text) {
    game.notice = text;
    game.noticeUntilMs = game.clockMs + kNoticeMs;
    updateCaption(game);
}

void updateCaption(Game& game) {
    if (!game.notice.empty() && game.clockMs >= game.noticeUntilMs) game.notice.clear();
    // Shown once: leaving the main menu after the hint was up counts as seen.
    const bool due = helpHintDue(game);
    if (game.helpHintUp && !due) helpHintSeen(game);
    game.helpHintUp = due;
    std::string caption = windowCaption(game);
    if (caption == game.caption) return;
    game.caption = std::move(caption);
    game.window().setCaption(game.caption);
}

}  // namespace minamori
