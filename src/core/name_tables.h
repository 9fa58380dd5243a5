// The fixed names of the game: opponents, items and countries.
#pragma once

#include <array>
#include <cstdint>

#include "core/battle_records.h"
#include "core/records.h"

namespace minamori {

struct CoreLayer;

// The 100 opponents, numbered as the script line "battle" + number names them.
const std::array<tenemy, kOpponentSlots>& opponentTable();
// The 2002 item kinds by id.
const std::array<titem, kItemKinds>& itemTable();

// Opponent n, or a nameless opponent of level 0 outside the table.
const tenemy& opponentEntry(int64_t n);
// Item i, or a nameless ordinary item outside the table.
const titem& itemEntry(int64_t i);

// Names the four countries in play.
void fillNameTables(CoreLayer& game);

}  // namespace minamori
