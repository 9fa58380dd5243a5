#include "platform/sdl_dialogs.h"

#include <SDL.h>

#include <iostream>

namespace minamori {

namespace {

constexpr const char* kCaption = "ミナモリ!!";

}  // namespace

bool SdlDialogs::askYesNo(const std::string& text) {
    const SDL_MessageBoxButtonData buttons[] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, 1, "はい"},
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 0, "いいえ"},
    };
    const SDL_MessageBoxData box = {SDL_MESSAGEBOX_INFORMATION, parent_, kCaption, text.c_str(),
                                    SDL_arraysize(buttons), buttons, nullptr};
    int chosen = 0;
    if (SDL_ShowMessageBox(&box, &chosen) != 0) return false;
    return chosen == 1;
}

void SdlDialogs::showMessage(const std::string& text) {
    if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, kCaption, text.c_str(), parent_) != 0)
        std::cerr << "minamori: " << text << '\n';
}

}  // namespace minamori
