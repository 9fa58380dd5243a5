// Which menu page is on screen.
#pragma once

#include <cstdint>

namespace minamori {

enum MenuPage : int32_t {
    kPageNone = 0,
    kPageMain = 1,
    kPageQuit = 2,
    kPageOption = 3,
    kPageSound = 4,
    kPageTitle = 5,
    kPageResetConfirm = 6,
    kPageResetConfirm2 = 7,
    kPageActivities = 10,
    kPagePolicies = 20,
    kPageDiplomacy = 30,
    kPageMilitary = 40,
    kPageMiracles = 50,
    kPageBattle = 100,
};

struct MenuState {
    int32_t currentPage = 0;  // 0 when the menu is closed
    int32_t backPage = 0;     // where a right click returns to
    int32_t hoveredRow = 0;   // 0: none
    int32_t rowsLaidOut = 0;
};

}  // namespace minamori
