// The desktop program's options: --help, --version, --fullscreen, --windowed
// and --data-dir DIR. Plain text in and out, for main.cpp and its tests.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace minamori {

struct CommandLine {
    enum class Action { kPlay, kHelp, kVersion, kWrong };
    Action action = Action::kPlay;
    // Set by --fullscreen or --windowed, for this run only: what the
    // preferences remember stays as it was.
    std::optional<bool> fullscreen;
    // Content and saves from one folder, as minamori-headless --data.
    std::filesystem::path dataDir;
    std::string wrong;  // why, for kWrong
};

// The arguments after the program's name; the last of --fullscreen and
// --windowed wins.
CommandLine parseCommandLine(const std::vector<std::string>& args);

// The text --help prints (and a wrong option, to standard error).
std::string usageText();
// The text --version prints: "minamori 1.0.0".
std::string versionText();

}  // namespace minamori
