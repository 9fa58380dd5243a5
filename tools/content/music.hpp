// Every piece of music of dat/, each composed by one function.
#pragma once

#include <filesystem>
#include <string>

namespace content {

void writeMusic(const std::filesystem::path& dir, bool (*wanted)(const std::string&));

}  // namespace content
