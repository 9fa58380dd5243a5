// The game's boxes as the browser's own: confirm() and alert() hold the page
// until they are answered, as the desktop's boxes hold the window.
#pragma once

#include "core/platform.h"

namespace minamori {

class WebDialogs : public Dialogs {
public:
    bool askYesNo(const std::string& text) override;
    void showMessage(const std::string& text) override;
};

}  // namespace minamori
