// P's panel: the preferences, one a line with its value, the chosen one lit.
#pragma once

#include <string>
#include <vector>

namespace minamori {

struct ViewLayer;

struct PreferenceLine {
    std::string label;
    std::string value;
};

// The lines as the game last set them, and the chosen line.
struct PreferencesPanel {
    std::vector<PreferenceLine> lines;
    int chosen = 0;
};

void drawPreferences(ViewLayer& game, const PreferencesPanel& panel);

}  // namespace minamori
