// The Game object: every record of a running game, layer upon layer (see
// core/layer.h), and the shell's own figures on top.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "actions/layer.h"
#include "core/settings_file.h"
#include "game/advance.h"
#include "game/choice_guard.h"

namespace minamori {

class Game final : public ActionLayer {
public:
    // A game whose content and saves lie at paths; a plain folder (holding cg/
    // and dat/ with the save) converts to them. Without services it records what
    // it asks of the machine in recorder() and measures text with fixed metrics.
    explicit Game(std::filesystem::path dataDir = {}, uint64_t seed = 1);
    Game(Services services, GamePaths paths, uint64_t seed);

    bool closeGame() override;

    // Shell.
    int32_t titleStage = -2;  // -2 first title picture, -1 second, 0 from the title menu on
    int32_t ticksThisSecond = 0;
    int32_t frameInterval = 90;  // the frame timer's interval in ms
    int64_t nextRateCheck = 0;   // ms on the shell's clock

    // Around the game: none of it is saved or read by the rules of play.
    ChoiceGuard guard;
    AdvanceState advance;
    std::string caption;  // as last given to the window
    std::string notice;   // said in the caption until noticeUntilMs
    int64_t noticeUntilMs = 0;
    int64_t clockMs = 0;  // the shell's clock at the last frame
    Settings settings;
    bool helpHintUp = false;  // the caption shows the first game's hint to F1
};

}  // namespace minamori
