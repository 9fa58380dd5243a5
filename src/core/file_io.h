// Reading and writing whole files; a write that fails never leaves a file cut short.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace minamori {

// Writes bytes to a temporary file beside path, flushes it to disk and renames it
// over path, creating the folder when missing. The temporary file is always made
// new, never through a link. A path whose file has no write permission is left
// alone: the player made it read-only. Returns an empty text on success, else
// the reason it failed, naming path (the old file is then untouched).
std::string writeFileAtomically(const std::filesystem::path& path, const std::string& bytes);

enum class ReadResult { kRead, kMissing, kFailed };

// Reads a whole regular file of at most limit bytes into bytes; anything else
// (a folder, a pipe, a device, a larger file) fails at once without blocking.
// On kFailed, error holds the reason.
ReadResult readWholeFile(const std::filesystem::path& path, std::string& bytes, std::string& error,
                         std::size_t limit = std::size_t{64} << 20);

// How many times the game has changed a file since it started: a folder kept
// elsewhere (the web page's storage) is copied out when the count moves.
uint64_t filesChanged();
// Counts a change made by other means than the functions here (an append).
void noteFileChanged();

// Whether anything, even a dangling link, is at path.
bool somethingAt(const std::filesystem::path& path);

// Renames from to to unless something is at to; errno says why not (EEXIST
// when taken).
bool renameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to);

// Moves the file at path aside to path + "." + tag + "-YYYYMMDD-HHMMSS" (a
// further "-N" when that is taken; nothing is ever replaced). Returns the new
// path, or an empty one with the reason in error.
std::filesystem::path moveAside(const std::filesystem::path& path, const std::string& tag,
                                std::string& error);

}  // namespace minamori
