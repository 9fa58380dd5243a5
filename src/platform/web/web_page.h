// The page around the game: its picture on the HTML canvas, the caption line,
// the fullscreen switch. The JavaScript side is page.js.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/platform.h"
#include "view/canvas.h"

namespace minamori {

class WebPage : public WindowHost {
public:
    // Copies the picture to the page's canvas when it differs from the one
    // shown: a frame may leave it as it was, and a pointer's move may change
    // it between frames.
    void present(const Canvas& picture);

    // Leaving by the quit page: the page says the game has ended.
    void closeWindow() override;
    void setCaption(const std::string& caption) override;
    // The page picks the largest whole factor that fits its window itself;
    // a factor asked for is the most it will enlarge by.
    int largestWindowFactor() override;
    int windowFactor() override;
    void applyWindow(int factor, bool fullscreen) override;

    void toggleFullscreen();
    bool isFullscreen() const;
    bool closed() const { return closed_; }

private:
    std::vector<Pixel> shown_;
    std::vector<uint8_t> rgba_;
    bool closed_ = false;
};

}  // namespace minamori
