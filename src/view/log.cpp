#include "view/log.h"

#include "core/game.h"
#include "view/colours.h"

namespace minamori {

void addLogLine(Game& game, const std::string& text, const std::string& colourName) {
    const int32_t code = colourCode(colourName);
    game.log.add(game.splitLogText ? game.splitLogText(text) : std::vector<std::string>{text}, code);
}

void addGreyLine(Game& game, const std::string& text) { addLogLine(game, text, "silver"); }

void clearLog(Game& game) {
    if (game.closing) return;
    game.log.clear();
}

}  // namespace minamori
