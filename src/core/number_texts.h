// Game numbers as the texts the player reads.
#pragma once

#include <cstdint>
#include <string>

namespace minamori {

// An amount of money in units of 100万円, as 円, 万円, 億円 and 兆円;
// empty from a thousand 兆円 on.
std::string moneyText(int64_t amount);
// A country's opinion of the home country as a word; empty outside 0..999.
std::string opinionWord(int64_t value);
// A country's growth figure as a word; empty outside -999,999..999,999.
std::string growthWord(int64_t value);

}  // namespace minamori
