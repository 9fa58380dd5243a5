// Every sound effect of dat/, each made by one function.
#pragma once

#include <filesystem>
#include <string>

namespace content {

void writeSounds(const std::filesystem::path& dir, bool (*wanted)(const std::string&));

}  // namespace content
