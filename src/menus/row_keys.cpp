#include "menus/row_keys.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "menus/layer.h"

namespace minamori {

namespace {

bool onPage(const MenuLayer& game, const tmenu& row) {
    return row.shown == 1 && row.page == game.menu.currentPage;
}

// Whether the pointer is over the row at its final place; the bottom line is
// the next row's, as for the hover.
bool pointerOnTarget(const MenuLayer& game, const tmenu& row) {
    return game.mouseX >= row.targetX &&
           int64_t{game.mouseX} <= int64_t{row.targetX} + row.width - 1 &&
           game.mouseY >= row.targetY &&
           int64_t{game.mouseY} <= int64_t{row.targetY} + row.height - 2;
}

// The middle of the part of the row that belongs to it.
int32_t centreX(const tmenu& row) {
    return static_cast<int32_t>(int64_t{row.targetX} + row.width / 2);
}
int32_t centreY(const tmenu& row) {
    return static_cast<int32_t>(int64_t{row.targetY} + (row.height - 1) / 2);
}

// A long page runs on below the picture, where no pointer can reach.
bool onPicture(const tmenu& row) {
    return centreX(row) >= 0 && centreX(row) < kScreenWidth && centreY(row) >= 0 &&
           centreY(row) < kScreenHeight;
}

// The enabled rows of the page on the picture, top to bottom (the title page
// grows upward).
std::vector<const tmenu*> choosableRows(const MenuLayer& game) {
    std::vector<const tmenu*> rows;
    for (const tmenu& row : game.menuTable)
        if (onPage(game, row) && row.enabled == 1 && onPicture(row)) rows.push_back(&row);
    std::stable_sort(rows.begin(), rows.end(),
                     [](const tmenu* a, const tmenu* b) { return a->targetY < b->targetY; });
    return rows;
}

// The top of the row under the pointer, enabled or not.
std::optional<int32_t> pointerRowTop(const MenuLayer& game) {
    for (const tmenu& row : game.menuTable)
        if (onPage(game, row) && pointerOnTarget(game, row)) return row.targetY;
    return std::nullopt;
}

const tmenu* adjacentRow(const std::vector<const tmenu*>& rows, std::optional<int32_t> from,
                         int direction) {
    if (direction > 0) {
        for (const tmenu* row : rows)
            if (from && row->targetY > *from) return row;
        return rows.front();
    }
    for (auto it = rows.rbegin(); it != rows.rend(); ++it)
        if (from && (*it)->targetY < *from) return *it;
    return rows.back();
}

}  // namespace

bool pointToAdjacentRow(MenuLayer& game, int direction) {
    if (!game.queue.empty()) return false;
    const std::vector<const tmenu*> rows = choosableRows(game);
    if (rows.empty()) return false;
    const tmenu* row = adjacentRow(rows, pointerRowTop(game), direction);
    game.mouseX = centreX(*row);
    game.mouseY = centreY(*row);
    return true;
}

}  // namespace minamori
