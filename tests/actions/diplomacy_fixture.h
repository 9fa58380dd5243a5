// Commands of the diplomacy and military pages, chosen with the real menu table.
#pragma once

#include <algorithm>
#include <array>

#include "core/random.h"
#include "executor_fixture.h"

namespace mtest {

using Lines = std::vector<std::string>;

class AffairsTest : public ActionTest {
protected:
    // Chooses a row with an empty queue and the money it costs.
    void choose(int32_t row) {
        game.queue.clearQueue();
        game.my.money = std::max(game.my.money, game.menuTable[static_cast<size_t>(row)].moneyCost);
        run(row);
    }
    // The newest log text; a wrapped text's second screen line is joined again.
    std::string lastShown(int back = 0) const {
        static const std::string kIndent = "\xE3\x80\x80";  // a second line's full-width space
        for (int i = 0; i < minamori::MessageLog::kEntries; ++i) {
            std::string text = game.log.entry(i).text;
            if (text.rfind(kIndent, 0) == 0 && i + 1 < minamori::MessageLog::kEntries)
                text = game.log.entry(++i).text + text.substr(kIndent.size());
            if (back-- == 0) return text;
        }
        return {};
    }
    // Whether the game's generator stands where the probe does.
    bool drawsAlike(minamori::Random& probe) { return game.R(1 << 30) == probe.R(1 << 30); }
};

inline std::array<int32_t, 11> fields(const minamori::BattleStakes& s) {
    return {s.originRow,    s.winHomeOpinion,   s.winChinaOpinion, s.winTaiwanOpinion,
            s.winUsOpinion, s.winChinaMilitary, s.winDanger,       s.winElection,
            s.winExam,      s.winConstitution,  s.winTreatyEnd};
}

}  // namespace mtest
