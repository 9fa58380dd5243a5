// Modal message boxes over the game window.
#pragma once

#include "core/platform.h"

struct SDL_Window;

namespace minamori {

class SdlDialogs : public Dialogs {
public:
    void setParent(SDL_Window* window) { parent_ = window; }
    bool askYesNo(const std::string& text) override;
    void showMessage(const std::string& text) override;

private:
    SDL_Window* parent_ = nullptr;
};

}  // namespace minamori
