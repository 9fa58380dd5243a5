// A game played through the headless driver, as a player with a mouse would.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/temp_folder.h"
#include "driver.h"

namespace mtest {

class PlayedGame : public ::testing::Test {
protected:
    explicit PlayedGame(uint64_t seed = 3)
        : driver(std::make_unique<minamori::HeadlessDriver>(folder.path(), seed)) {}

    void ok(const std::string& command) { ASSERT_EQ(driver->execute(command), "ok") << command; }
    minamori::Game& game() { return driver->game(); }

    // The middle of a row, where a pointer over it rests.
    std::string rowPoint(int row) {
        const minamori::tmenu& r = game().menuTable[static_cast<size_t>(row)];
        return std::to_string(r.targetX + r.width / 2) + " " +
               std::to_string(r.targetY + (r.height - 1) / 2);
    }
    // Clicks at a point until no line waits (at most limit clicks).
    int clickThroughAt(const std::string& point, int limit = 400) {
        int clicks = 0;
        while (clicks < limit && !game().queue.empty() && !game().closing) {
            ok("click " + point);
            ++clicks;
        }
        return clicks;
    }
    // From the title pictures to the main menu of a new EASY game, its rows in place.
    void startGame() {
        ok("click 1 1");
        ok("click 1 1");
        ok("tick 12");
        ok("row 205");  // <イージーMODE>
        clickThroughAt("1 1");
        ok("tick 12");
    }

    TempFolder folder;
    std::unique_ptr<minamori::HeadlessDriver> driver;
};

}  // namespace mtest
