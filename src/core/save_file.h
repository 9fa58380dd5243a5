// The save file dat/my.dat and the clear record written at each game clear.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/records.h"

namespace minamori {

struct CoreLayer;

constexpr int kSaveLines = 6092;
// No save the game writes comes near this; a larger file is not read.
constexpr std::size_t kSaveSizeLimit = std::size_t{1} << 20;
// Titles are a few words; a longer one read from a file is cut here (bytes of
// UTF-8, at a character's start), as drawing it would cost without end.
constexpr std::size_t kTitleTextLimit = 256;

// One line of the save file: a number field, or the title text.
struct SaveLine {
    int32_t* number = nullptr;
    std::string* text = nullptr;
};

// The fields of the save file in line order (line 1 first).
std::vector<SaveLine> saveLayout(tmy& my, Countries& countries);

// The save file's bytes for the current game: CP932, CR LF lines.
std::string encodeSave(CoreLayer& game);

enum class LoadResult { kLoaded, kMissing, kFailed };

// Reads the save file into the game. Reading stops at the first line that is not
// a number where one belongs; the fields before it keep what was read. Past the
// end of the file numbers read as 0 and the title as empty. On kFailed, error
// says why.
LoadResult readSaveFile(CoreLayer& game, std::string& error);

// Reads the file from bytes already in memory, as readSaveFile does.
LoadResult decodeSave(CoreLayer& game, const std::string& bytes, std::string& error);

// Loads the saved game the way start-up does: a missing file starts a new game
// quietly; an unreadable one is moved aside (never to be overwritten), reported
// in a message box with the place it was kept, and play goes on with what was
// read. A save read from a place the game can no longer write is reported once
// with where saves now go. What was read is brought into range, and the fixed
// name tables are filled, in every case. The history's rows of years after
// the loaded one are dropped (not after a failed read).
void loadGame(CoreLayer& game);

// Writes the save file; a failure is reported in a message box. True on success.
bool saveGame(CoreLayer& game);
// Writes the save file; returns an empty text, or why it failed.
std::string writeSaveFile(CoreLayer& game);

// The clear record's file name for the current clear count.
std::string clearRecordName(int32_t totalClearCount);

// The clear record's lines for the current game.
std::vector<std::string> clearRecordLines(const CoreLayer& game);

// Writes the clear record beside the game's data; a failure is reported in a message box.
bool writeClearRecord(CoreLayer& game);

}  // namespace minamori
