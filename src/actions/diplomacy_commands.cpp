#include "actions/diplomacy_commands.h"

#include "actions/encounter.h"
#include "actions/layer.h"
#include "script/stats.h"
#include "view/log.h"

namespace minamori::affairs {

namespace {

void runStep(ActionLayer& game, const Command& command, const Step& step, int32_t row) {
    if (step.what == Do::kNothing) return;
    if (step.chance != 0 && game.R(step.chance) != 0) return;
    const int32_t n = step.amount;
    switch (step.what) {
        case Do::kNothing: break;
        case Do::kExp: queueExp(game, n); break;
        case Do::kIntExp: queueIntelligenceExp(game, n); break;
        case Do::kVitExp: queueVitalityExp(game, n); break;
        case Do::kTokuExp: queueCharismaExp(game, n); break;
        case Do::kOpinion: queueOpinion(game, step.country, n); break;
        case Do::kMilitary: queueMilitary(game, step.country, n); break;
        case Do::kGrowth: queueGrowth(game, step.country, n); break;
        case Do::kDanger: queueDanger(game, n); break;
        case Do::kSay:
            if (step.text) game.queue.pushLine(step.text);
            break;
        case Do::kBattle: queueCommandBattle(game, command, n, row); break;
        case Do::kVitExpNow: gainVitalityExp(game, n); break;
        case Do::kTokuExpNow: gainCharismaExp(game, n); break;
        case Do::kOpinionNow: changeOpinion(game, step.country, n); break;
    }
}

}  // namespace

const Command* findCommand(std::span<const Command> commands, int32_t slot) {
    for (const Command& command : commands)
        if (command.slot == slot) return &command;
    return nullptr;
}

void queueCommandBattle(ActionLayer& game, const Command& command, int32_t opponent, int32_t row) {
    BattleStakes stakes = command.stakes;
    if (command.recordOrigin) stakes.originRow = row;
    queueBattle(game, opponent, stakes);
}

void runCommand(ActionLayer& game, const Command& command, int32_t row) {
    if (command.feedback) addGreyLine(game, command.feedback);
    if (command.alsoNow) addGreyLine(game, command.alsoNow);
    for (const Step& step : command.steps) runStep(game, command, step, row);
    if (command.finish) command.finish(game, command, row);
}

}  // namespace minamori::affairs
