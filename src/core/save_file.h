// The save file dat/my.dat and the clear record written at each game clear.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/records.h"

namespace minamori {

class Game;

constexpr int kSaveLines = 6092;

// One line of the save file: a number field, or the title text.
struct SaveLine {
    int32_t* number = nullptr;
    std::string* text = nullptr;
};

// The fields of the save file in line order (line 1 first).
std::vector<SaveLine> saveLayout(tmy& my, Countries& countries);

// The save file's bytes for the current game: CP932, CR LF lines.
std::string encodeSave(Game& game);

enum class LoadResult { kLoaded, kMissing, kFailed };

// Reads the save file into the game. Reading stops at the first line that is not
// a number where one belongs; the fields before it keep what was read. Past the
// end of the file numbers read as 0 and the title as empty. On kFailed, error
// says why.
LoadResult readSaveFile(Game& game, std::string& error);

// Reads the file from bytes already in memory, as readSaveFile does.
LoadResult decodeSave(Game& game, const std::string& bytes, std::string& error);

// Loads the saved game the way start-up does: a missing file starts a new game
// quietly, an unreadable one is reported in a message box and play goes on with
// what was read. The fixed name tables are filled in every case. The history's
// rows of years after the loaded one are dropped (not after a failed read).
void loadGame(Game& game);

// Writes the save file; a failure is reported in a message box. True on success.
bool saveGame(Game& game);
// Writes the save file; returns an empty text, or why it failed.
std::string writeSaveFile(Game& game);

// The clear record's file name for the current clear count.
std::string clearRecordName(int32_t totalClearCount);

// The clear record's lines for the current game.
std::vector<std::string> clearRecordLines(const Game& game);

// Writes the clear record beside the game's data; a failure is reported in a message box.
bool writeClearRecord(Game& game);

}  // namespace minamori
