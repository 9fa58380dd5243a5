// Modal boxes over the game window. Once the game's picture and fonts are
// attached, a box is the game's own (view/dialog_box.h), drawn over the picture
// in the game's font and run in a loop of its own here until it is answered;
// before that, or without fonts, SDL's own message box shows the text and
// standard error repeats it.
#pragma once

#include <memory>

#include "core/platform.h"
#include "view/dialog_box.h"

struct SDL_Window;
union SDL_Event;

namespace minamori {

class SdlVideo;

class SdlDialogs : public Dialogs {
public:
    SdlDialogs();
    ~SdlDialogs() override;

    void setParent(SDL_Window* window) { parent_ = window; }
    // The window to show boxes in, the picture they cover and the font engine
    // they are written with; all three must outlive the boxes.
    void attach(SdlVideo& video, const Canvas& picture, FontEngine& fonts);
    // Set while the game answers a request to close its window: a box it asks
    // then (the save failed: quit without saving?) is the answer to that
    // request, so closing the window again answers it いいえ and goes no further.
    void setAnsweringClose(bool answering) { answeringClose_ = answering; }

    bool askYesNo(const std::string& text) override;
    void showMessage(const std::string& text) override;

private:
    bool attached() const { return video_ && picture_ && text_; }
    // Runs the box until it is answered; returns its answer.
    bool run(const std::string& text, BoxKind kind);
    void handle(DialogBox& box, const SDL_Event& e, bool& closeRequested);
    bool fallbackYesNo(const std::string& text);
    void fallbackMessage(const std::string& text);

    SDL_Window* parent_ = nullptr;
    SdlVideo* video_ = nullptr;
    const Canvas* picture_ = nullptr;
    std::unique_ptr<TextPainter> text_;
    bool answeringClose_ = false;
};

}  // namespace minamori
