// Reading and writing whole files; a write that fails never leaves a file cut short.
#pragma once

#include <filesystem>
#include <string>

namespace minamori {

// Writes bytes to a temporary file beside path, flushes it to disk and renames it
// over path, creating the folder when missing. Returns an empty text on success,
// else the reason it failed (the old file is then untouched).
std::string writeFileAtomically(const std::filesystem::path& path, const std::string& bytes);

enum class ReadResult { kRead, kMissing, kFailed };

// Reads a whole file into bytes; on kFailed, error holds the reason.
ReadResult readWholeFile(const std::filesystem::path& path, std::string& bytes, std::string& error);

}  // namespace minamori
