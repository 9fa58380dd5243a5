// The game's window: its picture enlarged by a whole factor, fullscreen, and
// the pointer in picture coordinates.
#pragma once

#include <SDL.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/window_scale.h"
#include "view/canvas.h"

namespace minamori {

// The window shows the picture through its own surface in plain memory, which
// needs no graphics driver; the enlargement is our own loop.
class SdlVideo {
public:
    SdlVideo() = default;
    SdlVideo(const SdlVideo&) = delete;
    SdlVideo& operator=(const SdlVideo&) = delete;
    ~SdlVideo();  // closes the window and SDL

    // Opens the window at the largest factor its display allows and shows it;
    // returns an empty text, or why it failed.
    std::string open(const char* caption);
    SDL_Window* window() const { return window_; }

    // Shows the picture unless the window already shows it.
    void present(const Canvas& cg);
    // The window was uncovered or changed size: the next present draws all.
    void invalidate() { shown_.clear(); }

    // Fullscreen on the desktop and back; leaving restores the window's factor.
    void toggleFullscreen();
    void setFullscreen(bool fullscreen);
    bool isFullscreen() const;
    // The window's factor, held to 1..largestScale(); shown at once unless fullscreen.
    void setWindowedScale(int scale);
    int largestScale() const;
    int windowedScale() const { return windowedScale_; }

    // The picture point under a window point; none on the black border.
    std::optional<Point> pictureAt(int windowX, int windowY) const;
    // Moves the desktop pointer onto a picture point.
    void warpPointer(int pictureX, int pictureY);

private:
    Viewport viewport() const;
    bool draw(SDL_Surface* target, const Canvas& cg) const;

    SDL_Window* window_ = nullptr;
    int windowedScale_ = 1;
    std::vector<Pixel> shown_;  // the picture on screen, to skip frames that change nothing
};

}  // namespace minamori
