// Every field of a game by the name the driver's `set` and `state` use.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

namespace minamori {

class Game;

// Sets the field at path ("money", "useCount.457", "countries.1.opinion",
// "titleText", "titleStage") from text. Returns an empty text, or why it failed.
std::string setField(Game& game, const std::string& path, const std::string& value);

// The player's record and the countries as JSON: the large per-row arrays as
// objects of their non-zero entries keyed by index.
void recordsToJson(Game& game, nlohmann::ordered_json& out);

}  // namespace minamori
