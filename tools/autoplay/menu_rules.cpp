#include "menu_rules.h"

#include "game/game.h"

namespace minamori::autoplay {

namespace {

constexpr int kPictureHeight = 480;
constexpr int kRowYearEnd = 9;  // ..１年を終える stays available on the last day

int count(const std::array<int32_t, kMenuRowSlots>& counts, int row) {
    return inRange(row, kMenuRowSlots) ? counts[static_cast<size_t>(row)] : 0;
}

const tmenu& rowOf(const Game& game, int row) { return game.menuTable[static_cast<size_t>(row)]; }

bool growsUpward(int page) {
    return page == kPageTitle || page == kPageResetConfirm || page == kPageResetConfirm2;
}

}  // namespace

bool rowPasses(const Game& game, int row) {
    if (!inRange(row, kMenuRows)) return false;
    const tmenu& r = rowOf(game, row);
    if (r.caption.empty()) return false;
    const tmy& m = game.my;
    const int opinion = game.countries[kJapan].opinion;
    if (r.homeOpinionBelow != 0 && opinion >= r.homeOpinionBelow) return false;
    if (opinion < r.minHomeOpinion) return false;
    if (m.intelligence < r.minIntelligence || m.vitality < r.minVitality ||
        m.charisma < r.minCharisma)
        return false;
    if (r.maxUses != 0 && count(m.useCount, row) >= r.maxUses) return false;
    if (r.prerequisiteRow >= 1 && inRange(r.prerequisiteRow, kMenuRows) &&
        count(m.useCount, r.prerequisiteRow) < rowOf(game, r.prerequisiteRow).maxUses)
        return false;
    if (r.requiredItem >= 1 && (!inRange(r.requiredItem, kItemSlots) ||
                                m.itemCount[static_cast<size_t>(r.requiredItem)] == 0))
        return false;
    return m.level >= r.minLevel;
}

int rowCentreY(const Game& game, int row) {
    if (!rowPasses(game, row)) return -1;
    // Rows are laid out in row order, each one row height (less the shared
    // border line) below the one before; the title pages grow upward.
    const tmenu& r = rowOf(game, row);
    int before = 0;
    for (int q = 1; q < row; ++q)
        if (rowOf(game, q).page == r.page && rowPasses(game, q)) ++before;
    const int h = r.height != 0 ? r.height : 25;
    const int top = growsUpward(r.page) ? 445 - (h - 1) * before : 10 + (h - 1) * before;
    return top + (h - 1) / 2;
}

bool rowInPicture(const Game& game, int row) {
    const int y = rowCentreY(game, row);
    return y >= 0 && y < kPictureHeight;
}

bool rowChoosable(const Game& game, int row) {
    if (!rowPasses(game, row)) return false;
    const tmenu& r = rowOf(game, row);
    const tmy& m = game.my;
    if (m.money < r.moneyCost) return false;
    if (int64_t{m.daysUsed} + r.dayCost > 365 && row != kRowYearEnd) return false;
    if (r.page >= 10 && r.page <= 99 && count(m.usedThisYear, row) != 0) return false;
    return rowInPicture(game, row);
}

}  // namespace minamori::autoplay
