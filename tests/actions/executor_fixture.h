// A game with the real menu table, ready for commands chosen as a click would.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "actions/executor.h"
#include "audio/sound.h"
#include "core/name_tables.h"
#include "core/state.h"
#include "core/temp_folder.h"
#include "game/game.h"
#include "game/interpreter.h"
#include "menus/menu_table.h"

namespace mtest {

class ActionTest : public ::testing::Test {
protected:
    explicit ActionTest(uint64_t seed = 7) : game(folder.path(), seed) {
        minamori::newGame(game);
        minamori::fillNameTables(game);
        minamori::buildMenuTable(game);
    }
    // Chooses a row in a fresh frame, so that its sounds are not taken for repeats.
    void run(int32_t row) {
        minamori::soundFrameTick(game);
        minamori::executeAction(game, row);
    }
    std::vector<std::string> queued() const {
        std::vector<std::string> lines;
        for (int i = 0; i < game.queue.size(); ++i) lines.push_back(game.queue.slot(i));
        return lines;
    }
    // The queued lines without the battle a random encounter may have added.
    std::vector<std::string> ownLines() const {
        std::vector<std::string> lines = queued();
        if (!lines.empty() && lines.back().rfind("battle", 0) == 0) lines.pop_back();
        return lines;
    }
    bool logged(const std::string& text, int32_t code) const {
        for (int i = 0; i < minamori::MessageLog::kEntries; ++i)
            if (game.log.entry(i).text == text && game.log.entry(i).code == code) return true;
        return false;
    }
    bool played(const std::string& name) {
        const auto& s = game.recorder().sounds;
        return std::find(s.begin(), s.end(), name) != s.end();
    }

    static constexpr int32_t kSilver = 316, kGray = 313, kAqua = 306;
    TempFolder folder;
    minamori::Game game;
};

// The same, in play: clicks read the queued lines as the player does.
class PlayingTest : public ActionTest {
protected:
    explicit PlayingTest(uint64_t seed = 7) : ActionTest(seed) {
        game.titleStage = 0;
        game.inGame = 1;
        game.my.gameStarted = 1;
        game.my.lifespan = 60;
    }
    void click() {
        minamori::soundFrameTick(game);
        minamori::onGameClick(game, 0, 0, false);
    }
    void clickThrough() {
        for (int i = 0; i < 200 && !game.queue.empty(); ++i) click();
    }
};

}  // namespace mtest
