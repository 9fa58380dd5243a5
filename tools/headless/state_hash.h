// One number for the whole state of a game, to tell at once whether two runs
// of the same commands went alike: the saved records, the queue, the log, the
// menu, the battle, the shell's input state and the random generator.
#pragma once

#include <cstdint>
#include <string>

namespace minamori {

class Game;

uint64_t stateHash(Game& game);

// The hash as 16 lower-case hexadecimal digits.
std::string hashText(uint64_t hash);

}  // namespace minamori
